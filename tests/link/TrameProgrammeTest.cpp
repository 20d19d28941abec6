#include "link/TrameProgramme.h"
#include "link/ProgrammeTest.h"
#include "model/Programme.h"

#include <gtest/gtest.h>

namespace {
const QDateTime MardiPremierDecembre(QDate(2026, 12, 1), QTime(14, 5, 9));

Programme Vide() {
    Programme p;
    RemetParDefaut(p);
    return p;
}

Programme Uniforme(char creneau) {
    Programme p = Vide();
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = QByteArray(LongueurJour, creneau);
    return p;
}

QByteArray Hex(const char* texte) {
    return QByteArray::fromHex(texte);
}

QByteArray Fois(int n, char octet) {
    return QByteArray(n, octet);
}

// Octets de la section de la zone z (134 octets, "R" exclu).
QByteArray Section(const QByteArray& trame, int z) {
    return trame.mid(1 + 134 * z, 134);
}
} // namespace

TEST(TrameProgramme, JourneeDeSixHeuresAHuitHeures) {
    Programme p = Vide();
    QByteArray lundi = JourVide();
    for (int s = 36; s < 48; ++s) lundi[s] = '1';
    p.ProgJour[0][0] = lundi;
    const QByteArray trame = OctetsTrame(TrameZones(p));
    ASSERT_EQ(trame.size(), 1 + 3 * 134);
    EXPECT_EQ(trame.at(0), 'R');
    const QByteArray zone0 = Section(trame, 0);
    EXPECT_EQ(zone0.left(18), Hex("000000000FFF000000000000000000000000"));
    // Bloc A : somme 0x010E ; bloc B : section 0x010E, puis sa somme 0x0E + 0x01.
    EXPECT_EQ(zone0.mid(64, 3), Hex("460E01"));
    EXPECT_EQ(zone0.mid(129, 5), Hex("0E01460F00"));
    const QByteArray zoneVide = Fois(64, 0) + "F" + Fois(2, 0) + Fois(64, 0) + "F" + Fois(2, 0);
    EXPECT_EQ(Section(trame, 1), zoneVide);
    EXPECT_EQ(Section(trame, 2), zoneVide);
}

TEST(TrameProgramme, BlocDesReglagesDuMardiPremierDecembre) {
    const Trame bloc = BlocReglages(Vide(), 4660, MardiPremierDecembre);
    QByteArray attendu = Hex("09051403011226") + Hex("1234");
    for (int z = 0; z < 3; ++z) attendu += Hex("29250C1100000000");
    attendu += Fois(29, 0) + Hex("E501") + "F" + Hex("CB02");
    EXPECT_EQ(OctetsTrame(bloc), attendu);
    for (const ElementTrame& e : bloc) EXPECT_FALSE(e.pause);
}

TEST(TrameProgramme, ToutConfortEtToutEco) {
    const QByteArray confort = OctetsTrame(TrameZones(Uniforme('1')));
    const QByteArray eco = OctetsTrame(TrameZones(Uniforme('0')));
    for (int z = 0; z < NbZones; ++z) {
        const QByteArray c = Section(confort, z);
        EXPECT_EQ(c.left(64), Fois(64, '\xFF'));
        EXPECT_EQ(c.mid(64, 3), Hex("46C03F"));
        EXPECT_EQ(c.mid(67, 62), Fois(62, '\xFF'));
        EXPECT_EQ(c.mid(129, 5), Hex("827D46C13E"));

        EXPECT_EQ(Section(eco, z), Fois(64, 0) + "F" + Fois(2, 0) + Fois(64, 0) + "F" + Fois(2, 0));
    }
}

TEST(TrameProgramme, ProgrammeDeTest) {
    const auto motifs = MotifsTest();
    for (const QByteArray& jour : motifs) EXPECT_EQ(jour.size(), 144);
    EXPECT_EQ(motifs[3], motifs[2]);
    EXPECT_TRUE(motifs[6].startsWith("10111001011100"));
    EXPECT_TRUE(motifs[6].endsWith("10111001011"));

    Programme p = Vide();
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = motifs[d];
    const QByteArray trame = OctetsTrame(TrameZones(p));
    const QByteArray dimanche = Hex("B972E5CB972E5C").repeated(3).left(18);
    for (int z = 0; z < NbZones; ++z) {
        const QByteArray s = Section(trame, z);
        EXPECT_EQ(s.left(67),
                  Fois(18, '\xAA') + Fois(18, '\x99') + Fois(28, '\xA5') + "F" + Hex("C228"));
        EXPECT_EQ(s.mid(67), Fois(8, '\xA5') + Fois(18, '\xA7') + Fois(18, '\x93') + dimanche +
                                 Hex("D14E") + "F" + Hex("2E27"));
    }
}

TEST(TrameProgramme, IdentifiantDeLaZoneEditeeSurSeizeBits) {
    Programme p = Vide();
    p.IdentZone = {1, 70000, -7};
    const auto identifiant = [&](int zone) {
        return OctetsTrame(TrameProgramme(p, zone, MardiPremierDecembre)).mid(403 + 7, 2);
    };
    EXPECT_EQ(identifiant(0), Hex("0001"));
    EXPECT_EQ(identifiant(1), Hex("1170"));
    EXPECT_EQ(identifiant(2), Hex("FFF9"));
}

TEST(TrameProgramme, HorlogeEnDecimalCodeBinaire) {
    EXPECT_EQ(Bcd(59), 0x59);
    EXPECT_EQ(Bcd(9), 0x09);
    EXPECT_EQ(Bcd(0), 0x00);
    // Du dimanche 6 au samedi 12 décembre 2026 : 1 à 7.
    for (int jour = 6; jour <= 12; ++jour)
        EXPECT_EQ(JourSemaineTelecommande(QDate(2026, 12, jour)), jour - 5);

    const Trame bloc = BlocReglages(Vide(), 0, QDateTime(QDate(2005, 1, 2), QTime(23, 59, 58)));
    EXPECT_EQ(OctetsTrame(bloc).left(7), Hex("58592301020105"));
}

TEST(TrameProgramme, BlocsPausesEtProgression) {
    Programme p = Vide();
    const Trame trame = TrameProgramme(p, 0, MardiPremierDecembre);
    ASSERT_EQ(trame.size(), 470u);

    std::vector<int> pauses, fins;
    int avances = 0;
    for (int i = 0; i < static_cast<int>(trame.size()); ++i) {
        if (trame[i].pause) pauses.push_back(i);
        if (trame[i].genre == GenreElement::FinBloc) fins.push_back(i);
        avances += AvancesProgression(trame[i]);
    }
    EXPECT_EQ(pauses, (std::vector<int>{67, 134, 201, 268, 335, 402}));
    EXPECT_EQ(fins, (std::vector<int>{65, 132, 199, 266, 333, 400, 467}));
    EXPECT_EQ(avances, 453);

    // Le bloc A se ferme après le dixième octet du jeudi, pas sur une fin de jour.
    EXPECT_EQ(trame[64].genre, GenreElement::OctetProgramme);
    EXPECT_EQ(trame[64].jour, 3);
    EXPECT_EQ(trame[64].indice, 9);
    EXPECT_EQ(trame[68].jour, 3);
    EXPECT_EQ(trame[68].indice, 10);
    EXPECT_EQ(trame[68].bloc, 2);

    // Les deux morceaux mis bout à bout font la trame entière.
    Trame morceaux = TrameZones(p);
    const Trame reglages = BlocReglages(p, p.IdentZone[0], MardiPremierDecembre);
    morceaux.insert(morceaux.end(), reglages.begin(), reglages.end());
    EXPECT_EQ(OctetsTrame(morceaux), OctetsTrame(trame));
}
