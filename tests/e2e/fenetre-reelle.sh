#!/usr/bin/env bash
# Ce que seuls X11 et le vrai exécutable montrent (le reste est vu sur le banc en C++) : la
# mesure du démarrage, le titre X de « ? », vraies touches et souris aux places dessinées.
# Usage : fenetre-reelle.sh CONSTRUCTION
set -euo pipefail
CONSTRUCTION=$(cd "$1" && pwd)
SOURCES=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=commun.sh
source "$SOURCES/tests/e2e/commun.sh"
avant_fin() { # en échec : l'écran et le programme sauvé
  [ $? = 0 ] && return
  import -window root "$CONSTRUCTION/e2e-derniere-capture.png" 2>/dev/null || true
  cp "$TRAVAIL/data.prg" "$CONSTRUCTION/e2e-semaine-reference.prg" || true
}
attend() { # condition (évaluée) vraie avant dix secondes, sinon l'échec dit
  for _ in $(seq 100); do eval "$1" && return; sleep 0.1; done
  echec "$2"
}
cp "$CONSTRUCTION/gestion-chauffage" "$SOURCES/data/data.prg" "$SOURCES/data/VK472.CFG" "$TRAVAIL/"
# La mesure du démarrage de bench/demarrage.sh : l'heure de la première peinture, puis la fin.
GC_MESURE_DEMARRAGE=1 XDG_CONFIG_HOME="$TRAVAIL/reglages" timeout 20 "$TRAVAIL/gestion-chauffage" |
  grep -q "^premiere-peinture-ns [0-9]" || echec "pas de mesure du démarrage"
XDG_CONFIG_HOME="$TRAVAIL/reglages" "$TRAVAIL/gestion-chauffage" >"$TRAVAIL/programme.txt" 2>&1 &
pids+=($!)
fenetre=""
attend 'fenetre=$(xdotool search --name "^GESTION CHAUFFAGE -VK472- V1.50 +Fichier:" | head -1)' \
  "la fenêtre n'est pas apparue avec le fichier dans son titre"
sleep 0.5

# Sans gestionnaire de fenêtres, la taille extérieure est celle de la fenêtre ; la zone
# cliente dessinée fait 681 pixels de haut, la barre de menus prend le reste.
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
menus=$((HEIGHT - 681))
# Frame1 est centré : ((L x 15 - 11805) / 2, max(120, (H x 15 - 9705) / 2 - 400)) twips.
pixels() { # place absolue dans Frame1 (twips) -> "x y" en pixels de la fenêtre
  local fx fy
  fx=$(((WIDTH * 15 - 11805) / 2))
  fy=$(((HEIGHT * 15 - 9705) / 2 - 400)); [ "$fy" -lt 120 ] && fy=120
  echo $(((fx + $1) / 15)) $((menus + (fy + $2) / 15))
}
boite() { # la boîte ouverte : une fenêtre du programme de type dialogue
  local b=""
  attend 'b=$(for w in $(xdotool search --onlyvisible --class gestion-chauffage); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG && echo "$w"; done)
    [ -n "$b" ]' "boîte attendue absente"
  echo "${b%%$'\n'*}"
}
# Sans gestionnaire de fenêtres, le clavier va où on le met : la boîte prend le focus, puis
# la fenêtre, une fois la boîte partie (son départ vu en retard fermerait le trait qui suit).
repond() {
  local b; b=${1:-$(boite)}
  xdotool windowfocus --sync "$b" key Return
  for _ in $(seq 100); do xwininfo -id "$b" 2>/dev/null | grep -q IsViewable || break; sleep 0.1; done
  xdotool windowfocus --sync "$fenetre" 2>/dev/null || true
  sleep 0.3
}

# « ? » par Alt+? : sans titre, ni dans sa barre (Qt y mettrait le nom du programme) ni pour X.
xdotool windowfocus --sync "$fenetre" key alt+question
boite=$(boite)
[ "$(xprop -id "$boite" _NET_WM_NAME)" = "_NET_WM_NAME(UTF8_STRING) = " ] &&
  [ -z "$(xdotool getwindowname "$boite")" ] || echec "la boîte « ? » porte un titre"
repond "$boite"

# La semaine de référence de deux zones peinte en 20 gestes au plus (touche, clic ou trait)
# depuis « &Nouveau », sauvée par le menu au clavier, comparée octet pour octet :
#   zone 0 : lundi à vendredi 6H30-8H30 et 17H30-22H30, samedi et dimanche 8H00-23H00 ;
#   zone 1 : lundi à vendredi 6H00-8H00 et 18H00-23H00, samedi et dimanche 9H00-22H00.
HAUTS_RANGEES=(705 1515 2370 3180 4035 4860 5700)
borne() { # "x y" de la borne (0..144) au milieu de la rangée du jour ; +7 : demi-pixel
  local x
  x=$(awk -v b="$2" 'BEGIN { printf "%d", 1410 + 9555 - (144 - b) * 65.42 + 7 }')
  pixels "$x" $((HAUTS_RANGEES[$1] + 345))
}
gestes=0
geste() { gestes=$((gestes + 1)); sleep "${PAUSE:-0.5}"; }
trait() { # jour et borne de départ, jour et borne d'arrivée
  local x1 y1 x2 y2
  read -r x1 y1 x2 y2 <<<"$(borne "$1" "$2") $(borne "$3" "$4")"
  xdotool mousemove --window "$fenetre" "$x1" "$y1" mousedown 1
  xdotool mousemove --window "$fenetre" $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
  xdotool mousemove --window "$fenetre" "$x2" "$y2" mouseup 1
  geste
}
h() { echo $(($1 * 6 + ${2:-0} / 10)); } # heure -> borne

xdotool windowfocus --sync "$fenetre"
xdotool key --window "$fenetre" ctrl+n # « &Nouveau », « Oui » : tout effacer
geste
repond
geste
trait 0 "$(h 6 30)" 4 "$(h 8 30)"
trait 0 "$(h 17 30)" 4 "$(h 22 30)"
trait 5 "$(h 8)" 6 "$(h 23)"
# Zone 1 : la flèche du haut de VScrollZone, Frame3 (360, 6840) + Frame5 (1080, 600).
# shellcheck disable=SC2046
xdotool mousemove --window "$fenetre" $(pixels $((360 + 1080 + 2655 + 142)) $((6840 + 600 + 1230 + 60))) click 1
geste
trait 0 "$(h 6)" 4 "$(h 8)"
trait 0 "$(h 18)" 4 "$(h 23)"
trait 5 "$(h 9)" 6 "$(h 22)"
xdotool key --window "$fenetre" alt+f # « &Sauvegarde » par le menu
geste
xdotool key s
geste
attend 'cmp -s "$TRAVAIL/data.prg" "$SOURCES/tests/donnees/semaine-reference.prg"' \
  "semaine de référence : fichier différent (gardé dans e2e-semaine-reference.prg)"
echo "Semaine de référence : $gestes gestes"
[ "$gestes" -le 20 ] || echec "$gestes gestes, plus de 20"
