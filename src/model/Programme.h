#pragma once
// Le programme de chauffage : trois zones, sept jours, quatre températures.
#include <QByteArray>
#include <QtGlobal>
#include <array>

constexpr int NbZones = 3;
constexpr int NbJours = 7;
constexpr int NbCreneaux = 144;   // créneaux de dix minutes par jour
constexpr int LongueurJour = 148; // 144 créneaux + une queue de quatre caractères
constexpr int NbTemperatures = 4; // Confort, ECO, Hors Gel, EJP
constexpr int NbSegmentsMax = 8;

// Codage 128 + 2 x °C, par demi-degré.
constexpr int TemperatureMin = 128;
constexpr int TemperatureMax = 198;
constexpr std::array<qint16, NbTemperatures> TemperaturesParDefaut{169, 165, 140, 145};

// Les bornes déclarées (zone 0..3, jour 0..7) dépassent celles utilisées :
// les cases en trop restent vides et ne sont jamais lues.
struct Programme {
    // Un caractère par créneau, "1" confort, tout autre caractère éco.
    // Tableau d'octets : le fichier est du texte 8 bits, relu et réécrit tel quel.
    std::array<std::array<QByteArray, 8>, 4> ProgJour{};
    std::array<std::array<qint16, NbTemperatures>, NbZones> TempZone{};
    std::array<qint32, NbZones> IdentZone{};

    bool operator==(const Programme& autre) const {
        return ProgJour == autre.ProgJour && TempZone == autre.TempZone &&
               IdentZone == autre.IdentZone;
    }
    bool operator!=(const Programme& autre) const { return !(*this == autre); }
};

// Jour vidé : 148 caractères "0".
QByteArray JourVide();

// Complète à 148 "0" les jours utilisés trop courts ; les plus longs restent tels quels.
void CompleteJoursCourts(Programme& programme);

// Valeurs de "Nouveau" : jours vides, températures par défaut, identifiants gardés.
void RemetParDefaut(Programme& programme);
