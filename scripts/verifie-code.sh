#!/usr/bin/env bash
# Mise en forme (clang-format) et analyse statique (clang-tidy, règles de .clang-tidy)
# sur tout le C++ du dépôt, en-têtes compris (vus par les racines d'inclusion, voir .clang-tidy).
# Demande un build/ configuré (compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh ci

mapfile -t tout < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${tout[@]}"
echo "Mise en forme : ${#tout[@]} fichiers conformes"

[ -f build/compile_commands.json ] || bash scripts/construit.sh
mapfile -t sources < <(git ls-files 'src/*.cpp' 'tools/*.cpp')
# Un fichier par appel, deux à la fois : la sortie d'un fichier reste groupée.
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 1 clang-tidy -p build --quiet
echo "clang-tidy : ${#sources[@]} fichiers sans remarque"
