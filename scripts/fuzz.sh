#!/usr/bin/env bash
# Construit les harnais libFuzzer (clang, ASan + UBSan) dans build-fuzz/ et les passe
# chacun GC_FUZZ_RUNS fois (un million par défaut). Sort en erreur au premier plantage,
# fuite, dépassement de temps ou de mémoire ; l'entrée fautive est gardée dans
# build-fuzz/trouvailles/.
#   bash scripts/fuzz.sh                   # tous les harnais
#   bash scripts/fuzz.sh fuzz-programme    # un seul
#   GC_FUZZ_SECONDES=30 bash scripts/fuzz.sh   # chaque harnais 30 s (intégration continue)
set -euo pipefail
cd "$(dirname "$0")/.."
RACINE="$PWD"
DOSSIER="$RACINE/build-fuzz"
RUNS="${GC_FUZZ_RUNS:-1000000}"
LIMITE=()
if [ -n "${GC_FUZZ_SECONDES:-}" ]; then
  RUNS=-1
  LIMITE=(-max_total_time="$GC_FUZZ_SECONDES")
fi

command -v clang++ >/dev/null || { echo "clang++ manque (paquets clang-14 et libclang-rt-14-dev)" >&2; exit 1; }

cmake --preset fuzz >/dev/null

HARNAIS=("$@")
if [ ${#HARNAIS[@]} -eq 0 ]; then
  HARNAIS=(fuzz-programme fuzz-configuration)
  # La télécommande virtuelle a son harnais dès que son décodeur existe.
  [ -f tools/DecodeurTelecommande.cpp ] && HARNAIS+=(fuzz-telecommande)
fi
cmake --build --preset fuzz -j 2 --target "${HARNAIS[@]}"

# Longueur maximale par harnais : le lecteur de programme doit voir des fichiers
# au-delà de sa limite de 1 Mio.
longueur_max() {
  case "$1" in
    fuzz-programme) echo 1258291 ;; # 1,2 Mio
    fuzz-telecommande) echo 2048 ;; # deux trames en couples, quatre en flux : plus long ralentit sans rien couvrir de neuf
    *) echo 4096 ;;
  esac
}

# Gros fichiers de départ, fabriqués ici plutôt que gardés dans le dépôt : l'exemple
# gonflé dans son titre ou dans son premier jour, juste sous 1 Mio et juste au-dessus.
gonfle() { # fichier décalage taille-visée sortie
  local taille_exemple
  taille_exemple=$(stat -c %s "$1")
  {
    head -c "$2" "$1"
    head -c $(($3 - taille_exemple)) /dev/zero | tr '\0' "$5"
    tail -c +$(($2 + 1)) "$1"
  } >"$4"
}
gros_programmes() {
  local exemple="$RACINE/fuzz/corpus/programme/exemple.prg" jour taille
  jour=$(grep -bo '"' "$exemple" | head -n 1 | cut -d: -f1)
  for taille in 1048000 1049000; do
    gonfle "$exemple" 31 "$taille" "$1/gros-titre-$taille.prg" x
    gonfle "$exemple" $((jour + 1)) "$taille" "$1/gros-jour-$taille.prg" 0
  done
}

# Quarantaine d'ASan réduite : à 256 Mio (défaut), elle et le cache de l'allocateur font
# monter la mémoire vers la limite de libFuzzer sur un million d'exécutions, sans fuite.
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=64:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$DOSSIER/trouvailles"
echo "harnais|exécutions|durée (s)|résultat"
echec=0
for h in "${HARNAIS[@]}"; do
  nom="${h#fuzz-}"
  travail="$DOSSIER/corpus/$nom"
  mkdir -p "$travail"
  [ "$nom" = programme ] && gros_programmes "$travail"
  graines="$RACINE/fuzz/corpus/$nom"
  dictionnaire=()
  [ -f "$RACINE/fuzz/$nom.dict" ] && dictionnaire=(-dict="$RACINE/fuzz/$nom.dict")
  debut=$(date +%s)
  set +e
  "$DOSSIER/fuzz/$h" "$travail" "$graines" "${dictionnaire[@]}" \
    -runs="$RUNS" "${LIMITE[@]}" -max_len="$(longueur_max "$h")" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$DOSSIER/trouvailles/$nom-" \
    >"$DOSSIER/$h.log" 2>&1
  rc=$?
  set -e
  duree=$(($(date +%s) - debut))
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$DOSSIER/$h.log" | grep -o '[0-9]*$' || echo '?')
  if [ $rc -eq 0 ]; then resultat=ok; else resultat="ÉCHEC (voir $DOSSIER/$h.log)"; echec=1; fi
  echo "$h|$executions|$duree|$resultat"
done
exit $echec
