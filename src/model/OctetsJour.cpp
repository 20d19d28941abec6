#include "model/OctetsJour.h"
#include "model/Jour.h"
#include "model/Programme.h"

std::array<quint8, NbOctetsJour> OctetsJour(const QByteArray& jour) {
    std::array<quint8, NbOctetsJour> octets{};
    const int n = static_cast<int>(std::min<qsizetype>(jour.size(), NbCreneaux));
    for (int s = 0; s < n; ++s)
        if (EstConfort(jour, s)) octets[s / 8] |= static_cast<quint8>(0x80u >> (s % 8));
    return octets;
}
