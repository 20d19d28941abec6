#!/usr/bin/env bash
# Configure et construit dans build/ (options CMake supplémentaires en arguments), par le
# préréglage GC_PRESET de CMakePresets.json : "default", ou "ci" (avertissements en erreurs).
set -euo pipefail
cd "$(dirname "$0")/.."
PRESET="${GC_PRESET:-default}"
cmake --preset "$PRESET" "$@" >/dev/null
cmake --build --preset "$PRESET" -j "$(nproc)"
