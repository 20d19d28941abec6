// Un fichier qui ne peut pas s'écrire : boîte claire, anciens fichiers intacts,
// fichier courant et titre inchangés. Root passe outre les droits : on met donc un
// fichier, un dossier ou un périphérique sur le chemin.
#include "files/BancFichiers.h"
#include "files/Exports.h"

#include <QTemporaryDir>
#include <sys/stat.h>

namespace {
bool EstPeripheriqueCaractere(const QString& chemin) {
    struct stat infos {};
    return ::stat(chemin.toLocal8Bit().constData(), &infos) == 0 && S_ISCHR(infos.st_mode);
}
} // namespace

class EcritureEchouee : public BancFichiers {
protected:
    void SetUp() override {
        DemarreModifie();
        dossier.Ecrit(QStringLiteral("DataUc.FCB"), "ancien FCB");
        dossier.Ecrit(QStringLiteral("DataUc.xls"), "ancien xls");
        titreAvant = F().windowTitle();
    }
    void AttendEchec(const QString& entete, const QString& chemin) {
        plateforme.AttendBoiteDebut(entete + QStringLiteral("\r\n\r\n") + chemin + "\r\n",
                                    Bouton::Ok);
    }
    void ExpectBoiteCritique() {
        ASSERT_FALSE(plateforme.Boites.empty());
        EXPECT_EQ(plateforme.Boites.back().boutons, Boutons::Ok);
        EXPECT_EQ(plateforme.Boites.back().icone, Icone::Critique);
        EXPECT_EQ(plateforme.Boites.back().titre, TitreCourt);
    }
    // Sauver comme raté : rien n'a changé, ni fichier courant, ni titre, ni exports.
    void SauverCommeEchoue(const QString& chemin) {
        AttendEchec(QStringLiteral("** SAUVEGARDE IMPOSSIBLE **"), chemin);
        plateforme.AttendDialogue(chemin);
        F().SauverComme_Click();
        ExpectBoiteCritique();
        EXPECT_EQ(F().Etat.CheminFichier, Defaut());
        EXPECT_EQ(F().windowTitle(), titreAvant);
        EXPECT_EQ(F().Etat.DonneesModifiees, "O");
        EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB");
        EXPECT_EQ(dossier.Lit("DataUc.xls"), "ancien xls");
        EXPECT_EQ(LitChemin(Defaut()), ProgrammeExemple());
    }
    QString Export(const char* nom) const { return dossier.Fichier(QString::fromLatin1(nom)); }

    QString titreAvant;
};

TEST_F(EcritureEchouee, SauverCommeSousUnFichier) {
    dossier.Ecrit(QStringLiteral("bloc"), "fichier ordinaire");
    SauverCommeEchoue(dossier.Fichier("bloc/essai.prg"));
    EXPECT_EQ(dossier.Lit("bloc"), "fichier ordinaire");
}

TEST_F(EcritureEchouee, SauverCommeSurUnDossier) {
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir(QStringLiteral("rep.prg")));
    SauverCommeEchoue(dossier.Fichier("rep.prg"));
    EXPECT_TRUE(QFileInfo(dossier.Fichier("rep.prg")).isDir());
}

TEST_F(EcritureEchouee, SauverCommeSurUnTube) {
    const QString tube = dossier.Fichier("tube.prg");
    ASSERT_EQ(::mkfifo(tube.toLocal8Bit().constData(), 0600), 0);
    SauverCommeEchoue(tube);
    EXPECT_FALSE(QFileInfo(tube).isFile());
    EXPECT_TRUE(QFileInfo(tube).exists());
}

TEST_F(EcritureEchouee, SauverCommeSurUnPeripherique) {
    const QString plein = QStringLiteral("/dev/full");
    if (!EstPeripheriqueCaractere(plein)) GTEST_SKIP() << "pas de /dev/full ici";
    SauverCommeEchoue(plein);
    // Le périphérique n'a pas été remplacé par un fichier.
    EXPECT_TRUE(EstPeripheriqueCaractere(plein));
    // Pas davantage à travers un lien symbolique.
    const QString lien = dossier.Fichier("lien.prg");
    ASSERT_TRUE(QFile::link(plein, lien));
    SauverCommeEchoue(lien);
    EXPECT_TRUE(EstPeripheriqueCaractere(plein));
    EXPECT_TRUE(QFileInfo(lien).isSymLink());
}

TEST_F(EcritureEchouee, SauvegardeSurUnDossier) {
    ASSERT_TRUE(QFile::remove(Defaut()));
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir(QStringLiteral("data.prg")));
    AttendEchec(QStringLiteral("** SAUVEGARDE IMPOSSIBLE **"), Defaut());
    F().SauvegardeFichier_Click();
    ExpectBoiteCritique();
    EXPECT_TRUE(QFileInfo(Defaut()).isDir());
    EXPECT_EQ(F().Etat.DonneesModifiees, "O");
    // Les exports ne partent pas quand le programme n'a pas pu s'écrire.
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB");
    EXPECT_EQ(dossier.Lit("DataUc.xls"), "ancien xls");
}

TEST_F(EcritureEchouee, ExportsSousUnFichier) {
    // Le dossier du programme n'en est plus un : data.prg (chemin complet) s'écrit quand même.
    dossier.Ecrit(QStringLiteral("bloc"), "fichier ordinaire");
    const QString bloc = dossier.Fichier("bloc");
    plateforme.ChangeDossier(bloc);
    AttendEchec(QStringLiteral("** ECRITURE IMPOSSIBLE **"),
                QDir::toNativeSeparators(QDir(bloc).filePath("DataUc.FCB")));
    F().SauvegardeFichier_Click();
    ExpectBoiteCritique();
    EXPECT_EQ(Contenu(Defaut()), F().Prog);
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    EXPECT_EQ(dossier.Lit("bloc"), "fichier ordinaire");
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB");
}

TEST_F(EcritureEchouee, DossierALaPlaceDesExports) {
    ASSERT_TRUE(QFile::remove(Export("DataUc.xls")));
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir(QStringLiteral("DataUc.xls")));
    AttendEchec(QStringLiteral("** ECRITURE IMPOSSIBLE **"), Export("DataUc.xls"));
    F().SauvegardeFichier_Click();
    ExpectBoiteCritique();
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), ExportFcb(F().Prog));
    EXPECT_TRUE(QFileInfo(Export("DataUc.xls")).isDir());

    ASSERT_TRUE(QFile::remove(Export("DataUc.FCB")));
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir(QStringLiteral("DataUc.FCB")));
    ASSERT_TRUE(QDir(dossier.Chemin()).rmdir(QStringLiteral("DataUc.xls")));
    dossier.Ecrit(QStringLiteral("DataUc.xls"), "ancien xls");
    AttendEchec(QStringLiteral("** ECRITURE IMPOSSIBLE **"), Export("DataUc.FCB"));
    F().SauvegardeFichier_Click();
    EXPECT_TRUE(QFileInfo(Export("DataUc.FCB")).isDir());
    EXPECT_EQ(dossier.Lit("DataUc.xls"), "ancien xls");
}

TEST_F(EcritureEchouee, PeripheriqueALaPlaceDeLExport) {
    const QString plein = QStringLiteral("/dev/full");
    if (!EstPeripheriqueCaractere(plein)) GTEST_SKIP() << "pas de /dev/full ici";
    ASSERT_TRUE(QFile::remove(Export("DataUc.FCB")));
    ASSERT_TRUE(QFile::link(plein, Export("DataUc.FCB")));
    AttendEchec(QStringLiteral("** ECRITURE IMPOSSIBLE **"), Export("DataUc.FCB"));
    plateforme.AttendDialogue(dossier.Fichier("copie.prg"));
    F().SauverComme_Click();
    ExpectBoiteCritique();
    EXPECT_TRUE(EstPeripheriqueCaractere(plein));
    EXPECT_TRUE(QFileInfo(Export("DataUc.FCB")).isSymLink());
    // Le programme, lui, est écrit et devient le fichier courant.
    EXPECT_EQ(Contenu(dossier.Fichier("copie.prg")), F().Prog);
    EXPECT_EQ(F().Etat.CheminFichier, dossier.Fichier("copie.prg"));
}
