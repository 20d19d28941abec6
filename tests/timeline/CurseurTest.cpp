#include "timeline/Curseur.h"
#include "timeline/Impression.h"

#include <gtest/gtest.h>

TEST(PositionSouris, BornesEtMidi) {
    EXPECT_EQ(PositionSouris(0), 0);
    EXPECT_EQ(PositionSouris(90), 0); // bord du premier créneau : v vaut -0.68
    EXPECT_EQ(PositionSouris(-3000), 0);
    EXPECT_EQ(PositionSouris(4842), 72); // v = 71.96
    EXPECT_EQ(PositionSouris(9594), 144);
    EXPECT_EQ(PositionSouris(9960), 144);
    EXPECT_EQ(PositionSouris(1e9), 144);
}

TEST(PositionSouris, DeriveDeLEchelleEtArrondiAuPair) {
    // L'échelle 65.42 glisse d'un créneau sur la journée : le matin le bord du créneau 1
    // (156) donne 0.33, le soir le bord du créneau 143 (9528) donne 143.59.
    EXPECT_EQ(PositionSouris(156), 0);
    EXPECT_EQ(PositionSouris(189), 1);
    EXPECT_EQ(PositionSouris(9500), 143);
    EXPECT_EQ(PositionSouris(9528), 144);
    // Ces abscisses donnent exactement une demie : on va au voisin pair.
    EXPECT_EQ(PositionSouris(559.75), 6);   // 6.5
    EXPECT_EQ(PositionSouris(2195.25), 32); // 31.5
    EXPECT_EQ(PositionSouris(3830.75), 56); // 56.5
    EXPECT_EQ(PositionSouris(5466.25), 82); // 81.5
    EXPECT_EQ(PositionSouris(559.8), 7);
}

TEST(TexteHeureCurseur, BlancHeureEtMinutesSurDeuxChiffres) {
    EXPECT_EQ(TexteHeureCurseur(0), " 0H00");
    EXPECT_EQ(TexteHeureCurseur(1), " 0H10");
    EXPECT_EQ(TexteHeureCurseur(45), " 7H30");
    EXPECT_EQ(TexteHeureCurseur(59), " 9H50");
    EXPECT_EQ(TexteHeureCurseur(72), " 12H00");
    EXPECT_EQ(TexteHeureCurseur(143), " 23H50");
    EXPECT_EQ(TexteHeureCurseur(144), " 24H00");
}
