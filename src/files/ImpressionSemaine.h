#pragma once
// La semaine imprimée : une page A4 à l'italienne par zone, dessinée en vecteurs (titre,
// identifiant et températures, les sept jours en barres comme à l'écran, les heures de
// confort en clair et leur durée), sur une imprimante ou dans un PDF.
#include "model/Programme.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;

// "6H00-8H00 17H30-22H00" : les segments du jour tels que l'écran les montre (huit au plus).
QString HeuresConfort(const QByteArray& jour);
// Minutes de confort du jour, neuvième segment coupé comme à l'écran.
int MinutesConfort(const QByteArray& jour);
// "37 h 30".
QString TexteDuree(int minutes);

// Trois pages, une par zone ; "fichier" est le nom montré dans le titre. Faux si l'appareil
// refuse de peindre.
bool ImprimeSemaines(QPagedPaintDevice& appareil, const Programme& programme,
                     const QString& fichier, const QDateTime& date);

// Écrit le PDF d'un coup : un échec laisse l'ancien fichier tel quel. Rend la cause de
// l'échec, vide si le PDF est écrit.
QString ExportePdf(const QString& chemin, const Programme& programme, const QString& fichier,
                   const QDateTime& date);
