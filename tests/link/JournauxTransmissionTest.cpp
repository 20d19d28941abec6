#include "link/JournauxTransmission.h"
#include "link/Configuration.h"
#include "link/TrameProgramme.h"

#include <gtest/gtest.h>

namespace {
const QDateTime MardiPremierDecembre(QDate(2026, 12, 1), QTime(14, 5, 9));

Trame TrameEco(int identifiant = 4660) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {identifiant, 0, 0};
    return TrameProgramme(p, 0, MardiPremierDecembre);
}

QByteArray Fois(int n, const QByteArray& motif) {
    return motif.repeated(n);
}
} // namespace

TEST(JournauxTransmission, JournalBrutOctetParOctet) {
    const QByteArray zone = QByteArray(64, 0) + "F" + QByteArray(2, 0) + QByteArray(62, 0) +
                            QByteArray(2, 0) + "\r\n" + "F" + QByteArray(2, 0);
    QByteArray reglages = "--" + QByteArray::fromHex("09051403011226") +
                          QByteArray::fromHex("1234") +
                          Fois(3, QByteArray::fromHex("29250C1100000000")) + QByteArray(29, 0) +
                          QByteArray::fromHex("E501") + "\r\n" + "F" + QByteArray::fromHex("CB02");
    const QByteArray brut = JournalBrut(TrameEco());
    EXPECT_EQ(brut.size(), 480);
    EXPECT_EQ(brut, "R" + Fois(3, zone) + reglages);
}

TEST(JournauxTransmission, TraceLisible) {
    const QByteArray zone =
        Fois(64, "0-") + "F] CHKSUM=0000 " + Fois(62, "0-") + " CHKSUM=0000 " + "F] CHKSUM=0000 ";
    // La température enregistrée (169 = A9), pas l'octet envoyé (0x29).
    const QByteArray reglages = " -DATE-9-5-14-3-1-12-26- IDENTIF=1234  TEMP:\r\n" +
                                Fois(3, "A9-A5-8C-91-0-0-0-0-\r\n") + Fois(29, "0-") +
                                " CHKSUM=01E5 F] CHKSUM=02CB ";
    EXPECT_EQ(JournalTrace(TrameEco()), "R  " + Fois(3, zone) + reglages);
}

TEST(JournauxTransmission, TraceDesOctetsDeProgrammeEtDeLAnnee) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone[2] = 70000;
    p.TempZone[1] = {198, 128, 129, 150};
    QByteArray lundi = JourVide();
    for (int s = 36; s < 48; ++s) lundi[s] = '1';
    p.ProgJour[0][0] = lundi;
    const Trame trame = TrameProgramme(p, 2, QDateTime(QDate(2005, 3, 7), QTime(0, 0, 0)));
    const QByteArray trace = JournalTrace(trame);
    // Hexadécimal sans zéro de tête : 0x0F s'écrit "F".
    EXPECT_TRUE(trace.startsWith("R  0-0-0-0-F-FF-0-0-")) << trace.left(40).constData();
    EXPECT_TRUE(trace.contains(" -DATE-0-0-0-2-7-3-05- IDENTIF=1170 "));
    EXPECT_TRUE(trace.contains("\r\nC6-80-81-96-0-0-0-0-\r\n"));
    // Sommes sur quatre chiffres.
    EXPECT_TRUE(trace.contains("F] CHKSUM=010E "));
}

TEST(Configuration, LectureEtEcriture) {
    EXPECT_EQ(EcrireConfiguration(2), QByteArray(" 2 \r\n"));
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(LireConfiguration(EcrireConfiguration(index)), index);
    EXPECT_EQ(LireConfiguration("3"), 3);
    EXPECT_EQ(LireConfiguration("  1,3\r\n"), 1);
    EXPECT_EQ(LireConfiguration("\t2 suite ignoree"), 2);
    for (const char* mauvais : {"", "   ", "4", "-1", "x", "12", "\r\n 1"})
        EXPECT_FALSE(LireConfiguration(mauvais).has_value()) << mauvais;
}
