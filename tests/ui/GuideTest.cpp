// F1 ouvre le guide construit à côté de l'exécutable ; sans guide, la boîte dit où le mettre
// (le raccourci se voit dans le scénario controles).
#include "plateforme/DossierDonnees.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(Guide, F1OuvreLeGuideOuDitOuIlDevraitEtre) {
    Scenario s;
    s.Joue(QStringLiteral("> demarre\n"));
    auto* guide = s.fenetre->findChild<QAction*>(QStringLiteral("Guide"));
    const QString dossier = QCoreApplication::applicationDirPath();
    const QString chemin = QDir(dossier).filePath(QStringLiteral("guide/guide.html"));
    ASSERT_TRUE(QDir(dossier).mkpath(QStringLiteral("guide")));
    ASSERT_TRUE(QFile(chemin).open(QIODevice::WriteOnly));
    guide->trigger();
    QFile::remove(chemin);
    EXPECT_EQ(s.plateforme.Documents, std::vector<QString>{chemin});
    // Sans lui, le guide installé s'il y en a un, sinon la boîte qui nomme les emplacements.
    s.plateforme.Documents.clear();
    guide->trigger();
    QString installe;
    for (const QString& c : EmplacementsGuide(dossier))
        if (installe.isEmpty() && QFile::exists(c)) installe = c;
    if (!installe.isEmpty()) {
        EXPECT_EQ(s.plateforme.Documents, std::vector<QString>{installe});
        return;
    }
    ASSERT_EQ(s.plateforme.Boites.size(), 1u);
    const QString& texte = s.plateforme.Boites[0].texte;
    EXPECT_TRUE(texte.startsWith("Le guide de l'utilisateur est introuvable."));
    EXPECT_TRUE(texte.contains(chemin + "\r\n"));
    EXPECT_TRUE(texte.endsWith("/usr/share/doc/gestion-chauffage/guide.html"));
}
