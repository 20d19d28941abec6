// Sans fenêtre : QCoreApplication, port et minuterie factices.
#include "commande/LigneCommande.h"
#include "files/FichierProgramme.h"
#include "link/JournauxTransmission.h"
#include "link/TrameProgramme.h"
#include "model/Textes.h"
#include "support/Dossier.h"
#include "support/Impression.h"
#include "support/PortFactice.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <gtest/gtest.h>

class LigneCommande : public testing::Test {
protected:
    LigneCommande() : port(horloge), minuterie(horloge) {}
    int Lance(QStringList arguments) {
        sortie.clear();
        erreurs.clear();
        QTextStream flux(&sortie), fluxErreurs(&erreurs);
        const auto pdf = [this](const QString& f, const Programme& p, const QString& nom,
                                const QDateTime& d) {
            pdfs << QFileInfo(f).fileName() + ' ' + nom + ' ' + QString::number(p.IdentZone[0]) +
                        ' ' + d.toString(Qt::ISODate);
            return QString(f.endsWith(QLatin1String("plein.pdf")) ? "Disque plein." : "");
        };
        const auto maintenant = [this] {
            heureLue = horloge.ms;
            return MardiPremier;
        };
        OutilsCommande outils{port, minuterie,   maintenant, dossier.Chemin(),
                              flux, fluxErreurs, pdf,        [this] { return branches; }};
        for (QString& a : arguments) a.replace(QLatin1String("<d>"), dossier.Chemin());
        arguments.prepend(QStringLiteral("gestion-chauffage"));
        return ExecuteLigneCommande(arguments, outils);
    }
    static QByteArray FichierLundi(qint16 confortZone2 = 169, int segmentsEnPlus = 0) {
        Programme p = ProgrammeLundi();
        p.TempZone[2][0] = confortZone2;
        for (int i = 0; i < segmentsEnPlus; ++i) p.ProgJour[0][0][60 + 2 * i] = '1';
        return EcrireFichierProgramme(p, TitreVersion);
    }

    DossierTest dossier;
    HorlogeFactice horloge;
    PortFactice port;
    MinuterieFactice minuterie;
    QString sortie, erreurs;
    std::vector<PeripheriqueSerie> branches; // ce que voit la détection
    QStringList pdfs;     // PDF demandés : sortie, fichier, identifiant de la zone 0, date
    qint64 heureLue = -1; // l'horloge factice quand la date à envoyer est lue
};

TEST_F(LigneCommande, CodesDeSortieEtMessages) {
    dossier.Ecrit("lundi.prg", FichierLundi());
    dossier.Ecrit("huit.prg", FichierLundi(169, 7)); // huit périodes le lundi : pas une de trop
    dossier.Ecrit("froid.prg", FichierLundi(120));   // -4 °C en confort de zone 2
    dossier.Ecrit("court.prg", "VK472\r\n 1 169,165,140,145,\"01\"\r\n"); // coupé au mardi
    dossier.Ecrit("VK472.CFG", " 2 \r\n");                                // COM3
    dossier.Ecrit("prog.pdf", FichierLundi()); // un programme, quel que soit son nom
    ASSERT_TRUE(CreeTube(dossier.Fichier("tube.pdf")));
    Programme p = ProgrammeLundi();
    p.IdentZone = {4660, 70000, -1};
    p.ProgJour[2][3][10] = '2';
    for (int c = 0; c < 18; c += 2) p.ProgJour[0][5][c] = '1'; // neuf périodes le samedi
    p.ProgJour[0][1][NbCreneaux + 1] = 'x';                    // la queue ne part pas
    dossier.Ecrit("drole.prg", EcrireFichierProgramme(p, TitreVersion));
    const QStringList cas = CasDeTable(QStringLiteral("ligne-commande.txt"));
    ASSERT_EQ(cas.size(), 20);
    for (const QString& ligne : cas) {
        const QStringList c = ligne.split(QLatin1String(" | "));
        const std::string vu = c[0].toStdString();
        port.Ouvertures.clear();
        const int code = Lance(c[0].split(' '));
        EXPECT_EQ(code, c[1].toInt()) << vu;
        const QString attendu = QString(c[3]).replace("\\n", "\n").replace("<d>", dossier.Chemin());
        EXPECT_TRUE((sortie + erreurs).contains(attendu)) << vu << (sortie + erreurs).toStdString();
        EXPECT_EQ(sortie.count("avertissement :"), attendu.count("avertissement :")) << vu;
        EXPECT_EQ(erreurs.contains(QLatin1String("\nUsage : ")), code == 64) << vu;
        EXPECT_EQ(port.Ouvertures, std::vector<int>(c[2] == "0" ? 0 : 1, c[2].toInt())) << vu;
    }
    EXPECT_EQ(pdfs, QStringList({"s.pdf lundi.prg 4660 2026-12-01T14:05:09",
                                 "plein.pdf lundi.prg 4660 2026-12-01T14:05:09"}));
    EXPECT_EQ(dossier.Lit("lundi.prg"), FichierLundi());
}

TEST_F(LigneCommande, EnvoieLaTrameDeLaFenetreEtFermeLePort) {
    const auto envoie = [this](int segmentsEnPlus, QStringList options = {}) {
        dossier.Ecrit("lundi.prg", FichierLundi(169, segmentsEnPlus));
        port.Remis.clear();
        const int code = Lance(QStringList{"--envoie", "<d>/lundi.prg"} + options);
        return std::pair(QString::number(code) + ' ' + erreurs, port.Octets().toHex(' '));
    };
    const QByteArray trame = LitTrameEcrite("trame-lundi-6h-8h.txt").octets.toHex(' ');
    const QByteArray brut = LitTrameEcrite(QStringLiteral("journal-brut-lundi-6h-8h.txt")).octets;
    const QByteArray trace = DonneeTest(QStringLiteral("journal-trace-lundi-6h-8h.Asc"));
    EXPECT_EQ(envoie(0), std::pair(QString("0 "), trame));
    EXPECT_FALSE(port.EstOuvert()) << "fermer attend que tout soit parti";
    EXPECT_EQ(minuterie.Pauses, std::vector<int>(6, 200));
    EXPECT_EQ(heureLue, 1200);
    EXPECT_TRUE(sortie.endsWith(QLatin1String("  100 %\n** FIN DE TRANSMISSION **\n")));
    EXPECT_EQ(dossier.Lit(NomJournalBrut).toHex(' '), brut.toHex(' '));
    EXPECT_EQ(dossier.Lit(NomJournalTrace), trace);
    // Le neuvième segment du lundi part coupé, comme la fenêtre le coupe en le montrant.
    EXPECT_EQ(envoie(8), envoie(7));
    EXPECT_NE(envoie(7).second, trame);
    // --zone 2 : l'identifiant 2 aux octets 410 et 411 (3 caractères par octet), pas 0x1234.
    EXPECT_EQ(envoie(0, {"--zone", "2"}).second.left(1235), trame.left(1229) + " 00 02");

    port.RefusOuverture = QStringLiteral("Port série introuvable : COM1");
    EXPECT_EQ(envoie(0).first, "2 Port série introuvable : COM1\n");
    port.RefusOuverture.reset();
    // Port perdu : les journaux gardent ce qui est parti, puis l'échec sur une ligne à elle.
    for (const auto& [perte, brutGarde, traceGarde] :
         {std::tuple(132, brut.left(134), trace.left(284) + "\r\n"),
          {420, brut.left(428) + "\r\n", trace.left(957)}}) {
        port.PerteAuOctet = perte;
        EXPECT_EQ(envoie(0).first, "4 ** ECHEC DE LA TRANSMISSION ** " + port.ErreurPerte + '\n');
        const QByteArray echec = "** ECHEC DE LA TRANSMISSION : octet " +
                                 QByteArray::number(perte + 1) + " sur 470, " +
                                 port.ErreurPerte.toLatin1() + " **\r\n";
        EXPECT_EQ(dossier.Lit(NomJournalBrut), brutGarde + echec) << perte;
        EXPECT_EQ(dossier.Lit(NomJournalTrace), traceGarde + echec) << perte;
    }
    port.PerteAuOctet.reset();
    ASSERT_TRUE(QFile::remove(dossier.Fichier("TESTTRANS.ASC")));
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("TESTTRANS.ASC"));
    EXPECT_EQ(envoie(0).first, "5 " + dossier.Fichier("TESTTRANS.ASC") +
                                   " : journal non écrit. C'est un dossier.\n");
    // Personne n'est là pour accepter un autre appareil que celui qui a servi pour COM1.
    ASSERT_TRUE(QDir(dossier.Chemin()).rmdir("TESTTRANS.ASC"));
    branches = {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI", "FTDI", {}, true, false}};
    EXPECT_EQ(envoie(0).first, "0 ");
    port.Ouvertures.clear();
    branches.clear();
    const QString retenus = dossier.Fichier("PeripheriquesCOM.txt");
    EXPECT_TRUE(envoie(0).first.startsWith(
        "2 Le périphérique de COM1 n'est plus là : /dev/ttyUSB0 — FTDI.\n\nRien"));
    EXPECT_TRUE(erreurs.endsWith("maintenant.\nSans la fenêtre : effacez la ligne COM1 de " +
                                 retenus + " pour l'oublier.\n"));
    branches = {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI", "FTDI", {}, true, false},
                {"/dev/ttyUSB1", "/dev/serial/by-id/usb-Arduino", "Arduino", {}, true, false}};
    EXPECT_TRUE(envoie(0).first.startsWith("2 COM1 ne désigne plus le périphérique qui a servi "
                                           "jusqu'ici : /dev/ttyUSB0 — FTDI.\n\nIl désigne "
                                           "maintenant /dev/ttyUSB1 — Arduino.\n\nRien n'est "
                                           "envoyé."));
    EXPECT_TRUE(port.Ouvertures.empty());
    ASSERT_TRUE(QFile::link("/dev/serial/by-id/usb-FTDI", dossier.Fichier("COM1")));
    EXPECT_EQ(envoie(0).first, "0 ");
    ASSERT_TRUE(QFile::remove(retenus) && QDir(dossier.Chemin()).mkdir("PeripheriquesCOM.txt"));
    EXPECT_TRUE(envoie(0).first.startsWith("2 Le fichier des périphériques qui ont servi ne se lit "
                                           "pas : " +
                                           retenus + ".\n\nRien n'est envoyé : "));
    EXPECT_EQ(port.Ouvertures.size(), 1U);
}
