#pragma once
// Textes fixes du programme.
#include <QString>
#include <QStringList>

inline const QString TitreVersion = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");
// Titre court des boîtes qui n'en donnent pas.
inline const QString TitreCourt = QStringLiteral("GESTION CHAUFFAGE");
QStringList NomsDesJours();
// La question d'un neuvième segment, posée par "Conf." comme par un trait.
inline const QString TexteHuitSegments =
    QStringLiteral("** Attention nombre de segment >8 **\r\n\r\n"
                   " Confirmez la suppression du dernier SEGMENT !");
