#!/usr/bin/env bash
# Le guide suit le programme : construit, textes de boîtes cités ("> `…`") dans les sources,
# aide = --aide. Usage : verifie-guide.sh DOSSIER_SOURCES DOSSIER_CONSTRUCTION
set -uo pipefail
SOURCES=$1 CONSTRUCTION=$2
GUIDE="$SOURCES/docs/guide/guide.md"
faute() { echo "FAUTE : $*" >&2; exit 1; }

grep -q "<h1>" "$CONSTRUCTION/guide/guide.html" 2>/dev/null || faute "guide.html absent ou vide"

# Textes des boîtes : les littéraux C++ voisins recollés ("…" "…" sur deux lignes), chaque
# morceau du texte cité entre deux "…" (nom, port, valeur) doit s'y trouver.
recolle=$(cat "$SOURCES"/src/*/*.cpp "$SOURCES"/src/*/*.h | sed -z 's/"[[:space:]]*\n[[:space:]]*"//g')
while IFS= read -r texte; do
  # "COM… (…)" : le port et son périphérique, posés ensemble par le programme.
  texte=${texte//COM… (…)/…}
  while IFS= read -r morceau; do
    [ -z "$morceau" ] && continue
    grep -qF -- "$morceau" <<<"$recolle" || faute "texte de boîte absent des sources : [$morceau]"
  done < <(sed 's/…/\n/g' <<<"$texte")
done < <(grep -E '^ *> `.*`$' "$GUIDE" | sed -E 's/^ *> `(.*)`$/\1/')
cites=$(grep -cE '^ *> `.*`$' "$GUIDE")
[ "$cites" -ge 30 ] || faute "seulement $cites textes de boîtes cités"

# L'aide recopiée : le bloc qui suit la marque "<!-- aide" est la sortie de --aide.
aide=$(awk '/^<!-- aide/ { marque = 1; next } marque && /^```/ { if (dedans) exit; dedans = 1; next }
            dedans' "$GUIDE")
[ "$aide" = "$("$CONSTRUCTION/gestion-chauffage" --aide)" ] || faute "l'aide du guide n'est plus celle de --aide"

echo "guide à jour : $cites textes de boîtes cités"
