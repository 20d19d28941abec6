#!/usr/bin/env bash
# Installe ce qui manque, construit, puis ouvre la fenêtre avec le programme d'exemple.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installe-dependances.sh
. scripts/sans-root.sh
bash scripts/construit.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Pas d'écran (DISPLAY vide). Par SSH, connectez-vous avec « ssh -X » depuis un" >&2
  echo "ordinateur qui a un écran : la fenêtre s'y ouvre. Sans rien voir, un écran virtuel :" >&2
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' bash scripts/lance.sh" >&2
  exit 2
fi
exec ./build/gestion-chauffage
