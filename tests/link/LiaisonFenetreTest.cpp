// Le panneau de la liaison de la vraie fenêtre, sur un port et une minuterie factices : chaque
// octet est noté avec l'instant des pauses déjà faites, sans attendre de vraies pauses.
#include "link/JournauxTransmission.h"
#include "link/ProgrammeTest.h"
#include "link/TrameProgramme.h"
#include "plateforme/PortSerieQt.h"
#include "support/FenetreTest.h"
#include "support/PortFactice.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <cerrno>

namespace {
const QString Programmation = QStringLiteral(" PROGRAMMATION ");
const QString TitreTest = QStringLiteral(" TEST TELECOMMANDE ");
const QString Relier = QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **");
const QString DeuxBips = QStringLiteral("** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON **");
const BoiteVue Attention{
    QStringLiteral("ATTENTION CE TEST CHARGE LA TELECOMMANDE AVEC UNE PROGRAMMATION DE TEST \r\n"
                   "\r\n      COMMANDE CONFORT/ECO ACTIVEE CHAQUE 10 Minutes "),
    Boutons::Ok, Icone::Critique, QStringLiteral("GESTION CHAUFFAGE")};
// Dernier octet de chacun des six blocs de zone, compté depuis 1.
const std::vector<int> FinsDeBlocs = {68, 135, 202, 269, 336, 403};

void Appui(QWidget* cible, Qt::MouseButton bouton) {
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(40, 10), QPointF(40, 10), bouton, bouton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(cible, &appui);
}

template <typename... T> bool Tous(bool actif, T*... objets) {
    return ((objets->isEnabled() == actif) && ...);
}

class Liaison : public FenetreTest {
protected:
    Liaison() {
        auto p = std::make_unique<PortFactice>(horloge);
        auto m = std::make_unique<MinuterieFactice>(horloge);
        port = p.get();
        minuterie = m.get();
        plateforme.ChangePort(std::move(p));
        plateforme.ChangeMinuterie(std::move(m));
    }
    BoiteVue Refus(const QString& texte) {
        return {texte, Boutons::Ok, Icone::Critique, QStringLiteral("GESTION CHAUFFAGE")};
    }
    void AttendTransmission() {
        plateforme.AttendBoite({Relier, Boutons::Ok, Icone::Exclamation, Programmation},
                               Bouton::Ok);
        plateforme.AttendBoite({QStringLiteral("** VERIFIER à l'issue de la transmission: [2 BEEP "
                                               "-> PROG. OK]  [6 Beep -> DEFAUT DIALOGUE]  **"),
                                Boutons::Ok, Icone::Aucune, Programmation},
                               Bouton::Ok);
        plateforme.AttendBoite({QStringLiteral("** FIN DE TRANSMISSION **"), Boutons::Ok,
                                Icone::Aucune, Programmation},
                               Bouton::Ok);
    }
    bool Commandes(bool actives) {
        return Tous(actives, Action("ProgrammeTelecommande"), Action("ProgrammeDeTest"),
                    Action("TestTelecommande"), Action("COM(1)"), Action("Nouveau"),
                    Action("LectureData"), Controle("CmdHigh"), Barre("VScrollZone"),
                    Barre("VScroll3(0)"), Controle("CmdID"), Controle("CmdCLS"),
                    Controle("ChkVisuHoraire"), Action("Version"), Action("RechercherPorts")) &&
               (actives || !Controle("CmdPASTE")->isEnabled());
    }
    // Dernière boîte : l'échec, avec la cause donnée par le port, fermé depuis.
    void VerifieEchec(const QString& debut, const QString& titre) {
        ASSERT_FALSE(plateforme.Boites.empty());
        EXPECT_EQ(plateforme.Boites.back().texte, debut + port->ErreurPerte);
        EXPECT_EQ(plateforme.Boites.back().icone, Icone::Critique);
        EXPECT_EQ(plateforme.Boites.back().titre, titre);
        EXPECT_FALSE(port->EstOuvert());
        EXPECT_TRUE(Commandes(true));
    }
    bool CocheSeuleSur(int numero) {
        for (int i = 0; i < 4; ++i)
            if (Action(NomIndexe("COM", i))->isChecked() != (i == numero - 1)) return false;
        return true;
    }

    HorlogeFactice horloge;
    PortFactice* port;
    MinuterieFactice* minuterie;
};
} // namespace

TEST_F(Liaison, EnvoiOctetParOctetAvecPausesJournauxEtCommandesRefusees) {
    Demarre();
    Pose([&](Programme& p) { p.IdentZone[2] = 70000; });
    Regle("VScrollZone", 2);
    Regle("VScJour", 5);
    const Programme avant = Prog();

    std::vector<int> remisALaPause;
    bool geleeAChaquePause = true;
    bool fermee = true;
    plateforme.PendantPause = [&] {
        remisALaPause.push_back(static_cast<int>(port->Remis.size()));
        geleeAChaquePause = geleeAChaquePause && F().Liaison().TransmissionEnCours() &&
                            Doc().Tenu() && Commandes(false) &&
                            !Controle<QProgressBar>("ProgressBar1")->isHidden();
        if (remisALaPause.size() > 1) return;
        // Pendant une pause, rien de ce qui changerait la trame ne doit passer.
        F().Liaison().ProgrammeTelecommande_Click();
        F().Liaison().ProgrammeDeTest_Click();
        F().Liaison().TestTelecommande_Click();
        F().Liaison().COM_Click(2);
        Choisit("Nouveau");
        Controle<QPushButton>("CmdHigh")->click();
        Controle<QPushButton>("CmdCLS")->click();
        Appui(Controle<QFrame>(NomIndexe("FrameTemp", 3)), Qt::LeftButton); // changerait de jour
        Appui(Controle<QLabel>(NomIndexe("Label2", 0)),
              Qt::RightButton); // mettrait un créneau en confort
        fermee = F().close();
    };
    AttendTransmission();
    Choisit("ProgrammeTelecommande");
    EXPECT_EQ(plateforme.LecturesHorloge, 1); // une seule heure pour toute la trame

    // Horloge du mardi 1er décembre 2026 14:05:09, identifiant 70000 de la zone 2.
    const Trame trame = TrameProgramme(avant, 2, plateforme.Maintenant());
    ASSERT_EQ(port->Octets().toHex(' '), OctetsTrame(trame).toHex(' '));
    EXPECT_EQ(port->Octets().mid(403, 9), QByteArray::fromHex("090514030112261170"));
    // Six pauses de 200 ms, chacune après un bloc entier et avant le premier octet du suivant.
    EXPECT_EQ(remisALaPause, FinsDeBlocs);
    EXPECT_EQ(minuterie->Pauses, std::vector<int>(NbPauses, 200));
    for (int i = 0, pauses = 0; i < LongueurTrame; ++i) {
        while (pauses < NbPauses && FinsDeBlocs[pauses] <= i) ++pauses;
        ASSERT_EQ(port->Remis[i].instant, 200 * pauses) << "octet " << i;
    }
    EXPECT_EQ(port->Ouvertures, std::vector<int>{1}); // COM(3) refusé pendant la pause
    EXPECT_TRUE(geleeAChaquePause);
    EXPECT_FALSE(fermee);

    EXPECT_EQ(dossier.Lit(NomJournalBrut), JournalBrut(trame));
    EXPECT_EQ(dossier.Lit(NomJournalTrace), JournalTrace(trame));
    EXPECT_TRUE(Controle<QProgressBar>("ProgressBar1")->isHidden());
    EXPECT_EQ(Controle<QProgressBar>("ProgressBar1")->value(), 453);
    EXPECT_TRUE(port->EstOuvert());
    EXPECT_EQ(F().Liaison().NumeroPort(), 1);
    EXPECT_TRUE(CocheSeuleSur(1));
    EXPECT_EQ(Doc().Zone(), 2);
    EXPECT_EQ(Doc().Jour(), 5); // le jour affiché reste le jour édité
    EXPECT_TRUE(Prog() == avant);

    // Après l'envoi, tout répond de nouveau, souris comprise.
    EXPECT_TRUE(Commandes(true));
    Appui(Controle<QFrame>(NomIndexe("FrameTemp", 3)), Qt::LeftButton);
    EXPECT_EQ(Doc().Jour(), 3);
}

TEST_F(Liaison, ProgrammeDeTestEnvoyePuisProgrammeRenduMemeSansTrace) {
    // Un tube à la place d'un journal : il attendrait son lecteur, port ouvert. Il est sauté.
    const QString tube = dossier.Fichier(NomJournalTrace);
    ASSERT_TRUE(CreeTube(tube));
    const GardeTubes garde({tube});
    Demarre();
    Regle("VScrollZone", 1);
    Regle("VScJour", 4);
    const Programme avant = Prog();
    plateforme.AttendBoite(Attention, Bouton::Ok);
    AttendTransmission();
    Choisit("ProgrammeDeTest");

    // Les jours de test, avec les températures et l'identifiant de l'utilisateur.
    Programme test = avant;
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) test.ProgJour[z][d] = MotifsTest()[d];
    EXPECT_EQ(port->Octets().toHex(' '),
              OctetsTrame(TrameProgramme(test, 1, plateforme.Maintenant())).toHex(' '));
    EXPECT_EQ(minuterie->Pauses, std::vector<int>(NbPauses, 200));
    EXPECT_TRUE(Prog() == avant);
    EXPECT_EQ(Doc().Zone(), 1);
    EXPECT_EQ(Doc().Jour(), 4);
    EXPECT_EQ(dossier.Lit(NomJournalBrut).size(), 480);
    EXPECT_TRUE(port->EstOuvert());
    EXPECT_FALSE(garde.ADebloque()) << "l'ouverture du journal a bloqué la transmission";
    EXPECT_FALSE(QFileInfo(tube).isFile());
}

TEST_F(Liaison, PortQuiNeSOuvrePasRienNEstEnvoyeNiEcrit) {
    Demarre();
    port->RefusOuverture = QStringLiteral("Port série introuvable : COM1 (factice)");
    const BoiteVue erreur = Refus(*port->RefusOuverture);
    dossier.Ecrit(NomJournalBrut, "ancien");
    const Programme avant = Prog();
    plateforme.AttendBoite(erreur, Bouton::Ok);
    Choisit("ProgrammeTelecommande");
    plateforme.AttendBoite(erreur, Bouton::Ok);
    Choisit("TestTelecommande");
    plateforme.AttendBoite(Attention, Bouton::Ok);
    plateforme.AttendBoite(erreur, Bouton::Ok);
    Choisit("ProgrammeDeTest");
    EXPECT_EQ(port->Ouvertures, std::vector<int>(3, 1));
    EXPECT_TRUE(port->Remis.empty());
    EXPECT_TRUE(minuterie->Pauses.empty());
    EXPECT_TRUE(Prog() == avant); // les jours de l'utilisateur sont rendus quand même
    EXPECT_EQ(dossier.Lit(NomJournalBrut), QByteArray("ancien"));
    EXPECT_FALSE(dossier.Existe(NomJournalTrace));
    EXPECT_FALSE(port->EstOuvert());
    EXPECT_TRUE(Commandes(true));
}

TEST_F(Liaison, TemperatureHorsLimitesRienNePartNiNeSEcrit) {
    // Fichier refusé au démarrage, puis "Abandonner" : les températures restent à 0.
    plateforme.AttendBoite(QStringLiteral("Fichier non conforme, "), Bouton::Abandonner);
    Demarre("GESTION CHAUFFAGE -VK472- V1.50\r\n 1 2,3\r\n");
    dossier.Ecrit(NomJournalBrut, "ancien");
    const auto refus = [](const char* zoneEtReglage) {
        return BoiteVue{QStringLiteral("Zone %1 hors limites (0 à 35 °C). Corrigez-la avant la "
                                       "transmission.")
                            .arg(QString::fromUtf8(zoneEtReglage)),
                        Boutons::Ok, Icone::Critique, TitreCourt};
    };
    plateforme.AttendBoite(refus("0 : température « Confort »"), Bouton::Ok);
    Choisit("ProgrammeTelecommande");
    // Le programme de test part avec les vraies températures : même refus, après sa mise en
    // garde. Au-dessus de 35 °C aussi, dans une zone jamais affichée.
    Pose([&](Programme& p) { p.TempZone.fill({169, 165, 140, 145}); });
    Pose([&](Programme& p) { p.TempZone[2][2] = 199; });
    plateforme.AttendBoite(Attention, Bouton::Ok);
    plateforme.AttendBoite(refus("2 : température « Hors Gel »"), Bouton::Ok);
    Choisit("ProgrammeDeTest");
    EXPECT_EQ(plateforme.BoitesEnAttente(), 0);
    EXPECT_TRUE(port->Ouvertures.empty()) << "le port reste fermé";
    EXPECT_EQ(dossier.Lit(NomJournalBrut), QByteArray("ancien"));
    EXPECT_FALSE(dossier.Existe(NomJournalTrace));
    EXPECT_TRUE(Commandes(true));
    // Le test de liaison n'envoie que "T" : il passe.
    plateforme.AttendBoite(Relier, Bouton::Ok);
    plateforme.AttendBoite(DeuxBips, Bouton::Ok);
    Choisit("TestTelecommande");
    EXPECT_EQ(port->Octets(), QByteArray("T"));
}

TEST_F(Liaison, PortChoisiRetenuDansLaConfigurationSiElleSEcrit) {
    Demarre();
    Choisit("COM(2)");
    EXPECT_EQ(F().Liaison().NumeroPort(), 3);
    EXPECT_TRUE(CocheSeuleSur(3));
    Choisit("COM(2)"); // le port déjà tenu se ferme et se rouvre sans erreur
    EXPECT_EQ(port->Ouvertures, (std::vector<int>{3, 3}));
    EXPECT_TRUE(port->EstOuvert());
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 2 \r\n"));

    const std::pair<QByteArray, int> cas[] = {{" 2 \r\n", 3},   {" 3 \r\n", 4}, {" 0 ", 1},
                                              {" 1,2", 2},      {"9", 1},       {"zz", 1},
                                              {QByteArray(), 1}};
    for (const auto& [contenu, numero] : cas) {
        fenetre.reset();
        QFile::remove(dossier.Fichier("VK472.CFG"));
        if (!contenu.isNull()) dossier.Ecrit("VK472.CFG", contenu);
        DemarreSansFichier();
        EXPECT_EQ(F().Liaison().NumeroPort(), numero) << contenu.constData();
        EXPECT_TRUE(CocheSeuleSur(numero)) << contenu.constData();
    }
    EXPECT_EQ(port->Ouvertures.size(), 2u) << "le démarrage n'ouvre pas le port";
    // Configuration impossible à écrire : le port choisi sert quand même.
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("VK472.CFG"));
    Choisit("COM(2)");
    EXPECT_EQ(F().Liaison().NumeroPort(), 3);
    EXPECT_TRUE(port->EstOuvert());
    EXPECT_TRUE(CocheSeuleSur(3));
    EXPECT_TRUE(QFileInfo(dossier.Fichier("VK472.CFG")).isDir());
}

TEST_F(Liaison, PortChoisiQuiNeSOuvrePasPuisTestDeLiaisonSurLAncien) {
    dossier.Ecrit("VK472.CFG", " 0 \r\n");
    Demarre();
    port->RefusOuverture = QStringLiteral("Port série introuvable : COM2 (factice)");
    plateforme.AttendBoite(Refus(*port->RefusOuverture), Bouton::Ok);
    Choisit("COM(1)");
    EXPECT_EQ(F().Liaison().NumeroPort(), 1);
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 0 \r\n"));
    EXPECT_FALSE(port->EstOuvert());
    // La coche revient sur le port en service.
    EXPECT_TRUE(CocheSeuleSur(1));

    // Un seul "T", sur l'ancien port, qui est refermé ensuite.
    port->RefusOuverture.reset();
    plateforme.AttendBoite({Relier, Boutons::Ok, Icone::Exclamation, TitreTest}, Bouton::Ok);
    plateforme.AttendBoite({DeuxBips, Boutons::Ok, Icone::Exclamation, TitreTest}, Bouton::Ok);
    Choisit("TestTelecommande");
    EXPECT_EQ(port->Ouvertures, (std::vector<int>{2, 1}));
    EXPECT_FALSE(port->EstOuvert());
    EXPECT_EQ(port->Octets(), QByteArray("T"));
    EXPECT_FALSE(dossier.Existe(NomJournalBrut));
    EXPECT_TRUE(Commandes(true));
}

TEST_F(Liaison, PeripheriqueDetecteLieAuPremierCOMLibrePuisChoisi) {
    // L'adaptateur et son nom stable sont des fichiers du dossier ; COM1 et COM4 sont pris.
    const QString tty = dossier.Fichier("ttyUSB0"), stable = dossier.Fichier("usb-FTDI_A5");
    dossier.Ecrit("ttyUSB0", {});
    ASSERT_TRUE(QFile::link(tty, stable) && QFile::link("/dev/pts/7", dossier.Fichier("COM1")) &&
                QFile::link("/dev/pts/8", dossier.Fichier("COM4")));
    Demarre();
    const QString ftdi = tty + " — FTDI FT232R (A50285BI)";
    plateforme.Peripheriques = {{tty, stable, "FTDI FT232R", "A50285BI", true, false}};
    plateforme.ChangementPorts(); // branché
    EXPECT_EQ(Action("COM(1)")->toolTip(), "COM2 : " + ftdi);
    EXPECT_EQ(Action("COM(2)")->statusTip(), "COM3 : aucun périphérique");
    EXPECT_EQ(Action("Peripherique(0)")->text(), ftdi);
    EXPECT_TRUE(Action("Peripherique(0)")->isVisible());

    Choisit("Peripherique(0)");
    EXPECT_EQ(QFileInfo(dossier.Fichier("COM2")).symLinkTarget(), stable);
    EXPECT_EQ(port->Ouvertures, std::vector<int>{2});
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 1 \r\n"));
    EXPECT_TRUE(CocheSeuleSur(2));
    // Lié par son nom stable, il ne figure plus dans la liste.
    EXPECT_EQ(Action("COM(1)")->toolTip(),
              "COM2 : " + ftdi + ", par le lien " + dossier.Fichier("COM2"));
    EXPECT_FALSE(Action("Peripherique(0)")->isVisible());

    // Plus aucun COMn libre pour un second adaptateur : rien n'est lié ni ouvert.
    ASSERT_TRUE(QFile::link("/dev/pts/9", dossier.Fichier("COM3")));
    plateforme.Peripheriques.push_back({"/dev/ttyACM0", "", "Arduino", "", true, false});
    plateforme.ChangementPorts();
    plateforme.AttendBoite(Refus("Les liens COM1 à COM4 existent déjà dans " + dossier.Chemin() +
                                 " : effacez-en un pour y lier /dev/ttyACM0."),
                           Bouton::Ok);
    Choisit("Peripherique(0)");
    EXPECT_EQ(port->Ouvertures, std::vector<int>{2});
}

TEST_F(Liaison, CausesDuSystemeEnFrancais) {
    const auto description = [](int numero) {
        return DescriptionErreurPort(QSerialPort::UnknownError, 2, "/dev/ttyS1",
                                     qt_error_string(numero));
    };
    const QString debut = QStringLiteral("Erreur du port série COM2 (/dev/ttyS1) : ");
    EXPECT_EQ(description(ENXIO), debut + "Périphérique absent.");
    EXPECT_EQ(description(ENOTDIR), debut + "Un élément du chemin n'est pas un dossier.");
    EXPECT_EQ(description(EIO), debut + "Erreur d'entrée-sortie du périphérique.");
    // Sans traduction ici : le numéro, et le texte du système entre parenthèses.
    EXPECT_EQ(description(EPROTO), debut + QStringLiteral("Erreur du système n° %1 (%2).")
                                               .arg(EPROTO)
                                               .arg(qt_error_string(EPROTO)));
    // Un tube sans lecteur en guise de vrai port : le système répond ENXIO.
    ASSERT_TRUE(CreeTube(dossier.Fichier("COM2")));
    PortSerieQt reel([this] { return dossier.Chemin(); });
    EXPECT_FALSE(reel.Ouvre(2));
    EXPECT_EQ(reel.Erreur(), QStringLiteral("Erreur du port série COM2 (%1) : Périphérique absent.")
                                 .arg(dossier.Fichier("COM2")));
}

TEST_F(Liaison, PortQuiLachePendantUnEnvoi) {
    Demarre();
    port->PerteAuOctet = FinsDeBlocs[0]; // juste après la première pause
    plateforme.AttendBoite(Relier, Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** VERIFIER"), Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** ECHEC DE LA TRANSMISSION **"), Bouton::Ok);
    Choisit("ProgrammeTelecommande");

    VerifieEchec(QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n"), Programmation);
    EXPECT_EQ(port->Remis.size(), static_cast<size_t>(FinsDeBlocs[0]));
    EXPECT_EQ(minuterie->Pauses, std::vector<int>{200});
    EXPECT_TRUE(Controle<QProgressBar>("ProgressBar1")->isHidden());
    // Les journaux s'arrêtent au dernier octet parti (le bloc A de la zone 0), puis disent
    // où et pourquoi, sur une ligne à part.
    const Trame trame = TrameProgramme(Prog(), 0, plateforme.Maintenant());
    const Trame partie(trame.begin(), trame.begin() + FinsDeBlocs[0]);
    const QByteArray fin = "** ECHEC DE LA TRANSMISSION : octet 69 sur 470, " +
                           port->ErreurPerte.toLatin1() + " **\r\n";
    EXPECT_EQ(dossier.Lit(NomJournalBrut), JournalBrut(partie) + "\r\n" + fin);
    EXPECT_EQ(dossier.Lit(NomJournalTrace), JournalTrace(partie) + "\r\n" + fin);

    // Le test de liaison dont le "T" ne part pas n'annonce pas les deux bips.
    port->PerteAuOctet = 0;
    port->Remis.clear();
    plateforme.AttendBoite(Relier, Bouton::Ok);
    const QString echec = QStringLiteral("** ECHEC DU TEST DE LA LIAISON **\r\n\r\n");
    plateforme.AttendBoiteDebut(echec, Bouton::Ok);
    Choisit("TestTelecommande");
    VerifieEchec(echec, TitreTest);
    EXPECT_TRUE(port->Remis.empty());
}
