// F1 ouvre le guide construit à côté de l'exécutable (le raccourci : ControlesTest).
#include "support/Banc.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>

TEST(Guide, F1OuvreLeGuide) {
    Banc b;
    b.Demarre();
    const QString dossier = QCoreApplication::applicationDirPath();
    const QString chemin = dossier + QStringLiteral("/guide/guide.html");
    ASSERT_TRUE(QDir(dossier).mkpath(QStringLiteral("guide")) &&
                QFile(chemin).open(QIODevice::WriteOnly));
    b.Menu("Guide");
    QFile::remove(chemin);
    EXPECT_EQ(b.plateforme.Documents, std::vector<QString>{chemin});
}
