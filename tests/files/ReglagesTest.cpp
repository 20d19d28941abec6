// Réglages (fichiers récents) : un tube à leur place est ignoré sans attendre (QSettings
// attendrait un écrivain) ; lui ou un fichier à la place de leur dossier : non écrits, la boîte
// le dit. Le menu n'en montre jamais plus de cinq.
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(Reglages, CeQuiNEstPasUnFichierEstIgnoreSansAttendre) {
    const QString dossier =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/gestion-chauffage");
    const QString chemin = dossier + QStringLiteral("/gestion-chauffage.conf");
    for (const bool tube : {true, false}) {
        Scenario s;
        QFile::remove(chemin);
        QDir().rmdir(dossier);
        ASSERT_TRUE(tube ? QDir().mkpath(dossier) && CreeTube(chemin)
                         : QFile(dossier).open(QIODevice::WriteOnly));
        ::alarm(20); // bloqué, tué au lieu d'attendre sans fin
        const QString vu = s.Joue(QStringLiteral("> demarre\n> dialogue copie.prg\n> boite Ok\n"
                                                 "> menu SauverComme\n> montre FichiersRecents\n"));
        ::alarm(0);
        // Réglages ignorés : aucun fichier récent ; non écrits : ceux de la session restent.
        EXPECT_EQ(vu.contains("grisé « Fichiers récents »"), tube) << vu.toStdString();
        EXPECT_TRUE(s.dossier.Existe("copie.prg"));
        EXPECT_TRUE(vu.contains("** ECRITURE IMPOSSIBLE **\\r\\n\\r\\n" + chemin +
                                "\\r\\nLes fichiers récents n'ont pas pu y être retenus. » -> Ok"))
            << vu.toStdString();
        EXPECT_FALSE(QFileInfo(chemin).isFile());
        QFile::remove(chemin); // le prochain Scenario lirait ce tube
        QFile::remove(dossier);
    }
    Scenario s;
    ASSERT_TRUE(QDir().mkpath(dossier));
    QFile sept(chemin);
    ASSERT_TRUE(sept.open(QIODevice::WriteOnly));
    sept.write(
        "[General]\nFichiersRecents=/1.prg, /2.prg, /3.prg, /4.prg, /5.prg, /6.prg, /7.prg\n");
    sept.close();
    s.Joue(QStringLiteral("> demarre\n"));
    EXPECT_EQ(s.fenetre->findChild<QMenu*>("FichiersRecents")->actions().size(), 5);
}
