// Lecteur de "VK472.CFG" face à n'importe quels octets : un index rendu est dans 0..3
// et se relit identique une fois réécrit.
#include "link/Configuration.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    const QByteArray contenu(reinterpret_cast<const char*>(octets), static_cast<qsizetype>(taille));
    const std::optional<int> index = LireConfiguration(contenu);
    if (!index) return 0;
    if (*index < 0 || *index > 3 || LireConfiguration(EcrireConfiguration(*index)) != index) {
        std::fprintf(stderr, "fuzz-configuration : index %d mal relu\n", *index);
        std::abort();
    }
    return 0;
}
