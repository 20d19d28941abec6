#include "files/VerrouFichier.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// ".NOM.lock". QLockFile pose aussi ".NOM.lock.rmlock" pour reprendre un verrou abandonné :
// les deux doivent tenir dans les 255 octets d'un nom. Sinon, le début du nom puis une
// empreinte du nom entier, qui le distingue de ses voisins au même début.
QString NomVerrou(const QString& nom) {
    constexpr qsizetype OctetsMax = 255 - 7;
    const auto octets = [](const QString& n) { return QFile::encodeName(n).size(); };
    QString entier = QLatin1Char('.') + nom + QStringLiteral(".lock");
    if (octets(entier) <= OctetsMax) return entier;
    const QString fin =
        QLatin1Char('~') +
        QString::fromLatin1(
            QCryptographicHash::hash(nom.toUtf8(), QCryptographicHash::Sha256).toHex().left(16)) +
        QStringLiteral(".lock");
    QString debut = QLatin1Char('.') + nom;
    // Jamais la moitié d'un caractère hors du plan de base.
    while (octets(debut + fin) > OctetsMax || debut.back().isHighSurrogate()) debut.chop(1);
    return debut + fin;
}
} // namespace

QString VerrouFichier::CheminVerrou(const QString& chemin) {
    // Le vrai fichier : deux chemins vers lui (lien, "..") ont le même verrou, même s'il
    // n'existe pas encore.
    const QFileInfo fichier(chemin);
    const QString dossierReel = QFileInfo(fichier.absolutePath()).canonicalFilePath();
    const QString dossier = dossierReel.isEmpty() ? fichier.absolutePath() : dossierReel;
    const QString reel = fichier.canonicalFilePath();
    const QFileInfo cible(reel.isEmpty() ? QDir(dossier).filePath(fichier.fileName()) : reel);
    // Caché : ni le dialogue ni la liste du dossier n'en sont encombrés.
    return cible.dir().filePath(NomVerrou(cible.fileName()));
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
