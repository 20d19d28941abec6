#!/usr/bin/env bash
# La semaine de référence de deux zones peinte dans la vraie fenêtre, en aussi peu de gestes
# que possible, puis sauvée par Ctrl+S et comparée octet pour octet au fichier attendu :
#   zone 0 : lundi à vendredi 6H30-8H30 et 17H30-22H30, samedi et dimanche 8H00-23H00 ;
#   zone 1 : lundi à vendredi 6H00-8H00 et 18H00-23H00, samedi et dimanche 9H00-22H00.
# Un geste : une touche ou un raccourci, un clic, ou un trait (appui, glisser, relâcher).
# Usage : semaine-reference.sh DOSSIER_CONSTRUCTION
set -euo pipefail
CONSTRUCTION=$(cd "$1" && pwd)
SOURCES=$(cd "$(dirname "$0")/../.." && pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

TRAVAIL=$(mktemp -d)
CAPTURE="$CONSTRUCTION/e2e-semaine-reference.png"
pid=""
fin() {
  import -window root "$CAPTURE" 2>/dev/null || true
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$TRAVAIL"
}
trap fin EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }

cp "$CONSTRUCTION/gestion-chauffage" "$TRAVAIL/"
cp "$SOURCES/data/data.prg" "$SOURCES/data/VK472.CFG" "$TRAVAIL/"
XDG_CONFIG_HOME="$TRAVAIL/reglages" "$TRAVAIL/gestion-chauffage" >"$TRAVAIL/programme.txt" 2>&1 &
pid=$!
fenetre=""
for _ in $(seq 100); do
  fenetre=$(xdotool search --name "^GESTION CHAUFFAGE -VK472- V1.50 +Fichier:" 2>/dev/null | head -1 || true)
  [ -n "$fenetre" ] && break
  sleep 0.1
done
[ -n "$fenetre" ] || echec "la fenêtre n'est pas apparue"
sleep 0.5
# Sans gestionnaire de fenêtres, personne ne donne le clavier à la fenêtre qui s'ouvre.
xdotool windowfocus --sync "$fenetre"

eval "$(xdotool getwindowgeometry --shell "$fenetre")"
menus=$((HEIGHT - 681))
pixels() { # place absolue dans Frame1 (twips) -> "x y" en pixels de la fenêtre
  local fx fy
  fx=$(((WIDTH * 15 - 11805) / 2))
  fy=$(((HEIGHT * 15 - 9705) / 2 - 400)); [ "$fy" -lt 120 ] && fy=120
  echo $(((fx + $1) / 15)) $((menus + (fy + $2) / 15))
}
HAUTS_RANGEES=(705 1515 2370 3180 4035 4860 5700)
borne() { # "x y" de la borne (créneau 0..144) au milieu de la rangée du jour
  local x
  x=$(awk -v b="$2" 'BEGIN { printf "%d", 1410 + 9555 - (144 - b) * 65.42 + 7 }')
  pixels "$x" $((HAUTS_RANGEES[$1] + 345))
}
gestes=0
geste() { gestes=$((gestes + 1)); sleep "${PAUSE:-0.5}"; }
touche() { xdotool key --window "$fenetre" "$1"; geste; }
trait() { # jour et borne de départ, jour et borne d'arrivée
  local x1 y1 x2 y2
  read -r x1 y1 <<<"$(borne "$1" "$2")"
  read -r x2 y2 <<<"$(borne "$3" "$4")"
  xdotool mousemove --window "$fenetre" "$x1" "$y1" mousedown 1
  xdotool mousemove --window "$fenetre" $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
  xdotool mousemove --window "$fenetre" "$x2" "$y2" mouseup 1
  geste
}
h() { echo $(($1 * 6 + ${2:-0} / 10)); } # heure -> borne

touche ctrl+n # « &Nouveau »
boite=""
for _ in $(seq 50); do # sa question, dans une boîte au titre court
  boite=$(xdotool search --onlyvisible --name "^GESTION CHAUFFAGE$" 2>/dev/null | head -1 || true)
  [ -n "$boite" ] && break
  sleep 0.1
done
[ -n "$boite" ] || echec "« &Nouveau » n'a rien demandé"
xdotool windowfocus --sync "$boite"
xdotool key Return # « Oui » : tout effacer
geste
trait 0 "$(h 6 30)" 4 "$(h 8 30)"
trait 0 "$(h 17 30)" 4 "$(h 22 30)"
trait 5 "$(h 8)" 6 "$(h 23)"
# Zone 1 : flèche du haut de VScrollZone (Frame3 + Frame5 + la barre).
# shellcheck disable=SC2046
xdotool mousemove --window "$fenetre" $(pixels $((360 + 1080 + 2655 + 142)) $((6840 + 600 + 1230 + 60))) click 1
geste
trait 0 "$(h 6)" 4 "$(h 8)"
trait 0 "$(h 18)" 4 "$(h 23)"
trait 5 "$(h 9)" 6 "$(h 22)"
touche ctrl+s # « &Sauvegarde »
for _ in $(seq 30); do
  cmp -s "$TRAVAIL/data.prg" "$SOURCES/tests/donnees/semaine-reference.prg" && break
  sleep 0.1
done

echo "Semaine de référence : $gestes gestes"
cmp "$TRAVAIL/data.prg" "$SOURCES/tests/donnees/semaine-reference.prg" || {
  cp "$TRAVAIL/data.prg" "$CONSTRUCTION/e2e-semaine-reference.prg"
  echec "le fichier sauvegardé diffère (gardé dans e2e-semaine-reference.prg)"
}
[ "$gestes" -le 20 ] || echec "$gestes gestes, plus de 20"
