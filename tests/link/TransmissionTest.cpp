// Sans fenêtre (port et minuterie factices) ; comparés aux fichiers écrits en clair.
#include "link/Transmission.h"
#include "link/JournauxTransmission.h"
#include "support/Dossier.h"
#include "support/PortFactice.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <numeric>

namespace {
class Envoi : public testing::Test {
protected:
    Envoi() : port(horloge), minuterie(horloge), transmission(port, minuterie, dossier.Chemin()) {
        port.Ouvre(1);
        QObject::connect(&transmission, &Transmission::Avance,
                         [this](int pas) { progression.push_back(pas); });
    }
    bool Envoie() {
        const Programme prog = ProgrammeLundi();
        return transmission.Envoie(TrameZones(prog), [&] {
            lecturesHorloge.push_back(horloge.ms);
            return BlocReglages(prog, prog.IdentZone[0], MardiPremier);
        });
    }

    DossierTest dossier;
    HorlogeFactice horloge;
    PortFactice port;
    MinuterieFactice minuterie;
    Transmission transmission;
    std::vector<int> progression; // pas émis après chaque élément remis
    std::vector<qint64> lecturesHorloge;
    const QByteArray brut = LitTrameEcrite(QStringLiteral("journal-brut-lundi-6h-8h.txt")).octets;
    const QByteArray trace = DonneeTest(QStringLiteral("journal-trace-lundi-6h-8h.Asc"));
};
} // namespace

TEST_F(Envoi, TrameEntiereSixPausesProgressionEtJournaux) {
    // Les octets : LigneCommande.EnvoieLaTrameDeLaFenetreEtFermeLePort ; ici, les journaux.
    ASSERT_TRUE(Envoie());
    EXPECT_EQ(lecturesHorloge, std::vector<qint64>{1200}) << "horloge lue après la dernière pause";
    EXPECT_EQ(minuterie.Pauses, std::vector<int>(6, 200)); // ni avant ni après la trame
    EXPECT_EQ(dossier.Lit(NomJournalBrut).toHex(' '), brut.toHex(' '));
    EXPECT_EQ(dossier.Lit(NomJournalTrace), trace);
    // Un pas émis par élément remis, 453 en tout.
    ASSERT_EQ(progression.size(), 470u);
    EXPECT_EQ(std::accumulate(progression.begin(), progression.end(), 0), 453);
}

TEST_F(Envoi, PortPerduRienNePartPlusEtLesJournauxDisentOu) {
    // Les journaux gardent ce qui est parti, puis la ligne d'échec sur une ligne à elle.
    struct Cas {
        int perte, gardeBrut, gardeTrace;
        const char *finBrut, *finTrace;
    };
    const Cas cas[] = {
        {132, 134, 284, "", "\r\n"}, // le brut finit sur la somme de section
        {420, 428, 957, "\r\n", ""}, // la trace finit sur les températures de la zone 0
    };
    for (const Cas& c : cas) {
        port.Remis.clear();
        port.Ouvre(1);
        port.PerteAuOctet = c.perte;
        EXPECT_FALSE(Envoie()) << c.perte;
        const QByteArray echec = QStringLiteral("** ECHEC DE LA TRANSMISSION : octet %1 sur 470, "
                                                "Le port série COM1 (factice) a disparu **\r\n")
                                     .arg(c.perte + 1)
                                     .toLatin1(); // 8 bits, comme le fichier programme
        EXPECT_EQ(dossier.Lit(NomJournalBrut), brut.left(c.gardeBrut) + c.finBrut + echec)
            << c.perte;
        EXPECT_EQ(dossier.Lit(NomJournalTrace), trace.left(c.gardeTrace) + c.finTrace + echec)
            << c.perte;
    }
}

TEST(MinuterieQt, PauseJamaisPlusCourteQueDemandee) {
    // Une minuterie grossière peut sonner 5 % trop tôt : la télécommande n'aurait pas fini.
    MinuterieQt minuterie;
    for (int essai = 0; essai < 3; ++essai) {
        QElapsedTimer chrono;
        chrono.start();
        minuterie.Pause(PauseApresBlocMs);
        EXPECT_GE(chrono.nsecsElapsed(), qint64{PauseApresBlocMs} * 1'000'000) << essai;
    }
}
