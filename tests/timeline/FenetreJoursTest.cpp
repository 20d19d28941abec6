// Graphique de la semaine, jour courant, texte des segments, navigation des jours.
#include "timeline/AideFenetre.h"
#include "timeline/Impression.h"

#include <QCheckBox>
#include <QLineEdit>

using LigneDuTemps = FenetreTest;

TEST_F(LigneDuTemps, DemarrageMontreLundiDeLaZoneZeroEtSesBarres) {
    Demarre();
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().VScJour->Valeur(), 0);
    EXPECT_EQ(JourEnRouge(F()), 0);
    // Exemple livré, zone 0 : 6h30-8h30 et 17h30-22h30 en semaine, 7h30-23h00 le week-end.
    for (int d = 0; d < NbJours; ++d) {
        SCOPED_TRACE(d);
        const bool semaine = d < 5;
        EXPECT_EQ(F().Etat.NbSegJour[0][d], semaine ? 2 : 1);
        const QRectF premiere = Barre(F(), 8 * d);
        EXPECT_EQ(premiere.left(), semaine ? 90 + 66 * 39 : 90 + 66 * 45);
        EXPECT_EQ(premiere.width(), semaine ? 66 * 12 : 66 * 93);
        EXPECT_FALSE(F().ShTemp[8 * d]->isHidden());
        EXPECT_EQ(F().ShTemp[8 * d + 1]->isHidden(), !semaine);
        if (semaine) {
            EXPECT_EQ(Barre(F(), 8 * d + 1),
                      QRectF(90 + 66 * 105, premiere.top(), 66 * 30, premiere.height()));
        }
        for (int j = 2; j < 8; ++j) EXPECT_TRUE(F().ShTemp[8 * d + j]->isHidden());
    }
    EXPECT_EQ(F().VisuProgramme->text(), "   (6H30-8H30)     (17H30-22H30)     ");
    EXPECT_TRUE(F().VisuProgramme->isHidden()); // case décochée
    EXPECT_EQ(F().HeureProg[0]->text(), " 0H00");
    EXPECT_EQ(TwipsDe(F().Marqueur[0]).left(), 1500);
}

TEST_F(LigneDuTemps, BarresEnTwipsSansToucherHautNiAutresJours) {
    Demarre();
    F().Prog.ProgJour[0][2] = JourAvec({{0, 1}, {143, 144}});
    // Hauteurs posées par les températures : la validation doit les garder.
    PlaceTwips(F().ShTemp[16], 0, 123, 66, 321);
    PlaceTwips(F().ShTemp[17], 0, 77, 66, 456);
    std::vector<QRectF> lundi;
    for (int k = 0; k < 8; ++k) lundi.push_back(Barre(F(), k));

    F().VScJour->ChangeValeur(2);
    EXPECT_EQ(Barre(F(), 16), QRectF(90, 123, 66, 321));
    EXPECT_EQ(Barre(F(), 17), QRectF(90 + 66 * 143, 77, 66, 456));
    const double rangee = TwipsDe(F().FrameTemp[2]).left();
    EXPECT_EQ(rangee + Barre(F(), 16).left(), 1500); // sur la ligne de 0h00
    EXPECT_EQ(rangee + Barre(F(), 17).left(), 10938);
    EXPECT_EQ(rangee + Barre(F(), 17).left(), TwipsDe(F().Marqueur[24]).left() - 66);
    for (int j = 2; j < 8; ++j) EXPECT_TRUE(F().ShTemp[16 + j]->isHidden());
    for (int k = 0; k < 8; ++k) EXPECT_EQ(Barre(F(), k), lundi[k]) << k;
    EXPECT_EQ(F().Etat.NbSegJour[0][2], 2);

    F().Prog.ProgJour[0][2] = SegmentsCourts(8);
    F().ValideProgramme();
    for (int j = 0; j < 8; ++j) {
        EXPECT_FALSE(F().ShTemp[16 + j]->isHidden());
        EXPECT_EQ(Barre(F(), 16 + j).left(), 90 + 66 * 2 * j);
        EXPECT_EQ(Barre(F(), 16 + j).width(), 66);
    }

    F().Prog.ProgJour[0][2] = JourVide();
    F().ValideProgramme();
    for (int j = 0; j < 8; ++j) EXPECT_TRUE(F().ShTemp[16 + j]->isHidden());
    EXPECT_EQ(F().Etat.NbSegJour[0][2], 0);
}

TEST_F(LigneDuTemps, CaseSegmentsCoupeLeNeuviemeListeEtCache) {
    Demarre();
    F().Prog.ProgJour[0][0] = SegmentsCourts(9);
    F().ChkVisuHoraire->click();
    EXPECT_EQ(F().Prog.ProgJour[0][0], SegmentsCourts(8));
    EXPECT_EQ(F().Etat.NbSegJour[0][0], 8);
    EXPECT_EQ(F().VisuProgramme->text().count('('), 8);
    EXPECT_FALSE(F().VisuProgramme->isHidden());

    F().ChkVisuHoraire->click();
    EXPECT_TRUE(F().VisuProgramme->isHidden());
    EXPECT_EQ(F().VisuProgramme->text().count('('), 8); // le contenu reste

    F().Prog.ProgJour[0][0] = JourAvec({{0, 144}});
    F().ChkVisuHoraire->click();
    EXPECT_EQ(F().VisuProgramme->text(), "   (0H00-24H00)     ");
    EXPECT_FALSE(F().VisuProgramme->isHidden());
    EXPECT_EQ(Barre(F(), 0).width(), 66 * 144);
}

TEST_F(LigneDuTemps, FlechesDuJourAvecRetourDeDimancheALundi) {
    Demarre();
    // Flèche haute : jour suivant.
    F().VScJour->ChangeValeur(3);
    F().VScJour->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(F().Etat.JourCourant, 4);
    EXPECT_EQ(F().Text1->text(), "Vendredi");

    F().VScJour->ChangeValeur(6);
    EXPECT_EQ(JourEnRouge(F()), 6);
    F().VScJour->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(F().VScJour->Valeur(), 0);
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    EXPECT_EQ(F().Text1->text(), "Lundi");
    EXPECT_EQ(JourEnRouge(F()), 0);
    EXPECT_EQ(F().VisuProgramme->text(), "   (6H30-8H30)     (17H30-22H30)     ");

    // Flèche basse sur lundi : la barre est en butée, aucun changement signalé.
    F().VisuProgramme->setText("témoin");
    F().VScJour->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(F().VScJour->Valeur(), 0);
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().VisuProgramme->text(), "témoin");
}

TEST_F(LigneDuTemps, ChangerDeJourGardeLeCurseurEtCoupeLeNeuvieme) {
    Demarre();
    F().HScroll1->ChangeValeur(72);
    F().Prog.ProgJour[0][4] = SegmentsCourts(9);
    F().VScJour->ChangeValeur(4);
    EXPECT_EQ(F().Etat.PositionCurseur, 72);
    EXPECT_EQ(TwipsDe(F().Marqueur[0]).left(), 1500 + 66 * 72);
    EXPECT_EQ(F().Prog.ProgJour[0][4], SegmentsCourts(8));
    EXPECT_EQ(F().Etat.NbSegJour[0][4], 8);
    EXPECT_EQ(F().VisuProgramme->text().count('('), 8);
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    EXPECT_EQ(JourEnRouge(F()), 4);
}

TEST_F(LigneDuTemps, MiseAJourLeveeGardeLeJourMaisRefaitLeTexte) {
    Demarre();
    F().Etat.MiseAJour = QStringLiteral("ON");
    F().Prog.ProgJour[0][0] = JourAvec({{6, 12}});
    const QString nom = F().Text1->text();
    F().VScJour->ChangeValeur(3);
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(JourEnRouge(F()), 0);
    EXPECT_EQ(F().Text1->text(), nom);
    EXPECT_EQ(F().VisuProgramme->text(), "   (1H00-2H00)     ");

    // "OFF" ou toute autre valeur ne compte pas : le changement se fait en entier.
    F().Etat.MiseAJour = QStringLiteral("on");
    F().VScJour->ChangeValeur(2);
    EXPECT_EQ(F().Etat.JourCourant, 2);
    EXPECT_EQ(F().Text1->text(), "Mercredi");
}

TEST_F(LigneDuTemps, AfficheJourSansChangementNeRecoloreQueLesNoms) {
    Demarre();
    F().Etat.JourPrecedent = 4;
    QPalette palette = F().Label2[3]->palette();
    palette.setColor(QPalette::Window, QColor(255, 0, 0));
    F().Label2[3]->setPalette(palette);
    F().Text1->setText("témoin");
    F().AfficheJour();
    EXPECT_EQ(JourEnRouge(F()), 0);
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    EXPECT_EQ(F().Text1->text(), "témoin");

    // Avec un autre jour, la barre bouge et son changement termine le travail.
    F().Etat.JourCourant = 5;
    F().AfficheJour();
    EXPECT_EQ(F().VScJour->Valeur(), 5);
    EXPECT_EQ(F().Text1->text(), "Samedi");
    EXPECT_EQ(F().Etat.JourPrecedent, 5);
}

TEST_F(LigneDuTemps, AfficheEcranValideLesSeptJoursDeLaZone) {
    Demarre();
    F().Prog.ProgJour[1][4] = SegmentsCourts(10);
    F().Prog.ProgJour[0][4] = SegmentsCourts(10);
    const auto zoneZero = F().Prog.ProgJour[0];
    F().Etat.ZoneCourante = 1;
    F().Etat.JourCourant = 3;
    F().Etat.JourPrecedent = 2;
    F().AfficheEcran();
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    EXPECT_EQ(F().Prog.ProgJour[1][4], SegmentsCourts(8));
    for (int d = 0; d < NbJours; ++d) EXPECT_EQ(F().Etat.NbSegJour[1][d], d == 4 ? 8 : 2) << d;
    // Samedi de la zone 1 : 8h00-10h00 et 20h00-23h00.
    EXPECT_EQ(Barre(F(), 40).left(), 90 + 66 * 48);
    EXPECT_EQ(Barre(F(), 41).left(), 90 + 66 * 120);
    EXPECT_EQ(Barre(F(), 41).width(), 66 * 18);
    EXPECT_FALSE(F().ShTemp[39]->isHidden());
    EXPECT_EQ(F().Prog.ProgJour[0], zoneZero); // l'autre zone n'est pas validée
}
