# À sourcer après l'installation des paquets : lancé par sudo depuis un compte
# ordinaire, le script se relance sous ce compte, pour que build/ et les fichiers
# écrits par les tests lui appartiennent.
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  exec runuser -u "$SUDO_USER" -- bash "$PWD/scripts/$(basename "$0")" "$@"
fi
