#include "plateforme/FichierOrdinaire.h"

#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool OuvreFichierOrdinaire(QFile& fichier, QIODevice::OpenMode mode) {
#ifdef Q_OS_UNIX
    // O_NONBLOCK : l'ouverture d'un tube rend la main (en écriture sans lecteur, ENXIO) ;
    // fstat dit ensuite ce qu'on tient vraiment, sans course avec un remplacement.
    const bool ecriture = mode.testFlag(QIODevice::WriteOnly);
    const bool lecture = mode.testFlag(QIODevice::ReadOnly);
    int drapeaux = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    drapeaux |= ecriture ? ((lecture ? O_RDWR : O_WRONLY) | O_CREAT) : O_RDONLY;
    const int descripteur =
        ::open(QFile::encodeName(fichier.fileName()).constData(), drapeaux, 0666);
    if (descripteur < 0) return false;
    struct stat infos {};
    // Comme QFile : l'écriture seule vide le fichier, sauf en ajout.
    const bool vide = mode.testFlag(QIODevice::Truncate) ||
                      (ecriture && !lecture && !mode.testFlag(QIODevice::Append));
    const bool pris =
        ::fstat(descripteur, &infos) == 0 && S_ISREG(infos.st_mode) &&
        ::fcntl(descripteur, F_SETFL, ::fcntl(descripteur, F_GETFL) & ~O_NONBLOCK) == 0 &&
        (!vide || ::ftruncate(descripteur, 0) == 0) &&
        fichier.open(descripteur, mode & ~QIODevice::Truncate, QFileDevice::AutoCloseHandle);
    if (!pris) ::close(descripteur);
    return pris;
#else
    const QFileInfo infos(fichier.fileName());
    if (infos.exists() && !infos.isFile()) return false;
    return fichier.open(mode);
#endif
}
