// La vraie fenêtre face à la télécommande virtuelle, qui doit juger ce qu'elle reçoit.
#include "plateforme/PortSerieQt.h"
#include "support/FenetreTest.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>

namespace {
class AvecTelecommande : public FenetreTest {
protected:
    ~AvecTelecommande() override {
        if (outil_.state() != QProcess::NotRunning) {
            outil_.terminate();
            outil_.waitForFinished(2000);
        }
    }
    void Lance() {
        Demarre();
        outil_.setProgram(QStringLiteral(GC_DOSSIER_CONSTRUCTION "/telecommande-virtuelle"));
        outil_.setArguments({QStringLiteral("--dossier"), dossier.Chemin(),
                             QStringLiteral("--port"), QStringLiteral("1"),
                             QStringLiteral("--une-fois")});
        outil_.start();
        ASSERT_TRUE(outil_.waitForStarted(5000)) << "outil introuvable";
        const QDeadlineTimer limite(5000);
        while (!sortie_.contains(QLatin1String("En attente")) && !limite.hasExpired()) {
            outil_.waitForReadyRead(100);
            sortie_ += QString::fromUtf8(outil_.readAllStandardOutput());
        }
        ASSERT_TRUE(QFileInfo::exists(dossier.Fichier("COM1"))) << sortie_.toStdString();
    }
    // Tout ce que l'outil a dit, une fois sa réponse donnée.
    QString Sortie() {
        EXPECT_TRUE(outil_.waitForFinished(10000)) << "pas de réponse de la télécommande";
        sortie_ += QString::fromUtf8(outil_.readAllStandardOutput());
        return sortie_;
    }

private:
    QProcess outil_;
    QString sortie_;
};
} // namespace

TEST_F(AvecTelecommande, ProgrammationJugeeBonne) {
    Lance();
    plateforme.AttendBoiteDebut(QStringLiteral("** RELIER"), Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** VERIFIER"), Bouton::Ok);
    plateforme.AttendBoiteDebut(QStringLiteral("** FIN"), Bouton::Ok);
    Choisit("ProgrammeTelecommande");
    const QString sortie = Sortie();
    EXPECT_TRUE(sortie.contains(QLatin1String("\n2 BEEP -> PROG. OK\n"))) << sortie.toStdString();
    // L'exemple livré, zone 0, lu par la télécommande.
    for (const char* ligne :
         {"\n  Lundi    : 6H30-8H30 17H30-22H30\n", "\n  Dimanche : 7H30-23H00\n",
          "\n  Températures : Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C\n",
          "\nIdentifiant : 4660 (0x1234)\n", "\nDate et heure : Mardi 01/12/2026 14:05:09\n"})
        EXPECT_TRUE(sortie.contains(QString::fromUtf8(ligne))) << ligne;
    // Sur un pseudo-terminal, les octets arrivent dès leur remise : l'écart entre deux blocs
    // est le minuteur entier.
    const QRegularExpression pause(QStringLiteral("pause après le bloc \\d : (\\d+) ms"));
    int pauses = 0;
    for (auto it = pause.globalMatch(sortie); it.hasNext(); ++pauses)
        EXPECT_GE(it.next().captured(1).toInt(), 190);
    EXPECT_EQ(pauses, 6) << sortie.toStdString();
}

TEST_F(AvecTelecommande, OctetAbimeSixBips) {
    Lance();
    // La trame écrite en clair, un octet abîmé dans le bloc B de la zone 0.
    TrameEcrite trame = LitTrameEcrite(QStringLiteral("trame-lundi-6h-8h.txt"));
    trame.octets[100] = 0x04;
    PortSerieQt port([this] { return dossier.Chemin(); });
    ASSERT_TRUE(port.Ouvre(1)) << port.Erreur().toStdString();
    for (int i = 0; i < trame.octets.size(); ++i) {
        ASSERT_TRUE(port.Ecrit(trame.octets.mid(i, 1)));
        if (std::count(trame.pauses.begin(), trame.pauses.end(), i)) QThread::msleep(200);
    }
    port.Ferme();
    const QString sortie = Sortie();
    EXPECT_TRUE(sortie.contains(
        QStringLiteral("\n6 Beep -> DEFAUT DIALOGUE : bloc 2 (zone 0, B) : somme de section "
                       "reçue 0x010E, attendue 0x0112\n")))
        << sortie.toStdString();
    EXPECT_FALSE(sortie.contains(QLatin1String("PROG. OK")));
}

TEST(TelecommandeVirtuelle, AideEtErreursEnFrancais) {
    const auto lance = [](const QString& argument) {
        QProcess outil;
        outil.start(QStringLiteral(GC_DOSSIER_CONSTRUCTION "/telecommande-virtuelle"), {argument});
        EXPECT_TRUE(outil.waitForFinished(5000)) << argument.toStdString();
        return QString::fromUtf8(outil.readAllStandardOutput() + outil.readAllStandardError());
    };
    const QString aide = lance(QStringLiteral("--help"));
    EXPECT_TRUE(aide.contains(QLatin1String("Utilisation :"))) << aide.toStdString();
    EXPECT_TRUE(aide.contains(QLatin1String("-h, --help           Affiche cette aide.")))
        << aide.toStdString();
    EXPECT_FALSE(aide.contains(QLatin1String("Usage:")) || aide.contains(QLatin1String("Displays")))
        << aide.toStdString();
    const QString inconnue = lance(QStringLiteral("--zut"));
    EXPECT_TRUE(inconnue.contains(QLatin1String("Option inconnue"))) << inconnue.toStdString();
}
