#!/usr/bin/env bash
# Le vrai exécutable sans écran finit sur un code et un message français, jamais sur l'abandon
# de Qt (134). Usage : sans-ecran.sh EXECUTABLE FICHIER_LISIBLE
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
sortie=$(mktemp)
trap 'rm -f "$sortie"' EXIT
echec=0
essai() { # code attendu, texte attendu (début de ligne), arguments...
  local attendu=$1 texte=$2
  shift 2
  "$@" >"$sortie" 2>&1
  local code=$?
  [ "$code" = "$attendu" ] && grep -q "^$texte" "$sortie" && return
  echo "ÉCHEC : ${*:2} -> $code (attendu $attendu, « $texte »)" >&2
  cat "$sortie" >&2
  echec=1
}
essai 64 "gestion-chauffage : option inconnue « -zz »" "$1" -zz
essai 64 "gestion-chauffage : fichier introuvable « absent.PRG »" "$1" absent.PRG
essai 6 "gestion-chauffage : pas d'écran" "$1" "$2"
essai 64 "gestion-chauffage : fichier introuvable « -x.PRG »" "$1" -- -x.PRG
exit $echec
