// La vraie fenêtre face à la télécommande virtuelle, qui doit juger ce qu'elle reçoit.
#include "link/PortSerieQt.h"
#include "link/TrameProgramme.h"
#include "support/FenetreTest.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace {
const QString Programmation = QStringLiteral(" PROGRAMMATION ");

class AvecTelecommande : public FenetreTest {
protected:
    ~AvecTelecommande() override {
        if (outil_.state() != QProcess::NotRunning) {
            outil_.terminate();
            outil_.waitForFinished(2000);
        }
    }
    void Lance() {
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
    void AttendTransmission() {
        plateforme.AttendBoite(QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **"),
                               Bouton::Ok);
        plateforme.AttendBoiteDebut(QStringLiteral("** VERIFIER"), Bouton::Ok);
        plateforme.AttendBoite({QStringLiteral("** FIN DE TRANSMISSION **"), Boutons::Ok,
                                Icone::Aucune, Programmation},
                               Bouton::Ok);
    }

private:
    QProcess outil_;
    QString sortie_;
};

std::vector<int> Pauses(const QString& sortie) {
    std::vector<int> pauses;
    const QRegularExpression motif(QStringLiteral("pause après le bloc \\d : (\\d+) ms"));
    for (auto it = motif.globalMatch(sortie); it.hasNext();)
        pauses.push_back(it.next().captured(1).toInt());
    return pauses;
}
} // namespace

TEST_F(AvecTelecommande, ProgrammationJugeeBonne) {
    Demarre();
    Lance();
    AttendTransmission();
    F().ProgrammeTelecommande->trigger();
    const QString sortie = Sortie();
    EXPECT_TRUE(sortie.contains(QLatin1String("\n2 BEEP -> PROG. OK\n"))) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(
        QStringLiteral("Identifiant : %1 ").arg(static_cast<quint16>(F().Prog.IdentZone[0]))));
    EXPECT_TRUE(sortie.contains(QLatin1String("Date et heure : Mardi 01/12/2026 14:05:09")));
    const std::vector<int> pauses = Pauses(sortie);
    EXPECT_EQ(pauses.size(), 6u) << sortie.toStdString();
    for (int ms : pauses) EXPECT_GT(ms, 120);
}

TEST_F(AvecTelecommande, TestDeLiaisonDeuxBips) {
    Demarre();
    Lance();
    plateforme.AttendBoite(QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **"),
                           Bouton::Ok);
    plateforme.AttendBoite(QStringLiteral("** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON **"),
                           Bouton::Ok);
    F().TestTelecommande->trigger();
    EXPECT_TRUE(Sortie().contains(QStringLiteral("Test de liaison \"T\" reçu : 2 BEEP")));
}

TEST_F(AvecTelecommande, ProgrammeDeTestJeudiCommeMercredi) {
    Demarre();
    Lance();
    plateforme.AttendBoiteDebut(QStringLiteral("ATTENTION CE TEST"), Bouton::Ok);
    AttendTransmission();
    F().ProgrammeDeTest->trigger();
    const QString sortie = Sortie();
    EXPECT_TRUE(sortie.contains(QLatin1String("\n2 BEEP -> PROG. OK\n"))) << sortie.toStdString();
    const QRegularExpression mercredi(QStringLiteral("Mercredi : ([^\\n]+)"));
    const QRegularExpression jeudi(QStringLiteral("Jeudi    : ([^\\n]+)"));
    const QString segmentsMercredi = mercredi.match(sortie).captured(1);
    EXPECT_TRUE(segmentsMercredi.startsWith(QLatin1String("0H00-0H10 0H20-0H30 0H50-1H00")));
    EXPECT_EQ(jeudi.match(sortie).captured(1), segmentsMercredi);
}

TEST_F(AvecTelecommande, OctetAbimeSixBips) {
    Demarre();
    Lance();
    Trame trame = TrameProgramme(F().Prog, 0, plateforme.Maintenant());
    trame[100].octet ^= 0x04; // dans le bloc B de la zone 0
    PortSerieQt port([this] { return dossier.Chemin(); });
    ASSERT_TRUE(port.Ouvre(1)) << port.Erreur().toStdString();
    for (const ElementTrame& e : trame) {
        ASSERT_TRUE(port.Ecrit(QByteArray(1, static_cast<char>(e.octet))));
        if (e.pause) QThread::msleep(200);
    }
    port.Ferme();
    const QString sortie = Sortie();
    EXPECT_TRUE(sortie.contains(QStringLiteral(
        "\n6 Beep -> DEFAUT DIALOGUE : bloc 2 (zone 0, B) : somme de section reçue")))
        << sortie.toStdString();
    EXPECT_FALSE(sortie.contains(QLatin1String("PROG. OK")));
}
