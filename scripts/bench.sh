#!/usr/bin/env bash
# Toutes les mesures : bancs Google Benchmark (code pur et fenêtre hors écran), puis
# démarrage et mémoire face à une fenêtre Qt nue. Résultats dans bench/resultats/.
# Mesuré et rapporté, jamais vérifié. Sur une machine chargée, relancer et comparer.
set -euo pipefail
cd "$(dirname "$0")/.."
DOSSIER="${GC_BUILD_BENCH:-build-bench}"
bash scripts/installe-dependances.sh
cmake --preset bench -B "$DOSSIER" >/dev/null
cmake --build "$DOSSIER" -j 2 --target bench_noyau gestion-chauffage fenetre-nue
mkdir -p bench/resultats
QT_QPA_PLATFORM=offscreen "$DOSSIER/bench/bench_noyau" --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="bench/resultats/noyau-$(date +%Y%m%d-%H%M%S).json" --benchmark_out_format=json
GC_BUILD_BENCH="$DOSSIER" bash bench/demarrage.sh
