// La liaison dans la vraie fenêtre, port et minuterie factices : octets remis pause par pause
// (références trame-*), ports choisis, gel de tout ce qui changerait la trame pendant l'envoi.
#include "link/Configuration.h"
#include "plateforme/Controles.h"
#include "support/Banc.h"

#include <QAction>
#include <QFileInfo>
#include <QProgressBar>

namespace {
const QString Relier = QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon ** -> Ok\n");
const QString Envoi = Relier + "** VERIFIER à l'issue de la transmission: [2 BEEP -> PROG. OK]  "
                               "[6 Beep -> DEFAUT DIALOGUE]  ** -> Ok\n";
void RepondOk(Banc& b, int fois) {
    b.plateforme.Reponses.assign(static_cast<size_t>(fois), Bouton::Ok);
}
} // namespace

// Programme de test depuis la zone 1 : le programme de l'utilisateur n'est pas touché.
TEST(LiaisonFenetre, ProgrammesEnvoyesPerdusOuRefuses) {
    Banc b;
    auto& port = b.plateforme.port;
    b.Demarre();
    const Programme avant = b.Doc().Prog();
    b.Barre("VScrollZone", 1);
    RepondOk(b, 4);
    b.Menu("ProgrammeDeTest");
    EXPECT_TRUE(
        b.Boites().endsWith("10 Minutes  -> Ok\n" + Envoi + "** FIN DE TRANSMISSION ** -> Ok"));
    CompareReference(QStringLiteral("trame-liaison-2.txt"), b.Port());
    EXPECT_TRUE(b.Doc().Prog() == avant);
    // Le port lâche après la première pause : la trame s'arrête là, l'échec est dit.
    port.PerteAuOctet = 68;
    RepondOk(b, 3);
    b.Menu("ProgrammeTelecommande");
    EXPECT_EQ(b.Boites(), Envoi + "** ECHEC DE LA TRANSMISSION **\r\n\r\nLe port série COM1 "
                                  "(factice) a disparu -> Ok");
    EXPECT_TRUE(b.plateforme.minuterie.Pauses == std::vector<int>{200} && !port.EstOuvert());
    CompareReference(QStringLiteral("trame-liaison-3.txt"), b.Port());
}

// Zone 2 un samedi, identifiant 70000 sur 16 bits. Pendant une pause, rien ne change la trame
// (tout grisé, souris sans effet, fenêtre gardée ouverte) ; après l'envoi, tout répond.
TEST(LiaisonFenetre, EnvoiGele) {
    Banc b;
    b.Demarre();
    b.Pose([](Programme& p) { p.IdentZone = {4660, 17219, 70000}; });
    b.Barre("VScrollZone", 2);
    b.Barre("VScJour", 5);
    const Programme avant = b.Doc().Prog();
    const auto actives = [&b] {
        QStringList noms;
        for (const QAction* a : b.fenetre->findChildren<QAction*>())
            if (!a->objectName().isEmpty() && a->isEnabled()) noms << a->objectName();
        for (const char* cadre : {"Frame5", "Frame4", "Frame2"})
            if (b.W(cadre)->isEnabled()) noms << cadre;
        return noms.join(' ');
    };
    const QString toutes = actives();
    b.plateforme.minuterie.AvantPause = [&] {
        if (!b.plateforme.minuterie.Pauses.empty()) return;
        EXPECT_EQ(actives(), "Guide");
        EXPECT_EQ(b.W<QProgressBar>("ProgressBar1")->value(), 68); // 64 octets, 3 jours, 1 somme
        EXPECT_FALSE(b.Clic("CmdHigh"));
        b.Appui("FrameTemp(3)", Qt::LeftButton, {323, 20});
        EXPECT_FALSE(b.fenetre->close());
        EXPECT_TRUE(b.Doc().Prog() == avant && b.Doc().Jour() == 5);
    };
    RepondOk(b, 3);
    b.Menu("ProgrammeTelecommande");
    CompareReference(QStringLiteral("trame-envoigele-1.txt"), b.Port());
    EXPECT_EQ(b.W<QProgressBar>("ProgressBar1")->value(), 453); // un pas par élément remis
    EXPECT_EQ(actives(), toutes);
    // Le test de la liaison et la programmation de test gèlent aussi, dès leur première boîte.
    QStringList pendant;
    b.plateforme.PendantBoite = [&] { pendant << actives(); };
    RepondOk(b, 2);
    b.Menu("TestTelecommande");
    RepondOk(b, 4);
    b.Menu("ProgrammeDeTest");
    EXPECT_EQ(pendant, QStringList(6, "Guide"));
    EXPECT_EQ(actives(), toutes);
    b.Port();
}

TEST(LiaisonFenetre, PortsChoisisBranchesEtRemplaces) {
    Banc b;
    auto& port = b.plateforme.port;
    const auto bulles = [&b](int n) {
        QStringList vues;
        for (int i = 0; i < n; ++i) vues << b.W<QAction>(NomIndexe("COM", i))->statusTip();
        return vues.join('\n').replace(b.dossier.Chemin(), "<d>");
    };
    const auto branche = [&b](const QString& chemin, const QString& stable, const char* nom) {
        b.plateforme.Peripheriques.push_back({chemin, stable, nom, {}, !stable.isEmpty(), false});
        b.plateforme.ChangementPorts();
    };
    // Le port lu dans VK472.CFG est coché ; celui qui ne s'y écrit pas sert quand même, la
    // boîte dit pourquoi ; le test de liaison : un seul "T", sur le port en service, refermé.
    b.dossier.Ecrit("VK472.CFG", " 2 \r\n");
    b.Demarre();
    EXPECT_TRUE(b.W<QAction>("COM(2)")->isChecked() && !b.W<QAction>("COM(0)")->isChecked());
    QFile::remove(b.dossier.Fichier("VK472.CFG"));
    QDir(b.dossier.Chemin()).mkdir("VK472.CFG");
    RepondOk(b, 3);
    b.Menu("COM(1)");
    b.Menu("TestTelecommande");
    EXPECT_EQ(b.Boites(), "** ECRITURE IMPOSSIBLE **\r\n\r\n<d>/VK472.CFG\r\nC'est un dossier. -> "
                          "Ok\n" +
                              Relier + "** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON ** -> Ok");
    EXPECT_TRUE(b.W<QAction>("COM(1)")->isChecked() && !b.W<QAction>("COM(2)")->isChecked());
    EXPECT_TRUE(port.Octets() == "T" && port.Ouvertures.back() == 2 && !port.EstOuvert());
    // Un port choisi qui ne s'ouvre pas : la coche revient à celui qui sert.
    port.RefusOuverture = QStringLiteral("Port série introuvable : COM4 (factice)");
    RepondOk(b, 1);
    b.Menu("COM(3)");
    EXPECT_EQ(b.Boites(), "Port série introuvable : COM4 (factice) -> Ok");
    EXPECT_TRUE(b.W<QAction>("COM(1)")->isChecked());
    port.RefusOuverture.reset();
    // Un adaptateur branché en cours de route est proposé ; choisi, il est lié au premier COMn
    // libre par son nom stable puis ouvert comme ce COMn, et n'est plus proposé.
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
    // COM1 a servi par son lien ; retiré, le port intégré le remplacerait en silence : refusé,
    // rien n'est ouvert. Choisi de nouveau, COM1 prend ce qu'il désigne maintenant.
    b.Menu("COM(0)");
    QFile::remove(b.dossier.Fichier("COM1"));
    branche("/dev/ttyS0", {}, "port série intégré");
    b.Port();
    RepondOk(b, 3);
    b.Menu("ProgrammeTelecommande");
    EXPECT_EQ(b.Boites(), "Le périphérique de COM1 n'est plus là : /dev/pts/7, par le lien "
                          "<d>/COM1.\r\n\r\nRien n'est envoyé. Rebranchez-le, ou choisissez de "
                          "nouveau COM1 dans « Choix port série » pour prendre ce qu'il désigne "
                          "maintenant. -> Ok");
    EXPECT_TRUE(bulles(1).endsWith(" ; n'est plus là") && port.Remis.empty());
    b.Menu("COM(0)");
    b.Menu("TestTelecommande");
    EXPECT_EQ(port.Octets(), "T");
    b.Boites();
    // Ce qui a servi est gardé dans le dossier : la fenêtre rouverte refuse encore.
    for (const char* nom : {"COM2", "COM4"}) QFile::remove(b.dossier.Fichier(nom));
    b.plateforme.Peripheriques.clear();
    b.Demarre();
    RepondOk(b, 1);
    b.Menu("TestTelecommande");
    EXPECT_TRUE(b.Boites().startsWith("Le périphérique de COM1 n'est plus là : /dev/ttyS0 — "));
    // Un adaptateur branché quand rien n'a servi sert tel quel ; un autre à sa place n'est pris
    // qu'après la question, qui les nomme ; la fin de l'envoi nomme celui qui a servi.
    QFile::remove(b.dossier.Fichier("PeripheriquesCOM.txt"));
    b.Port();
    branche("/dev/ttyUSB1", "/dev/serial/by-id/usb-Prolific", "Prolific");
    b.plateforme.Reponses = {Bouton::Ok, Bouton::Ok, Bouton::Non, Bouton::Oui,
                             Bouton::Ok, Bouton::Ok, Bouton::Ok};
    b.Menu("TestTelecommande");
    branche("/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI", "FTDI FT232R");
    EXPECT_EQ(bulles(2), "COM1 : /dev/ttyUSB1 — Prolific ; à sa place : /dev/ttyUSB0 — FTDI "
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

// VK472.CFG hors 0 à 3, de plus de 6 caractères, illisible ou absent (nul) : COM1. Un zéro
// dans le nombre : toInt s'y arrêterait et lirait 2.
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
    // Un dossier au nom fait d'une tabulation ou d'un saut de ligne se relit tel quel.
    const PeripheriquesRetenus retenus{{{}, {"/a\tb\nc%09", "l\r"}, {}, {"/d", ""}}};
    const auto relus = LirePeripheriquesRetenus(EcrirePeripheriquesRetenus(retenus));
    for (int i = 0; i < NbPortsCom; ++i)
        EXPECT_TRUE(relus[i].identite == retenus[i].identite &&
                    relus[i].libelle == retenus[i].libelle)
            << i;
}
