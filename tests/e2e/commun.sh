# Commun aux scripts qui pilotent la vraie fenêtre (tests/e2e, scripts/captures.sh) : un
# dossier de travail, les processus lancés (pids) tués en sortie, avant_fin jouée d'abord.
TRAVAIL=$(mktemp -d)
pids=()
avant_fin() { :; }
fin() {
  avant_fin
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$TRAVAIL"
}
trap fin EXIT
echec() { echo "ÉCHEC : $*" >&2; exit 1; }
