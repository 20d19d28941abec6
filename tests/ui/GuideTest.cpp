// F1 ouvre le guide construit à côté de l'exécutable (le raccourci : scénario controles).
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

TEST(Guide, F1OuvreLeGuide) {
    Scenario s;
    s.Joue(QStringLiteral("> demarre\n"));
    const QString dossier = QCoreApplication::applicationDirPath();
    const QString chemin = dossier + QStringLiteral("/guide/guide.html");
    ASSERT_TRUE(QDir(dossier).mkpath(QStringLiteral("guide")) &&
                QFile(chemin).open(QIODevice::WriteOnly));
    s.fenetre->findChild<QAction*>(QStringLiteral("Guide"))->trigger();
    QFile::remove(chemin);
    EXPECT_EQ(s.plateforme.Documents, std::vector<QString>{chemin});
}
