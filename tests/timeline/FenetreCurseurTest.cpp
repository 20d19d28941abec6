// Curseur horaire, lignes d'heures et appuis de souris sur le graphique.
#include "timeline/AideFenetre.h"
#include "timeline/Impression.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

namespace {
void AttendCurseur(const FenetrePrincipale& f, int position, const QString& heure) {
    EXPECT_EQ(f.HScroll1->Valeur(), position);
    EXPECT_EQ(f.Etat.PositionCurseur, position);
    EXPECT_EQ(TwipsDe(f.Marqueur[0]).left(), 1500 + 66 * position);
    for (QLabel* etiquette : f.HeureProg) {
        EXPECT_EQ(TwipsDe(etiquette).left(), 1050 + 66 * position);
        EXPECT_EQ(etiquette->text(), heure);
    }
}

void Appuie(QWidget* controle, QPointF pixel, Qt::MouseButton bouton) {
    QMouseEvent appui(QEvent::MouseButtonPress, pixel, controle->mapToGlobal(pixel), bouton, bouton,
                      Qt::NoModifier);
    QApplication::sendEvent(controle, &appui);
    QMouseEvent relache(QEvent::MouseButtonRelease, pixel, controle->mapToGlobal(pixel), bouton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(controle, &relache);
}
} // namespace

using Curseur = FenetreTest;

TEST_F(Curseur, PositionEnTwipsEtHeures) {
    Demarre();
    F().HScroll1->ChangeValeur(59);
    AttendCurseur(F(), 59, " 9H50");
    EXPECT_EQ(TwipsDe(F().Marqueur[0]), QRectF(5394, 700, 50, 5700));
    EXPECT_EQ(TwipsDe(F().HeureProg[0]), QRectF(4944, 320, 1020, 375));
    EXPECT_EQ(TwipsDe(F().HeureProg[1]), QRectF(4944, 6480, 1020, 375));
    F().HScroll1->ChangeValeur(144);
    AttendCurseur(F(), 144, " 24H00");
    // Les flèches de la barre avancent d'un créneau.
    F().HScroll1->ChangeValeur(45);
    F().HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    AttendCurseur(F(), 46, " 7H40");
}

TEST_F(Curseur, LignesDHeures) {
    Demarre();
    F().Marqueur_Click(12);
    AttendCurseur(F(), 72, " 12H00");
    EXPECT_EQ(TwipsDe(F().Marqueur[0]).left(), TwipsDe(F().Marqueur[12]).left());
    F().Marqueur_Click(24);
    AttendCurseur(F(), 144, " 24H00");
    F().Marqueur_Click(25);
    AttendCurseur(F(), 0, " 0H00");
    F().Marqueur_Click(7);
    F().Marqueur_Click(0); // le curseur lui-même ramène à 0h00
    AttendCurseur(F(), 0, " 0H00");
    // Un vrai clic sur la ligne de 6h.
    Appuie(F().Marqueur[6], QPointF(1, 100), Qt::LeftButton);
    AttendCurseur(F(), 36, " 6H00");
}

TEST_F(Curseur, AppuiDansUneRangeeChangeDeJourAvantDeBougerLeCurseur) {
    Demarre();
    int jourVu = -1;
    int changementsDeJour = 0;
    QObject::connect(F().HScroll1, &BarreDefilement::Change,
                     [&] { jourVu = F().Etat.JourCourant; });
    QObject::connect(F().VScJour, &BarreDefilement::Change, [&] { ++changementsDeJour; });

    F().FrameTemp_MouseDown(3, 1, 4842);
    EXPECT_EQ(jourVu, 3); // le jour avait déjà changé quand le curseur a bougé
    EXPECT_EQ(F().Etat.JourCourant, 3);
    EXPECT_EQ(F().Text1->text(), "Jeudi");
    EXPECT_EQ(JourEnRouge(F()), 3);
    AttendCurseur(F(), 72, " 12H00");
    EXPECT_EQ(changementsDeJour, 1);

    // Dans la rangée du jour courant : seul le curseur bouge.
    F().FrameTemp_MouseDown(3, 2, 0);
    AttendCurseur(F(), 0, " 0H00");
    F().FrameTemp_MouseDown(3, 1, 9594);
    AttendCurseur(F(), 144, " 24H00");
    EXPECT_EQ(changementsDeJour, 1);

    // Un vrai appui : 323 pixels font 4845 twips, midi.
    Appuie(F().FrameTemp[5], QPointF(323, 20), Qt::RightButton);
    EXPECT_EQ(F().Etat.JourCourant, 5);
    AttendCurseur(F(), 72, " 12H00");
}

TEST_F(Curseur, BoutonsSurLeNomDuJourCourant) {
    Demarre();
    const QString texte = F().VisuProgramme->text();
    F().HScroll1->ChangeValeur(10);
    F().Label2_MouseDown(0, 1);
    AttendCurseur(F(), 11, " 1H50");
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");

    // Bouton droit : le créneau passe en confort, le curseur avance, les barres suivent.
    F().Label2_MouseDown(0, 2);
    F().Label2_MouseDown(0, 2);
    EXPECT_EQ(F().Prog.ProgJour[0][0].mid(10, 4), "0110");
    AttendCurseur(F(), 13, " 2H10");
    EXPECT_EQ(Barre(F(), 0).left(), 90 + 66 * 11);
    EXPECT_EQ(Barre(F(), 0).width(), 66 * 2);
    EXPECT_EQ(Barre(F(), 1).left(), 90 + 66 * 39);
    EXPECT_FALSE(F().ShTemp[2]->isHidden());
    EXPECT_EQ(F().Etat.NbSegJour[0][0], 3);
    EXPECT_EQ(F().VisuProgramme->text(), texte); // le texte attend la prochaine mise à jour
    EXPECT_EQ(F().Etat.DonneesModifiees, "O");

    // Bouton du milieu : rien.
    const QByteArray jour = F().Prog.ProgJour[0][0];
    F().Label2_MouseDown(0, 4);
    AttendCurseur(F(), 13, " 2H10");
    EXPECT_EQ(F().Prog.ProgJour[0][0], jour);

    // À 24h00 : plus de créneau sous le curseur, rien ne bouge.
    F().Etat.DonneesModifiees = QStringLiteral("N");
    F().HScroll1->ChangeValeur(144);
    F().Label2_MouseDown(0, 1);
    F().Label2_MouseDown(0, 2);
    AttendCurseur(F(), 144, " 24H00");
    EXPECT_EQ(F().Prog.ProgJour[0][0], jour);
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
}

TEST_F(Curseur, PeindreUnNeuviemeSegmentLeCoupeSansMessage) {
    Demarre();
    F().Prog.ProgJour[0][0] = SegmentsCourts(8);
    F().HScroll1->ChangeValeur(20);
    F().Label2_MouseDown(0, 2); // une boîte imprévue ferait échouer le test
    EXPECT_EQ(F().Prog.ProgJour[0][0], SegmentsCourts(8));
    EXPECT_EQ(F().Etat.NbSegJour[0][0], 8);
    AttendCurseur(F(), 21, " 3H30");
    EXPECT_TRUE(plateforme.Boites.empty());
}

TEST_F(Curseur, PeindreUnJourCourtLeCompleteDAbord) {
    Demarre();
    F().Prog.ProgJour[0][0] = QByteArray("0101");
    F().HScroll1->ChangeValeur(10);
    F().Label2_MouseDown(0, 2);
    QByteArray attendu = JourVide();
    attendu[1] = attendu[3] = attendu[10] = '1';
    EXPECT_EQ(F().Prog.ProgJour[0][0], attendu);
    EXPECT_EQ(F().Etat.NbSegJour[0][0], 3);
}

TEST_F(Curseur, NomDUnAutreJourLeChoisitEtRameneLeCurseur) {
    Demarre();
    F().Prog.ProgJour[0][4] = SegmentsCourts(9);
    F().HScroll1->ChangeValeur(50);
    F().Label2_MouseDown(4, 2); // tout bouton choisit le jour, sans peindre
    EXPECT_EQ(F().Etat.JourCourant, 4);
    EXPECT_EQ(F().Etat.JourPrecedent, 4);
    EXPECT_EQ(F().VScJour->Valeur(), 4);
    EXPECT_EQ(F().Text1->text(), "Vendredi");
    EXPECT_EQ(JourEnRouge(F()), 4);
    AttendCurseur(F(), 0, " 0H00");
    EXPECT_EQ(F().Prog.ProgJour[0][4], SegmentsCourts(8));

    // Un vrai appui gauche ensuite sur le même nom : le curseur avance.
    Appuie(F().Label2[4], QPointF(5, 5), Qt::LeftButton);
    AttendCurseur(F(), 1, " 0H10");
}
