#include "plateforme/DossierDonnees.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

const QStringList& FichiersExemples() {
    static const QStringList fichiers{QStringLiteral("data.prg"), NomConfiguration};
    return fichiers;
}

bool EstFichierDuProgramme(const QString& chemin, const QString& dossier) {
    // Le chemin réel, même pour un fichier qui n'existe pas encore (son dossier, lui, existe).
    const auto reel = [](const QString& c) {
        const QFileInfo f(c);
        const QString dossierReel = QFileInfo(f.absolutePath()).canonicalFilePath();
        const QString lien = f.isSymLink() ? f.canonicalFilePath() : QString();
        return !lien.isEmpty()         ? lien
               : dossierReel.isEmpty() ? f.absoluteFilePath()
                                       : QDir(dossierReel).filePath(f.fileName());
    };
    const QString cible = reel(chemin);
    for (const QString& nom : {NomConfiguration, NomExportFcb, NomExportXls, NomJournalBrut,
                               NomJournalTrace, NomPeripheriquesRetenus}) {
        const QString fichier = QDir(dossier).filePath(nom);
        if (cible == reel(fichier)) return true;
#ifdef Q_OS_UNIX
        // Un autre lien dur vers le même fichier aussi : même périphérique, même inode.
        struct stat infos {
        }, annexe{};
        if (::stat(QFile::encodeName(chemin).constData(), &infos) == 0 &&
            ::stat(QFile::encodeName(fichier).constData(), &annexe) == 0 &&
            annexe.st_dev == infos.st_dev && annexe.st_ino == infos.st_ino)
            return true;
#endif
    }
    return false;
}

QString DossierExemplesInstalles(const QString& dossierExecutable) {
    return QDir::cleanPath(dossierExecutable + QStringLiteral("/../share/gestion-chauffage"));
}

QString DossierDonnees(const QString& dossierExecutable, const QString& dossierUtilisateur,
                       const std::function<bool(const QString&)>& estInscriptible) {
    const QString exemples = DossierExemplesInstalles(dossierExecutable);
    // Installé, on n'écrit jamais à côté de l'exécutable, même en root (/usr/bin).
    const bool installe = QFile::exists(QDir(exemples).filePath(FichiersExemples().first()));
    if (!installe && estInscriptible(dossierExecutable)) return dossierExecutable;

    QString source = installe ? exemples : dossierExecutable;
    // Dossier personnel impossible à créer : on lit au moins l'exemple ; les sauvegardes
    // échoueront alors avec leur message.
    if (dossierUtilisateur.isEmpty() || !QDir().mkpath(dossierUtilisateur)) return source;
    const QDir utilisateur(dossierUtilisateur);
    for (const QString& nom : FichiersExemples()) {
        const QString cible = utilisateur.filePath(nom);
        if (QFile::exists(cible)) continue;
        // Copie refaite à chaque démarrage si elle manque ; on rend l'exemple inscriptible.
        if (QFile::copy(QDir(source).filePath(nom), cible))
            QFile::setPermissions(cible, QFile::permissions(cible) | QFile::WriteOwner);
    }
    return dossierUtilisateur;
}

QString DossierDonneesDuProgramme() {
    return DossierDonnees(QCoreApplication::applicationDirPath(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                          [](const QString& dossier) { return QFileInfo(dossier).isWritable(); });
}

QStringList EmplacementsGuide(const QString& dossierExecutable) {
    const QString doc = QStringLiteral("/share/doc/gestion-chauffage/guide.html");
    QStringList emplacements{QDir(dossierExecutable).filePath(QStringLiteral("guide/guide.html")),
                             QDir::cleanPath(dossierExecutable + QStringLiteral("/..") + doc),
                             QStringLiteral("/usr") + doc};
    emplacements.removeDuplicates();
    return emplacements;
}
