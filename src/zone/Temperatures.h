#pragma once
// Températures d'une zone : texte affiché, valeur tapée.
#include <QString>
#include <QtGlobal>

// Style "colonne du signe" : un blanc (ou "-"), point décimal quelle que soit la
// langue, pas de zéros de fin ni de zéro avant le point (" 20.5", " .5", " 0").
QString NombreColonneSigne(double nombre);

// Valeur codée 128 + 2 x °C vers le texte de Text2 : " 20.5°C".
QString TexteTemperature(int valeur);

// Une température tapée ("21", "20,5", "20.5", "20.5°C") : sa valeur codée, ou la raison
// du refus (hors de 0 à 35 °C, hors des demi-degrés, pas un nombre).
struct TemperatureLue {
    int valeur = -1; // -1 : refusée
    QString raison;
};
TemperatureLue LitTemperature(const QString& texte);
