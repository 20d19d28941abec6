// Boutons confort/éco, effacement, copie et collage, sur la vraie fenêtre.
#include "support/FenetreTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString TexteHuit = QStringLiteral("** Attention nombre de segment >8 **\r\n\r\n"
                                         " Confirmez la suppression du dernier SEGMENT !");
const BoiteVue BoiteHuit{TexteHuit, Boutons::OkAnnuler, Icone::Critique, QString()};

// Huit segments d'un créneau aux créneaux 10, 20, ..., 80.
QByteArray HuitSegments() {
    return JourAvec(
        {{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
}
} // namespace

class CommandesJour : public FenetreTest {
protected:
    void SetUp() override { Demarre(); }
    QByteArray& Jour() { return F().Prog.ProgJour[F().Etat.ZoneCourante][F().Etat.JourCourant]; }
    int NbSeg() { return F().Etat.NbSegJour[F().Etat.ZoneCourante][F().Etat.JourCourant]; }
    // Pose un jour, le valide comme à l'écran, le curseur en c ; le drapeau de sortie repart à "N".
    void Prepare(const QByteArray& jour, int c) {
        Jour() = jour;
        F().ValideProgramme();
        F().HScroll1->ChangeValeur(c);
        F().Etat.DonneesModifiees = QStringLiteral("N");
    }
    bool Modifie() { return F().Etat.DonneesModifiees != QLatin1String("N"); }
};

TEST_F(CommandesJour, ConfortSansQuestionSousHuitSegments) {
    Prepare(JourAvec({{10, 20}}), 48);
    F().CmdHigh_Click();
    EXPECT_EQ(Jour(), JourAvec({{10, 20}, {48, 49}}));
    EXPECT_EQ(F().HScroll1->Valeur(), 49);
    EXPECT_EQ(F().Etat.PositionCurseur, 49);
    EXPECT_EQ(NbSeg(), 2);
    EXPECT_TRUE(Modifie());
}

TEST_F(CommandesJour, AnnulerLAvertissementNeChangeRien) {
    struct Cas {
        int curseur;
        bool heure;
    };
    for (const Cas cas : {Cas{0, false}, Cas{35, false}, Cas{143, false}, Cas{0, true},
                          Cas{35, true}, Cas{143, true}}) {
        Prepare(HuitSegments(), cas.curseur);
        ASSERT_EQ(NbSeg(), 8);
        F().ChkVisuHoraire->setChecked(true);
        F().VisuProgramme->setText(QStringLiteral("avant"));
        plateforme.AttendBoite(BoiteHuit, Bouton::Annuler);
        cas.heure ? F().Cmd1H_Click() : F().CmdHigh_Click();
        EXPECT_EQ(Jour(), HuitSegments()) << cas.curseur;
        EXPECT_EQ(F().HScroll1->Valeur(), cas.curseur);
        EXPECT_EQ(F().VisuProgramme->text(), QStringLiteral("avant"));
        EXPECT_FALSE(Modifie());
    }
    EXPECT_EQ(plateforme.BoitesEnAttente(), 0);
}

TEST_F(CommandesJour, OkEcritPuisLaValidationRetireLeDernierSegment) {
    Prepare(HuitSegments(), 0);
    plateforme.AttendBoite(BoiteHuit, Bouton::Ok);
    F().CmdHigh_Click();
    EXPECT_EQ(
        Jour(),
        JourAvec({{0, 1}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}}));
    EXPECT_EQ(NbSeg(), 8);
    EXPECT_EQ(F().HScroll1->Valeur(), 1);
    EXPECT_TRUE(Modifie());

    Prepare(HuitSegments(), 35);
    plateforme.AttendBoite(BoiteHuit, Bouton::Ok);
    F().Cmd1H_Click();
    EXPECT_EQ(
        Jour(),
        JourAvec({{10, 11}, {20, 21}, {30, 31}, {35, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}}));
    EXPECT_EQ(F().HScroll1->Valeur(), 41);

    // Le nouveau segment de 23H50 est lui-même le dernier : le jour revient tel quel.
    Prepare(HuitSegments(), 143);
    plateforme.AttendBoite(BoiteHuit, Bouton::Ok);
    F().CmdHigh_Click();
    EXPECT_EQ(Jour(), HuitSegments());
    EXPECT_EQ(F().HScroll1->Valeur(), 144);
    EXPECT_FALSE(Modifie());
}

TEST_F(CommandesJour, EcoNeDemandeRienMemeEnCoupantUnSegment) {
    const QByteArray huit =
        JourAvec({{0, 10}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
    Prepare(huit, 5);
    F().CmdLow_Click();
    // Neuf segments : la validation retire le dernier, sans question.
    EXPECT_EQ(
        Jour(),
        JourAvec({{0, 5}, {6, 10}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}}));
    EXPECT_EQ(NbSeg(), 8);
}

TEST_F(CommandesJour, EcrituresEnFinDeJour) {
    for (int c = 138; c <= 144; ++c) {
        Prepare(JourVide(), c);
        F().Cmd1H_Click();
        EXPECT_EQ(Jour(), c < 144 ? JourAvec({{c, 144}}) : JourVide()) << c;
        EXPECT_EQ(F().HScroll1->Valeur(), c == 138 ? 144 : c) << c;

        Prepare(JourAvec({{0, 144}}), c);
        F().Cmd1Hmoins_Click();
        EXPECT_EQ(Jour(), JourAvec({{0, c}})) << c;
        EXPECT_EQ(F().HScroll1->Valeur(), c == 138 ? 144 : c) << c;

        Prepare(JourVide(), c);
        F().CmdHigh_Click();
        EXPECT_EQ(Jour(), c < 144 ? JourAvec({{c, c + 1}}) : JourVide()) << c;
        EXPECT_EQ(F().HScroll1->Valeur(), c < 144 ? c + 1 : 144) << c;
        EXPECT_EQ(Jour().size(), LongueurJour);
    }
    // A 24H00, même avec huit segments : aucune question, rien d'écrit.
    Prepare(HuitSegments(), 144);
    F().Cmd1H_Click();
    F().CmdHigh_Click();
    EXPECT_EQ(Jour(), HuitSegments());
    EXPECT_FALSE(Modifie());
}

TEST_F(CommandesJour, EcoRedessineLeCurseurEtLeTexteSuitLaCase) {
    Prepare(JourAvec({{0, 30}}), 12);
    F().VisuProgramme->hide();
    F().VisuProgramme->setText(QStringLiteral("ancien"));
    F().CmdLow_Click();
    EXPECT_EQ(Jour(), JourAvec({{0, 12}, {13, 30}}));
    EXPECT_EQ(F().HScroll1->Valeur(), 13);
    EXPECT_EQ(F().HeureProg[0]->text(), QStringLiteral(" 2H10"));
    EXPECT_EQ(F().VisuProgramme->text(), QStringLiteral("ancien"));
    EXPECT_TRUE(F().VisuProgramme->isHidden());

    F().ChkVisuHoraire->setChecked(true);
    F().Cmd1Hmoins_Click();
    EXPECT_EQ(F().VisuProgramme->text(), QStringLiteral("   (0H00-2H00)     (3H10-5H00)     "));
    EXPECT_FALSE(F().VisuProgramme->isHidden());
}

TEST_F(CommandesJour, EffacerLeJour) {
    Prepare(HuitSegments(), 50);
    F().ChkVisuHoraire->setChecked(true);
    F().VisuProgramme->setText(QStringLiteral("texte"));
    F().VisuProgramme->show();
    F().CmdCLS_Click();
    EXPECT_EQ(Jour(), JourVide());
    EXPECT_EQ(NbSeg(), 0);
    EXPECT_EQ(F().VisuProgramme->text(), QString());
    EXPECT_TRUE(F().VisuProgramme->isHidden());
    EXPECT_EQ(F().HScroll1->Valeur(), 50);
    for (int j = 0; j < 8; ++j) EXPECT_TRUE(F().ShTemp[8 * F().Etat.JourCourant + j]->isHidden());
    EXPECT_TRUE(Modifie());
}

TEST_F(CommandesJour, CollerAvantToutCopierNeChangeRien) {
    ASSERT_TRUE(F().Etat.BufferJour.isEmpty());
    Prepare(HuitSegments(), 30);
    F().CmdPASTE_Click();
    EXPECT_EQ(Jour(), HuitSegments());
    EXPECT_EQ(F().HScroll1->Valeur(), 30);
    EXPECT_FALSE(Modifie());
}

TEST_F(CommandesJour, CopierPuisCollerDansUneAutreZone) {
    const QByteArray lundi = JourAvec({{42, 54}, {100, 130}});
    Prepare(lundi, 20);
    const auto temperatures2 = F().Prog.TempZone[2];
    const qint32 identifiant2 = F().Prog.IdentZone[2];
    F().CmdCopy_Click();
    F().CmdCLS_Click();
    F().Etat.DonneesModifiees = QStringLiteral("N");
    EXPECT_EQ(F().Etat.BufferJour, lundi);

    F().VScrollZone->ChangeValeur(2);
    F().VScJour->ChangeValeur(2);
    ASSERT_EQ(F().Etat.ZoneCourante, 2);
    ASSERT_EQ(F().Etat.JourCourant, 2);
    F().HScroll1->ChangeValeur(70);
    EXPECT_FALSE(Modifie()); // copier, changer de zone ou de jour ne modifie rien
    F().CmdPASTE_Click();
    EXPECT_EQ(F().Prog.ProgJour[2][2], lundi);
    EXPECT_EQ(F().HScroll1->Valeur(), 0);
    EXPECT_EQ(NbSeg(), 2);
    EXPECT_EQ(F().Prog.TempZone[2], temperatures2);
    EXPECT_EQ(F().Prog.IdentZone[2], identifiant2);
    EXPECT_TRUE(Modifie());

    // Le tampon reste : un second collage sur un autre jour, et le lundi effacé revient.
    F().VScJour->ChangeValeur(5);
    F().CmdPASTE_Click();
    EXPECT_EQ(F().Prog.ProgJour[2][5], lundi);
    F().VScrollZone->ChangeValeur(0);
    ASSERT_EQ(F().Prog.ProgJour[0][0], JourVide());
    F().CmdPASTE_Click();
    EXPECT_EQ(F().Prog.ProgJour[0][0], lundi);
}

TEST_F(CommandesJour, LaSortieProposeDeSauverApresUneEdition) {
    F().CmdCopy_Click();
    F().VScrollZone->ChangeValeur(1);
    F().VScJour->ChangeValeur(3);
    EXPECT_TRUE(F().close()); // rien de modifié : pas de question

    DemarreSansFichier();
    F().HScroll1->ChangeValeur(0);
    F().Cmd1H_Click();
    plateforme.AttendBoite(QStringLiteral("Voulez-vous sauvegarder ?"), Bouton::Non);
    EXPECT_TRUE(F().close());
}
