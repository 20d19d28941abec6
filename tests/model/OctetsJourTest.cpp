#include "model/OctetsJour.h"
#include "model/Programme.h"

#include <gtest/gtest.h>

namespace {
QByteArray Jour(int debut, int fin) { // créneaux [debut, fin) en confort
    QByteArray j = JourVide();
    for (int s = debut; s < fin; ++s) j[s] = '1';
    return j;
}
} // namespace

TEST(OctetsJour, ExemplesDeLaJournee) {
    // Confort de 6h00 à 8h00 : caractères 37 à 48.
    const auto octets = OctetsJour(Jour(36, 48));
    const std::array<quint8, 18> attendu{0, 0, 0, 0, 0x0F, 0xFF, 0, 0, 0,
                                         0, 0, 0, 0, 0,    0,    0, 0, 0};
    EXPECT_EQ(octets, attendu);
    int somme = 0;
    for (quint8 o : octets) somme += o;
    EXPECT_EQ(somme, 0x010E);

    EXPECT_EQ(OctetsJour(Jour(0, 1))[0], 128);
    EXPECT_EQ(OctetsJour(Jour(143, 144))[17], 1);
    for (quint8 o : OctetsJour(Jour(0, 144))) EXPECT_EQ(o, 255);
}

TEST(OctetsJour, IgnoreQueueAutresCaracteresEtJoursCourts) {
    QByteArray j = JourVide();
    j[144] = '1'; // la queue ne part jamais
    j[0] = '2';   // autre chose que "1" : éco
    j[1] = 'x';
    for (quint8 o : OctetsJour(j)) EXPECT_EQ(o, 0);
    EXPECT_EQ(OctetsJour(QByteArray("1")), (std::array<quint8, 18>{128}));
    EXPECT_EQ(OctetsJour(QByteArray()), (std::array<quint8, 18>{}));
}
