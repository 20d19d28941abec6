#pragma once
// Écriture d'un fichier entier d'un coup, seule porte d'écriture du programme : l'ancien
// fichier reste intact si quoi que ce soit échoue, et l'échec se dit avec sa cause. Le fichier
// remplacé garde ce qu'il tenait : propriétaire, droits, ACL, attributs étendus, liens.
#include "plateforme/Plateforme.h"
#include <QByteArray>
#include <QString>

// Un fichier qui n'a pas pu être écrit, et pourquoi (en français).
struct EchecEcriture {
    QString chemin;
    QString cause;
};

// Écrit dans un fichier temporaire du même dossier, vérifie chaque écriture, le synchronise
// sur le disque, le ferme, puis le renomme sur le fichier ; un lien symbolique est suivi,
// même vers un fichier à créer. Quand le renommage perdrait quelque chose (autres liens durs,
// propriétaire ou attributs qui ne se recopient pas, dossier où rien ne se crée), écrit en
// place, l'ancien contenu gardé jusqu'au bout. Rend la cause de l'échec en français, vide si
// le fichier est écrit.
QString EcritFichierAtomique(const QString& chemin, const QByteArray& octets);

// La boîte d'un échec : "entete" + CR LF CR LF + chemin + CR LF + cause.
void MontreEchecEcriture(Plateforme& plateforme, const QString& entete, const QString& chemin,
                         const QString& cause);

// Vrai si le fichier est écrit. Sinon, la boîte d'échec.
bool EcritFichierEntier(Plateforme& plateforme, const QString& chemin, const QByteArray& octets,
                        const QString& entete);
