#!/usr/bin/env bash
# Le paquet Debian et les fichiers qui l'inscrivent au bureau, passés aux validateurs :
# desktop-file-validate, appstreamcli (--no-net : l'adresse https de la capture n'est pas
# chargée), xmllint et update-mime-database sur le type MIME, puis le type reconnu par GIO
# comme le ferait un gestionnaire de fichiers ; enfin le .deb de cpack, sa version face à
# packaging/changelog et à l'AppStream, et lintian : aucune erreur, chaque avertissement justifié dans
# packaging/lintian-justifications.md. Demande un build/ construit (scripts/construit.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh ci
P=packaging
TYPE=application/x-vk472-programme

desktop-file-validate "$P/gestion-chauffage.desktop"
grep -qx "MimeType=$TYPE;" "$P/gestion-chauffage.desktop"
appstreamcli validate --no-net --pedantic "$P/gestion-chauffage.metainfo.xml"

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
xmllint --noout "$P/gestion-chauffage-mime.xml"
mkdir -p "$travail/mime/packages" "$travail/fichiers"
cp "$P/gestion-chauffage-mime.xml" "$travail/mime/packages/"
remarques=$(XDG_DATA_DIRS="$travail" update-mime-database "$travail/mime" 2>&1)
[ -z "$remarques" ] || { echo "update-mime-database : $remarques" >&2; exit 1; }
# Par le nom (minuscules, majuscules) et, sans extension, par la marque de la première ligne ;
# un texte ordinaire sans extension ne l'est pas.
for f in maison.PRG maison.prg sans-extension; do cp data/data.prg "$travail/fichiers/$f"; done
printf 'GESTION CHAUFFAGE\r\n' >"$travail/fichiers/texte"
for cas in maison.PRG:$TYPE maison.prg:$TYPE sans-extension:$TYPE texte:text/plain; do
  vu=$(XDG_DATA_DIRS="$travail" XDG_DATA_HOME="$travail/vide" \
    gio info -a standard::content-type "$travail/fichiers/${cas%%:*}" |
    sed -n 's/^ *standard::content-type: //p')
  [ "$vu" = "${cas#*:}" ] || { echo "type de ${cas%%:*} : $vu, attendu ${cas#*:}" >&2; exit 1; }
done
echo "Bureau : entrée, AppStream et type MIME valides"

(cd build && rm -f gestion-chauffage_*.deb && cpack -G DEB >cpack.log 2>&1) || { cat build/cpack.log >&2; exit 1; }
deb=$(ls build/gestion-chauffage_*.deb)
version=$(dpkg-parsechangelog -l "$P/changelog" -S Version)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
  { echo "$deb : version $(dpkg-deb -f "$deb" Version), $P/changelog : $version" >&2; exit 1; }
# La dernière version d'AppStream est celle du paquet, sans la révision Debian.
grep -q "<release version=\"${version%-*}\"" "$P/gestion-chauffage.metainfo.xml" ||
  { echo "$P/gestion-chauffage.metainfo.xml : pas de <release> ${version%-*}" >&2; exit 1; }
rapport=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) ||
  { echo "$rapport" >&2; exit 1; }
echo "$rapport"
for tag in $(sed -n 's/^W: [^:]*: \([^ ]*\).*/\1/p' <<<"$rapport" | sort -u); do
  grep -q "\`$tag\`" "$P/lintian-justifications.md" ||
    { echo "avertissement de lintian sans justification : $tag" >&2; exit 1; }
done
echo "Paquet : $deb, lintian sans erreur"
