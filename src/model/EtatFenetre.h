#pragma once
// Les variables de la fenêtre, hors programme : position d'édition, fichier, drapeaux.
#include "model/Programme.h"
#include <QString>
#include <QStringList>

struct EtatFenetre {
    // Nombre de segments confort trouvés par la dernière validation du jour.
    std::array<std::array<qint16, 8>, 4> NbSegJour{};
    qint16 ZoneCourante = 0;
    qint16 JourCourant = 0;
    qint16 JourPrecedent = 0;
    QStringList NomsJours;
    QString CheminFichier; // vide : le fichier par défaut "data.prg"
    QString TitreApplication;
    QByteArray BufferJour; // presse-papiers d'un jour, jamais vidé
    QString MiseAJour;     // seul "ON" compte comme levé
    QString DonneesModifiees = QStringLiteral("N");
    quint32 CouleurFond = 0; // RGB 0xRRGGBB, bordure de fenêtre inactive
    qint16 NumeroPort = 1;
    qint32 PositionCurseur = 0;

    bool MiseAJourLevee() const { return MiseAJour == QLatin1String("ON"); }
};

// Textes fixes du programme.
inline const QString TitreVersion = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");
// Titre court des boîtes qui n'en donnent pas.
inline const QString TitreCourt = QStringLiteral("GESTION CHAUFFAGE");
QStringList NomsDesJours();
