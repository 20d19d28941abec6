// VK472.CFG : l'index du port lu ; hors 0 à 3, illisible ou absent, 0 (COM1) ; ce qui est écrit
// se relit. Le scénario configuration vérifie que le menu coche le port lu.
#include "link/Configuration.h"
#include "support/Dossier.h"

#include <gtest/gtest.h>

TEST(Configuration, IndexLuOuCom1) {
    // Nul : pas de fichier. Un zéro dans le nombre : toInt s'y arrêterait et lirait 2.
    const std::pair<QByteArray, int> cas[] = {
        {" 3 \r\nreste", 3}, {"-1", 0}, {" 7 \r\n", 0}, {QByteArray(" 2\0 \r\n", 6), 0}, {{}, 0}};
    for (const auto& [contenu, index] : cas) {
        const DossierTest dossier;
        if (!contenu.isNull()) dossier.Ecrit(QStringLiteral("VK472.CFG"), contenu);
        EXPECT_EQ(IndexConfigure(dossier.Chemin()), index) << contenu.toStdString();
    }
    // Ce que le menu écrit, relu au démarrage suivant.
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(LireConfiguration(EcrireConfiguration(index)), index);
}
