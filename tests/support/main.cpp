#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Pas d'écran en intégration continue : Qt dessine hors écran.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Les réglages (fichiers récents) dans un dossier à part, jamais chez l'utilisateur.
    const QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(reglages.path()));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
