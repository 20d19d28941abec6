#pragma once
// Écriture d'un fichier entier d'un coup : l'ancien fichier reste intact si quoi que
// ce soit échoue, et une boîte dit pourquoi.
#include "plateforme/Plateforme.h"
#include <QByteArray>
#include <QString>

// Vrai si le fichier est écrit. Sinon, boîte "entete" + CR LF CR LF + chemin + cause.
bool EcritFichierEntier(Plateforme& plateforme, const QString& chemin, const QByteArray& octets,
                        const QString& entete);
