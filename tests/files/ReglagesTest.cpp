// Réglages (fichiers récents) : un tube à leur place est ignoré sans attendre (QSettings
// attendrait un écrivain) ; lui ou un fichier à la place de leur dossier : non écrits, la boîte
// le dit. Le menu n'en montre jamais plus de cinq.
#include "support/Banc.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <unistd.h>

TEST(Reglages, CeQuiNEstPasUnFichierEstIgnoreSansAttendre) {
    const QString dossier =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/gestion-chauffage");
    const QString chemin = dossier + QStringLiteral("/gestion-chauffage.conf");
    for (const bool tube : {true, false}) {
        Banc b;
        QFile::remove(chemin);
        QDir().rmdir(dossier);
        ASSERT_TRUE(tube ? QDir().mkpath(dossier) && CreeTube(chemin)
                         : QFile(dossier).open(QIODevice::WriteOnly));
        ::alarm(20); // bloqué, tué au lieu d'attendre sans fin
        b.Demarre();
        b.plateforme.Noms = {b.dossier.Fichier("copie.prg")};
        b.plateforme.Reponses = {Bouton::Ok};
        b.Menu("SauverComme");
        ::alarm(0);
        // Réglages ignorés : aucun fichier récent ; non écrits : ceux de la session restent.
        EXPECT_EQ(b.W<QMenu>("FichiersRecents")->isEnabled(), !tube);
        EXPECT_TRUE(b.dossier.Existe("copie.prg"));
        EXPECT_EQ(b.Boites(), "** ECRITURE IMPOSSIBLE **\r\n\r\n" + chemin +
                                  "\r\nLes fichiers récents n'ont pas pu y être retenus. -> Ok");
        EXPECT_FALSE(QFileInfo(chemin).isFile());
        QFile::remove(chemin); // le prochain banc lirait ce tube
        QFile::remove(dossier);
    }
    Banc b;
    ASSERT_TRUE(QDir().mkpath(dossier));
    QFile sept(chemin);
    ASSERT_TRUE(sept.open(QIODevice::WriteOnly));
    sept.write(
        "[General]\nFichiersRecents=/1.prg, /2.prg, /3.prg, /4.prg, /5.prg, /6.prg, /7.prg\n");
    sept.close();
    b.Demarre();
    EXPECT_EQ(b.W<QMenu>("FichiersRecents")->actions().size(), 5);
}
