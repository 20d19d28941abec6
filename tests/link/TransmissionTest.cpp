// L'envoi sans fenêtre, sous QCoreApplication, dans un port et une minuterie factices.
#include "link/Transmission.h"
#include "link/JournauxTransmission.h"
#include "support/Dossier.h"
#include "support/PortFactice.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
const QDateTime MardiPremierDecembre(QDate(2026, 12, 1), QTime(14, 5, 9));

Programme Exemple() {
    Programme p;
    RemetParDefaut(p);
    for (int s = 39; s < 51; ++s) p.ProgJour[0][0][s] = '1';
    p.IdentZone = {4660, 17219, 99};
    return p;
}

class Envoi : public testing::Test {
protected:
    Envoi() : port(horloge), minuterie(horloge), transmission(port, minuterie, dossier.Chemin()) {
        port.Ouvre(1);
        QObject::connect(&transmission, &Transmission::Avance,
                         [this](int pas) { progression += pas; });
    }
    bool Envoie() {
        return transmission.Envoie(TrameZones(prog), [this] {
            ++lecturesHorloge;
            instantHorloge = horloge.ms;
            return BlocReglages(prog, prog.IdentZone[0], MardiPremierDecembre);
        });
    }

    DossierTest dossier;
    HorlogeFactice horloge;
    PortFactice port;
    MinuterieFactice minuterie;
    Transmission transmission;
    Programme prog = Exemple();
    int progression = 0;
    int lecturesHorloge = 0;
    qint64 instantHorloge = -1;
};
} // namespace

TEST_F(Envoi, TrameEntiereSixPausesDeDeuxCentsMsApresLesBlocsDeZoneEtJournaux) {
    ASSERT_TRUE(Envoie());
    const Trame trame = TrameProgramme(prog, 0, MardiPremierDecembre);
    ASSERT_EQ(port.Octets(), OctetsTrame(trame));
    ASSERT_EQ(port.Remis.size(), 470u);
    EXPECT_EQ(minuterie.Pauses, std::vector<int>(6, 200));
    // Bloc n remis à 200 (n - 1) ms : chaque pause sépare deux blocs, aucune ailleurs.
    const int debutsBlocs[] = {0, 68, 135, 202, 269, 336, 403, 470};
    for (int b = 0; b < 7; ++b)
        for (int i = debutsBlocs[b]; i < debutsBlocs[b + 1]; ++i)
            ASSERT_EQ(port.Remis[i].instant, 200 * b) << "octet " << i;
    EXPECT_EQ(lecturesHorloge, 1);
    EXPECT_EQ(instantHorloge, 1200) << "horloge lue après la dernière pause";
    EXPECT_EQ(progression, 453);
    EXPECT_TRUE(transmission.Cause().isEmpty());
    EXPECT_EQ(dossier.Lit(QLatin1String(NomJournalBrut)), JournalBrut(trame));
    EXPECT_EQ(dossier.Lit(QLatin1String(NomJournalTrace)), JournalTrace(trame));
}

TEST_F(Envoi, PortPerduAuMilieuPlusRienNePartNiNAttend) {
    port.PerteAuOctet = 137; // après deux blocs et un octet du troisième
    EXPECT_FALSE(Envoie());
    EXPECT_EQ(port.Remis.size(), 137u);
    EXPECT_EQ(minuterie.Pauses.size(), 2u);
    EXPECT_EQ(transmission.Cause(), port.ErreurPerte);
    // Les journaux s'arrêtent au dernier octet parti, puis disent où et pourquoi.
    const Trame zones = TrameZones(prog);
    const Trame parti(zones.begin(), zones.begin() + 137);
    EXPECT_EQ(dossier.Lit(QLatin1String(NomJournalTrace)),
              JournalTrace(parti) + "\r\n" + LigneEchec(138, port.ErreurPerte));
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
