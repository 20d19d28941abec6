// La liaison dans la fenêtre : octets remis pause par pause (trame-*), ports choisis, envoi gelé.
#include "link/Configuration.h"
#include "plateforme/Controles.h"
#include "support/Banc.h"

#include <QAction>
#include <QFileInfo>
#include <QProgressBar>

const QString Relier = QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon ** -> Ok\n");
const QString Envoi = Relier + "** VERIFIER à l'issue de la transmission: [2 BEEP -> PROG. OK]  "
                               "[6 Beep -> DEFAUT DIALOGUE]  ** -> Ok\n";

// Pendant un envoi, rien ne change la trame ; le programme de test ne touche pas au programme.
TEST(LiaisonFenetre, EnvoisGelesPerdusOuRefuses) {
    Banc b;
    auto& port = b.plateforme.port;
    b.Demarre();
    const auto actives = [&b] {
        QStringList noms;
        for (const QAction* a : b.fenetre->findChildren<QAction*>())
            if (!a->objectName().isEmpty() && a->isEnabled()) noms << a->objectName();
        for (const char* cadre : {"Frame5", "Frame4", "Frame2"})
            if (b.W(cadre)->isEnabled()) noms << cadre;
        return noms.join(' ');
    };
    const QString toutes = actives();
    Programme avant = b.Doc().Prog();
    QStringList pendant;
    b.plateforme.PendantBoite = [&] { pendant << actives(); };
    b.Barre("VScrollZone", 1);
    b.plateforme.Reponses.assign(4, Bouton::Ok);
    b.Menu("ProgrammeDeTest");
    EXPECT_TRUE(
        b.Boites().endsWith("10 Minutes  -> Ok\n" + Envoi + "** FIN DE TRANSMISSION ** -> Ok"));
    CompareReference(QStringLiteral("trame-liaison-2.txt"), b.Port());
    EXPECT_TRUE(b.Doc().Prog() == avant);
    b.plateforme.Reponses.assign(2, Bouton::Ok);
    b.Menu("TestTelecommande");
    EXPECT_EQ(pendant, QStringList(6, "Guide"));
    EXPECT_EQ(actives(), toutes);
    b.Port();
    port.PerteAuOctet = 68;
    b.plateforme.Reponses.assign(3, Bouton::Ok);
    b.Menu("ProgrammeTelecommande");
    EXPECT_TRUE(b.Boites().endsWith(
        Envoi +
        "** ECHEC DE LA TRANSMISSION **\r\n\r\nLe port série COM1 (factice) a disparu -> Ok"));
    EXPECT_TRUE(b.plateforme.minuterie.Pauses == std::vector<int>{200} && !port.EstOuvert());
    CompareReference(QStringLiteral("trame-liaison-3.txt"), b.Port());
    port.PerteAuOctet.reset();
    b.Pose([](Programme& p) { p.IdentZone = {4660, 17219, 70000}; });
    b.Barre("VScrollZone", 2);
    b.Barre("VScJour", 5);
    avant = b.Doc().Prog();
    b.plateforme.minuterie.AvantPause = [&] {
        if (!b.plateforme.minuterie.Pauses.empty()) return;
        EXPECT_EQ(actives(), "Guide");
        EXPECT_EQ(b.W<QProgressBar>("ProgressBar1")->value(), 68); // 64 octets, 3 jours, 1 somme
        EXPECT_FALSE(b.Clic("CmdHigh"));
        b.Appui("FrameTemp(3)", Qt::LeftButton, {323, 20});
        EXPECT_FALSE(b.fenetre->close());
        EXPECT_TRUE(b.Doc().Prog() == avant && b.Doc().Jour() == 5);
    };
    b.plateforme.Reponses.assign(3, Bouton::Ok);
    b.Menu("ProgrammeTelecommande");
    CompareReference(QStringLiteral("trame-envoigele-1.txt"), b.Port());
    EXPECT_EQ(b.W<QProgressBar>("ProgressBar1")->value(), 453); // un pas par élément remis
    EXPECT_EQ(actives(), toutes);
}

TEST(LiaisonFenetre, PortsChoisisBranchesEtRemplaces) {
    Banc b;
    auto& port = b.plateforme.port;
    const auto branche = [&b](const QString& chemin, const QString& stable, const char* nom) {
        b.plateforme.Peripheriques.push_back({chemin, stable, nom, {}, !stable.isEmpty(), false});
        b.plateforme.ChangementPorts();
    };
    b.dossier.Ecrit("VK472.CFG", " 2 \r\n");
    b.Demarre();
    EXPECT_TRUE(b.W<QAction>("COM(2)")->isChecked() && !b.W<QAction>("COM(0)")->isChecked());
    QFile::remove(b.dossier.Fichier("VK472.CFG"));
    QDir(b.dossier.Chemin()).mkdir("VK472.CFG");
    b.plateforme.Reponses.assign(3, Bouton::Ok);
    b.Menu("COM(1)");
    b.Menu("TestTelecommande");
    EXPECT_EQ(b.Boites(),
              "** ECRITURE IMPOSSIBLE **\r\n\r\n<d>/VK472.CFG\r\nC'est un dossier. -> Ok\n" +
                  Relier + "** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON ** -> Ok");
    EXPECT_TRUE(b.W<QAction>("COM(1)")->isChecked() && !b.W<QAction>("COM(2)")->isChecked());
    EXPECT_TRUE(port.Octets() == "T" && port.Ouvertures.back() == 2 && !port.EstOuvert());
    port.RefusOuverture = QStringLiteral("Port série introuvable : COM4 (factice)");
    b.plateforme.Reponses.assign(1, Bouton::Ok);
    b.Menu("COM(3)");
    EXPECT_EQ(b.Boites(), "Port série introuvable : COM4 (factice) -> Ok");
    EXPECT_TRUE(b.W<QAction>("COM(1)")->isChecked());
    port.RefusOuverture.reset();
    QDir(b.dossier.Chemin()).rmdir("VK472.CFG");
    b.dossier.Ecrit("ttyUSB0", {});
    ASSERT_TRUE(QFile::link(b.dossier.Fichier("ttyUSB0"), b.dossier.Fichier("usb-FTDI_A5")));
    ASSERT_TRUE(QFile::link("/dev/pts/7", b.dossier.Fichier("COM1")));
    ASSERT_TRUE(QFile::link("/dev/pts/8", b.dossier.Fichier("COM4")));
    b.Demarre();
    branche(b.dossier.Fichier("ttyUSB0"), b.dossier.Fichier("usb-FTDI_A5"), "FTDI FT232R (A5)");
    b.Menu("Peripherique(0)");
    EXPECT_TRUE(b.W<QAction>("COM(1)")->isChecked() &&
                !b.W<QAction>("Peripherique(0)")->isVisible() && port.Ouvertures.back() == 2);
    EXPECT_EQ(QFileInfo(b.dossier.Fichier("COM2")).symLinkTarget(),
              b.dossier.Fichier("usb-FTDI_A5"));
    EXPECT_EQ(b.dossier.Lit("VK472.CFG"), " 1 \r\n");
    // Le lien COM1 retiré, le port intégré le remplacerait en silence.
    b.Menu("COM(0)");
    QFile::remove(b.dossier.Fichier("COM1"));
    branche("/dev/ttyS0", {}, "port série intégré");
    b.Port();
    b.plateforme.Reponses.assign(3, Bouton::Ok);
    b.Menu("ProgrammeTelecommande");
    EXPECT_EQ(b.Boites(), "Le périphérique de COM1 n'est plus là : /dev/pts/7, par le lien "
                          "<d>/COM1.\r\n\r\nRien n'est envoyé. Rebranchez-le, ou choisissez de "
                          "nouveau COM1 dans « Choix port série » pour prendre ce qu'il désigne "
                          "maintenant. -> Ok");
    EXPECT_TRUE(b.W<QAction>("COM(0)")->statusTip().endsWith(" ; n'est plus là"));
    EXPECT_TRUE(port.Remis.empty());
    b.Menu("COM(0)");
    b.Menu("TestTelecommande");
    EXPECT_EQ(port.Octets(), "T");
    EXPECT_TRUE(b.dossier.Lit("PeripheriquesCOM.txt").startsWith("COM1\t/dev/ttyS0\t"));
    for (const char* nom : {"COM2", "COM4"}) QFile::remove(b.dossier.Fichier(nom));
    b.plateforme.Peripheriques.clear();
    QFile::remove(b.dossier.Fichier("PeripheriquesCOM.txt"));
    b.Port();
    branche("/dev/ttyUSB1", "/dev/serial/by-id/usb-Prolific", "Prolific");
    b.plateforme.Reponses = {Bouton::Ok, Bouton::Ok, Bouton::Non, Bouton::Oui,
                             Bouton::Ok, Bouton::Ok, Bouton::Ok};
    b.Menu("TestTelecommande");
    branche("/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI", "FTDI FT232R");
    EXPECT_EQ(b.W<QAction>("COM(0)")->statusTip() + '\n' + b.W<QAction>("COM(1)")->statusTip(),
              "COM1 : /dev/ttyUSB1 — Prolific ; à sa place : /dev/ttyUSB0 — FTDI "
              "FT232R\nCOM2 : /dev/ttyUSB1 — Prolific");
    b.Boites();
    b.Menu("ProgrammeTelecommande");
    EXPECT_EQ(port.Octets(), "T");
    b.Menu("ProgrammeTelecommande");
    const QString question = "COM1 ne désigne plus le périphérique qui a servi jusqu'ici : "
                             "/dev/ttyUSB1 — Prolific.\r\n\r\nIl désigne maintenant /dev/ttyUSB0 "
                             "— FTDI FT232R.\r\n\r\nEnvoyer par ce périphérique ? -> ";
    EXPECT_EQ(b.Boites(), question + "Non\n" + question + "Oui\n" + Envoi +
                              "** FIN DE TRANSMISSION **\r\n\r\nEnvoyé par COM1 : /dev/ttyUSB0 — "
                              "FTDI FT232R -> Ok");
}

// Un zéro dans le nombre : toInt s'y arrêterait et lirait 2.
TEST(Configuration, IndexLuOuCom1) {
    const std::pair<QByteArray, int> cas[] = {
        {" 3 \r\nreste", 3}, {"-1", 0},      {" 7 \r\n", 0}, {QByteArray(" 2\0 \r\n", 6), 0},
        {"000003", 3},       {"0000003", 0}, {{}, 0}};
    for (const auto& [contenu, index] : cas) {
        const DossierTest dossier;
        if (!contenu.isNull()) dossier.Ecrit(QStringLiteral("VK472.CFG"), contenu);
        EXPECT_EQ(IndexConfigure(dossier.Chemin()), index) << contenu.toStdString();
    }
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(LireConfiguration(EcrireConfiguration(index)), index);
    const PeripheriquesRetenus retenus{{{}, {"/a\tb\nc%09", "l\r"}, {}, {"/d", ""}}};
    const auto relus = LirePeripheriquesRetenus(EcrirePeripheriquesRetenus(retenus));
    EXPECT_TRUE(relus[1].identite == "/a\tb\nc%09" && relus[1].libelle == "l\r" &&
                relus[2].identite.isEmpty() && relus[3].identite == "/d");
}
