#include "link/ProgrammeTest.h"

namespace {
QByteArray Repete(const QByteArray& motif) {
    QByteArray jour;
    while (jour.size() < NbCreneaux) jour += motif;
    jour.truncate(NbCreneaux);
    return jour;
}
} // namespace

std::array<QByteArray, NbJours> MotifsTest() {
    static const char* const motifs[NbJours] = {"10",       "1001",     "10100101", "10100101",
                                                "10100111", "10010011", "1011100"};
    std::array<QByteArray, NbJours> jours;
    for (int d = 0; d < NbJours; ++d) jours[d] = Repete(motifs[d]);
    return jours;
}
