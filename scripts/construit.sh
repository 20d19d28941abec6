#!/usr/bin/env bash
# Configure et construit dans build/ (options CMake supplémentaires en arguments).
set -euo pipefail
cd "$(dirname "$0")/.."
DOSSIER="${GC_BUILD:-build}"
cmake -S . -B "$DOSSIER" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$DOSSIER" -j "$(nproc)"
