#include "plateforme/EcritureAtomique.h"
#include "model/Textes.h"
#include "plateforme/CausesSysteme.h"

#include <QFile>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace {
#ifdef Q_OS_UNIX
// La cause en français d'un numéro d'erreur ; sans numéro, une faute reste une faute.
QString CauseNumero(int numero) {
    return numero == 0 ? QStringLiteral("Erreur d'écriture.")
                       : CauseSysteme(qt_error_string(numero));
}

// Tout écrire, en reprenant après une écriture partielle ou un signal. Rend errno, 0 si tout
// est écrit.
int EcritTout(int descripteur, const QByteArray& octets) {
    const char* p = octets.constData();
    qsizetype reste = octets.size();
    while (reste > 0) {
        const ssize_t n = ::write(descripteur, p, static_cast<size_t>(reste));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        p += n;
        reste -= n;
    }
    return 0;
}

// Écrit, tronque au besoin, synchronise puis ferme (toujours) ; rend la première faute.
// QSaveFile ne suffit pas : Qt 6.4 y répond "écrit" quand sa dernière vidange échoue
// (disque plein), le fichier restant vide.
int TermineEcriture(int descripteur, const QByteArray& octets, bool enPlace) {
    int faute = EcritTout(descripteur, octets);
    if (faute == 0 && enPlace && ::ftruncate(descripteur, octets.size()) != 0) faute = errno;
    if (faute == 0 && ::fsync(descripteur) != 0) faute = errno;
    // Certains systèmes de fichiers (NFS) ne disent qu'à la fermeture que l'écriture a échoué.
    if (::close(descripteur) != 0 && faute == 0 && errno != EINTR) faute = errno;
    return faute;
}

// Dossier où l'on ne peut rien créer, fichier modifiable : écrit en place. La place est
// retenue d'abord, pour qu'un disque plein refuse avant que l'ancien contenu soit touché.
int EcritEnPlace(const QByteArray& cible, const QByteArray& octets) {
    const int descripteur = ::open(cible.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descripteur < 0) return errno;
    const auto prepare = [descripteur, &octets]() -> int {
        struct stat infos {};
        if (::fstat(descripteur, &infos) != 0) return errno;
        if (!S_ISREG(infos.st_mode)) return EINVAL;
        if (::fcntl(descripteur, F_SETFL, ::fcntl(descripteur, F_GETFL) & ~O_NONBLOCK) != 0)
            return errno;
#ifdef Q_OS_LINUX
        if (octets.size() > infos.st_size && ::fallocate(descripteur, 0, 0, octets.size()) != 0 &&
            errno != EOPNOTSUPP && errno != ENOSYS)
            return errno;
#endif
        return 0;
    };
    const int faute = prepare();
    if (faute != 0) {
        ::close(descripteur);
        return faute;
    }
    return TermineEcriture(descripteur, octets, true);
}

// Un nom libre à côté du fichier, créé ici même (O_EXCL : jamais celui d'un autre). Court :
// un nom permis près de la limite de 255 octets le reste pour son temporaire.
int CreeTemporaire(const QByteArray& cible, QByteArray& temporaire) {
    const QByteArray dossier = cible.left(cible.lastIndexOf('/') + 1);
    for (int essai = 0; essai < 100; ++essai) {
        temporaire =
            dossier + ".gc-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int descripteur = ::open(temporaire.constData(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descripteur >= 0 || errno != EEXIST) return descripteur;
    }
    return -1;
}

QString Ecrit(const QString& chemin, const QByteArray& octets) {
    // Un lien garde sa place : c'est le fichier pointé qui est remplacé, dans son dossier.
    const QFileInfo infos(chemin);
    const QByteArray cible = QFile::encodeName(infos.exists() ? infos.canonicalFilePath() : chemin);
    struct stat ancien {};
    const bool existe = ::stat(cible.constData(), &ancien) == 0;

    QByteArray temporaire;
    const int descripteur = CreeTemporaire(cible, temporaire);
    if (descripteur < 0) {
        const int faute = errno;
        // Seul un manque de droits sur le dossier permet d'écrire en place ; un disque plein
        // ou une erreur du support, jamais : l'ancien fichier y serait perdu.
        const bool droits = faute == EACCES || faute == EPERM || faute == EROFS;
        if (!droits || !existe) return CauseNumero(faute);
        const int fauteEnPlace = EcritEnPlace(cible, octets);
        return fauteEnPlace == 0 ? QString() : CauseNumero(fauteEnPlace);
    }
    // Le fichier remplacé garde ses droits ; un nouveau prend ceux du masque (0666 & ~umask).
    int faute = existe && ::fchmod(descripteur, ancien.st_mode & 07777) != 0 ? errno : 0;
    if (faute != 0)
        ::close(descripteur);
    else
        faute = TermineEcriture(descripteur, octets, false);
    if (faute == 0 && ::rename(temporaire.constData(), cible.constData()) != 0) faute = errno;
    if (faute != 0) {
        ::unlink(temporaire.constData());
        return CauseNumero(faute);
    }
    // Dossier synchronisé : le renommage survit à une coupure de courant. Un échec ici ne
    // défait rien, le fichier est bel et bien remplacé : ce n'est pas un échec d'écriture.
    const int dossier =
        ::open(QFile::encodeName(QFileInfo(QFile::decodeName(cible)).absolutePath()).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier >= 0) {
        ::fsync(dossier);
        ::close(dossier);
    }
    return QString();
}
#else
QString Ecrit(const QString& chemin, const QByteArray& octets) {
    QSaveFile fichier(chemin);
    fichier.setDirectWriteFallback(true);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() &&
        fichier.flush() && fichier.commit())
        return QString();
    const QString cause = fichier.errorString();
    return cause.isEmpty() ? QStringLiteral("Erreur d'écriture.") : CauseSysteme(cause);
}
#endif
} // namespace

QString EcritFichierAtomique(const QString& chemin, const QByteArray& octets) {
    // Un périphérique ou un tube (/dev/full, un port série...) n'est pas un fichier :
    // le fichier temporaire renommé par-dessus le remplacerait (en root).
    const QFileInfo cible(chemin);
    if (cible.exists() && !cible.isFile())
        return cible.isDir() ? QStringLiteral("C'est un dossier.")
                             : QStringLiteral("Ce n'est pas un fichier ordinaire.");
    if (cible.exists() && !cible.isWritable()) return QStringLiteral("Fichier en lecture seule.");
    return Ecrit(chemin, octets);
}

void MontreEchecEcriture(Plateforme& plateforme, const QString& entete, const QString& chemin,
                         const QString& cause) {
    plateforme.Message(entete + QStringLiteral("\r\n\r\n") + chemin + QStringLiteral("\r\n") +
                           cause,
                       Boutons::Ok, Icone::Critique, TitreCourt);
}

bool EcritFichierEntier(Plateforme& plateforme, const QString& chemin, const QByteArray& octets,
                        const QString& entete) {
    const QString cause = EcritFichierAtomique(chemin, octets);
    if (cause.isEmpty()) return true;
    MontreEchecEcriture(plateforme, entete, chemin, cause);
    return false;
}
