// F1 ouvre le guide construit à côté de l'exécutable ; sans guide, la boîte dit où le mettre
// (le raccourci se voit dans le scénario controles).
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

TEST(Guide, F1OuvreLeGuideOuDitOuIlDevraitEtre) {
    Scenario s;
    s.Joue(QStringLiteral("> demarre\n"));
    auto* guide = s.fenetre->findChild<QAction*>(QStringLiteral("Guide"));
    const QString dossier = QCoreApplication::applicationDirPath();
    const QString chemin = dossier + QStringLiteral("/guide/guide.html");
    ASSERT_TRUE(QDir(dossier).mkpath(QStringLiteral("guide")) &&
                QFile(chemin).open(QIODevice::WriteOnly));
    guide->trigger();
    QFile::remove(chemin);
    guide->trigger();
    ASSERT_FALSE(s.plateforme.Documents.empty());
    EXPECT_EQ(s.plateforme.Documents[0], chemin);
    // Sans lui, un guide installé, sinon la boîte qui nomme les emplacements, l'installé
    // (../share/doc) compris.
    if (s.plateforme.Documents.size() == 1) {
        EXPECT_EQ(s.plateforme.Boites.at(0).texte,
                  "Le guide de l'utilisateur est introuvable. Il devrait être à l'un de ces "
                  "endroits :\r\n\r\n" +
                      chemin + "\r\n" + QDir::cleanPath(dossier + "/..") +
                      "/share/doc/gestion-chauffage/guide.html\r\n/usr/share/doc/"
                      "gestion-chauffage/guide.html");
    }
}
