#!/usr/bin/env bash
# shellcheck disable=SC2086 # une option et sa valeur, en deux mots
# sans-ecran.sh EXECUTABLE FICHIER_LISIBLE [TELECOMMANDE] : sans écran, un code et un message
# français en première ligne, jamais l'abandon de Qt (134), un avertissement anglais ni un signal.
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_RUNTIME_DIR
sortie=$(mktemp)
travail=$(mktemp -d)
pdf=$(mktemp -u --suffix=.pdf)
trap 'rm -rf "$sortie" "$travail" "$pdf"' EXIT
echec=0
rate() { echo "ÉCHEC : $*" >&2; cat "$sortie" >&2; echec=1; }
essai() { # code attendu, texte attendu (début de ligne), arguments...
  local attendu=$1 texte=$2
  shift 2
  "$@" >"$sortie" 2>&1
  local code=$?
  [ "$code" = "$attendu" ] && head -n1 "$sortie" | grep -q "^$texte" || rate "${*:2} -> $code (attendu $attendu, « $texte »)"
}
essai 64 "gestion-chauffage : option inconnue « -zz »" "$1" -zz
essai 64 "gestion-chauffage : fichier introuvable « absent.PRG »" "$1" absent.PRG
essai 6 "gestion-chauffage : pas d'écran" "$1" "$2"
essai 6 "gestion-chauffage : écran injoignable" env DISPLAY=:77 "$1" "$2"
essai 64 "gestion-chauffage : fichier introuvable « -x.PRG »" "$1" -- -x.PRG
essai 64 "gestion-chauffage : « $travail » n'est pas un fichier ordinaire" "$1" "$travail"
essai 64 "gestion-chauffage : un seul fichier à ouvrir" "$1" "$2" "$2"
# Les options de Qt sont inconnues même avec --pdf, qui charge Qt Gui sur toute plateforme.
for option in "-platform xcb" -style=fusion -reverse "-qwindowgeometry 9x9"; do
  essai 64 "gestion-chauffage : option inconnue « ${option%%[ =]*} »" "$1" --pdf "$2" "$pdf" $option
done
essai 0 "$pdf : 3 pages" env QT_QPA_PLATFORM=xcb "$1" -pdf "$2" "$pdf"
essai 0 "$pdf : 3 pages" "$1" --pdf="$2" "$pdf"
# Au-delà de "ulimit -f", l'écriture échoue avec sa cause, sans temporaire laissé (SIGXFSZ).
essai 1 "$travail/s.pdf : écriture impossible. Fichier trop gros." \
  bash -c 'ulimit -f 1 && exec "$0" "$@"' "$1" --pdf "$2" "$travail/s.pdf"
[ -z "$(ls -A "$travail")" ] || rate "laissé par --pdf : $(ls -A "$travail")"
for action in --version --aide --ports "--verifie $2"; do
  essai 7 "gestion-chauffage : sortie fermée ou pleine" bash -c '"$@" >/dev/full' - "$1" $action
done
# Une sortie fermée (SIGPIPE) n'arrête pas l'envoi : la télécommande reçoit tout, sortie 7.
if [ -n "${3:-}" ]; then
  essai 1 "telecommande-virtuelle : dossier absent" "$3" --dossier /absent --port 99
  essai 1 "telecommande-virtuelle : numéro de port invalide" "$3" --dossier /absent --port 100
  cp "$1" "$2" "$travail/"
  timeout 30 "$3" --dossier "$travail" --port 1 --une-fois >"$travail/telecommande.txt" 2>&1 &
  for _ in $(seq 50); do [ -e "$travail/COM1" ] && break; sleep 0.1; done
  timeout 30 "$travail/gestion-chauffage" --envoie "$travail/$(basename "$2")" --port COM1 \
    2>"$sortie" | head -1 >/dev/null
  code=${PIPESTATUS[0]}
  wait
  cat "$travail/telecommande.txt" >>"$sortie"
  [ "$code" = 7 ] && grep -q "^\*\* FIN DE TRANSMISSION" "$sortie" && grep -q "PROG. OK" "$sortie" &&
    [ -s "$travail/TESTTRANS.ASC" ] || rate "--envoie | head -1 -> $code (attendu 7, la fin, PROG. OK, le journal)"
  # La télécommande partie avec son lien, le nouvel envoi ne va pas au port qui reste.
  essai 2 "Le périphérique de COM1 n'est plus là : /dev/pts/" \
    "$travail/gestion-chauffage" --envoie "$travail/$(basename "$2")" --port COM1
fi
exit $echec
