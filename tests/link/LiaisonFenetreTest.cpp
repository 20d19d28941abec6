// La vraie fenêtre envoie par Qt SerialPort dans une paire socat ; le test lit l'autre bout.
#include "PaireSerie.h"
#include "link/JournauxTransmission.h"
#include "link/ProgrammeTest.h"
#include "link/TrameProgramme.h"
#include "plateforme/PortSerieQt.h"
#include "support/FenetreTest.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
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
const int FinsDeBlocs[NbPauses] = {68, 135, 202, 269, 336, 403};

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
    void Branche(const QString& nom = QStringLiteral("COM1"),
                 const QByteArray& programme = ProgrammeExemple()) {
        Demarre(programme);
        socat = std::make_unique<PaireSocat>(dossier.Chemin(), nom);
        ASSERT_TRUE(socat->Prete()) << "socat n'a pas créé la paire";
        lecteur = std::make_unique<LecteurPort>(socat->CoteTest());
        ASSERT_TRUE(lecteur->Ouvert());
    }
    // "COMn" qui mène nulle part : l'ouverture échoue ; rend le texte d'erreur attendu.
    QString PortAbsent(int numero) {
        EXPECT_TRUE(QFile::link(QStringLiteral("/inexistant/ttyGC%1").arg(numero),
                                dossier.Fichier(QStringLiteral("COM%1").arg(numero))));
        PortSerieQt sonde([this] { return dossier.Chemin(); });
        EXPECT_FALSE(sonde.Ouvre(numero));
        EXPECT_FALSE(sonde.Erreur().isEmpty());
        return sonde.Erreur();
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
                    Controle("ChkVisuHoraire"), Action("Version")) &&
               (actives || !Controle("CmdPASTE")->isEnabled());
    }
    // Dernière boîte : l'échec, avec la cause donnée par le port, fermé depuis.
    void VerifieEchec(const QString& debut, const QString& titre) {
        ASSERT_FALSE(plateforme.Boites.empty());
        const BoiteVue& echec = plateforme.Boites.back();
        EXPECT_EQ(echec.icone, Icone::Critique);
        EXPECT_EQ(echec.titre, titre);
        EXPECT_FALSE(plateforme.Port().Erreur().isEmpty());
        EXPECT_EQ(echec.texte, debut + plateforme.Port().Erreur());
        EXPECT_FALSE(plateforme.Port().EstOuvert());
        EXPECT_TRUE(Commandes(true));
    }
    bool CocheSeuleSur(int port) {
        for (int i = 0; i < 4; ++i)
            if (Action(NomIndexe("COM", i))->isChecked() != (i == port - 1)) return false;
        return true;
    }

    std::unique_ptr<PaireSocat> socat;
    std::unique_ptr<LecteurPort> lecteur;
};
} // namespace

TEST_F(Liaison, EnvoiOctetParOctetAvecPausesJournauxEtCommandesRefusees) {
    Branche();
    Pose([&](Programme& p) { p.IdentZone[2] = 70000; });
    Regle("VScrollZone", 2);
    Regle("VScJour", 5);
    const Programme avant = Prog();

    std::vector<int> recusAuTic;
    bool geleeAChaqueTic = true;
    bool fermee = true;
    plateforme.PendantPause = [&] {
        recusAuTic.push_back(lecteur->Nombre());
        geleeAChaqueTic = geleeAChaqueTic && F().Liaison().TransmissionEnCours() && Doc().Tenu() &&
                          Commandes(false) && !Controle<QProgressBar>("ProgressBar1")->isHidden();
        if (recusAuTic.size() > 1) return;
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
    ASSERT_TRUE(lecteur->Attend(LongueurTrame));
    EXPECT_EQ(plateforme.LecturesHorloge, 1); // une seule heure pour toute la trame

    // Horloge du mardi 1er décembre 2026 14:05:09, identifiant 70000 de la zone 2.
    const Trame trame = TrameProgramme(avant, 2, plateforme.Maintenant());
    EXPECT_EQ(lecteur->Octets(), OctetsTrame(trame));
    EXPECT_EQ(lecteur->Octets().mid(403, 9), QByteArray::fromHex("090514030112261170"));
    // Six pauses, chacune après un bloc entier et avant le premier octet du suivant.
    ASSERT_EQ(recusAuTic.size(), static_cast<size_t>(NbPauses));
    for (int k = 0; k < NbPauses; ++k) EXPECT_LE(recusAuTic[k], FinsDeBlocs[k]) << "pause " << k;
    EXPECT_FALSE(lecteur->Attend(LongueurTrame + 1, 300)) << "octets en trop";
    EXPECT_TRUE(geleeAChaqueTic);
    EXPECT_FALSE(fermee);

    EXPECT_EQ(dossier.Lit(NomJournalBrut), JournalBrut(trame));
    EXPECT_EQ(dossier.Lit(NomJournalTrace), JournalTrace(trame));
    EXPECT_TRUE(Controle<QProgressBar>("ProgressBar1")->isHidden());
    EXPECT_EQ(Controle<QProgressBar>("ProgressBar1")->value(), 453);
    EXPECT_TRUE(plateforme.Port().EstOuvert());
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
    Branche();
    Regle("VScrollZone", 1);
    Regle("VScJour", 4);
    const Programme avant = Prog();
    plateforme.AttendBoite(Attention, Bouton::Ok);
    AttendTransmission();
    Choisit("ProgrammeDeTest");
    ASSERT_TRUE(lecteur->Attend(LongueurTrame));

    // Les jours de test, avec les températures et l'identifiant de l'utilisateur.
    Programme test = avant;
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) test.ProgJour[z][d] = MotifsTest()[d];
    EXPECT_EQ(lecteur->Octets(), OctetsTrame(TrameProgramme(test, 1, plateforme.Maintenant())));
    EXPECT_TRUE(Prog() == avant);
    EXPECT_EQ(Doc().Zone(), 1);
    EXPECT_EQ(Doc().Jour(), 4);
    EXPECT_EQ(dossier.Lit(NomJournalBrut).size(), 480);
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    EXPECT_FALSE(garde.ADebloque()) << "l'ouverture du journal a bloqué la transmission";
    EXPECT_FALSE(QFileInfo(tube).isFile());
}

TEST_F(Liaison, PortAbsentRienNEstEnvoyeNiEcrit) {
    Demarre();
    const BoiteVue erreur{PortAbsent(1), Boutons::Ok, Icone::Critique,
                          QStringLiteral("GESTION CHAUFFAGE")};
    dossier.Ecrit(NomJournalBrut, "ancien");
    const Programme avant = Prog();
    plateforme.AttendBoite(erreur, Bouton::Ok);
    Choisit("ProgrammeTelecommande");
    plateforme.AttendBoite(erreur, Bouton::Ok);
    Choisit("TestTelecommande");
    plateforme.AttendBoite(Attention, Bouton::Ok);
    plateforme.AttendBoite(erreur, Bouton::Ok);
    Choisit("ProgrammeDeTest");
    EXPECT_TRUE(Prog() == avant); // les jours de l'utilisateur sont rendus quand même
    EXPECT_EQ(dossier.Lit(NomJournalBrut), QByteArray("ancien"));
    EXPECT_FALSE(dossier.Existe(NomJournalTrace));
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    EXPECT_TRUE(Commandes(true));
}

TEST_F(Liaison, TemperatureHorsLimitesRienNePartNiNeSEcrit) {
    // Fichier refusé au démarrage, puis "Abandonner" : les températures restent à 0.
    plateforme.AttendBoite(QStringLiteral("Fichier non conforme, "), Bouton::Abandonner);
    Branche(QStringLiteral("COM1"), "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 2,3\r\n");
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
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    EXPECT_EQ(dossier.Lit(NomJournalBrut), QByteArray("ancien"));
    EXPECT_FALSE(dossier.Existe(NomJournalTrace));
    EXPECT_TRUE(Commandes(true));
    // Le test de liaison n'envoie que "T" : il passe.
    plateforme.AttendBoite(Relier, Bouton::Ok);
    plateforme.AttendBoite(DeuxBips, Bouton::Ok);
    Choisit("TestTelecommande");
    ASSERT_TRUE(lecteur->Attend(1));
    EXPECT_FALSE(lecteur->Attend(2, 300));
    EXPECT_EQ(lecteur->Octets(), QByteArray("T"));
}

TEST_F(Liaison, PortChoisiRetenuDansLaConfigurationSiElleSEcrit) {
    Branche(QStringLiteral("COM3"));
    Choisit("COM(2)");
    EXPECT_EQ(F().Liaison().NumeroPort(), 3);
    EXPECT_TRUE(CocheSeuleSur(3));
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    Choisit("COM(2)"); // le port déjà tenu se ferme et se rouvre sans erreur
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 2 \r\n"));

    const std::pair<QByteArray, int> cas[] = {{" 2 \r\n", 3},   {" 3 \r\n", 4}, {" 0 ", 1},
                                              {" 1,2", 2},      {"9", 1},       {"zz", 1},
                                              {QByteArray(), 1}};
    for (const auto& [contenu, port] : cas) {
        fenetre.reset();
        QFile::remove(dossier.Fichier("VK472.CFG"));
        if (!contenu.isNull()) dossier.Ecrit("VK472.CFG", contenu);
        DemarreSansFichier();
        EXPECT_EQ(F().Liaison().NumeroPort(), port) << contenu.constData();
        EXPECT_TRUE(CocheSeuleSur(port)) << contenu.constData();
    }
    // Configuration impossible à écrire : le port choisi sert quand même.
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("VK472.CFG"));
    Choisit("COM(2)");
    EXPECT_EQ(F().Liaison().NumeroPort(), 3);
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    EXPECT_TRUE(CocheSeuleSur(3));
    EXPECT_TRUE(QFileInfo(dossier.Fichier("VK472.CFG")).isDir());
}

TEST_F(Liaison, PortChoisiQuiNeSOuvrePasPuisTestDeLiaisonSurLAncien) {
    dossier.Ecrit("VK472.CFG", " 0 \r\n");
    Branche(QStringLiteral("COM1"));
    const QString erreur = PortAbsent(2);
    EXPECT_TRUE(erreur.startsWith("Port série introuvable : COM2 (")) << erreur.toStdString();
    plateforme.AttendBoite(
        {erreur, Boutons::Ok, Icone::Critique, QStringLiteral("GESTION CHAUFFAGE")}, Bouton::Ok);
    Choisit("COM(1)");
    EXPECT_EQ(F().Liaison().NumeroPort(), 1);
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 0 \r\n"));
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    // La coche revient sur le port en service.
    EXPECT_TRUE(CocheSeuleSur(1));

    // Un seul "T", parti avant la fermeture du port.
    plateforme.AttendBoite({Relier, Boutons::Ok, Icone::Exclamation, TitreTest}, Bouton::Ok);
    plateforme.AttendBoite({DeuxBips, Boutons::Ok, Icone::Exclamation, TitreTest}, Bouton::Ok);
    Choisit("TestTelecommande");
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    ASSERT_TRUE(lecteur->Attend(1));
    EXPECT_FALSE(lecteur->Attend(2, 300));
    EXPECT_EQ(lecteur->Octets(), QByteArray("T"));
    EXPECT_FALSE(dossier.Existe(NomJournalBrut));
    EXPECT_TRUE(Commandes(true));
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
    // Un tube sans lecteur en guise de port : le système répond ENXIO.
    ASSERT_TRUE(CreeTube(dossier.Fichier("COM2")));
    PortSerieQt port([this] { return dossier.Chemin(); });
    EXPECT_FALSE(port.Ouvre(2));
    EXPECT_EQ(port.Erreur(), QStringLiteral("Erreur du port série COM2 (%1) : Périphérique absent.")
                                 .arg(dossier.Fichier("COM2")));
}

TEST_F(Liaison, PairQuiDisparaitPendantUnePause) {
    Branche();
    lecteur->QuandRecus(FinsDeBlocs[0], [this] { socat->Tue(); });
    plateforme.AttendBoite(Relier, Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** VERIFIER"), Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** ECHEC DE LA TRANSMISSION **"), Bouton::Ok);
    Choisit("ProgrammeTelecommande");

    VerifieEchec(QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n"), Programmation);
    EXPECT_EQ(lecteur->Nombre(), FinsDeBlocs[0]);
    EXPECT_TRUE(Controle<QProgressBar>("ProgressBar1")->isHidden());
    // Les journaux s'arrêtent au dernier octet parti (le bloc A de la zone 0), puis disent
    // où et pourquoi, sur une ligne à part.
    const Trame trame = TrameProgramme(Prog(), 0, plateforme.Maintenant());
    const Trame partie(trame.begin(), trame.begin() + FinsDeBlocs[0]);
    const QByteArray fin = "** ECHEC DE LA TRANSMISSION : octet 69 sur 470, " +
                           plateforme.Port().Erreur().toLatin1() + " **\r\n";
    EXPECT_EQ(dossier.Lit(NomJournalBrut), JournalBrut(partie) + "\r\n" + fin);
    EXPECT_EQ(dossier.Lit(NomJournalTrace), JournalTrace(partie) + "\r\n" + fin);
}

TEST_F(Liaison, TestDeLiaisonSansPairNAnnoncePasLesDeuxBips) {
    Branche();
    // Le câble est arraché pendant que l'utilisateur lit la consigne.
    plateforme.PendantBoite = [this](const BoiteVue&) { socat->Tue(); };
    plateforme.AttendBoite(Relier, Bouton::Ok);
    const QString echec = QStringLiteral("** ECHEC DU TEST DE LA LIAISON **\r\n\r\n");
    plateforme.AttendBoiteDebut(echec, Bouton::Ok);
    Choisit("TestTelecommande");
    VerifieEchec(echec, TitreTest);
}
