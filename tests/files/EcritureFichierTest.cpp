#include "files/FichierProgramme.h"

#include <QByteArrayList>
#include <gtest/gtest.h>
#include <limits>

inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}

namespace {
const QString Titre = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");
}

TEST(EcritureFichierProgramme, OctetsExactsEtAllerRetour) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, -12, 0};
    p.ProgJour[1][6] = "01";
    p.TempZone[2][3] = -3;
    const QByteArray jour = '"' + QByteArray(148, '0') + '"';
    const QByteArray semaine = QList<QByteArray>(7, jour).join(',');
    const QByteArray ecrit = EcrireFichierProgramme(p, Titre);
    EXPECT_EQ(ecrit, Titre.toLatin1() + "\r\n" + " 4660 169,165,140,145," + semaine + "\r\n" +
                         "-12 169,165,140,145," + QList<QByteArray>(6, jour).join(',') +
                         ",\"01\"\r\n" + " 0 169,165,140,-3," + semaine + "\r\n");

    p.IdentZone = {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 65535};
    p.ProgJour[0][0] = QByteArray(144, '1');
    p.ProgJour[2][4] = QByteArray(300, '1');
    const QByteArray ecrit2 = EcrireFichierProgramme(p, QStringLiteral("x VK472"));
    const ResultatLecture lu = LireFichierProgramme(ecrit2);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
    EXPECT_EQ(EcrireFichierProgramme(lu.programme, QStringLiteral("x VK472")), ecrit2);
}

TEST(TitreAvecFichier, TrenteDerniersCaracteres) {
    const QString debut = Titre + QString(36, QLatin1Char(' ')) + "Fichier:  ";
    EXPECT_EQ(TitreAvecFichier(Titre, "/tmp/a.prg"), debut + "/tmp/a.prg");
    EXPECT_EQ(TitreAvecFichier(Titre, "/un/chemin/bien/plus/long/que/trente/data.prg"),
              debut + "/plus/long/que/trente/data.prg");
}
