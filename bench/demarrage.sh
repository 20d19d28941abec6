#!/usr/bin/env bash
# Démarrage jusqu'à la première peinture et mémoire maximale (RSS) du programme, face à une
# fenêtre Qt nue construite de la même façon (bench/fenetre-nue.cpp), sous Xvfb.
# Mesuré et rapporté, jamais vérifié : la sortie dit seulement si la cible est tenue
# (démarrage au plus 1,5 fois, mémoire au plus 1,3 fois la fenêtre nue).
#   bash bench/demarrage.sh [essais]     # 15 essais par programme par défaut
set -euo pipefail
cd "$(dirname "$0")/.."
DOSSIER="${GC_BUILD_BENCH:-build-bench}"
ESSAIS="${1:-15}"

if [ -z "${GC_SOUS_XVFB:-}" ]; then
  bash scripts/installe-dependances.sh
  cmake --preset bench -B "$DOSSIER" >/dev/null
  cmake --build "$DOSSIER" -j 2 --target gestion-chauffage fenetre-nue
  if [ -z "${DISPLAY:-}" ]; then
    exec env GC_SOUS_XVFB=1 xvfb-run -a -s '-screen 0 1280x1024x24' bash "$0" "$@"
  fi
fi

# Une mesure : "microsecondes-jusqu'à-la-première-peinture kio-maximum".
mesure() {
  local debut sortie peinture rss
  debut=$(date +%s%N)
  sortie=$(GC_MESURE_DEMARRAGE=1 /usr/bin/time -f 'rss-kio %M' "$1" 2>&1)
  peinture=$(awk '/^premiere-peinture-ns/ {print $2}' <<<"$sortie")
  rss=$(awk '/^rss-kio/ {print $2}' <<<"$sortie")
  [ -n "$peinture" ] && [ -n "$rss" ] || { echo "pas de mesure pour $1 : $sortie" >&2; exit 1; }
  echo $(((peinture - debut) / 1000)) "$rss"
}

mediane() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

PROGRAMME="$DOSSIER/gestion-chauffage"
NUE="$DOSSIER/fenetre-nue"
# Un tour à blanc chacun : caches du disque et des polices.
mesure "$PROGRAMME" >/dev/null
mesure "$NUE" >/dev/null
: >/tmp/gc-demarrage-programme
: >/tmp/gc-demarrage-nue
for _ in $(seq "$ESSAIS"); do # en alternance, pour partager les mêmes à-coups de la machine
  mesure "$PROGRAMME" >>/tmp/gc-demarrage-programme
  mesure "$NUE" >>/tmp/gc-demarrage-nue
done

p_us=$(cut -d' ' -f1 /tmp/gc-demarrage-programme | mediane)
n_us=$(cut -d' ' -f1 /tmp/gc-demarrage-nue | mediane)
p_kio=$(cut -d' ' -f2 /tmp/gc-demarrage-programme | mediane)
n_kio=$(cut -d' ' -f2 /tmp/gc-demarrage-nue | mediane)
rm -f /tmp/gc-demarrage-programme /tmp/gc-demarrage-nue

mkdir -p bench/resultats
awk -v pu="$p_us" -v nu="$n_us" -v pk="$p_kio" -v nk="$n_kio" -v n="$ESSAIS" 'BEGIN {
  rd = pu / nu; rm = pk / nk
  printf "Médianes sur %d essais (plateforme %s)\n", n, ENVIRON["QT_QPA_PLATFORM"] ? ENVIRON["QT_QPA_PLATFORM"] : "xcb"
  printf "%-22s %12s %12s\n", "", "1re peinture", "RSS max"
  printf "%-22s %9.1f ms %8.1f Mio\n", "gestion-chauffage", pu / 1000, pk / 1024
  printf "%-22s %9.1f ms %8.1f Mio\n", "fenetre-nue", nu / 1000, nk / 1024
  printf "%-22s %11.2fx %11.2fx\n", "rapport", rd, rm
  printf "cible : démarrage <= 1,5x %s ; mémoire <= 1,3x %s\n", rd <= 1.5 ? "tenue" : "NON TENUE", rm <= 1.3 ? "tenue" : "NON TENUE"
}' | tee "bench/resultats/demarrage-$(date +%Y%m%d-%H%M%S).txt"
