// Gestes d'édition à la suite : après chacun, ce qui a changé (boîtes, pas d'annulation, écran).
#include "support/Banc.h"
#include "support/Jours.h"

#include <QtWidgets>

namespace {
#define NEUF                                                                                       \
    "** Attention nombre de segment >8 **\r\n\r\n Confirmez la suppression du dernier SEGMENT ! "  \
    "-> "
#define LUNDI_HUIT "Lundi 0H00-0H10 1H40-1H50 3H20-3H30 5H00-5H10 "

// Huit segments d'un créneau, de 0H00 à 11H40.
const QByteArray Huit =
    JourAvec({{0, 1}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}});
// La semaine de la zone 0, ou son lundi, comme relue d'un fichier.
void Semaine(Banc& b, const QByteArray& jour, bool lundiSeul = false) {
    b.Pose([&](Programme& p) {
        for (int j = 0; j < (lundiSeul ? 1 : NbJours); ++j) p.ProgJour[0][j] = jour;
    });
    b.Vu();
}
} // namespace

TEST(EditionRapide, ClavierBoutonsSourisEtChamps) {
    Banc b;
    b.Demarre();
    Semaine(b, JourVide(), true);
    // Flèches d'un créneau (Maj : une heure), jamais avant 0H00, haut et bas de jour, après
    // dimanche lundi ; C, E (Maj : une heure).
    b.Touches("Frame1", "Maj+Gauche Droite C Droite C Maj+C Gauche Gauche E");
    EXPECT_EQ(b.Vu(),
              "curseur 9 / modifié / Lundi 0H10-0H20 0H30-1H20 1H30-1H40 / Annuler « Eco. »");
    b.Touches("Frame1", "Gauche Maj+Gauche Maj+Droite Maj+Droite Maj+Droite Droite Gauche Haut " +
                            QString("Bas ").repeated(9));
    EXPECT_EQ(b.Vu(), "curseur 20 / zone 0, jour 6");
    b.W<QScrollBar>("VScJour")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(b.Vu(), "zone 0, jour 0");
    // Boutons ; la question du neuvième segment fermée sans choix ne change rien.
    Semaine(b, Huit, true);
    b.Barre("HScroll1", 35);
    b.plateforme.Reponses = {Bouton::Aucun, Bouton::Ok};
    b.Clic("CmdHigh");
    EXPECT_EQ(b.Vu(), NEUF "Aucun / curseur 35");
    b.Clic("CmdHigh");
    EXPECT_EQ(b.Vu(), NEUF "Ok / curseur 36 / modifié / " LUNDI_HUIT
                           "5H50-6H00 6H40-6H50 8H20-8H30 10H00-10H10 / Annuler « Conf. »");
    b.Clic("Cmd1Hmoins"); // une heure d'éco à 6H00
    b.Barre("HScroll1", 50);
    b.Clic("CmdLow"); // 8H20 en éco, puis une heure de confort à 8H30
    b.Clic("Cmd1H");
    EXPECT_EQ(b.Vu(),
              "curseur 57 / " LUNDI_HUIT "5H50-6H00 8H30-9H30 10H00-10H10 / Annuler « Conf./1H »");
    b.Clic("CmdCLS");
    b.Clic("CmdPASTE"); // rien encore copié : rien ne change
    EXPECT_EQ(b.Vu(), "Lundi vide / Annuler « CLS »");
    b.Barre("VScJour", 5);
    b.Clic("CmdCopy");
    b.Barre("VScJour", 0);
    b.Clic("CmdPASTE");
    EXPECT_EQ(b.Vu(), "curseur 0 / Lundi 7H30-23H00 / Annuler « Coller »");
    // La zone 3 de la barre vaut 0 (jour et curseur repris : voir le document).
    b.Barre("VScrollZone", 2);
    b.Barre("VScrollZone", 3);
    EXPECT_TRUE(b.Doc().Zone() == 0 && b.Ecart().isEmpty()) << b.Ecart().toStdString();

    b.Demarre();
    b.plateforme.Reponses = {Bouton::Annuler, Bouton::Ok};
    // Une ligne d'heure porte le curseur ; un appui dans une rangée choisit jour puis curseur.
    b.Appui("Marqueur(24)", Qt::LeftButton, {1, 10});
    EXPECT_EQ(b.Vu(), "curseur 144");
    b.Appui("FrameTemp(3)", Qt::LeftButton, {323, 20});
    EXPECT_EQ(b.Vu(), "curseur 72 / zone 0, jour 3");
    // Nom du jour courant : gauche avance, milieu rien, droit peint (neuvième coupé sans question),
    // même en double clic ; sur un autre jour, il le choisit sans peindre, curseur à 0H00.
    for (const auto bouton : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
        b.Appui("Label2(3)", bouton, {10, 5});
    EXPECT_EQ(b.Vu(), "curseur 74 / modifié / Jeudi 6H30-8H30 12H10-12H20 17H30-22H30 / Annuler « "
                      "Clic droit »");
    b.Appui("Label2(3)", Qt::RightButton, {2, 2}, true);
    EXPECT_EQ(b.Vu(), "curseur 76 / Jeudi 6H30-8H30 12H10-12H40 17H30-22H30");
    b.Appui("Label2(1)", Qt::RightButton, {2, 2}, true);
    EXPECT_EQ(b.Vu(), "curseur 0 / zone 0, jour 1");
    Semaine(b, Huit, true);
    b.Barre("HScroll1", 144);
    b.Barre("VScJour", 0);
    b.Appui("Label2(0)", Qt::RightButton, {2, 2});
    EXPECT_FALSE(b.Doc().Modifie()); // rien à peindre à 24H00
    b.Barre("HScroll1", 35);
    b.Appui("Label2(0)", Qt::RightButton, {2, 2});
    EXPECT_EQ(b.Vu(), "curseur 36 / zone 0, jour 0 / modifié / " LUNDI_HUIT
                      "5H50-6H00 6H40-6H50 8H20-8H30 10H00-10H10 / Annuler « Clic droit »");
    b.Appui("ShTemp(16)", Qt::LeftButton, {1, 1});
    EXPECT_EQ(b.Vu(), "curseur 39 / zone 0, jour 2");
    // Traits : rangées traversées (droit : éco), bouton de côté sans effet, départ d'une heure.
    Semaine(b, JourAvec({{30, 60}}));
    b.Trait("FrameTemp(3)", Qt::RightButton, {231, 20}, {179, -91});
    EXPECT_EQ(b.Vu(), "curseur 51 / zone 0, jour 3 / modifié / Mardi 5H00-6H30 8H30-10H00 / "
                      "Mercredi 5H00-6H30 8H30-10H00 / Jeudi 5H00-6H30 8H30-10H00 / Annuler « "
                      "Tracé éco »");
    b.Trait("FrameTemp(1)", Qt::BackButton, {10, 20}, {300, 20});
    b.Trait("Marqueur(8)", Qt::LeftButton, {1, 45}, {60, 45});
    b.Trait("Marqueur(12)", Qt::LeftButton, {1, 0}, {60, 0}); // haut de la rangée
    EXPECT_EQ(b.Vu(), "curseur 72 / zone 0, jour 0 / Lundi 5H00-10H10 12H00-14H20 / Annuler « "
                      "Tracé confort »");
    // Un neuvième segment : une question par trait, Ok garde le trait.
    Semaine(b, Huit, true);
    for (int fois = 0; fois < 2; ++fois)
        b.Trait("FrameTemp(0)", Qt::LeftButton, {18, 20}, {44, 20});
    EXPECT_EQ(b.Vu(),
              NEUF "Annuler\n" NEUF "Ok / curseur 2 / modifié / Lundi 0H00-0H10 0H20-1H20 "
                   "1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10 / Annuler "
                   "« Tracé confort »");
    // Un jour court, lu tel quel d'un fichier, est complété avant d'être peint au curseur.
    b.Pose([](Programme& p) { p.ProgJour[0][0] = QByteArray(12, '0'); });
    b.Barre("HScroll1", 12);
    b.Appui("Label2(0)", Qt::RightButton, {10, 5});
    EXPECT_EQ(b.Doc().Prog().ProgJour[0][0], JourAvec({{12, 13}}));
    b.Clic("ChkVisuHoraire");
    EXPECT_EQ(b.W<QLineEdit>("VisuProgramme")->text(), "   (2H00-2H10)     ");
    EXPECT_FALSE(b.W("VisuProgramme")->isHidden());

    b.Demarre();
    b.Pose([](Programme& p) { p.IdentZone = {100, 200, 215}; });
    // Températures tapées : règles du document, Échap ou refus sans rien changer.
    b.plateforme.Reponses = {Bouton::Ok, Bouton::Aucun, Bouton::Oui};
    b.Tape("Text2(0)", "5");
    EXPECT_EQ(b.Vu(), "modifié / températures 138 138 138 145, identifiant 100 / Annuler « "
                      "Température Confort »");
    b.Appui("Text2(1)", Qt::LeftButton, {5, 5}, true); // la valeur montrée, prête à changer
    EXPECT_EQ(b.W<QLineEdit>("Text2(1)")->text(), "5");
    b.Touches("Text2(1)", "Echap");
    b.Tape("Text2(0)", "25", "Echap");
    b.Tape("Text2(0)", "36");
    EXPECT_EQ(b.Vu(), "« 36 » : la température va de 0 à 35 °C. -> Ok");
    // Identifiant tapé, ou tiré après la question (200 est pris par la zone 1, 215 par la 2).
    b.Tape("TextID", "1234");
    EXPECT_EQ(b.Vu(), "températures 138 138 138 145, identifiant 1234 / Annuler « ID »");
    b.Clic("CmdID");
    EXPECT_EQ(b.Vu(), "Voulez-vous changer l'Identificateur de la zone? -> Aucun");
    b.plateforme.Tirages = {0.003059434};
    b.Clic("CmdID");
    EXPECT_EQ(b.Vu(), "Voulez-vous changer l'Identificateur de la zone? -> Oui / températures 138 "
                      "138 138 145, identifiant 230");
    for (const char* champ : {"Text2(0)", "Text2(1)", "Text2(2)", "TextID"})
        EXPECT_TRUE(b.W<QLineEdit>(champ)->isReadOnly()) << champ;
}
