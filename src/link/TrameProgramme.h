#pragma once
// La trame de 470 octets qui charge la télécommande : "R", trois zones en deux blocs,
// puis le bloc des réglages (horloge, identifiant, températures). Chaque bloc porte
// 64 octets utiles, "F" et sa somme ; une pause suit chacun des six blocs de zone.
#include "model/Programme.h"

#include <QDateTime>
#include <vector>

constexpr int LongueurTrame = 470;
constexpr int NbPauses = 6;
constexpr int OctetsParBloc = 64;
constexpr int OctetsProgrammeZone = 126; // 7 jours x 18 octets
constexpr int NbRemplissage = 29;

enum class GenreElement {
    Depart,          // "R"
    OctetProgramme,  // octet `indice` (0..17) du jour `jour` de la zone `zone`
    FinBloc,         // "F"
    SommeBloc,       // `indice` 0 : poids faible, 1 : poids fort
    SommeSection,    // idem
    Horloge,         // `indice` 0..6 : seconde, minute, heure, jour de semaine, jour, mois, année
    Identifiant,     // `indice` 0 : poids fort, 1 : poids faible
    Temperature,     // réglage `indice` (0..3) de la zone `zone`
    ZeroTemperature, // `indice` 0..3, après les températures de la zone `zone`
    Remplissage,     // `indice` 0..28
};

struct ElementTrame {
    GenreElement genre = GenreElement::Depart;
    quint8 octet = 0;
    int zone = -1; // -1 hors zone
    int jour = -1;
    int indice = 0;
    int bloc = 0; // 1..7, 0 pour "R"
    // Valeur avant codage : somme sur 16 bits, valeur décimale de l'horloge,
    // température enregistrée, 16 bits bas de l'identifiant.
    quint32 valeur = 0;
    bool pause = false; // dernier octet d'un bloc de zone : la télécommande souffle ensuite
};

using Trame = std::vector<ElementTrame>;

// "R" puis les trois zones : tout ce qui ne dépend pas de l'horloge.
Trame TrameZones(const Programme& programme);

// Le bloc des réglages ; l'heure est lue par l'appelant au moment où il y arrive.
Trame BlocReglages(const Programme& programme, qint32 identifiant, const QDateTime& horloge);

// La trame entière, avec l'identifiant de la zone en cours d'édition.
Trame TrameProgramme(const Programme& programme, int zoneCourante, const QDateTime& horloge);

QByteArray OctetsTrame(const Trame& trame);

// 45 -> 0x45 : deux chiffres décimaux lus comme deux chiffres hexadécimaux.
quint8 Bcd(int valeur);

// Jour de semaine de la télécommande : 1 = dimanche ... 7 = samedi.
int JourSemaineTelecommande(const QDate& date);

// Pas de la barre de progression après cet élément (453 sur toute la trame).
int AvancesProgression(const ElementTrame& element);
