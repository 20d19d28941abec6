#!/usr/bin/env bash
# Construit tout le projet avec AddressSanitizer + UndefinedBehaviorSanitizer dans
# build-asan/ (préréglage "sanitizers") et y passe toute la suite de tests. Les fuites des bibliothèques du système
# (polices, X, Qt au démarrage) sont écartées par tests/support/lsan.supp ; les nôtres
# font échouer le test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh
. scripts/sans-root.sh
cmake --preset sanitizers >/dev/null
cmake --build --preset sanitizers -j "$(nproc)"
# Les options d'ASan, de LSan et d'UBSan sont celles du préréglage de test. Pas de
# strict_string_checks : libxkbcommon-x11 passe à strndup des tampons sans zéro final, ce qui
# est permis, et la fenêtre réelle (xcb) s'arrêterait dès son ouverture.
ctest --preset sanitizers -j "$(nproc)"
