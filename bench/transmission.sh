#!/usr/bin/env bash
# Transmission réelle (fenêtre hors écran, Qt SerialPort) vers un pseudo-terminal : chaque
# pause (200 à 210 ms attendus), l'étalement des octets d'un bloc, la trame du premier au
# dernier octet (cible 1,3 s) et le temps processeur d'un envoi. Mesuré et rapporté,
# jamais vérifié.
#   bash bench/transmission.sh [essais]     # 5 essais par défaut
set -euo pipefail
cd "$(dirname "$0")/.."
DOSSIER="${GC_BUILD_BENCH:-build-bench}"
ESSAIS="${1:-5}"

bash scripts/installe-dependances.sh
cmake --preset bench -B "$DOSSIER" >/dev/null
cmake --build "$DOSSIER" -j 2 --target bench-transmission

mkdir -p bench/resultats
QT_QPA_PLATFORM=offscreen "$DOSSIER/bench-transmission" "$ESSAIS" |
  tee "bench/resultats/transmission-$(date +%Y%m%d-%H%M%S).txt"
