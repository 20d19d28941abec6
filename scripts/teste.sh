#!/usr/bin/env bash
# Installe ce qui manque, construit, puis passe tous les tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh
. scripts/sans-root.sh
bash scripts/construit.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
