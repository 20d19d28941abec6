// La ligne de commande sans fenêtre (QCoreApplication, port et minuterie factices) : codes de
// sortie et messages, puis la trame d'un envoi comparée à celle écrite en clair.
#include "commande/LigneCommande.h"
#include "files/FichierProgramme.h"
#include "link/JournauxTransmission.h"
#include "model/Textes.h"
#include "support/Dossier.h"
#include "support/Impression.h"
#include "support/PortFactice.h"

#include <QFileInfo>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {
class LigneCommande : public testing::Test {
protected:
    LigneCommande() : port(horloge), minuterie(horloge) {}
    int Lance(QStringList arguments) {
        sortie.clear();
        erreurs.clear();
        QTextStream flux(&sortie), fluxErreurs(&erreurs);
        const auto pdf = [this](const QString& f, const Programme& p, const QString& nom,
                                const QDateTime& d) {
            return pdfs << QStringLiteral("%1 %2 %3 %4")
                               .arg(QFileInfo(f).fileName(), nom)
                               .arg(p.IdentZone[0])
                               .arg(d.toString(Qt::ISODate)),
                   true;
        };
        OutilsCommande outils{port,
                              minuterie,
                              [] { return MardiPremier; },
                              dossier.Chemin(),
                              flux,
                              fluxErreurs,
                              pdf,
                              [] { return QStringList{"COM1 : aucun périphérique"}; }};
        for (QString& a : arguments) a.replace(QLatin1String("<d>"), dossier.Chemin());
        arguments.prepend(QStringLiteral("gestion-chauffage"));
        return ExecuteLigneCommande(arguments, outils);
    }
    // Zone 0 en confort le lundi de 6H00 à 8H00, identifiant 4660 : la trame écrite en clair ;
    // au besoin, d'autres segments d'un créneau ce lundi à partir de 10H00.
    static QByteArray FichierLundi(qint16 confortZone2 = 169, int segmentsEnPlus = 0) {
        Programme p;
        RemetParDefaut(p);
        p.IdentZone = {4660, 1, 2};
        p.ProgJour[0][0].replace(36, 12, QByteArray(12, '1'));
        p.TempZone[2][0] = confortZone2;
        for (int i = 0; i < segmentsEnPlus; ++i) p.ProgJour[0][0][60 + 2 * i] = '1';
        return EcrireFichierProgramme(p, TitreVersion);
    }

    static inline const QDateTime MardiPremier{QDate(2026, 12, 1), QTime(14, 5, 9)};
    DossierTest dossier;
    HorlogeFactice horloge;
    PortFactice port;
    MinuterieFactice minuterie;
    QString sortie, erreurs;
    QStringList pdfs; // PDF demandés : sortie, fichier, identifiant de la zone 0, date
};
} // namespace

TEST_F(LigneCommande, CodesDeSortieEtMessages) {
    dossier.Ecrit("lundi.prg", FichierLundi());
    dossier.Ecrit("froid.prg", FichierLundi(120));
    dossier.Ecrit("zero.prg", FichierLundi(128)); // 0 °C : encore dans les limites
    dossier.Ecrit("court.prg", "VK472\r\n 1 169,165,140,145,\"01\"\r\n");
    dossier.Ecrit("VK472.CFG", " 2 \r\n");
    // Code de sortie, port ouvert (0 : aucun), texte de la sortie ou des erreurs (l'usage suit
    // pour 64).
    struct Cas {
        QStringList arguments;
        int code, port;
        const char* texte;
    };
    const Cas cas[] = {
        {{"--version"}, 0, 0, "GESTION CHAUFFAGE -VK472- V1.50\n"},
        {{"--aide"}, 0, 0, "Usage : gestion-chauffage [option]\n"},
        {{"--verifie", "<d>/lundi.prg"}, 0, 0, "lundi.prg : conforme\n"},
        {{"--verifie", "<d>/court.prg"}, 1, 0, "ligne 3 : Zone 0 : jour « Mardi » manquant ou"},
        {{"--verifie", "<d>/zero.prg"}, 0, 0, "zero.prg : conforme\n"},
        {{"--verifie", "<d>/froid.prg"}, 1, 0, "ligne 4 : Zone 2 : température « Confort » hors"},
        {{"--envoie", "<d>/court.prg"}, 3, 0, "court.prg : fichier non conforme, rien n'est"},
        {{"--envoie", "<d>/froid.prg"}, 3, 0, "froid.prg : Zone 2 : température « Confort » hors"},
        {{"--zz"}, 64, 0, "gestion-chauffage : option inconnue « --zz »\n\nUsage"},
        {{"--verifie"}, 64, 0, "il manque la valeur de « --verifie »"},
        {{"--verifie", "<d>/absent.prg"}, 64, 0, "fichier introuvable"},
        {{"--version", "--aide"}, 64, 0, "une seule de"},
        {{"--verifie", "<d>/lundi.prg", "x"}, 64, 0, "argument en trop « x »"},
        {{"--verifie", "<d>/lundi.prg", "--port", "COM1"}, 64, 0, "--port ne sert"},
        {{"--envoie", "<d>/lundi.prg", "--port", "COM5"}, 64, 0, "port « COM5 »"},
        {{"--envoie", "<d>/lundi.prg", "--port", "com4"}, 0, 4, "Programmation par COM4"},
        {{"--envoie", "<d>/lundi.prg"}, 0, 3, "Programmation par COM3"}, // VK472.CFG
        {{"--pdf", "<d>/lundi.prg", "<d>/s.pdf"}, 0, 0, "s.pdf : 3 pages\n"},
        {{"--pdf", "<d>/court.prg", "<d>/s.pdf"}, 1, 0, "fichier non conforme, pas de PDF"},
        {{"--pdf", "<d>/lundi.prg"}, 64, 0, "il manque le PDF"},
        {{"--ports"}, 0, 0, "COM1 : aucun périphérique\n"},
    };
    for (const Cas& c : cas) {
        port.Ouvertures.clear();
        const std::string vu = c.arguments.join(' ').toStdString();
        EXPECT_EQ(Lance(c.arguments), c.code) << vu;
        EXPECT_TRUE((sortie + erreurs).contains(QString::fromUtf8(c.texte)))
            << vu << (sortie + erreurs).toStdString();
        EXPECT_EQ(erreurs.contains(QLatin1String("\nUsage : ")), c.code == 64) << vu;
        EXPECT_EQ(port.Ouvertures, c.port ? std::vector<int>{c.port} : std::vector<int>{}) << vu;
    }
    EXPECT_EQ(pdfs, QStringList{"s.pdf lundi.prg 4660 2026-12-01T14:05:09"});
    // Une option longue demande la ligne de commande ; celles de Qt, d'un tiret, la fenêtre.
    EXPECT_TRUE(DemandeLigneCommande({"g", "-platform", "xcb", "--aide"}));
    EXPECT_FALSE(DemandeLigneCommande({"g", "-platform", "xcb"}));
}

TEST_F(LigneCommande, EnvoieLaTrameDeLaFenetreEtFermeLePort) {
    dossier.Ecrit("lundi.prg", FichierLundi());
    ASSERT_EQ(Lance({"--envoie", "<d>/lundi.prg"}), 0) << erreurs.toStdString();
    const TrameEcrite trame = LitTrameEcrite(QStringLiteral("trame-lundi-6h-8h.txt"));
    EXPECT_EQ(port.Octets().toHex(' '), trame.octets.toHex(' '));
    EXPECT_EQ(minuterie.Pauses, std::vector<int>(6, 200));
    EXPECT_FALSE(port.EstOuvert()) << "fermer attend que tout soit parti";
    EXPECT_EQ(dossier.Lit(QLatin1String(NomJournalTrace)),
              DonneeTest(QStringLiteral("journal-trace-lundi-6h-8h.Asc")));
    EXPECT_EQ(sortie.count(QLatin1Char('%')), 10);
    EXPECT_TRUE(sortie.endsWith(QLatin1String("** FIN DE TRANSMISSION **\n")));

    // Le neuvième segment du lundi part coupé, comme la fenêtre le coupe en le montrant.
    QByteArrayList octets;
    for (int segments : {8, 7}) {
        dossier.Ecrit("neuf.prg", FichierLundi(169, segments));
        port.Remis.clear();
        Lance({"--envoie", "<d>/neuf.prg"});
        octets << port.Octets();
    }
    EXPECT_EQ(octets[0].toHex(' '), octets[1].toHex(' '));
    EXPECT_NE(octets[0], trame.octets);

    // Port refusé, puis perdu au 200e octet.
    port.RefusOuverture = QStringLiteral("Port série introuvable : COM1");
    EXPECT_EQ(Lance({"--envoie", "<d>/lundi.prg"}), 2);
    EXPECT_EQ(erreurs, QStringLiteral("Port série introuvable : COM1\n"));
    port.RefusOuverture.reset();
    port.Remis.clear();
    port.PerteAuOctet = 200;
    EXPECT_EQ(Lance({"--envoie", "<d>/lundi.prg"}), 4);
    EXPECT_EQ(port.Remis.size(), 200u);
    EXPECT_EQ(erreurs, "** ECHEC DE LA TRANSMISSION ** " + port.ErreurPerte + '\n');
}
