#pragma once
// Les deux journaux d'une transmission, élément par élément :
// "TESTTRANS.ASC", les octets envoyés avec "--" avant les réglages et CR LF après
// chaque somme de section ; "TESTTRANSF.Asc", la même trame en texte lisible.
#include "link/TrameProgramme.h"
#include "plateforme/DossierDonnees.h" // NomJournalBrut, NomJournalTrace

#include <QByteArray>
#include <QString>

QByteArray JournalBrut(const ElementTrame& element);
QByteArray JournalTrace(const ElementTrame& element);

// Dernière ligne des deux journaux quand le port lâche : rang (depuis 1) de l'octet refusé,
// cause donnée par le port ; CR LF au bout.
QByteArray LigneEchec(int rang, const QString& cause);

// Contenu entier des journaux d'une trame (480 octets pour le brut).
QByteArray JournalBrut(const Trame& trame);
QByteArray JournalTrace(const Trame& trame);
