# Ce qu'un lecteur d'écran lit par AT-SPI : « NOM : DESCRIPTION » du premier élément de la
# fenêtre qui porte ce nom et une description. Usage : lit-accessible.py NOM
import sys
import time

import pyatspi


def cherche(noeud, nom, profondeur=0):
    if noeud is None or profondeur > 40 or (noeud.name == nom and noeud.description):
        return noeud if profondeur <= 40 else None
    enfants = (cherche(noeud.getChildAtIndex(i), nom, profondeur + 1) for i in range(noeud.childCount))
    return next(filter(None, enfants), None)


for _ in range(50):
    bureau = pyatspi.Registry.getDesktop(0)
    for appli in (bureau.getChildAtIndex(i) for i in range(bureau.childCount)):
        trouve = appli and "gestion" in (appli.name or "").lower() and cherche(appli, sys.argv[1])
        if trouve:
            print(f"{trouve.name} : {trouve.description}")
            sys.exit(0)
    time.sleep(0.2)
sys.exit(f"{sys.argv[1]} : introuvable par AT-SPI")
