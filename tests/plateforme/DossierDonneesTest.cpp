#include "plateforme/DossierDonnees.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Arborescence d'essai : <racine>/usr/bin (l'exécutable), <racine>/home/essai (le personnel).
class DossierDonneesTest : public testing::Test {
protected:
    QString Chemin(const QString& relatif) const { return racine.filePath(relatif); }
    void Ecrit(const QString& relatif, const QByteArray& contenu) const {
        QDir().mkpath(QFileInfo(Chemin(relatif)).path());
        QFile f(Chemin(relatif));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    }
    QByteArray Lit(const QString& relatif) const {
        QFile f(Chemin(relatif));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    void Installe() const {
        Ecrit("usr/share/gestion-chauffage/data.prg", "exemple");
        Ecrit("usr/share/gestion-chauffage/VK472.CFG", " 0 \r\n");
    }
    QString Choisit(bool inscriptible) const {
        return DossierDonnees(Chemin("usr/bin"), Chemin("home/essai/gestion-chauffage"),
                              [inscriptible](const QString&) { return inscriptible; });
    }

    QTemporaryDir temporaire;
    QDir racine{temporaire.path()};
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(Chemin("usr/bin"))); }
};
} // namespace

TEST_F(DossierDonneesTest, ConstructionInscriptibleResteAcoteDeLExecutable) {
    EXPECT_EQ(Choisit(true), Chemin("usr/bin"));
    EXPECT_FALSE(QFile::exists(Chemin("home/essai")));
}

TEST_F(DossierDonneesTest, InstalleVaDansLeDossierPersonnelMemeSiInscriptible) {
    Installe();
    for (bool inscriptible : {false, true}) { // root peut écrire dans /usr/bin : on n'y va pas
        EXPECT_EQ(Choisit(inscriptible), Chemin("home/essai/gestion-chauffage"));
        EXPECT_EQ(Lit("home/essai/gestion-chauffage/data.prg"), "exemple");
        EXPECT_EQ(Lit("home/essai/gestion-chauffage/VK472.CFG"), " 0 \r\n");
        EXPECT_FALSE(QFile::exists(Chemin("usr/bin/data.prg")));
    }
}

TEST_F(DossierDonneesTest, NEcrasePasLesFichiersDeLUtilisateurEtRemetCeuxQuiManquent) {
    Installe();
    Ecrit("home/essai/gestion-chauffage/data.prg", "mon programme");
    Choisit(false);
    EXPECT_EQ(Lit("home/essai/gestion-chauffage/data.prg"), "mon programme");
    EXPECT_EQ(Lit("home/essai/gestion-chauffage/VK472.CFG"), " 0 \r\n");
    // Un exemple en lecture seule devient modifiable une fois copié.
    EXPECT_TRUE(QFile::permissions(Chemin("home/essai/gestion-chauffage/VK472.CFG")) &
                QFile::WriteOwner);
}

TEST_F(DossierDonneesTest, DossierEnLectureSeuleSansInstallationCopieSesPropresFichiers) {
    Ecrit("usr/bin/data.prg", "programme local");
    EXPECT_EQ(Choisit(false), Chemin("home/essai/gestion-chauffage"));
    EXPECT_EQ(Lit("home/essai/gestion-chauffage/data.prg"), "programme local");
    EXPECT_EQ(Lit("home/essai/gestion-chauffage/VK472.CFG"), "<absent>");
}

TEST_F(DossierDonneesTest, DossierPersonnelImpossibleLitLExemple) {
    Installe();
    Ecrit("home/essai", "un fichier, pas un dossier");
    EXPECT_EQ(Choisit(false), Chemin("usr/share/gestion-chauffage"));
    EXPECT_EQ(DossierDonnees(Chemin("usr/bin"), QString(), [](const QString&) { return false; }),
              Chemin("usr/share/gestion-chauffage"));
}
