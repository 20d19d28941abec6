#pragma once
// La fenêtre est dessinée en twips : 15 twips = 1 pixel logique (1440 par pouce à 96 ppp).
#include <QRectF>

class QWidget;

constexpr double TwipsParPixel = 15.0;

// Place le contrôle dans son parent et retient les twips dessinés (propriété "twips").
void PlaceTwips(QWidget* controle, double gauche, double haut, double largeur, double hauteur);
void DeplaceTwips(QWidget* controle, double gauche, double haut);
QRectF TwipsDe(const QWidget* controle);
