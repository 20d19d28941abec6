#pragma once
// Le curseur horaire : position 0..144 en bornes de créneaux (144 = 24h00).
#include <QString>

constexpr int PositionMax = 144;
constexpr int TwipsParCreneau = 66;

// Bord gauche d'une barre commençant au créneau s, dans le repère de sa rangée.
constexpr int GaucheBarre(int creneau) {
    return 90 + TwipsParCreneau * creneau;
}
// Bord gauche de la ligne du curseur et de ses deux heures, dans le cadre principal.
constexpr int GaucheCurseur(int position) {
    return 1500 + TwipsParCreneau * position;
}
constexpr int GaucheHeureCurseur(int position) {
    return 1050 + TwipsParCreneau * position;
}

// Position visée par un appui dans une rangée à x twips du bord de la rangée.
int PositionSouris(double x);

// " 7H30" pour la position 45 : un blanc devant, minutes sur deux chiffres.
QString TexteHeureCurseur(int position);

// Hauteur en twips d'une barre pour la température codée : 8 twips par demi-degré, 72 au moins.
constexpr int HauteurBarre(int valeur) {
    return 8 * (valeur - 128) < 72 ? 72 : 8 * (valeur - 128);
}
