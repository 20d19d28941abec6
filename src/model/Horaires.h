#pragma once
// Les heures de confort d'un jour écrites en clair, une ligne par jour :
// "6H30-8H30 17H30-22H30". Code pur, pour la boîte des horaires de la semaine.
#include <QByteArray>
#include <QString>

// "7H30" pour la position 45 (un créneau = dix minutes) ; 144 donne "24H00".
QString TexteHeure(int position);

// Les segments du jour, séparés d'un blanc ; vide pour un jour sans confort.
QString TexteHoraires(const QByteArray& jour);

// Le jour dit à un lecteur d'écran : "confort de 6H30 à 8H30 et de 17H00 à 22H30", "confort
// toute la journée", "éco toute la journée".
QString TexteLuJour(const QByteArray& jour);

// Une ligne tapée : le jour qu'elle décrit (148 caractères, queue "0"), ou la raison
// pour laquelle elle est refusée (jour nul). Heures "6h30", "06:30", "6.30", "6H", "24H00",
// sur les dix minutes ; périodes sans chevauchement, huit au plus.
struct LigneHoraires {
    QByteArray jour;
    QString raison;
};
LigneHoraires LitHoraires(const QString& ligne);
