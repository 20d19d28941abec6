#include "plateforme/FichierOrdinaire.h"

#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool OuvreFichierOrdinaire(QFile& fichier) {
#ifdef Q_OS_UNIX
    // O_NONBLOCK : l'ouverture d'un tube rend la main ; fstat dit ensuite ce qu'on tient
    // vraiment, sans course avec un remplacement.
    const int descripteur = ::open(QFile::encodeName(fichier.fileName()).constData(),
                                   O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descripteur < 0) return false;
    struct stat infos {};
    const bool pris =
        ::fstat(descripteur, &infos) == 0 && S_ISREG(infos.st_mode) &&
        ::fcntl(descripteur, F_SETFL, ::fcntl(descripteur, F_GETFL) & ~O_NONBLOCK) == 0 &&
        fichier.open(descripteur, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!pris) ::close(descripteur);
    return pris;
#else
    const QFileInfo infos(fichier.fileName());
    if (infos.exists() && !infos.isFile()) return false;
    return fichier.open(QIODevice::ReadOnly);
#endif
}
