// Le panneau d'édition reste centré quand la fenêtre change de taille ; rien d'autre ne bouge.
#include "plateforme/Twips.h"
#include "ui/FenetrePrincipale.h"

#include <QFrame>

void FenetrePrincipale::Form_Resize() {
    // Taille extérieure, barre de titre et menus compris ; calcul en simple précision.
    const QRect cadre = frameGeometry();
    const float largeur = static_cast<float>(cadre.width() * TwipsParPixel);
    const float hauteur = static_cast<float>(cadre.height() * TwipsParPixel);
    const QRectF dessine = TwipsDe(Frame1);
    const float gauche = (largeur - static_cast<float>(dessine.width())) / 2.0f;
    float haut = (hauteur - static_cast<float>(dessine.height())) / 2.0f - 400.0f;
    if (haut < 120.0f) haut = 120.0f;
    DeplaceTwips(Frame1, gauche, haut);
}

void FenetrePrincipale::resizeEvent(QResizeEvent* evenement) {
    QMainWindow::resizeEvent(evenement);
    Form_Resize();
}
