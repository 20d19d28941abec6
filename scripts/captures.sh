#!/usr/bin/env bash
# Refait toutes les images du guide et du README depuis la vraie fenêtre, sous Xvfb :
# une personne la piloterait de même au clavier et à la souris (xdotool), l'image est prise
# par ImageMagick. Le programme part de l'exemple livré (data/data.prg, port COM1) avec la
# télécommande virtuelle en COM1, dans un dossier à part : rien de l'utilisateur n'est lu.
# Usage : bash scripts/captures.sh [DOSSIER_CONSTRUCTION]   (par défaut build/, déjà construit)
# Les images vont dans docs/guide/images/ ; relisez-les avant de les garder (git diff).
set -euo pipefail
SOURCES=$(cd "$(dirname "$0")/.." && pwd)
CONSTRUCTION=$(cd "${1:-$SOURCES/build}" && pwd)
IMAGES="$SOURCES/docs/guide/images"

# Toujours un écran virtuel de même taille, même quand un écran est là : mêmes images.
if [ -z "${GC_CAPTURES_XVFB:-}" ]; then
  GC_CAPTURES_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

# shellcheck source=../tests/e2e/commun.sh
source "$SOURCES/tests/e2e/commun.sh"
attends_fenetre() { # nom exact (expression) -> identifiant de la fenêtre visible
  local w=""
  for _ in $(seq 50); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1 || true)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.1
  done
  echec "fenêtre « $1 » absente"
}
pause() { sleep "${PAUSE:-0.6}"; }
# La souris loin de la fenêtre : aucun bouton survolé sur les images.
ecarte_souris() { xdotool mousemove 1270 1010; }
photo() { # fenêtre, nom de l'image
  ecarte_souris
  pause
  import -window "$1" "$IMAGES/$2"
  echo "$IMAGES/$2"
}

cp "$CONSTRUCTION/gestion-chauffage" "$TRAVAIL/"
cp "$SOURCES/data/data.prg" "$SOURCES/data/VK472.CFG" "$TRAVAIL/"
export XDG_CONFIG_HOME="$TRAVAIL/reglages" XDG_DATA_HOME="$TRAVAIL/donnees"

"$CONSTRUCTION/telecommande-virtuelle" --dossier "$TRAVAIL" --port 1 >"$TRAVAIL/telecommande.txt" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "$TRAVAIL/COM1" ] && break; sleep 0.1; done
[ -e "$TRAVAIL/COM1" ] || echec "la télécommande virtuelle n'a pas créé COM1"

"$TRAVAIL/gestion-chauffage" >"$TRAVAIL/programme.txt" 2>&1 &
pids+=($!)
fenetre=$(attends_fenetre "^GESTION CHAUFFAGE -VK472- V1.50 +Fichier:")
pause
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
menus=$((HEIGHT - 681)) # la zone cliente dessinée fait 681 pixels de haut
pixels() { # place dans Frame1 (twips) -> "x y" dans la fenêtre (Frame1 centré, voir MiseEnPage)
  local fx fy
  fx=$(((WIDTH * 15 - 11805) / 2))
  fy=$(((HEIGHT * 15 - 9705) / 2 - 400)); [ "$fy" -lt 120 ] && fy=120
  echo $(((fx + $1) / 15)) $((menus + (fy + $2) / 15))
}
clic_twips() {
  # shellcheck disable=SC2046
  xdotool mousemove --window "$fenetre" $(pixels "$1" "$2") click 1
  pause
}
HAUTS_RANGEES=(705 1515 2370 3180 4035 4860 5700)
borne() { # "x y" de la borne 0..144 au milieu de la rangée du jour (échelle des rangées)
  local x
  x=$(awk -v b="$2" 'BEGIN { printf "%d", 1410 + 9555 - (144 - b) * 65.42 + 7 }')
  pixels "$x" $((HAUTS_RANGEES[$1] + 345))
}
mkdir -p "$IMAGES"

# 1. La fenêtre : mercredi choisi, curseur à 9H50, segments horaires affichés.
# shellcheck disable=SC2046
xdotool mousemove --window "$fenetre" $(borne 2 59) click 1
pause
clic_twips $((360 + 5880 + 300)) $((6840 + 2040 + 127)) # « Affichage Segments Horaires »
photo "$fenetre" fenetre-mercredi-9h50.png

# 2. « Horaires de la semaine… », mardi mal tapé : la raison en rouge, OK grisé. Ouvert par
# le menu : après Ctrl+H, le premier « h » tapé par xdotool se perd.
xdotool windowfocus --sync "$fenetre"
xdotool key --window "$fenetre" alt+d # « Édition » : « Copier le jour vers… » en premier
pause
xdotool key Down Return
horaires=$(attends_fenetre "^Horaires de la semaine$")
pause
# Un clic dans la ligne de mardi (la deuxième) la sélectionne : la frappe la remplace.
xdotool mousemove --window "$horaires" 200 49 click 1
pause
xdotool type --delay 80 "6h30-8h30 17h30-25h"
photo "$horaires" horaires.png
xdotool key Escape
pause

# 3. Le menu des ports : « Configuration » puis « Choix port série ».
xdotool windowfocus --sync "$fenetre"
xdotool key --window "$fenetre" alt+c
pause
xdotool key Right
ecarte_souris
pause
# Les menus ouverts sont des fenêtres à part : l'image couvre la fenêtre jusqu'au sous-menu.
droite=0 bas=0
for w in $(xdotool search --onlyvisible --class gestion-chauffage 2>/dev/null); do
  [ "$w" = "$fenetre" ] && continue
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ $((X + WIDTH)) -gt "$droite" ] && droite=$((X + WIDTH))
  [ $((Y + HEIGHT)) -gt "$bas" ] && bas=$((Y + HEIGHT))
done
[ "$droite" -gt 0 ] || echec "le menu des ports ne s'est pas ouvert"
import -window root -crop "$((droite + 40))x$((bas + 30))+0+0" +repage "$IMAGES/menu-ports.png"
echo "$IMAGES/menu-ports.png"

# 4. COM3 ne désigne rien : la boîte qui le dit. La coche revient sur COM1.
xdotool key Down Down Return
boite=$(attends_fenetre "^GESTION CHAUFFAGE$")
photo "$boite" boite-port-introuvable.png
xdotool windowfocus --sync "$boite"
xdotool key Return
pause

# 5. « Programmation » : la consigne de lecture des bips, puis l'envoi à la télécommande
# virtuelle jusqu'à « ** FIN DE TRANSMISSION ** ».
xdotool windowfocus --sync "$fenetre"
xdotool key --window "$fenetre" alt+p
pause
xdotool key Down Return
boite=$(attends_fenetre "^ PROGRAMMATION $")
xdotool windowfocus --sync "$boite"
xdotool key Return # « ** RELIER LA TELECOMMANDE au PC par le cordon ** »
pause
boite=$(attends_fenetre "^ PROGRAMMATION $")
photo "$boite" boite-bips.png
xdotool windowfocus --sync "$boite"
xdotool key Return
for _ in $(seq 60); do grep -q "PROG. OK\|DEFAUT DIALOGUE" "$TRAVAIL/telecommande.txt" && break; sleep 0.1; done
grep -q "2 BEEP -> PROG. OK" "$TRAVAIL/telecommande.txt" ||
  echec "la télécommande virtuelle n'a pas validé l'envoi : $(cat "$TRAVAIL/telecommande.txt")"
boite=$(attends_fenetre "^ PROGRAMMATION $")
xdotool windowfocus --sync "$boite"
xdotool key Return
echo "Images refaites dans $IMAGES"
