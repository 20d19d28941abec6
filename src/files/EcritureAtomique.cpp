#include "files/EcritureAtomique.h"
#include "model/Textes.h"
#include "plateforme/CausesSysteme.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
// Rend la cause de l'échec, vide si le fichier est écrit.
QString Ecrit(const QString& chemin, const QByteArray& octets) {
    // Un périphérique ou un tube (/dev/full, un port série...) n'est pas un fichier :
    // le fichier temporaire renommé par-dessus le remplacerait (en root).
    const QFileInfo cible(chemin);
    if (cible.exists() && !cible.isFile())
        return cible.isDir() ? QStringLiteral("C'est un dossier.")
                             : QStringLiteral("Ce n'est pas un fichier ordinaire.");
    if (cible.exists() && !cible.isWritable()) return QStringLiteral("Fichier en lecture seule.");
    QSaveFile fichier(chemin);
    // Dossier où l'on ne peut rien créer, fichier modifiable : écrit en place, l'ancien
    // contenu n'étant alors en jeu que pendant l'écriture. Partout ailleurs, atomique.
    fichier.setDirectWriteFallback(true);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() &&
        fichier.commit())
        return QString();
    const QString cause = fichier.errorString();
    return cause.isEmpty() ? QStringLiteral("Erreur d'écriture.") : CauseSysteme(cause);
}
} // namespace

bool EcritFichierEntier(Plateforme& plateforme, const QString& chemin, const QByteArray& octets,
                        const QString& entete) {
    const QString cause = Ecrit(chemin, octets);
    if (cause.isEmpty()) return true;
    plateforme.Message(entete + QStringLiteral("\r\n\r\n") + chemin + QStringLiteral("\r\n") +
                           cause,
                       Boutons::Ok, Icone::Critique, TitreCourt);
    return false;
}
