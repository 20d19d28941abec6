// La vraie fenêtre envoie par Qt SerialPort dans une paire socat ; le test lit l'autre bout.
#include "PaireSerie.h"
#include "link/JournauxTransmission.h"
#include "link/PortSerieQt.h"
#include "link/ProgrammeTest.h"
#include "link/TrameProgramme.h"
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

namespace {
const QString Programmation = QStringLiteral(" PROGRAMMATION ");
const QString TitreTest = QStringLiteral(" TEST TELECOMMANDE ");
const QString TexteRelier = QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **");
const BoiteVue Relier{TexteRelier, Boutons::Ok, Icone::Exclamation, Programmation};
const BoiteVue Verifier{QStringLiteral("** VERIFIER à l'issue de la transmission: [2 BEEP -> "
                                       "PROG. OK]  [6 Beep -> DEFAUT DIALOGUE]  **"),
                        Boutons::Ok, Icone::Aucune, Programmation};
const BoiteVue Fin{QStringLiteral("** FIN DE TRANSMISSION **"), Boutons::Ok, Icone::Aucune,
                   Programmation};
const BoiteVue Attention{
    QStringLiteral("ATTENTION CE TEST CHARGE LA TELECOMMANDE AVEC UNE PROGRAMMATION DE TEST \r\n"
                   "\r\n      COMMANDE CONFORT/ECO ACTIVEE CHAQUE 10 Minutes "),
    Boutons::Ok, Icone::Critique, QStringLiteral("GESTION CHAUFFAGE")};
// Dernier octet de chacun des six blocs de zone, compté depuis 1.
const int FinsDeBlocs[NbPauses] = {68, 135, 202, 269, 336, 403};

void Clique(QWidget* cible, Qt::MouseButton bouton) {
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(40, 10), QPointF(40, 10), bouton, bouton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(cible, &appui);
}

class Liaison : public FenetreTest {
protected:
    void Branche(const QString& nom = QStringLiteral("COM1")) {
        socat = std::make_unique<PaireSocat>(dossier.Chemin(), nom);
        ASSERT_TRUE(socat->Prete()) << "socat n'a pas créé la paire";
        lecteur = std::make_unique<LecteurPort>(socat->CoteTest());
        ASSERT_TRUE(lecteur->Ouvert());
    }
    // "COMn" qui mène nulle part : l'ouverture échoue, quel que soit le poste.
    void PortAbsent(int numero) {
        ASSERT_TRUE(QFile::link(QStringLiteral("/inexistant/ttyGC%1").arg(numero),
                                dossier.Fichier(QStringLiteral("COM%1").arg(numero))));
    }
    // Description que la couche série donne de l'échec d'ouverture de ce port.
    QString ErreurOuverture(int numero) {
        PortSerieQt sonde([this] { return dossier.Chemin(); });
        EXPECT_FALSE(sonde.Ouvre(numero));
        return sonde.Erreur();
    }
    void AttendTransmission() {
        plateforme.AttendBoite(Relier, Bouton::Ok);
        plateforme.AttendBoite(Verifier, Bouton::Ok);
        plateforme.AttendBoite(Fin, Bouton::Ok);
    }
    bool CommandesActives() {
        return F().ProgrammeTelecommande->isEnabled() && F().ProgrammeDeTest->isEnabled() &&
               F().TestTelecommande->isEnabled() && F().COM[1]->isEnabled() &&
               F().Nouveau->isEnabled() && F().LectureData->isEnabled() &&
               F().CmdHigh->isEnabled() && F().VScrollZone->isEnabled() &&
               F().VScroll3[0]->isEnabled() && F().CmdID->isEnabled() && F().CmdCLS->isEnabled() &&
               F().ChkVisuHoraire->isEnabled() && F().Version->isEnabled();
    }
    bool CommandesGelees() {
        return !F().ProgrammeTelecommande->isEnabled() && !F().ProgrammeDeTest->isEnabled() &&
               !F().TestTelecommande->isEnabled() && !F().COM[1]->isEnabled() &&
               !F().Nouveau->isEnabled() && !F().LectureData->isEnabled() &&
               !F().CmdHigh->isEnabled() && !F().VScrollZone->isEnabled() &&
               !F().VScroll3[0]->isEnabled() && !F().CmdID->isEnabled() &&
               !F().CmdCLS->isEnabled() && !F().CmdPASTE->isEnabled() &&
               !F().ChkVisuHoraire->isEnabled() && !F().Version->isEnabled();
    }

    std::unique_ptr<PaireSocat> socat;
    std::unique_ptr<LecteurPort> lecteur;
};
} // namespace

TEST_F(Liaison, TransmissionDuProgrammeOctetParOctetAvecSesPauses) {
    Demarre();
    Branche();
    F().Prog.IdentZone[2] = 70000;
    F().VScrollZone->ChangeValeur(2);
    F().VScJour->ChangeValeur(5);
    ASSERT_EQ(F().Etat.ZoneCourante, 2);
    ASSERT_EQ(F().Etat.JourCourant, 5);
    const Programme avant = F().Prog;

    std::vector<int> recusAuTic;
    std::vector<bool> geleAuTic;
    QObject::connect(F().Timer1, &QTimer::timeout, F().Timer1, [&] {
        recusAuTic.push_back(lecteur->Nombre());
        geleAuTic.push_back(F().TransmissionEnCours() && CommandesGelees() &&
                            !F().ProgressBar1->isHidden());
    });
    AttendTransmission();
    F().ProgrammeTelecommande->trigger();
    ASSERT_TRUE(lecteur->Attend(LongueurTrame));

    const Trame trame = TrameProgramme(avant, 2, plateforme.Maintenant());
    const QByteArray recu = lecteur->Octets();
    EXPECT_EQ(recu, OctetsTrame(trame));
    EXPECT_EQ(recu.left(1), "R");
    // Horloge du mardi 1er décembre 2026 14:05:09, identifiant 70000 de la zone 2.
    EXPECT_EQ(recu.mid(403, 9), QByteArray::fromHex("090514030112261170"));
    EXPECT_EQ(recu.right(3).left(1), "F");

    // Six pauses, chacune après un bloc entier et avant le premier octet du suivant.
    ASSERT_EQ(recusAuTic.size(), static_cast<size_t>(NbPauses));
    for (int k = 0; k < NbPauses; ++k) {
        EXPECT_LE(recusAuTic[k], FinsDeBlocs[k]) << "bloc suivant parti avant la fin de la pause";
        EXPECT_TRUE(geleAuTic[k]) << "pause " << k;
    }
    for (double ecart : EcartsApresBlocs(lecteur->Recus())) EXPECT_GT(ecart, 120.0);
    EXPECT_FALSE(lecteur->Attend(LongueurTrame + 1, 300)) << "octets en trop";

    EXPECT_TRUE(F().ProgressBar1->isHidden());
    EXPECT_EQ(F().ProgressBar1->value(), 453);
    EXPECT_FALSE(F().Timer1->isActive());
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    EXPECT_FALSE(F().TransmissionEnCours());
    EXPECT_TRUE(CommandesActives());
    EXPECT_EQ(F().Etat.ZoneCourante, 2);
    EXPECT_EQ(F().Etat.JourCourant, 5); // le jour affiché reste le jour édité
    EXPECT_TRUE(F().Prog == avant);

    const QByteArray brut = dossier.Lit(NomJournalBrut);
    EXPECT_EQ(brut.size(), 480);
    EXPECT_EQ(brut, JournalBrut(trame));
    const QByteArray trace = dossier.Lit(NomJournalTrace);
    EXPECT_TRUE(trace.startsWith("R  "));
    EXPECT_EQ(trace, JournalTrace(trame));
}

TEST_F(Liaison, PendantLEnvoiLesCommandesQuiChangeraientLaTrameSontRefusees) {
    Demarre();
    Branche();
    const Programme avant = F().Prog;
    bool fait = false;
    bool fermee = true;
    int jourPendant = -1;
    QObject::connect(F().Timer1, &QTimer::timeout, F().Timer1, [&] {
        if (fait) return;
        fait = true;
        F().ProgrammeTelecommande_Click();
        F().ProgrammeDeTest_Click();
        F().TestTelecommande_Click();
        F().COM_Click(2);
        F().Nouveau->trigger();
        F().CmdHigh->click();
        F().CmdCLS->click();
        Clique(F().FrameTemp[3], Qt::LeftButton); // changerait de jour
        Clique(F().Label2[0], Qt::RightButton);   // mettrait un créneau en confort
        fermee = F().close();
        jourPendant = F().VScJour->Valeur();
    });
    AttendTransmission();
    F().ProgrammeTelecommande->trigger();
    ASSERT_TRUE(lecteur->Attend(LongueurTrame));
    EXPECT_FALSE(lecteur->Attend(LongueurTrame + 1, 300));
    EXPECT_TRUE(fait);
    EXPECT_FALSE(fermee);
    EXPECT_EQ(lecteur->Octets(), OctetsTrame(TrameProgramme(avant, 0, plateforme.Maintenant())));
    EXPECT_EQ(F().Etat.NumeroPort, 1);
    EXPECT_TRUE(F().COM[0]->isChecked());
    EXPECT_EQ(jourPendant, 0);
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_TRUE(F().Prog == avant);

    // Après l'envoi, tout répond de nouveau, souris comprise.
    EXPECT_TRUE(CommandesActives());
    Clique(F().FrameTemp[3], Qt::LeftButton);
    EXPECT_EQ(F().Etat.JourCourant, 3);
}

TEST_F(Liaison, TestDeLiaisonUnSeulOctetPartiAvantLaFermeture) {
    Demarre();
    Branche();
    plateforme.AttendBoite({TexteRelier, Boutons::Ok, Icone::Exclamation, TitreTest}, Bouton::Ok);
    plateforme.AttendBoite({QStringLiteral("** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON **"),
                            Boutons::Ok, Icone::Exclamation, TitreTest},
                           Bouton::Ok);
    F().TestTelecommande->trigger();
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    ASSERT_TRUE(lecteur->Attend(1));
    EXPECT_FALSE(lecteur->Attend(2, 300));
    EXPECT_EQ(lecteur->Octets(), QByteArray("T"));
    EXPECT_FALSE(dossier.Existe(NomJournalBrut));
    EXPECT_TRUE(CommandesActives());
}

TEST_F(Liaison, TestDeLiaisonSansPairNAnnoncePasLesDeuxBips) {
    Demarre();
    Branche();
    // Le câble est arraché pendant que l'utilisateur lit la consigne.
    plateforme.PendantBoite = [this](const BoiteVue&) {
        if (socat) socat->Tue();
    };
    plateforme.AttendBoite({TexteRelier, Boutons::Ok, Icone::Exclamation, TitreTest}, Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** ECHEC DU TEST DE LA LIAISON **\r\n\r\n"),
                                Bouton::Ok);
    F().TestTelecommande->trigger();
    ASSERT_EQ(plateforme.Boites.size(), 2u);
    EXPECT_EQ(plateforme.Boites[1].icone, Icone::Critique);
    EXPECT_EQ(plateforme.Boites[1].titre, TitreTest);
    EXPECT_FALSE(plateforme.Port().Erreur().isEmpty());
    EXPECT_TRUE(plateforme.Boites[1].texte.endsWith(plateforme.Port().Erreur()));
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    EXPECT_TRUE(CommandesActives());
}

TEST_F(Liaison, ProgrammeDeTestEnvoyePuisProgrammeRendu) {
    Demarre();
    Branche();
    F().VScrollZone->ChangeValeur(1);
    F().VScJour->ChangeValeur(4);
    const Programme avant = F().Prog;
    plateforme.AttendBoite(Attention, Bouton::Ok);
    AttendTransmission();
    F().ProgrammeDeTest->trigger();
    ASSERT_TRUE(lecteur->Attend(LongueurTrame));

    Programme test = avant;
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) test.ProgJour[z][d] = MotifsTest()[d];
    const QByteArray recu = lecteur->Octets();
    EXPECT_EQ(recu, OctetsTrame(TrameProgramme(test, 1, plateforme.Maintenant())));
    for (int z = 0; z < NbZones; ++z) {
        EXPECT_EQ(recu.mid(1 + 134 * z + 64, 3), QByteArray::fromHex("46C228"));
        EXPECT_EQ(recu.mid(1 + 134 * z + 129, 5), QByteArray::fromHex("D14E462E27"));
    }
    // Températures et identifiant restent ceux de l'utilisateur.
    const quint16 id = static_cast<quint16>(avant.IdentZone[1]);
    EXPECT_EQ(recu.mid(410, 2),
              QByteArray::fromHex(QByteArray::number(id, 16).rightJustified(4, '0')));
    EXPECT_TRUE(F().Prog == avant);
    EXPECT_EQ(F().Etat.ZoneCourante, 1);
    EXPECT_EQ(F().Etat.JourCourant, 4);
    EXPECT_EQ(dossier.Lit(NomJournalBrut).size(), 480);
    EXPECT_TRUE(plateforme.Port().EstOuvert());
}

TEST_F(Liaison, PortAbsentRienNEstEnvoyeNiEcrit) {
    Demarre();
    PortAbsent(1);
    const QString erreur = ErreurOuverture(1);
    ASSERT_FALSE(erreur.isEmpty());
    dossier.Ecrit(NomJournalBrut, "ancien");
    const BoiteVue boiteErreur{erreur, Boutons::Ok, Icone::Critique,
                               QStringLiteral("GESTION CHAUFFAGE")};

    plateforme.AttendBoite(boiteErreur, Bouton::Ok);
    F().ProgrammeTelecommande->trigger();
    EXPECT_EQ(dossier.Lit(NomJournalBrut), QByteArray("ancien"));
    EXPECT_FALSE(dossier.Existe(NomJournalTrace));

    plateforme.AttendBoite(boiteErreur, Bouton::Ok);
    F().TestTelecommande->trigger();

    // Le programme de test rend quand même les jours de l'utilisateur.
    const Programme avant = F().Prog;
    plateforme.AttendBoite(Attention, Bouton::Ok);
    plateforme.AttendBoite(boiteErreur, Bouton::Ok);
    F().ProgrammeDeTest->trigger();
    EXPECT_TRUE(F().Prog == avant);
    EXPECT_EQ(dossier.Lit(NomJournalBrut), QByteArray("ancien"));
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    EXPECT_TRUE(CommandesActives());
}

TEST_F(Liaison, ChoixDuPortRetenuDansLaConfiguration) {
    Demarre();
    Branche(QStringLiteral("COM3"));
    F().COM_Click(2);
    EXPECT_EQ(F().Etat.NumeroPort, 3);
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 2 \r\n"));
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(F().COM[i]->isChecked(), i == 2);
    // Le port déjà tenu se ferme et se rouvre sans erreur.
    F().COM[2]->trigger();
    EXPECT_TRUE(plateforme.Port().EstOuvert());

    fenetre.reset();
    DemarreSansFichier();
    EXPECT_EQ(F().Etat.NumeroPort, 3);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(F().COM[i]->isChecked(), i == 2);
}

TEST_F(Liaison, PortChoisiQuiNeSOuvrePasLAncienResteEnService) {
    dossier.Ecrit("VK472.CFG", " 0 \r\n");
    Demarre();
    Branche(QStringLiteral("COM1"));
    PortAbsent(2);
    plateforme.AttendBoite(
        {ErreurOuverture(2), Boutons::Ok, Icone::Critique, QStringLiteral("GESTION CHAUFFAGE")},
        Bouton::Ok);
    F().COM[1]->trigger();
    EXPECT_EQ(F().Etat.NumeroPort, 1);
    EXPECT_EQ(dossier.Lit("VK472.CFG"), QByteArray(" 0 \r\n"));
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    // La coche reste sur le port choisi, même s'il n'a pas pu s'ouvrir.
    for (int i = 0; i < 4; ++i) EXPECT_EQ(F().COM[i]->isChecked(), i == 1);
    EXPECT_TRUE(plateforme.Boites.back().texte.startsWith("Port série introuvable : COM2 ("))
        << plateforme.Boites.back().texte.toStdString();

    plateforme.AttendBoite(TexteRelier, Bouton::Ok);
    plateforme.AttendBoite(QStringLiteral("** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON **"),
                           Bouton::Ok);
    F().TestTelecommande->trigger();
    ASSERT_TRUE(lecteur->Attend(1));
    EXPECT_EQ(lecteur->Octets(), QByteArray("T"));
}

TEST_F(Liaison, ConfigurationImpossibleAEcrireLePortSertQuandMeme) {
    Demarre();
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("VK472.CFG")); // un dossier en travers
    Branche(QStringLiteral("COM2"));
    F().COM_Click(1);
    EXPECT_EQ(F().Etat.NumeroPort, 2);
    EXPECT_TRUE(plateforme.Port().EstOuvert());
    EXPECT_TRUE(QFileInfo(dossier.Fichier("VK472.CFG")).isDir());
    EXPECT_TRUE(F().COM[1]->isChecked());
}

TEST_F(Liaison, ConfigurationLueAuDemarrage) {
    const std::pair<QByteArray, int> cas[] = {{" 3 \r\n", 4}, {" 0 ", 1}, {" 1,2", 2},
                                              {"9", 1},       {"zz", 1},  {QByteArray(), 1}};
    for (const auto& [contenu, port] : cas) {
        QFile::remove(dossier.Fichier("VK472.CFG"));
        if (!contenu.isNull()) dossier.Ecrit("VK472.CFG", contenu);
        Demarre();
        EXPECT_EQ(F().Etat.NumeroPort, port) << contenu.constData();
        for (int i = 0; i < 4; ++i) EXPECT_EQ(F().COM[i]->isChecked(), i == port - 1);
    }
}

TEST_F(Liaison, PairQuiDisparaitPendantUnePause) {
    Demarre();
    Branche();
    lecteur->QuandRecus(FinsDeBlocs[0], [this] { socat->Tue(); });
    plateforme.AttendBoite(Relier, Bouton::Ok);
    plateforme.AttendBoite(Verifier, Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n"),
                                Bouton::Ok);
    F().ProgrammeTelecommande->trigger();

    ASSERT_FALSE(plateforme.Boites.empty());
    const BoiteVue& echec = plateforme.Boites.back();
    EXPECT_EQ(echec.icone, Icone::Critique);
    EXPECT_EQ(echec.titre, Programmation);
    EXPECT_EQ(echec.texte, QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n") +
                               plateforme.Port().Erreur());
    EXPECT_EQ(lecteur->Nombre(), FinsDeBlocs[0]);
    EXPECT_FALSE(plateforme.Port().EstOuvert());
    EXPECT_TRUE(F().ProgressBar1->isHidden());
    EXPECT_FALSE(F().Timer1->isActive());
    EXPECT_TRUE(CommandesActives());
    // Les journaux vont au bout : la trame entière reste lisible.
    EXPECT_EQ(dossier.Lit(NomJournalBrut).size(), 480);
}

TEST_F(Liaison, JournalImpossibleACreerLEnvoiContinue) {
    Demarre();
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir(NomJournalBrut));
    Branche();
    AttendTransmission();
    F().ProgrammeTelecommande->trigger();
    ASSERT_TRUE(lecteur->Attend(LongueurTrame));
    EXPECT_EQ(lecteur->Octets(), OctetsTrame(TrameProgramme(F().Prog, 0, plateforme.Maintenant())));
    EXPECT_TRUE(dossier.Lit(NomJournalTrace).startsWith("R  "));
}
