// La trame, ses deux journaux et leur envoi sans fenêtre (QCoreApplication, port et
// minuterie factices), comparés octet pour octet aux fichiers écrits en clair dans donnees/.
#include "link/Transmission.h"
#include "link/JournauxTransmission.h"
#include "link/ProgrammeTest.h"
#include "support/Dossier.h"
#include "support/PortFactice.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace {
const QDateTime MardiPremierDecembre(QDate(2026, 12, 1), QTime(14, 5, 9));

// L'exemple écrit en clair : zone 0 en confort le lundi de 6H00 à 8H00, identifiant 4660.
Programme Lundi() {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, 1, 2};
    p.ProgJour[0][0].replace(36, 12, QByteArray(12, '1'));
    return p;
}

class Envoi : public testing::Test {
protected:
    Envoi() : port(horloge), minuterie(horloge), transmission(port, minuterie, dossier.Chemin()) {
        port.Ouvre(1);
        QObject::connect(&transmission, &Transmission::Avance,
                         [this](int pas) { progression.push_back(pas); });
    }
    bool Envoie() {
        const Programme prog = Lundi();
        return transmission.Envoie(TrameZones(prog), [&] {
            lecturesHorloge.push_back(horloge.ms);
            return BlocReglages(prog, prog.IdentZone[0], MardiPremierDecembre);
        });
    }
    QByteArray Brut() const { return dossier.Lit(QLatin1String(NomJournalBrut)); }
    QByteArray Trace() const { return dossier.Lit(QLatin1String(NomJournalTrace)); }

    DossierTest dossier;
    HorlogeFactice horloge;
    PortFactice port;
    MinuterieFactice minuterie;
    Transmission transmission;
    std::vector<int> progression; // pas émis après chaque élément remis
    std::vector<qint64> lecturesHorloge;
    const TrameEcrite trame = LitTrameEcrite(QStringLiteral("trame-lundi-6h-8h.txt"));
    const QByteArray brut = LitTrameEcrite(QStringLiteral("journal-brut-lundi-6h-8h.txt")).octets;
    const QByteArray trace = DonneeTest(QStringLiteral("journal-trace-lundi-6h-8h.Asc"));
};
} // namespace

TEST_F(Envoi, TrameEntiereSixPausesProgressionEtJournaux) {
    ASSERT_TRUE(Envoie());
    ASSERT_EQ(port.Octets().toHex(' '), trame.octets.toHex(' '));
    // Chaque octet remis au temps des pauses déjà faites : 200 ms après chaque bloc de zone.
    for (int i = 0, pauses = 0; i < LongueurTrame; ++i) {
        ASSERT_EQ(port.Remis[i].instant, 200 * pauses) << "octet " << i;
        pauses += static_cast<int>(std::count(trame.pauses.begin(), trame.pauses.end(), i));
    }
    EXPECT_EQ(minuterie.Pauses, std::vector<int>(6, 200));
    EXPECT_EQ(lecturesHorloge, std::vector<qint64>{1200}) << "horloge lue après la dernière pause";
    EXPECT_TRUE(transmission.Cause().isEmpty());
    EXPECT_EQ(Brut().toHex(' '), brut.toHex(' '));
    EXPECT_EQ(Trace(), trace);

    // Barre après l'élément de rang i : un pas par octet de programme, un par jour après son
    // 18e octet (celui du dimanche après la somme du bloc B), un par fin de bloc de zone, un
    // par octet d'horloge, de température et de remplissage ; 453 en tout.
    ASSERT_EQ(progression.size(), 470u);
    const std::pair<int, int> reperes[] = {
        {0, 0},     {1, 1},     {17, 17},   {18, 19},   {64, 67},   {65, 67},
        {67, 68},   {68, 69},   {111, 115}, {129, 133}, {132, 133}, {133, 133},
        {134, 135}, {402, 405}, {403, 406}, {409, 412}, {411, 412}, {412, 413},
        {416, 416}, {435, 424}, {436, 425}, {469, 453}};
    for (const auto& [rang, valeur] : reperes)
        EXPECT_EQ(std::accumulate(progression.begin(), progression.begin() + rang + 1, 0), valeur)
            << "après l'élément " << rang;
}

TEST_F(Envoi, PortPerduRienNePartPlusEtLesJournauxDisentOu) {
    // Les journaux gardent ce qui est parti, puis la ligne d'échec sur une ligne à elle.
    struct Cas {
        int perte, gardeBrut, gardeTrace;
        const char *finBrut, *finTrace;
        int pauses;
    };
    const Cas cas[] = {
        {0, 0, 0, "", "", 0},
        {132, 134, 284, "", "\r\n", 1}, // le brut finit sur la somme de section
        {137, 139, 303, "\r\n", "\r\n", 2},
        {420, 428, 957, "\r\n", "", 6}, // la trace finit sur les températures de la zone 0
    };
    for (const Cas& c : cas) {
        port.Remis.clear();
        minuterie.Pauses.clear();
        port.Ouvre(1);
        port.PerteAuOctet = c.perte;
        EXPECT_FALSE(Envoie()) << c.perte;
        EXPECT_EQ(port.Remis.size(), static_cast<size_t>(c.perte));
        EXPECT_EQ(minuterie.Pauses.size(), static_cast<size_t>(c.pauses)) << c.perte;
        EXPECT_EQ(transmission.Cause(), port.ErreurPerte);
        // En texte 8 bits, comme le fichier programme.
        const QByteArray echec = QStringLiteral("** ECHEC DE LA TRANSMISSION : octet %1 sur 470, "
                                                "Le port série COM1 (factice) a disparu **\r\n")
                                     .arg(c.perte + 1)
                                     .toLatin1();
        EXPECT_EQ(Brut(), brut.left(c.gardeBrut) + c.finBrut + echec) << c.perte;
        EXPECT_EQ(Trace(), trace.left(c.gardeTrace) + c.finTrace + echec) << c.perte;
    }
}

TEST_F(Envoi, JournauxImpossiblesNArretentPasLEnvoi) {
    Transmission sansJournaux(port, minuterie, dossier.Fichier(QStringLiteral("absent")));
    EXPECT_TRUE(sansJournaux.Envoie(
        TrameZones(Lundi()), [] { return BlocReglages(Lundi(), 4660, MardiPremierDecembre); }));
    EXPECT_EQ(port.Octets(), trame.octets);
}

TEST(TrameProgramme, SectionsHorlogeEtIdentifiant) {
    const auto chaqueJour = [](auto jour) {
        Programme p;
        RemetParDefaut(p);
        for (int z = 0; z < NbZones; ++z)
            for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = jour(d);
        return OctetsTrame(TrameZones(p));
    };
    const QByteArray confort = chaqueJour([](int) { return QByteArray(LongueurJour, '1'); });
    const QByteArray test = chaqueJour([](int d) { return MotifsTest()[d]; });
    const auto hex = [](const char* texte) { return QByteArray::fromHex(texte); };
    const QByteArray dimanche = hex("B972E5CB972E5C").repeated(3).left(18);
    ASSERT_EQ(confort.size(), 1 + 3 * 134);
    for (int z = 0; z < NbZones; ++z) {
        EXPECT_EQ(confort.mid(1 + 134 * z, 134), hex("FF").repeated(64) + hex("46C03F") +
                                                     hex("FF").repeated(62) + hex("827D46C13E"));
        // Le bloc A se ferme au dixième octet du jeudi.
        EXPECT_EQ(test.mid(1 + 134 * z, 134),
                  hex("AA").repeated(18) + hex("99").repeated(18) + hex("A5").repeated(28) + "F" +
                      hex("C228") + hex("A5").repeated(8) + hex("A7").repeated(18) +
                      hex("93").repeated(18) + dimanche + hex("D14E") + "F" + hex("2E27"));
    }

    // Décimal codé binaire, dimanche = 1, l'année sur deux chiffres dans la trace aussi.
    const Trame reglages = BlocReglages(Lundi(), 0, QDateTime(QDate(2005, 1, 2), QTime(23, 59, 8)));
    EXPECT_EQ(OctetsTrame(reglages).left(7), hex("08592301020105"));
    EXPECT_TRUE(JournalTrace(reglages).startsWith(" -DATE-8-59-23-1-2-1-05- IDENTIF=0000 "));
    for (int jour = 6; jour <= 12; ++jour)
        EXPECT_EQ(JourSemaineTelecommande(QDate(2026, 12, jour)), jour - 5);

    // L'identifiant de la zone éditée, tronqué à seize bits.
    Programme p = Lundi();
    p.IdentZone = {1, 70000, -7};
    const char* attendus[] = {"0001", "1170", "FFF9"};
    for (int z = 0; z < NbZones; ++z)
        EXPECT_EQ(OctetsTrame(TrameProgramme(p, z, MardiPremierDecembre)).mid(410, 2),
                  hex(attendus[z]));
}

TEST(MinuterieQt, PauseJamaisEnAvance) {
    // Une minuterie grossière peut sonner 5 % trop tôt : la télécommande n'aurait pas fini.
    MinuterieQt minuterie;
    for (int essai = 0; essai < 3; ++essai) {
        QElapsedTimer chrono;
        chrono.start();
        minuterie.Pause(PauseApresBlocMs);
        EXPECT_GE(chrono.nsecsElapsed(), 199'500'000) << "essai " << essai;
    }
}
