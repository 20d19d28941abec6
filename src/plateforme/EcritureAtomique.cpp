#include "plateforme/EcritureAtomique.h"
#include "model/Textes.h"
#include "plateforme/CausesSysteme.h"

#include <QFile>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <QDir>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <acl/libacl.h>
#include <attr/libattr.h>
#endif
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

bool FauteDeDroits(int faute) {
    return faute == EACCES || faute == EPERM || faute == EROFS;
}

// Écrit depuis le début du fichier, en reprenant après une écriture partielle ou un signal.
// Rend errno, 0 si tout est écrit ; "ecrits" dit jusqu'où le fichier a changé.
int EcritTout(int descripteur, const QByteArray& octets, qsizetype& ecrits) {
    ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t n = ::pwrite(descripteur, octets.constData() + ecrits,
                                   static_cast<size_t>(octets.size() - ecrits), ecrits);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        ecrits += n;
    }
    return 0;
}

// Écrit, synchronise puis ferme (toujours) ; rend la première faute.
// QSaveFile ne suffit pas : Qt 6.4 y répond "écrit" quand sa dernière vidange échoue
// (disque plein), le fichier restant vide.
int TermineEcriture(int descripteur, const QByteArray& octets) {
    qsizetype ecrits = 0;
    int faute = EcritTout(descripteur, octets, ecrits);
    if (faute == 0 && ::fsync(descripteur) != 0) faute = errno;
    // Certains systèmes de fichiers (NFS) ne disent qu'à la fermeture que l'écriture a échoué.
    if (::close(descripteur) != 0 && faute == 0 && errno != EINTR) faute = errno;
    return faute;
}

// Le fichier que désigne le chemin, liens suivis, même vers un fichier qui n'existe pas
// encore : c'est lui qui est écrit, dans son dossier, et le lien garde sa place.
int SuitLiens(const QString& chemin, QByteArray& cible) {
    cible = QFile::encodeName(QFileInfo(chemin).absoluteFilePath());
    for (int sauts = 0;; ++sauts) {
        char lien[PATH_MAX];
        const ssize_t n = ::readlink(cible.constData(), lien, sizeof lien);
        // Pas un lien, ou rien encore à ce nom : c'est la cible.
        if (n < 0) return errno == EINVAL || errno == ENOENT ? 0 : errno;
        if (n == static_cast<ssize_t>(sizeof lien)) return ENAMETOOLONG;
        if (sauts == 40) return ELOOP;
        const QByteArray suite(lien, n);
        cible = suite.startsWith('/') ? suite : cible.left(cible.lastIndexOf('/') + 1) + suite;
    }
}

// Un nom libre à côté du fichier, créé ici même (O_EXCL : jamais celui d'un autre). Court :
// un nom permis près de la limite de 255 octets le reste pour son temporaire.
int CreeTemporaire(const QByteArray& cible, QByteArray& temporaire, mode_t droits) {
    const QByteArray dossier = cible.left(cible.lastIndexOf('/') + 1);
    for (int essai = 0; essai < 100; ++essai) {
        temporaire =
            dossier + ".gc-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int descripteur = ::open(
            temporaire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, droits);
        if (descripteur >= 0 || errno != EEXIST) return descripteur;
    }
    return -1;
}

// Dossier synchronisé : un renommage survit à une coupure de courant. Un échec ici ne défait
// rien, le fichier est bel et bien remplacé : ce n'est pas un échec d'écriture.
void SynchroniseDossier(const QByteArray& cible) {
    const int dossier = ::open(cible.left(cible.lastIndexOf('/') + 1).constData(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier >= 0) {
        ::fsync(dossier);
        ::close(dossier);
    }
}

// Ce que le renommage ferait perdre, reporté sur le temporaire : propriétaire, droits avec
// leurs ACL (perm_copy_fd de libacl : un fchmod seul mettrait le masque de l'ACL dans les
// droits du groupe), attributs étendus (attr_copy_fd de libattr). Faux si quoi que ce soit
// n'a pas pu l'être, ou si les droits obtenus diffèrent : on écrit alors en place.
bool CopieAttributs(const QByteArray& cible, const struct stat& ancien,
                    const QByteArray& temporaire, int copie) {
    const int source = ::open(cible.constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (source < 0) return false;
    struct stat infos {};
    // fchown d'abord : il retire les bits setuid et setgid que fchmod remet.
    bool copieFaite = ::fstat(source, &infos) == 0 && infos.st_dev == ancien.st_dev &&
                      infos.st_ino == ancien.st_ino &&
                      ::fchown(copie, ancien.st_uid, ancien.st_gid) == 0 &&
                      ::fchmod(copie, ancien.st_mode & 07777) == 0;
#ifdef Q_OS_LINUX
    copieFaite =
        copieFaite &&
        ::perm_copy_fd(cible.constData(), source, temporaire.constData(), copie, nullptr) == 0 &&
        ::attr_copy_fd(cible.constData(), source, temporaire.constData(), copie, nullptr,
                       nullptr) == 0;
#else
    Q_UNUSED(temporaire);
#endif
    ::close(source);
    return copieFaite && ::fstat(copie, &infos) == 0 && infos.st_uid == ancien.st_uid &&
           infos.st_gid == ancien.st_gid && infos.st_mode == ancien.st_mode;
}

// Le renommage d'un temporaire écrit à côté. Rend errno, 0 si écrit, ou AEcrireEnPlace quand
// il perdrait ce que tient l'ancien fichier (autres liens durs, propriétaire ou attributs
// qu'on ne peut pas rendre) ou que le dossier refuse le temporaire.
constexpr int AEcrireEnPlace = -1;
int Remplace(const QByteArray& cible, const QByteArray& octets, const struct stat* ancien) {
    if (ancien && ancien->st_nlink > 1) return AEcrireEnPlace;
    QByteArray temporaire;
    // Un nouveau fichier prend les droits du masque (0666 & ~umask) et les ACL par défaut du
    // dossier ; celui qui en remplace un reste privé jusqu'à ce qu'il ait ceux de l'ancien.
    const int descripteur = CreeTemporaire(cible, temporaire, ancien ? 0600 : 0666);
    if (descripteur < 0) {
        const int faute = errno;
        // Seul un manque de droits sur le dossier permet d'écrire en place ; un disque plein
        // ou une erreur du support, jamais : il n'y aurait pas la place d'une copie de sûreté.
        return FauteDeDroits(faute) && ancien ? AEcrireEnPlace : faute;
    }
    int faute = 0;
    if (ancien && !CopieAttributs(cible, *ancien, temporaire, descripteur)) {
        faute = AEcrireEnPlace;
        ::close(descripteur);
    } else {
        faute = TermineEcriture(descripteur, octets);
    }
    if (faute == 0 && ::rename(temporaire.constData(), cible.constData()) != 0) faute = errno;
    if (faute != 0) {
        ::unlink(temporaire.constData());
        return faute;
    }
    SynchroniseDossier(cible);
    return 0;
}

// Lit tout le fichier ouvert ; faux sur une erreur de lecture.
bool LitTout(int descripteur, qsizetype taille, QByteArray& octets) {
    octets.resize(taille);
    qsizetype lus = 0;
    while (lus < taille) {
        const ssize_t n =
            ::pread(descripteur, octets.data() + lus, static_cast<size_t>(taille - lus), lus);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        lus += n;
    }
    octets.resize(lus);
    return lus == taille;
}

// Écrit par-dessus le fichier même, qui garde ainsi tout ce qu'il tient. L'ancien contenu est
// d'abord copié à côté quand le dossier le permet (une coupure ne le perd pas), la place du
// nouveau retenue (un disque plein refuse avant de toucher à rien) ; un échec remet l'ancien
// contenu, et une copie qui n'a pas pu être remise reste là, nommée dans la cause.
QString EcritEnPlace(const QByteArray& cible, const QByteArray& octets) {
    int descripteur = ::open(cible.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    // Un fichier qu'on peut écrire sans le lire n'a que la place retenue.
    const bool lisible = descripteur >= 0 || errno != EACCES;
    if (!lisible)
        descripteur = ::open(cible.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descripteur < 0) return CauseNumero(errno);
    struct stat infos {};
    QByteArray ancien, copie;
    const auto prepare = [&]() -> int {
        if (::fstat(descripteur, &infos) != 0) return errno;
        if (!S_ISREG(infos.st_mode)) return EINVAL;
        if (::fcntl(descripteur, F_SETFL, ::fcntl(descripteur, F_GETFL) & ~O_NONBLOCK) != 0)
            return errno;
        errno = 0;
        if (lisible && !LitTout(descripteur, infos.st_size, ancien)) return errno ? errno : EIO;
        const int sauve = lisible ? CreeTemporaire(cible, copie, 0600) : -1;
        if (sauve < 0) {
            copie.clear();
            if (lisible && !FauteDeDroits(errno)) return errno;
        } else if (const int faute = TermineEcriture(sauve, ancien)) {
            return faute;
        } else {
            SynchroniseDossier(cible);
        }
#ifdef Q_OS_LINUX
        if (octets.size() > infos.st_size &&
            ::fallocate(descripteur, FALLOC_FL_KEEP_SIZE, 0, octets.size()) != 0 &&
            errno != EOPNOTSUPP && errno != ENOSYS)
            return errno;
#endif
        return 0;
    };
    int faute = prepare();
    bool touche = false, remis = false;
    if (faute == 0) {
        touche = true;
        qsizetype ecrits = 0;
        faute = EcritTout(descripteur, octets, ecrits);
        bool tronque = false;
        if (faute == 0) {
            tronque = octets.size() < infos.st_size;
            if (::ftruncate(descripteur, octets.size()) != 0) faute = errno;
        }
        if (faute == 0 && ::fsync(descripteur) != 0) faute = errno;
        // Seul ce qui a changé est remis : la limite de taille qui a arrêté l'écriture
        // n'arrête pas la remise.
        if (faute != 0 && lisible) {
            qsizetype remises = 0;
            remis = EcritTout(descripteur, ancien.left(tronque ? ancien.size() : ecrits),
                              remises) == 0 &&
                    ::ftruncate(descripteur, ancien.size()) == 0 && ::fsync(descripteur) == 0;
        }
    }
    if (::close(descripteur) != 0 && faute == 0 && errno != EINTR) {
        faute = errno;
        remis = false;
    }
    const bool copieGardee = touche && faute != 0 && !remis && !copie.isEmpty();
    if (!copie.isEmpty() && !copieGardee) ::unlink(copie.constData());
    if (faute == 0) return QString();
    QString cause = CauseNumero(faute);
    if (copieGardee)
        cause += QStringLiteral(" L'ancien contenu est gardé dans %1.")
                     .arg(QDir::toNativeSeparators(QFile::decodeName(copie)));
    return cause;
}

QString Ecrit(const QString& chemin, const QByteArray& octets) {
    QByteArray cible;
    if (const int faute = SuitLiens(chemin, cible)) return CauseNumero(faute);
    struct stat ancien {};
    const bool existe = ::stat(cible.constData(), &ancien) == 0;
    const int faute = Remplace(cible, octets, existe ? &ancien : nullptr);
    if (faute == AEcrireEnPlace) return EcritEnPlace(cible, octets);
    return faute == 0 ? QString() : CauseNumero(faute);
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
