#!/usr/bin/env bash
# Le paquet Debian et les fichiers qui l'inscrivent au bureau, passés aux validateurs :
# desktop-file-validate, appstreamcli (--no-net : l'adresse https de la capture n'est pas
# chargée), xmllint et update-mime-database sur le type MIME, puis le type reconnu par GIO
# comme le ferait un gestionnaire de fichiers ; enfin dpkg-buildpackage dans une copie propre
# des sources, les versions (CMake, debian/changelog, AppStream), et lintian sur le .changes :
# aucune erreur, aucun avertissement, chaque exception de debian/*.lintian-overrides justifiée
# par un commentaire juste au-dessus.
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

# La copie : fichiers suivis par git et nouveaux fichiers non ignorés, comme les verrait un
# « git archive » du travail en cours ; rien de build/. Les tests viennent de passer : nocheck.
version=$(dpkg-parsechangelog -S Version)
amont=${version%-*}
copie="$travail/gestion-chauffage-$amont"
mkdir "$copie"
git ls-files -z -co --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar -c --null -T - | tar -x -C "$copie"
(cd "$copie" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b \
  >"$travail/construction.log" 2>&1) || { tail -n 40 "$travail/construction.log" >&2; exit 1; }
changes="$travail/gestion-chauffage_${version}_$(dpkg --print-architecture).changes"
[ -f "$changes" ] || { echo "$changes absent" >&2; exit 1; }

# Une version : celle de CMake (et du titre de la fenêtre), du journal et d'AppStream.
cmake_version=$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$cmake_version" = "$amont" ] ||
  { echo "CMakeLists.txt : version $cmake_version, debian/changelog : $version" >&2; exit 1; }
grep -q "<release version=\"$amont\"" "$P/gestion-chauffage.metainfo.xml" ||
  { echo "$P/gestion-chauffage.metainfo.xml : pas de <release> $amont" >&2; exit 1; }

for exceptions in debian/*lintian-overrides; do
  [ -e "$exceptions" ] || continue
  awk -v f="$exceptions" '!/^#/ && NF && prec !~ /^#/ { print f ": exception sans justification : " $0; e = 1 }
    { prec = $0 } END { exit e }' "$exceptions" >&2 || exit 1
done
rapport=$(lintian --fail-on error,warning --tag-display-limit 0 "$changes" 2>&1) ||
  { echo "$rapport" >&2; exit 1; }
[ -z "$rapport" ] || echo "$rapport"
echo "Paquet : $(basename "$changes"), lintian sans erreur ni avertissement"
