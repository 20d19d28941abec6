#!/usr/bin/env bash
# Installe ce qui manque, construit, puis passe tous les tests (préréglage GC_PRESET, voir
# scripts/construit.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh
. scripts/sans-root.sh
bash scripts/construit.sh
ctest --preset "${GC_PRESET:-default}" -j "$(nproc)"
