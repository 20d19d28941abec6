#include "plateforme/CausesSysteme.h"

#include <cerrno>

namespace {
struct Cause {
    int numero;
    const char* texte;
};
const Cause Causes[] = {
    {ENOENT, "Fichier ou dossier introuvable."},
    {ENOTDIR, "Un élément du chemin n'est pas un dossier."},
    {EISDIR, "C'est un dossier."},
    {EACCES, "Accès refusé."},
    {EPERM, "Opération non permise."},
    {EROFS, "Support en lecture seule."},
    {ENOSPC, "Disque plein."},
    {EDQUOT, "Quota du disque dépassé."},
    {EFBIG, "Fichier trop gros."},
    {ENAMETOOLONG, "Nom trop long."},
    {ELOOP, "Trop de liens symboliques."},
    {EMFILE, "Trop de fichiers ouverts."},
    {ENFILE, "Trop de fichiers ouverts."},
    {EIO, "Erreur d'entrée-sortie du périphérique."},
    {ENXIO, "Périphérique absent."},
    {ENODEV, "Périphérique introuvable."},
    {EBUSY, "Périphérique occupé."},
    {ETXTBSY, "Fichier occupé."},
    {ENOTTY, "Ce n'est pas un port série."},
    {EAGAIN, "Ressource momentanément indisponible."},
};
// Au-delà des numéros d'erreur du système.
constexpr int NumeroMax = 256;
} // namespace

QString CauseSysteme(const QString& texteSysteme) {
    // Qt donne le texte du système tel quel : on le reconnaît en le comparant au sien.
    for (const Cause& c : Causes)
        if (texteSysteme == qt_error_string(c.numero)) return QString::fromUtf8(c.texte);
    for (int numero = 1; numero < NumeroMax; ++numero)
        if (texteSysteme == qt_error_string(numero))
            return QStringLiteral("Erreur du système n° %1 (%2).").arg(numero).arg(texteSysteme);
    return texteSysteme;
}
