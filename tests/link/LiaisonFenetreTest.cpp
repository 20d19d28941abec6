// Le panneau de la liaison pendant un envoi (port et minuterie factices) : rien de ce qui
// changerait la trame ne passe pendant une pause ; un journal qui bloquerait est sauté ; causes
// des erreurs du port en français. Octets, boîtes et journaux : scénario "liaison".
#include "link/JournauxTransmission.h"
#include "link/TrameProgramme.h"
#include "plateforme/PortSerieQt.h"
#include "support/FenetreTest.h"
#include "support/PortFactice.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <cerrno>

namespace {
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
        port = p.get();
        plateforme.ChangePort(std::move(p));
        plateforme.ChangeMinuterie(std::make_unique<MinuterieFactice>(horloge));
    }
    void AttendTransmission() {
        for (int i = 0; i < 3; ++i) plateforme.AttendBoiteDebut(QString(), Bouton::Ok);
    }
    bool Commandes(bool actives) {
        return Tous(actives, Action("ProgrammeTelecommande"), Action("ProgrammeDeTest"),
                    Action("TestTelecommande"), Action("COM(1)"), Action("Nouveau"),
                    Action("LectureData"), Controle("CmdHigh"), Barre("VScrollZone"),
                    Barre("VScroll3(0)"), Controle("CmdID"), Controle("CmdCLS"),
                    Controle("ChkVisuHoraire"), Action("Version")) &&
               (actives || !Controle("CmdPASTE")->isEnabled());
    }

    HorlogeFactice horloge;
    PortFactice* port;
};
} // namespace

TEST_F(Liaison, CommandesRefuseesPendantLesPauses) {
    Demarre();
    const Programme avant = Prog();
    int pauses = 0;
    bool geleeAChaquePause = true;
    bool fermee = true;
    plateforme.PendantPause = [&] {
        geleeAChaquePause = geleeAChaquePause && F().Liaison().TransmissionEnCours() &&
                            Doc().Tenu() && Commandes(false) &&
                            !Controle<QProgressBar>("ProgressBar1")->isHidden();
        if (++pauses > 1) return;
        // Pendant une pause, rien de ce qui changerait la trame ne doit passer.
        F().Liaison().ProgrammeTelecommande_Click();
        F().Liaison().ProgrammeDeTest_Click();
        F().Liaison().TestTelecommande_Click();
        F().Liaison().COM_Click(2);
        Choisit("Nouveau");
        Controle<QPushButton>("CmdHigh")->click();
        Controle<QPushButton>("CmdCLS")->click();
        Appui(Controle<QFrame>(NomIndexe("FrameTemp", 3)), Qt::LeftButton); // changerait de jour
        Appui(Controle<QLabel>(NomIndexe("Label2", 0)), Qt::RightButton);   // peindrait un créneau
        fermee = F().close();
    };
    AttendTransmission();
    Choisit("ProgrammeTelecommande");
    EXPECT_EQ(pauses, NbPauses);
    EXPECT_EQ(port->Ouvertures, std::vector<int>{1}); // COM(3) refusé pendant la pause
    EXPECT_EQ(port->Remis.size(), static_cast<size_t>(LongueurTrame));
    EXPECT_TRUE(geleeAChaquePause);
    EXPECT_FALSE(fermee);
    EXPECT_TRUE(Prog() == avant);
    EXPECT_EQ(plateforme.LecturesHorloge, 1); // une seule heure pour toute la trame
    // Après l'envoi, tout répond de nouveau, souris comprise.
    EXPECT_TRUE(Commandes(true));
    Appui(Controle<QFrame>(NomIndexe("FrameTemp", 3)), Qt::LeftButton);
    EXPECT_EQ(Doc().Jour(), 3);
}

TEST_F(Liaison, JournalQuiBloqueraitSaute) {
    // Un tube à la place d'un journal : il attendrait son lecteur, port ouvert. Il est sauté.
    const QString tube = dossier.Fichier(NomJournalTrace);
    ASSERT_TRUE(CreeTube(tube));
    const GardeTubes garde({tube});
    Demarre();
    plateforme.AttendBoiteDebut(QStringLiteral("ATTENTION CE TEST"), Bouton::Ok);
    AttendTransmission();
    Choisit("ProgrammeDeTest");
    EXPECT_EQ(port->Remis.size(), static_cast<size_t>(LongueurTrame));
    EXPECT_EQ(dossier.Lit(NomJournalBrut).size(), 480);
    EXPECT_FALSE(garde.ADebloque()) << "l'ouverture du journal a bloqué la transmission";
    EXPECT_FALSE(QFileInfo(tube).isFile());
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
