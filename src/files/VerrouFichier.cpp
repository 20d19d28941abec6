#include "files/VerrouFichier.h"

#include <QDir>
#include <QFileInfo>

QString VerrouFichier::CheminVerrou(const QString& chemin) {
    // Le vrai fichier : deux chemins vers lui (lien, "..") ont le même verrou, même s'il
    // n'existe pas encore.
    const QFileInfo fichier(chemin);
    const QString dossierReel = QFileInfo(fichier.absolutePath()).canonicalFilePath();
    const QString dossier = dossierReel.isEmpty() ? fichier.absolutePath() : dossierReel;
    const QString reel = fichier.canonicalFilePath();
    const QFileInfo cible(reel.isEmpty() ? QDir(dossier).filePath(fichier.fileName()) : reel);
    // Caché : ni le dialogue ni la liste du dossier n'en sont encombrés.
    return cible.dir().filePath(QLatin1Char('.') + cible.fileName() + QStringLiteral(".lock"));
}

VerrouFichier::VerrouFichier(const QString& chemin)
    : cheminVerrou_(CheminVerrou(chemin)), verrou_(cheminVerrou_) {
    // Une fenêtre garde son fichier des jours durant : l'âge du verrou ne prouve rien. Seul
    // compte son processus (mort, ou d'avant le dernier démarrage de la machine).
    verrou_.setStaleLockTime(0);
    Essaie();
}

void VerrouFichier::Essaie() {
    // tryLock(0) : jamais d'attente. Dossier en lecture seule ou plein : on ouvre sans verrou.
    tenuAilleurs_ = !verrou_.tryLock(0) && verrou_.error() == QLockFile::LockFailedError;
}

bool VerrouFichier::Reprend() {
    if (tenuAilleurs_) Essaie();
    return !tenuAilleurs_;
}

bool VerrouFichier::Concerne(const QString& chemin) const {
    return CheminVerrou(chemin) == cheminVerrou_;
}
