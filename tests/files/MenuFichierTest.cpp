// Menu Fichier sur la vraie fenêtre : programme impossible à écrire (le reste est joué par le
// scénario "fichier"). Root passe outre les droits : un fichier, un dossier, un tube ou un
// périphérique barre donc le chemin.
#include "support/FenetreTest.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace {
bool EstPeripherique(const QString& chemin) {
    const QFileInfo infos(chemin);
    return infos.exists() && !infos.isFile() && !infos.isDir();
}
} // namespace

// L'exemple livré, modifié en mémoire, la zone 2 affichée.
class MenuFichier : public FenetreTest {
protected:
    void SetUp() override {
        Demarre();
        ChangeIdentifiant(1, 9999);
        Regle("VScrollZone", 2);
        titre = F().windowTitle();
    }
    // La boîte d'échec, la cause dite en français.
    void AttendEchec(const QString& entete, const QString& chemin, const QString& cause) {
        plateforme.AttendBoite(entete + "\r\n\r\n" + chemin + "\r\n" + cause, Bouton::Ok);
    }
    QString Defaut() const { return dossier.Fichier("data.prg"); }

    QString titre;
};

TEST_F(MenuFichier, ProgrammeImpossibleAEcrire) {
    dossier.Ecrit("DataUc.FCB", "ancien FCB");
    dossier.Ecrit("bloc", "fichier ordinaire");
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("rep.prg"));
    const QString tube = dossier.Fichier("tube.prg"), lien = dossier.Fichier("lien.prg");
    ASSERT_EQ(::mkfifo(tube.toLocal8Bit().constData(), 0600), 0);
    const QString pasUnFichier = QStringLiteral("Ce n'est pas un fichier ordinaire.");
    std::vector<std::pair<QString, QString>> chemins{
        {dossier.Fichier("bloc/essai.prg"), "Un élément du chemin n'est pas un dossier."},
        {dossier.Fichier("absent/essai.prg"), "Fichier ou dossier introuvable."},
        {dossier.Fichier("rep.prg"), "C'est un dossier."},
        {tube, pasUnFichier}};
    const bool plein = EstPeripherique("/dev/full");
    if (plein && QFile::link("/dev/full", lien)) chemins.emplace_back(lien, pasUnFichier);
    // Sauver comme : boîte avec le chemin, ni fichier courant ni titre ni exports changés.
    for (const auto& [chemin, cause] : chemins) {
        AttendEchec("** SAUVEGARDE IMPOSSIBLE **", chemin, cause);
        plateforme.AttendDialogue(chemin);
        Choisit("SauverComme");
        EXPECT_EQ(F().Fichiers().CheminFichier(), Defaut()) << chemin.toStdString();
        EXPECT_EQ(F().windowTitle(), titre) << chemin.toStdString();
        EXPECT_TRUE(Doc().Modifie()) << chemin.toStdString();
        EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB") << chemin.toStdString();
    }
    EXPECT_EQ(plateforme.Boites.back().boutons, Boutons::Ok);
    EXPECT_EQ(plateforme.Boites.back().icone, Icone::Critique);
    EXPECT_EQ(plateforme.Boites.back().titre, TitreCourt);
    EXPECT_EQ(dossier.Lit("bloc"), "fichier ordinaire");
    EXPECT_TRUE(QFileInfo(tube).exists() && !QFileInfo(tube).isFile());
    EXPECT_EQ(EstPeripherique("/dev/full"), plein); // ni remplacé, ni à travers un lien
    // "&Sauvegarde" sur un dossier : pas d'exports non plus.
    ASSERT_TRUE(QFile::remove(Defaut()) && QDir(dossier.Chemin()).mkdir("data.prg"));
    AttendEchec("** SAUVEGARDE IMPOSSIBLE **", Defaut(), "C'est un dossier.");
    Choisit("SauvegardeFichier");
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB");
    EXPECT_TRUE(Doc().Modifie());
}
