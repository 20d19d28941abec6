#include "plateforme/Twips.h"
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace {
int EnPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsParPixel));
}
} // namespace

void PlaceTwips(QWidget* controle, double gauche, double haut, double largeur, double hauteur) {
    controle->setProperty("twips", QRectF(gauche, haut, largeur, hauteur));
    // Les bords sont arrondis séparément pour que deux contrôles bord à bord le restent.
    const int x = EnPixels(gauche);
    const int y = EnPixels(haut);
    controle->setGeometry(x, y, std::max(0, EnPixels(gauche + largeur) - x),
                          std::max(0, EnPixels(haut + hauteur) - y));
}

void DeplaceTwips(QWidget* controle, double gauche, double haut) {
    const QRectF r = TwipsDe(controle);
    PlaceTwips(controle, gauche, haut, r.width(), r.height());
}

QRectF TwipsDe(const QWidget* controle) {
    return controle->property("twips").toRectF();
}
