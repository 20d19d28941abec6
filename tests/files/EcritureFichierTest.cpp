#include "files/FichierProgramme.h"

#include <QByteArrayList>
#include <gtest/gtest.h>
#include <limits>

TEST(EcritureFichierProgramme, OctetsExacts) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, -12, 0};
    p.ProgJour[1][6] = "01";
    p.TempZone[2][3] = -3;
    const QByteArray ecrit =
        EcrireFichierProgramme(p, QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50"));

    const QByteArray jour = '"' + QByteArray(148, '0') + '"';
    const QByteArray semaine = QList<QByteArray>(7, jour).join(',');
    QByteArray attendu = "GESTION CHAUFFAGE -VK472- V1.50\r\n";
    attendu += " 4660 169,165,140,145," + semaine + "\r\n";
    attendu += "-12 169,165,140,145," + QList<QByteArray>(6, jour).join(',') + ",\"01\"\r\n";
    attendu += " 0 169,165,140,-3," + semaine + "\r\n";
    EXPECT_EQ(ecrit, attendu);
    EXPECT_EQ(ecrit.count('\n'), 4);
}

TEST(EcritureFichierProgramme, AllerRetour) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 65535};
    p.ProgJour[0][0] = QByteArray(144, '1');
    p.ProgJour[2][4] = QByteArray(300, '1');
    const QByteArray ecrit = EcrireFichierProgramme(p, QStringLiteral("x VK472"));
    const ResultatLecture lu = LireFichierProgramme(ecrit);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
    EXPECT_EQ(EcrireFichierProgramme(lu.programme, QStringLiteral("x VK472")), ecrit);
}

TEST(TitreAvecFichier, TrenteDerniersCaracteres) {
    const QString titre = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");
    const QString blancs(36, QLatin1Char(' '));
    EXPECT_EQ(TitreAvecFichier(titre, QStringLiteral("/tmp/a.prg")),
              titre + blancs + "Fichier:  /tmp/a.prg");
    EXPECT_EQ(
        TitreAvecFichier(titre, QStringLiteral("/un/chemin/bien/plus/long/que/trente/data.prg")),
        titre + blancs + "Fichier:  " + "/plus/long/que/trente/data.prg");
    EXPECT_EQ(
        TitreAvecFichier(titre, QStringLiteral("/un/chemin/bien/plus/long/que/trente/data.prg"))
            .size(),
        titre.size() + 36 + 10 + 30);
}
