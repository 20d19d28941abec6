// De bout en bout : la transmission, le vrai port série et la vraie minuterie, dans le
// pseudo-terminal de la télécommande virtuelle, qui juge ce qu'elle reçoit.
#include "files/FichierProgramme.h"
#include "link/Transmission.h"
#include "plateforme/Minuterie.h"
#include "plateforme/PortSerieQt.h"
#include "support/Dossier.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString Outil = QStringLiteral(GC_DOSSIER_CONSTRUCTION "/telecommande-virtuelle");

// Un envoi complet vers l'outil ; rend ce qu'il a affiché.
QString EnvoieALOutil() {
    DossierTest dossier;
    QProcess outil;
    outil.start(Outil, {"--dossier", dossier.Chemin(), "--port", "1", "--une-fois"});
    QString sortie;
    const QDeadlineTimer limite(5000);
    while (!sortie.contains(QLatin1String("En attente")) && !limite.hasExpired()) {
        outil.waitForReadyRead(100);
        sortie += QString::fromUtf8(outil.readAllStandardOutput());
    }
    PortSerieQt port([&dossier] { return dossier.Chemin(); });
    if (!port.Ouvre(1)) return port.Erreur() + sortie;
    MinuterieQt minuterie;
    Transmission transmission(port, minuterie, dossier.Chemin());
    const Programme prog = LireFichierProgramme(ProgrammeExemple()).programme;
    // Un dimanche, chaque valeur de l'horloge à son plus haut.
    if (!transmission.Envoie(TrameZones(prog), [&] {
            return BlocReglages(prog, prog.IdentZone[0], {{2028, 12, 31}, {23, 59, 58}});
        }))
        return transmission.Cause();
    if (!outil.waitForFinished(10000)) return QStringLiteral("pas de réponse de la télécommande");
    // En partant, l'outil retire le lien COM1 qu'il avait posé.
    return sortie + QString::fromUtf8(outil.readAllStandardOutput()) +
           (QFileInfo(dossier.Fichier("COM1")).isSymLink() ? "\nCOM1 laissé\n" : "");
}
} // namespace

TEST(TelecommandeVirtuelle, ProgrammeExempleJugeBonAuBoutDUnPseudoTerminal) {
    // Vraies pauses, mesurées par un autre processus : une machine chargée peut retarder la
    // lecture d'un octet au point de raccourcir une pause vue. Une seconde chance, pas plus.
    QString sortie = EnvoieALOutil();
    if (!sortie.contains(QLatin1String("\n2 BEEP -> PROG. OK\n"))) sortie = EnvoieALOutil();
    EXPECT_TRUE(sortie.contains(QLatin1String("\n2 BEEP -> PROG. OK\n"))) << sortie.toStdString();
    EXPECT_FALSE(sortie.contains(QStringLiteral("COM1 laissé")));
    // Ce qu'elle a lu de l'horloge, chaque valeur à son plus haut (le reste de la trame est
    // comparé octet pour octet ailleurs).
    EXPECT_TRUE(sortie.contains(QLatin1String("\nDate et heure : Dimanche 31/12/2028 23:59:58\n")));
    // Sur un pseudo-terminal, les octets arrivent dès leur remise : l'écart entre deux blocs
    // est la pause entière.
    const QRegularExpression pause(QStringLiteral("pause après le bloc \\d : (\\d+) ms"));
    int pauses = 0;
    for (auto it = pause.globalMatch(sortie); it.hasNext(); ++pauses)
        EXPECT_GE(it.next().captured(1).toInt(), 190);
    EXPECT_EQ(pauses, 6) << sortie.toStdString();
}

TEST(TelecommandeVirtuelle, ErreursEnFrancais) {
    const auto lance = [](const QStringList& arguments) {
        QProcess outil;
        outil.start(Outil, arguments);
        EXPECT_TRUE(outil.waitForFinished(5000)) << arguments.join(' ').toStdString();
        return QString::fromUtf8(outil.readAllStandardOutput() + outil.readAllStandardError());
    };
    // COM1 à COM99 : 99 passe au dossier (absent ici), 100 est refusé.
    EXPECT_TRUE(lance({"--dossier", "/absent", "--port", "99"}).contains("dossier absent"));
    EXPECT_TRUE(lance({"--dossier", "/absent", "--port", "100"}).contains("port invalide"));
    // Un COM1 qui mène à un vrai périphérique (ici un fichier) n'est jamais remplacé.
    DossierTest dossier;
    dossier.Ecrit("ttyUSB0", {});
    ASSERT_TRUE(QFile::link(dossier.Fichier("ttyUSB0"), dossier.Fichier("COM1")));
    EXPECT_TRUE(lance({"--dossier", dossier.Chemin(), "--port", "1", "--une-fois"})
                    .contains(QStringLiteral("existe déjà")));
    EXPECT_EQ(QFileInfo(dossier.Fichier("COM1")).symLinkTarget(), dossier.Fichier("ttyUSB0"));
}
