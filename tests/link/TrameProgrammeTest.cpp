// La trame et ses deux journaux, sur des exemples calculés à la main.
#include "link/TrameProgramme.h"
#include "link/JournauxTransmission.h"
#include "link/ProgrammeTest.h"
#include "model/Programme.h"
#include "support/Dossier.h"

#include <gtest/gtest.h>

namespace {
const QDateTime MardiPremierDecembre(QDate(2026, 12, 1), QTime(14, 5, 9));

Programme Vide() {
    Programme p;
    RemetParDefaut(p);
    return p;
}

// Les sept jours de chaque zone reçoivent jour(d).
template <typename F> Programme ChaqueJour(F jour) {
    Programme p = Vide();
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = jour(d);
    return p;
}

QByteArray Hex(const char* texte) {
    return QByteArray::fromHex(texte);
}

QByteArray Fois(int n, const QByteArray& motif) {
    return motif.repeated(n);
}

// Section de la zone z (134 octets, "R" exclu).
QByteArray Section(const QByteArray& trame, int z) {
    return trame.mid(1 + 134 * z, 134);
}
} // namespace

TEST(TrameProgramme, SectionsCalculeesALaMain) {
    // La trame entière de l'exemple écrit en clair (lundi 6H00-8H00 : sommes 0x010E, puis
    // 0x0E + 0x01 pour le bloc B ; réglages du mardi 1er décembre 2026), pauses comprises.
    Programme lundi = Vide();
    lundi.IdentZone = {4660, 1, 2};
    lundi.ProgJour[0][0] = JourVide().replace(36, 12, QByteArray(12, '1'));
    const Trame trame = TrameProgramme(lundi, 0, MardiPremierDecembre);
    const TrameEcrite ecrite = LitTrameEcrite(QStringLiteral("trame-lundi-6h-8h.txt"));
    EXPECT_EQ(OctetsTrame(trame).toHex(' '), ecrite.octets.toHex(' '));
    std::vector<int> pauses;
    for (int i = 0; i < static_cast<int>(trame.size()); ++i)
        if (trame[i].pause) pauses.push_back(i);
    EXPECT_EQ(pauses, ecrite.pauses);

    const QByteArray confort =
        OctetsTrame(TrameZones(ChaqueJour([](int) { return QByteArray(LongueurJour, '1'); })));
    const QByteArray test =
        OctetsTrame(TrameZones(ChaqueJour([](int d) { return MotifsTest()[d]; })));
    const QByteArray dimanche = Fois(3, Hex("B972E5CB972E5C")).left(18);
    for (int z = 0; z < NbZones; ++z) {
        EXPECT_EQ(Section(confort, z),
                  Fois(64, Hex("FF")) + Hex("46C03F") + Fois(62, Hex("FF")) + Hex("827D46C13E"));
        EXPECT_EQ(Section(test, z),
                  Fois(18, Hex("AA")) + Fois(18, Hex("99")) + Fois(28, Hex("A5")) + "F" +
                      Hex("C228") + Fois(8, Hex("A5")) + Fois(18, Hex("A7")) + Fois(18, Hex("93")) +
                      dimanche + Hex("D14E") + "F" + Hex("2E27"));
    }
}

TEST(TrameProgramme, ReglagesHorlogeEtIdentifiant) {
    // Décimal codé binaire, dimanche = 1.
    EXPECT_EQ(OctetsTrame(BlocReglages(Vide(), 0, QDateTime(QDate(2005, 1, 2), QTime(23, 59, 58))))
                  .left(7),
              Hex("58592301020105"));
    for (int jour = 6; jour <= 12; ++jour)
        EXPECT_EQ(JourSemaineTelecommande(QDate(2026, 12, jour)), jour - 5);

    // L'identifiant de la zone éditée, tronqué à seize bits.
    Programme p = Vide();
    p.IdentZone = {1, 70000, -7};
    const char* attendus[] = {"0001", "1170", "FFF9"};
    for (int z = 0; z < NbZones; ++z)
        EXPECT_EQ(OctetsTrame(TrameProgramme(p, z, MardiPremierDecembre)).mid(410, 2),
                  Hex(attendus[z]));
}

TEST(JournauxTransmission, LesDeuxJournauxOctetParOctet) {
    Programme p = Vide();
    p.IdentZone = {4660, 0, 0};
    const Trame trame = TrameProgramme(p, 0, MardiPremierDecembre);

    const QByteArray zone =
        Fois(64, Hex("00")) + "F" + Hex("0000") + Fois(64, Hex("00")) + "\r\nF" + Hex("0000");
    const QByteArray brut = JournalBrut(trame);
    EXPECT_EQ(brut.size(), 480);
    EXPECT_EQ(brut, "R" + Fois(3, zone) + "--" + Hex("090514030112261234") +
                        Fois(3, Hex("29250C1100000000")) + Fois(29, Hex("00")) + Hex("E501") +
                        "\r\nF" + Hex("CB02"));

    const QByteArray trace =
        Fois(64, "0-") + "F] CHKSUM=0000 " + Fois(62, "0-") + " CHKSUM=0000 F] CHKSUM=0000 ";
    // La température enregistrée (169 = A9), pas l'octet envoyé (0x29).
    EXPECT_EQ(JournalTrace(trame), "R  " + Fois(3, trace) +
                                       " -DATE-9-5-14-3-1-12-26- IDENTIF=1234  TEMP:\r\n" +
                                       Fois(3, "A9-A5-8C-91-0-0-0-0-\r\n") + Fois(29, "0-") +
                                       " CHKSUM=01E5 F] CHKSUM=02CB ");

    // Un programme non nul : octets en hexadécimal sans zéro de tête ; l'année sur deux
    // chiffres (2005 : "05"), les autres valeurs sans zéro de tête.
    p.ProgJour[1][0] = JourVide().replace(36, 12, QByteArray(12, '1'));
    p.TempZone[2] = {198, 129, 128, 145};
    const Trame autre = TrameProgramme(p, 0, QDateTime(QDate(2005, 1, 2), QTime(23, 59, 8)));
    const QByteArray traceAutre = JournalTrace(autre);
    EXPECT_EQ(traceAutre.mid(3 + trace.size(), 41), "0-0-0-0-F-FF-" + Fois(14, "0-"));
    EXPECT_TRUE(traceAutre.contains("0-F] CHKSUM=010E " + Fois(62, "0-") +
                                    " CHKSUM=010E F] CHKSUM=000F " + trace +
                                    " -DATE-8-59-23-1-2-1-05-"));
    EXPECT_TRUE(traceAutre.contains("\r\nC6-81-80-91-0-0-0-0-\r\n0-"));
}

TEST(JournauxTransmission, BarreDeProgressionPasAPas) {
    // Valeur de la barre après l'élément de rang i : un pas par octet de programme, un par
    // jour après son 18e octet (celui du dimanche après la somme du bloc B), un par fin de
    // bloc de zone, un par octet d'horloge, de température et de remplissage.
    const Trame trame = TrameProgramme(Vide(), 0, MardiPremierDecembre);
    const std::pair<int, int> reperes[] = {
        {0, 0},     {1, 1},     {17, 17},   {18, 19},   {64, 67},   {65, 67},   {67, 68},
        {68, 69},   {129, 133}, {132, 133}, {133, 133}, {134, 135}, {402, 405}, {403, 406},
        {409, 412}, {411, 412}, {412, 413}, {416, 416}, {435, 424}, {436, 425}, {469, 453}};
    int valeur = 0;
    size_t repere = 0;
    for (int i = 0; i < static_cast<int>(trame.size()) && repere < std::size(reperes); ++i) {
        valeur += AvancesProgression(trame[i]);
        if (i != reperes[repere].first) continue;
        EXPECT_EQ(valeur, reperes[repere].second) << "après l'élément " << i;
        ++repere;
    }
    EXPECT_EQ(repere, std::size(reperes));
}
