// Lecteur du fichier programme face à n'importe quels octets : ni plantage, ni fuite,
// et un programme accepté doit se relire identique une fois réécrit.
#include "files/FichierProgramme.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void Echec(const char* raison) {
    std::fprintf(stderr, "fuzz-programme : %s\n", raison);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    const QByteArray contenu(reinterpret_cast<const char*>(octets), static_cast<qsizetype>(taille));
    const ResultatLecture lu = LireFichierProgramme(contenu);
    if (lu.statut != StatutLecture::Lu) return 0;

    const QByteArray ecrit =
        EcrireFichierProgramme(lu.programme, QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50"));
    const ResultatLecture relu = LireFichierProgramme(ecrit);
    if (relu.statut != StatutLecture::Lu) Echec("fichier sauvegardé illisible");
    if (!(relu.programme == lu.programme)) Echec("programme différent après sauvegarde");
    if (EcrireFichierProgramme(relu.programme, QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50")) !=
        ecrit)
        Echec("deuxième sauvegarde différente de la première");
    return 0;
}
