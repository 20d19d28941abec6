// Ligne du temps : validation du jour et texte des segments, curseur, puis la vraie fenêtre
// (barres, jour courant, curseur, souris).
#include "plateforme/Twips.h"
#include "support/FenetreTest.h"
#include "timeline/Curseur.h"
#include "timeline/Segments.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}

namespace {
using Barres = std::vector<BarreSegment>;
using Rangee = std::vector<std::pair<double, double>>; // barres visibles : début, largeur

QByteArray Courts(int n) { // n segments d'un créneau aux créneaux 0, 2, 4, ...
    QByteArray jour = JourVide();
    for (int i = 0; i < n; ++i) jour[2 * i] = '1';
    return jour;
}
const QColor Rouge(255, 0, 0);
} // namespace

TEST(ValideJour, BarresCoupeEtTexte) {
    struct Cas {
        QByteArray jour;
        Barres barres;
        const char* texte;     // nul : non vérifié
        QByteArray apres = {}; // nul : le jour ne change pas
    };
    Barres huit;
    for (int i = 0; i < 8; ++i) huit.push_back({2 * i, 1});
    const Cas cas[] = {
        {QByteArray(), {}, "   "},
        {JourAvec({{0, 144}}), {{0, 144}}, "   (0H00-24H00)     "},
        {JourAvec({{0, 1}, {143, 144}}),
         {{0, 1}, {143, 1}},
         "   (0H00-0H10)     (23H50-24H00)     "},
        // "2" et "x" valent éco ; un "1" de queue ne fait pas de segment.
        {JourAvec({{10, 20}}).replace(14, 1, "2").replace(30, 1, "x").replace(144, 1, "1"),
         {{10, 4}, {15, 5}},
         "   (1H40-2H20)     (2H30-3H20)     "},
        {JourVide().replace(145, 1, "1"), {}, "   "},
        // La fin d'un segment se cherche dans la queue ; sans queue, le texte reste ouvert.
        {JourAvec({{140, 144}}).replace(144, 1, "z"), {{140, 4}}, "   (23H20-24H00)     "},
        {JourAvec({{140, 144}}).replace(144, 1, "1"), {{140, 4}}, "   (23H20-24H10)     "},
        {JourAvec({{138, 144}}).left(144), {{138, 6}}, "   (23H00-"},
        {"0011100111", {{2, 3}, {7, 3}}, "   (0H20-0H50)     (1H10-"},
        {JourAvec({{120, 144}}) + "1111", {{120, 24}}, "   (20H00-24H00)     "},
        {Courts(8), huit, nullptr},
        // Le neuvième et la suite effacés, jusqu'au troisième caractère de la queue.
        {Courts(8).replace(20, 1, "1").replace(100, 48, QByteArray(48, '1')), huit, nullptr,
         Courts(8).replace(147, 1, "1")},
        {Courts(9).left(19), huit, nullptr, Courts(8).left(19)},
        {Courts(9) + "11", huit, nullptr, Courts(8) + "11"},
    };
    for (const Cas& c : cas) {
        QByteArray jour = c.jour;
        const QByteArray apres = c.apres.isNull() ? c.jour : c.apres;
        for (int fois = 1; fois <= 2; ++fois) {
            EXPECT_EQ(ValideJour(jour), c.barres) << c.jour.data() << " ; validation " << fois;
            EXPECT_EQ(jour, apres) << c.jour.data() << " ; validation " << fois;
        }
        if (c.texte) {
            EXPECT_EQ(TexteSegments(c.jour), c.texte) << c.jour.data();
        }
    }
    // Un jour pas encore validé liste neuf segments, pas dix.
    EXPECT_EQ(TexteSegments(Courts(10)).count('('), 9);
}

TEST(Curseur, PositionSourisEtHeure) {
    // Échelle 65.42 : dérive d'un créneau sur la journée ; une demie va au voisin pair.
    const std::pair<double, int> souris[] = {
        {-3000, 0},    {90, 0},       {156, 0},     {189, 1},    {4842, 72},
        {9500, 143},   {9528, 144},   {1e9, 144},   {559.75, 6}, {559.8, 7},
        {2195.25, 32}, {3830.75, 56}, {5466.25, 82}};
    for (const auto& [x, position] : souris) EXPECT_EQ(PositionSouris(x), position) << x;
    const std::pair<int, const char*> heures[] = {
        {0, " 0H00"}, {1, " 0H10"}, {45, " 7H30"}, {72, " 12H00"}, {144, " 24H00"}};
    for (const auto& [position, texte] : heures)
        EXPECT_EQ(TexteHeureCurseur(position), texte) << position;
}

class LigneDuTemps : public FenetreTest {
protected:
    void SetUp() override { Demarre(); }
    void AttendCurseur(int position, const QString& heure) {
        EXPECT_EQ(F().Etat.PositionCurseur, position);
        EXPECT_EQ(TwipsDe(F().Marqueur[0]).left(), 1500 + 66 * position);
        for (QLabel* e : F().HeureProg) EXPECT_EQ(TwipsDe(e).left(), 1050 + 66 * position);
        for (QLabel* e : F().HeureProg) EXPECT_EQ(e->text(), heure);
    }
    // Le jour courant, son nom, et lui seul sur fond rouge.
    void AttendJour(int jour, const QString& nom) {
        EXPECT_EQ(F().Etat.JourCourant, jour);
        EXPECT_EQ(F().Text1->text(), nom);
        for (int d = 0; d < NbJours; ++d)
            EXPECT_EQ(F().Label2[d]->palette().color(QPalette::Window) == Rouge, d == jour) << d;
    }
    Rangee Barres(int d) { // en créneaux depuis le bord de la rangée
        Rangee barres;
        for (QFrame* b : std::vector<QFrame*>(&F().ShTemp[8 * d], &F().ShTemp[8 * d + 8]))
            if (!b->isHidden())
                barres.push_back({(TwipsDe(b).left() - 90) / 66, TwipsDe(b).width() / 66});
        return barres;
    }
    QByteArray& Jour(int d) { return F().Prog.ProgJour[0][d]; }
};

TEST_F(LigneDuTemps, BarresDuJourCourantEnLargeurSeulement) {
    // Exemple livré, zone 0 : 6h30-8h30 et 17h30-22h30 en semaine, 7h30-23h00 le week-end.
    EXPECT_EQ(Barres(0), (Rangee{{39, 12}, {105, 30}}));
    EXPECT_EQ(Barres(6), (Rangee{{45, 93}}));

    Jour(2) = JourAvec({{0, 1}, {143, 144}});
    PlaceTwips(F().ShTemp[17], 0, 77, 66, 456); // hauteur posée par les températures
    F().VScJour->ChangeValeur(2);
    EXPECT_EQ(TwipsDe(F().ShTemp[17]), QRectF(90 + 66 * 143, 77, 66, 456));
    EXPECT_EQ(Barres(2), (Rangee{{0, 1}, {143, 1}}));
    EXPECT_EQ(Barres(0), (Rangee{{39, 12}, {105, 30}}));
    Jour(2) = JourVide();
    F().ValideProgramme();
    EXPECT_EQ(Barres(2), Rangee{});
    EXPECT_EQ(F().Etat.NbSegJour[0][2], 0);
}

TEST_F(LigneDuTemps, CaseSegmentsCoupeLeNeuviemeListeEtCache) {
    EXPECT_TRUE(F().VisuProgramme->isHidden());
    Jour(0) = Courts(9);
    F().ChkVisuHoraire->click();
    EXPECT_EQ(Jour(0), Courts(8));
    EXPECT_EQ(Barres(0).size(), 8u);
    EXPECT_EQ(F().VisuProgramme->text().count('('), 8);
    EXPECT_FALSE(F().VisuProgramme->isHidden());
    F().ChkVisuHoraire->click();
    EXPECT_TRUE(F().VisuProgramme->isHidden());
}

TEST_F(LigneDuTemps, ChangementDeJour) {
    F().HScroll1->ChangeValeur(72);
    Jour(4) = Courts(9);
    F().VScJour->ChangeValeur(3);
    F().VScJour->triggerAction(QAbstractSlider::SliderSingleStepSub); // flèche haute : suivant
    AttendJour(4, "Vendredi");
    EXPECT_EQ(F().Etat.JourPrecedent, 3);
    AttendCurseur(72, " 12H00");
    EXPECT_EQ(Jour(4), Courts(8));
    // Après dimanche, lundi.
    F().VScJour->ChangeValeur(6);
    F().VScJour->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(F().VScJour->Valeur(), 0);
    AttendJour(0, "Lundi");
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    // Mise à jour levée : le jour reste, le texte des segments est refait.
    F().Etat.MiseAJour = QStringLiteral("ON");
    Jour(0) = JourAvec({{6, 12}});
    F().VScJour->ChangeValeur(3);
    AttendJour(0, "Lundi");
    EXPECT_EQ(F().VisuProgramme->text(), "   (1H00-2H00)     ");
}

TEST_F(LigneDuTemps, AfficheJourEtAfficheEcran) {
    // Sans changement de valeur, seuls les noms sont recolorés.
    QPalette palette = F().Label2[3]->palette();
    palette.setColor(QPalette::Window, Rouge);
    F().Label2[3]->setPalette(palette);
    F().Text1->setText("témoin");
    F().AfficheJour();
    AttendJour(0, "témoin");
    F().Etat.JourCourant = 5;
    F().AfficheJour();
    AttendJour(5, "Samedi");
    // Les sept jours de la zone courante seulement, puis retour à lundi.
    F().Prog.ProgJour[1][4] = Jour(4) = Courts(10);
    F().Etat.ZoneCourante = 1;
    F().AfficheEcran();
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    EXPECT_EQ(F().Prog.ProgJour[1][4], Courts(8));
    EXPECT_EQ(Jour(4), Courts(10));
    EXPECT_EQ(Barres(5), (Rangee{{48, 12}, {120, 18}})); // samedi de la zone 1
}

TEST_F(LigneDuTemps, CurseurEtLignesDHeures) {
    F().HScroll1->ChangeValeur(45);
    F().HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    AttendCurseur(46, " 7H40");
    F().HScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd); // cinquante minutes
    AttendCurseur(51, " 8H30");
    F().HScroll1->triggerAction(QAbstractSlider::SliderPageStepSub);
    F().HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    AttendCurseur(45, " 7H30");
    // 25 : la ligne de 0h00 ; 0 : le curseur lui-même, qui ramène aussi à 0h00.
    for (const auto& [ligne, position] :
         {std::pair{12, 72}, {24, 144}, {25, 0}, {7, 42}, {0, 0}, {6, 36}}) {
        F().Marqueur_Click(ligne);
        EXPECT_EQ(F().HScroll1->Valeur(), position) << ligne;
    }
    AttendCurseur(36, " 6H00");
}

TEST_F(LigneDuTemps, AppuiDansUneRangeeChangeDeJourAvantDeBougerLeCurseur) {
    int jourVu = -1;
    QObject::connect(F().HScroll1, &BarreDefilement::Change,
                     [&] { jourVu = F().Etat.JourCourant; });
    F().FrameTemp_MouseDown(3, 1, 4842);
    EXPECT_EQ(jourVu, 3);
    AttendJour(3, "Jeudi");
    AttendCurseur(72, " 12H00");
    F().FrameTemp_MouseDown(3, 2, 9594); // même rangée : seul le curseur bouge
    EXPECT_EQ(F().Etat.JourCourant, 3);
    AttendCurseur(144, " 24H00");
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(323, 20), QPointF(323, 20), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier); // 4845 twips
    QApplication::sendEvent(F().FrameTemp[5], &appui);
    AttendJour(5, "Samedi");
    AttendCurseur(72, " 12H00");
}

TEST_F(LigneDuTemps, BoutonsSurLeNomDesJours) {
    F().HScroll1->ChangeValeur(10);
    F().Label2_MouseDown(0, 1); // gauche : le curseur avance
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    F().Label2_MouseDown(0, 2); // droit : confort au curseur, qui avance
    F().Label2_MouseDown(0, 2);
    F().Label2_MouseDown(0, 4); // milieu : rien
    AttendCurseur(13, " 2H10");
    EXPECT_EQ(Barres(0), (Rangee{{11, 2}, {39, 12}, {105, 30}}));
    EXPECT_EQ(F().VisuProgramme->text(), "   (6H30-8H30)     (17H30-22H30)     "); // pas refait
    EXPECT_EQ(F().Etat.DonneesModifiees, "O");
    // Un neuvième segment peint est coupé sans message ; un jour court est complété.
    F().Etat.DonneesModifiees = QStringLiteral("N");
    Jour(0) = Courts(8);
    F().HScroll1->ChangeValeur(20);
    F().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), Courts(8));
    EXPECT_EQ(F().Etat.DonneesModifiees, "N");
    Jour(0) = "0101";
    F().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), JourAvec({{1, 2}, {3, 4}, {21, 22}}));
    F().HScroll1->ChangeValeur(144); // à 24h00, plus de créneau
    F().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), JourAvec({{1, 2}, {3, 4}, {21, 22}}));
    // Le nom d'un autre jour le choisit, sans peindre, et ramène le curseur à 0h00.
    Jour(4) = Courts(9);
    F().Label2_MouseDown(4, 2);
    AttendJour(4, "Vendredi");
    EXPECT_EQ(F().VScJour->Valeur(), 4);
    AttendCurseur(0, " 0H00");
    EXPECT_EQ(Jour(4), Courts(8));
}
