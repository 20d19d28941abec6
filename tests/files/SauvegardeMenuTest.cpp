// "&Nouveau", "&Sauvegarde", "Sauver comme .." et les fichiers annexes.
#include "files/BancFichiers.h"
#include "files/Exports.h"

#include <QLineEdit>
#include <QTemporaryDir>

namespace {
const QString Effacer = QStringLiteral("Voulez-vous effacer les données en mémoire ?");
} // namespace

class SauvegardeMenu : public BancFichiers {};

TEST_F(SauvegardeMenu, NouveauRefuseNeChangeRien) {
    DemarreModifie();
    F().Etat.DonneesModifiees = QStringLiteral("N");
    F().VScrollZone->ChangeValeur(2);
    const Programme avant = F().Prog;
    plateforme.AttendBoite({Effacer, Boutons::OuiNon, Icone::Critique, TitreCourt}, Bouton::Non);
    F().Nouveau_Click();
    EXPECT_EQ(F().Prog, avant);
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    EXPECT_EQ(F().VScrollZone->Valeur(), 2);
}

TEST_F(SauvegardeMenu, NouveauPuisSauvegarde) {
    Demarre();
    F().Etat.DonneesModifiees = QStringLiteral("N");
    F().VScJour->ChangeValeur(3);
    F().VScrollZone->ChangeValeur(2);
    const auto identifiants = F().Prog.IdentZone;
    plateforme.AttendBoite(Effacer, Bouton::Oui);
    F().Nouveau_Click();

    Programme efface;
    efface.IdentZone = identifiants;
    RemetParDefaut(efface);
    EXPECT_EQ(F().Prog, efface);
    EXPECT_EQ(F().Etat.DonneesModifiees, "O");
    // La zone et le jour montrés sont ceux qu'on édite : zone 0, lundi.
    EXPECT_EQ(F().VScrollZone->Valeur(), 0);
    EXPECT_EQ(F().Etat.ZoneCourante, 0);
    EXPECT_EQ(F().VScJour->Valeur(), F().Etat.JourCourant);

    F().SauvegardeFichier_Click();
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    EXPECT_EQ(F().windowTitle(), Titre(Defaut()));
    const ResultatLecture relu = LireFichierProgramme(dossier.Lit("data.prg"));
    ASSERT_EQ(relu.statut, StatutLecture::Lu);
    EXPECT_EQ(relu.programme, efface);
    EXPECT_EQ(relu.programme.ProgJour[2][6], QByteArray(LongueurJour, '0'));

    const QByteArray fcb = dossier.Lit("DataUc.FCB");
    EXPECT_EQ(fcb, ExportFcb(efface));
    EXPECT_TRUE(fcb.startsWith("18,52,169,165,140,145,\r\n")); // identifiant 4660 de l'exemple
    EXPECT_EQ(fcb.count(" 0 \r\n"), 3);
    EXPECT_EQ(dossier.Lit("DataUc.xls"),
              QByteArray("\"0\",").repeated(144).append("\r\n").repeated(21));
}

TEST_F(SauvegardeMenu, NouveauSurLaZoneZeroMontreLeLundi) {
    Demarre();
    F().VScJour->ChangeValeur(3);
    plateforme.AttendBoite(Effacer, Bouton::Oui);
    F().Nouveau_Click();
    // L'effacement édite le lundi : le jeudi ne doit pas rester affiché.
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().VScJour->Valeur(), 0);
    EXPECT_EQ(F().Text1->text(), "Lundi");
}

TEST_F(SauvegardeMenu, SauvegardeReecritLesExports) {
    DemarreModifie();
    dossier.Ecrit(QStringLiteral("DataUc.FCB"), "ancien");
    dossier.Ecrit(QStringLiteral("DataUc.xls"), "ancien");
    F().Prog.ProgJour[0][0] = JourAvec({{0, 144}});
    F().SauvegardeFichier_Click();
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    EXPECT_EQ(Contenu(Defaut()), F().Prog);
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), ExportFcb(F().Prog));
    EXPECT_EQ(dossier.Lit("DataUc.xls"), ExportXls(F().Prog));
    EXPECT_TRUE(dossier.Lit("DataUc.xls").startsWith(QByteArray("\"1\",").repeated(144) + "\r\n"));
}

TEST_F(SauvegardeMenu, SauverCommeAnnule) {
    DemarreModifie();
    const QString titre = F().windowTitle();
    plateforme.AttendDialogue(QStringLiteral("*.PRG"));
    plateforme.AttendDialogue(QStringLiteral("*.prg"));
    F().SauverComme_Click();
    F().SauverComme_Click();
    ASSERT_EQ(plateforme.Dialogues.size(), 2u);
    EXPECT_FALSE(plateforme.Dialogues[0].ouvrir);
    EXPECT_EQ(plateforme.Dialogues[0].dossier, dossier.Chemin());
    EXPECT_EQ(plateforme.Dialogues[0].nom, "*.PRG");
    EXPECT_EQ(F().Etat.CheminFichier, Defaut());
    EXPECT_EQ(F().windowTitle(), titre);
    EXPECT_EQ(F().Etat.DonneesModifiees, "O");
    EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files), QStringList{"data.prg"});
}

TEST_F(SauvegardeMenu, SauverCommeEcritLeProgrammeEtLeSeulFcb) {
    DemarreModifie();
    QTemporaryDir ailleurs;
    const QString chemin = QDir(ailleurs.path()).filePath(QStringLiteral("copie"));
    ASSERT_TRUE(Cree(chemin, "ancien contenu")); // écrasé sans question
    plateforme.AttendDialogue(chemin);
    F().SauverComme_Click();

    EXPECT_EQ(LitChemin(chemin), Octets(F().Prog));
    EXPECT_EQ(QDir(ailleurs.path()).entryList(QDir::Files), QStringList{"copie"});
#ifndef Q_OS_WIN
    EXPECT_EQ(F().Etat.CheminFichier, chemin);
#endif
    EXPECT_EQ(F().windowTitle(), Titre(chemin.toUpper()));
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), ExportFcb(F().Prog));
    EXPECT_FALSE(dossier.Existe("DataUc.xls"));
    EXPECT_EQ(LitChemin(Defaut()), ProgrammeExemple());

    // La sauvegarde suivante va dans la copie ; les deux exports au dossier du programme.
    F().Prog.IdentZone[0] = 77;
    F().SauvegardeFichier_Click();
    EXPECT_EQ(Contenu(chemin).IdentZone[0], 77);
    EXPECT_TRUE(dossier.Existe("DataUc.xls"));
    EXPECT_TRUE(dossier.Lit("DataUc.FCB").startsWith("0,77,"));
    EXPECT_EQ(QDir(ailleurs.path()).entryList(QDir::Files), QStringList{"copie"});
}
