#!/usr/bin/env bash
# Installe ce qui manque pour construire, lancer et tester (Debian 12).
# Avec "paquet" : aussi de quoi faire le paquet Debian (dpkg-buildpackage, debhelper).
# Avec "ci" : tout cela, plus clang (harnais de fuzzing), clang-format et clang-tidy, et les
# validateurs du paquet (scripts/verifie-paquet.sh).
set -euo pipefail

PAQUETS=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-translations-l10n
  libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libacl1-dev libattr1-dev
  fonts-liberation
  cmark
  xvfb xauth xdotool x11-utils imagemagick socat time poppler-utils
)
case "${1:-}" in
  paquet | ci) PAQUETS+=(dpkg-dev debhelper libxcb1-dev) ;;&
  ci) PAQUETS+=(clang libclang-rt-14-dev clang-format clang-tidy
    lintian appstream desktop-file-utils shared-mime-info libxml2-utils libglib2.0-bin) ;;
esac

manquants=()
for p in "${PAQUETS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Il faut être root ou avoir sudo pour installer : ${manquants[*]}" >&2; exit 1; }
  SUDO=sudo
fi
echo "Installation de : ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${manquants[@]}"
