#pragma once
// Fichiers annexes écrits à chaque sauvegarde dans le dossier du programme ;
// le logiciel ne les relit jamais.
#include "model/Programme.h"
#include "plateforme/DossierDonnees.h" // NomExportFcb, NomExportXls
#include <QByteArray>
#include <QString>

// "DataUc.FCB" : par zone, une ligne identifiant (deux octets) et températures,
// une ligne de 18 octets par jour, puis la somme des octets des jours. 27 lignes.
QByteArray ExportFcb(const Programme& programme);

// "DataUc.xls" : une ligne par zone et par jour, 144 valeurs "0"/"1" entre guillemets,
// chacune suivie d'une virgule. 21 lignes.
QByteArray ExportXls(const Programme& programme);
