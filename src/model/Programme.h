#pragma once
// Le programme de chauffage : trois zones, sept jours, quatre températures.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

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

// Exactement trois zones de sept jours : une boucle qui déborde s'arrête sur l'assertion de
// la bibliothèque au lieu de lire un huitième jour vide.
struct Programme {
    // Un caractère par créneau, "1" confort, tout autre caractère éco.
    // Tableau d'octets : le fichier est du texte 8 bits, relu et réécrit tel quel.
    std::array<std::array<QByteArray, NbJours>, NbZones> ProgJour{};
    std::array<std::array<qint16, NbTemperatures>, NbZones> TempZone{};
    std::array<qint32, NbZones> IdentZone{};

    bool operator==(const Programme& autre) const {
        return ProgJour == autre.ProgJour && TempZone == autre.TempZone &&
               IdentZone == autre.IdentZone;
    }
};

// Jour vidé : 148 caractères "0".
QByteArray JourVide();

// Complète à 148 "0" les jours utilisés trop courts ; les plus longs restent tels quels.
void CompleteJoursCourts(Programme& programme);

// Valeurs de "Nouveau" : jours vides, températures par défaut, identifiants gardés.
void RemetParDefaut(Programme& programme);

// Une température hors 128..198 partirait en octet replié vers la télécommande,
// et le fichier qui la contient ne se relirait pas.
struct TemperatureHorsLimites {
    int zone;
    int reglage; // 0 Confort, 1 ECO, 2 Hors Gel, 3 EJP
    qint16 valeur;
};

// La première, zone par zone puis réglage par réglage ; rien si toutes sont bonnes.
std::optional<TemperatureHorsLimites> ChercheTemperatureHorsLimites(const Programme& programme);

// "Confort", "ECO", "Hors Gel", "EJP" (réglage 0..3).
QString NomTemperature(int reglage);

// "Zone 1 : température « Hors Gel » hors limites (0 à 35 °C)."
QString TexteTemperatureHorsLimites(const TemperatureHorsLimites& fautive);
