// "&Lecture" : dialogue, contrôle du nom, échecs, et fichier courant qui ne change
// qu'après une lecture réussie.
#include "files/BancFichiers.h"

#include <QTemporaryDir>

namespace {
const QByteArray NonConforme = "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n";
const BoiteVue BoiteNonConforme{QStringLiteral("Fichier non conforme, "),
                                Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt};
const QString Effacer = QStringLiteral("Voulez-vous effacer les données en mémoire ?");
} // namespace

class LectureMenu : public BancFichiers {
protected:
    void SetUp() override {
        DemarreModifie();
        dossier.Ecrit(QStringLiteral("casse.prg"), NonConforme);
        F().VScrollZone->ChangeValeur(2);
        avant = F().Prog;
        titreAvant = F().windowTitle();
    }
    // Rien n'a bougé : programme, fichier courant, titre, marque de modification.
    void ExpectInchange() {
        EXPECT_EQ(F().Prog, avant);
        EXPECT_EQ(F().Etat.CheminFichier, Defaut());
        EXPECT_EQ(F().windowTitle(), titreAvant);
        EXPECT_EQ(F().Etat.DonneesModifiees, "O");
    }
    // "&Sauvegarde" écrit toujours le fichier d'avant, jamais celui qui a été refusé.
    void ExpectSauvegardeSurAncien(const QString& refuse, const QByteArray& contenuRefuse) {
        F().Prog.IdentZone[2] = 4321;
        F().SauvegardeFichier_Click();
        EXPECT_EQ(Contenu(Defaut()).IdentZone[2], 4321);
        EXPECT_EQ(LitChemin(refuse), contenuRefuse);
    }
    void ExpectZoneZero() {
        EXPECT_EQ(F().VScrollZone->Valeur(), 0);
        EXPECT_EQ(F().Etat.ZoneCourante, 0);
    }

    Programme avant;
    QString titreAvant;
};

TEST_F(LectureMenu, DialogueAnnuleNeChangeRien) {
    plateforme.AttendDialogue(QStringLiteral("*.prg"));
    F().LectureData_Click();
    ASSERT_EQ(plateforme.Dialogues.size(), 1u);
    EXPECT_TRUE(plateforme.Dialogues[0].ouvrir);
    EXPECT_EQ(plateforme.Dialogues[0].dossier, dossier.Chemin());
    EXPECT_EQ(plateforme.Dialogues[0].nom, "*.prg");
    ExpectInchange();
    EXPECT_EQ(F().VScrollZone->Valeur(), 2);
    ExpectSauvegardeSurAncien(dossier.Fichier("casse.prg"), NonConforme);
}

TEST_F(LectureMenu, NomSansPrgRouvreLeDialogue) {
    const Programme autre = Autre();
    dossier.Ecrit(QStringLiteral("notes.txt"), Octets(autre));
    dossier.Ecrit(QStringLiteral("prg"), Octets(autre));
    dossier.Ecrit(QStringLiteral("essai.Prg"), Octets(autre));
    plateforme.AttendDialogue(dossier.Fichier("notes.txt"));
    plateforme.AttendDialogue(dossier.Fichier("prg"));
    plateforme.AttendDialogue(dossier.Fichier("essai.Prg"));
    F().LectureData_Click();
    EXPECT_EQ(plateforme.Dialogues.size(), 3u);
    EXPECT_EQ(F().Prog, autre);
    EXPECT_EQ(F().Etat.CheminFichier.toUpper(), dossier.Fichier("essai.Prg").toUpper());
}

TEST_F(LectureMenu, NomEnMinusculesChargeEtGardeLeCheminExact) {
    QTemporaryDir ailleurs;
    const QString chemin = QDir(ailleurs.path()).filePath(QStringLiteral("Mes programmes.prg"));
    ASSERT_TRUE(Cree(chemin, Octets(Autre())));
    plateforme.AttendDialogue(chemin);
    F().LectureData_Click();

    EXPECT_EQ(F().Prog, Autre());
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    ExpectZoneZero();
    EXPECT_EQ(F().Etat.JourCourant, 0);
    // Le titre montre le chemin en majuscules ; on garde le chemin exact pour l'écrire.
    EXPECT_EQ(F().windowTitle(), Titre(chemin.toUpper()));
#ifndef Q_OS_WIN
    EXPECT_EQ(F().Etat.CheminFichier, chemin);
#endif
    F().Prog.IdentZone[0] = 4242;
    F().SauvegardeFichier_Click();
    EXPECT_EQ(Contenu(chemin).IdentZone[0], 4242);
    EXPECT_EQ(QDir(ailleurs.path()).entryList(QDir::Files), QStringList{"Mes programmes.prg"});
    EXPECT_EQ(LitChemin(Defaut()), ProgrammeExemple());
    // Les exports restent dans le dossier du programme.
    EXPECT_TRUE(dossier.Existe("DataUc.FCB"));
    EXPECT_TRUE(dossier.Existe("DataUc.xls"));
    EXPECT_EQ(F().windowTitle(), Titre(chemin.toUpper()));
}

TEST_F(LectureMenu, EchecPuisAbandon) {
    plateforme.AttendDialogue(dossier.Fichier("casse.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Abandonner);
    F().LectureData_Click();
    ExpectInchange();
    EXPECT_EQ(F().VScrollZone->Valeur(), 2);
    ExpectSauvegardeSurAncien(dossier.Fichier("casse.prg"), NonConforme);
}

TEST_F(LectureMenu, EchecPuisRecommencer) {
    const QString bon = dossier.Fichier("bon.prg");
    ASSERT_TRUE(Cree(bon, Octets(Autre())));
    plateforme.AttendDialogue(dossier.Fichier("casse.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Recommencer);
    plateforme.AttendDialogue(bon);
    F().LectureData_Click();
    EXPECT_EQ(plateforme.Dialogues.size(), 2u);
    EXPECT_EQ(F().Prog, Autre());
    EXPECT_EQ(F().Etat.CheminFichier.toUpper(), bon.toUpper());
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    ExpectZoneZero();
}

TEST_F(LectureMenu, EchecPuisIgnorerEtEffacer) {
    plateforme.AttendDialogue(dossier.Fichier("casse.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Ignorer);
    plateforme.AttendBoite(Effacer, Bouton::Oui);
    F().LectureData_Click();
    Programme efface = avant;
    RemetParDefaut(efface);
    EXPECT_EQ(F().Prog, efface);
    EXPECT_EQ(F().Prog.IdentZone[1], 9999);
    EXPECT_EQ(F().Etat.CheminFichier, Defaut());
    EXPECT_EQ(F().windowTitle(), titreAvant);
    EXPECT_EQ(F().Etat.DonneesModifiees, "O");
    ExpectZoneZero();
    ExpectSauvegardeSurAncien(dossier.Fichier("casse.prg"), NonConforme);
}

TEST_F(LectureMenu, EchecPuisIgnorerSansEffacer) {
    plateforme.AttendDialogue(dossier.Fichier("casse.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Ignorer);
    plateforme.AttendBoite(Effacer, Bouton::Non);
    F().LectureData_Click();
    ExpectInchange();
    ExpectZoneZero();
    ExpectSauvegardeSurAncien(dossier.Fichier("casse.prg"), NonConforme);
}

TEST_F(LectureMenu, FichierManquantOuDossier) {
    QDir(dossier.Chemin()).mkdir(QStringLiteral("rep.prg"));
    plateforme.AttendDialogue(dossier.Fichier("absent.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Recommencer);
    plateforme.AttendDialogue(dossier.Fichier("rep.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Abandonner);
    F().LectureData_Click();
    ExpectInchange();
    EXPECT_FALSE(dossier.Existe("absent.prg"));
}

TEST_F(LectureMenu, FichierIncompatible) {
    const QByteArray sansMarque = EcrireFichierProgramme(Autre(), QStringLiteral("GESTION vk472"));
    dossier.Ecrit(QStringLiteral("etranger.prg"), sansMarque);
    plateforme.AttendDialogue(dossier.Fichier("etranger.prg"));
    plateforme.AttendBoite({QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "),
                            Boutons::Ok, Icone::Critique, TitreCourt},
                           Bouton::Ok);
    F().LectureData_Click();
    ExpectInchange();
    ExpectZoneZero();
    ExpectSauvegardeSurAncien(dossier.Fichier("etranger.prg"), sansMarque);
}
