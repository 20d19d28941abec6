// Ligne du temps : validation du jour et texte des segments, curseur, puis la vraie fenêtre
// (barres, jour courant, curseur, souris).
#include "plateforme/Twips.h"
#include "support/FenetreTest.h"
#include "timeline/Curseur.h"
#include "timeline/PanneauSemaine.h"
#include "timeline/Segments.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

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
        EXPECT_EQ(Barre("HScroll1")->Valeur(), position);
        EXPECT_EQ(TwipsDe(Controle("Marqueur(0)")).left(), 1500 + 66 * position);
        for (const char* nom : {"HeureProg(0)", "HeureProg(1)"}) {
            EXPECT_EQ(TwipsDe(Controle(nom)).left(), 1050 + 66 * position);
            EXPECT_EQ(Controle<QLabel>(nom)->text(), heure);
        }
    }
    // Le jour courant, son nom, et lui seul sur fond rouge.
    void AttendJour(int jour, const QString& nom) {
        EXPECT_EQ(Doc().Jour(), jour);
        EXPECT_EQ(Controle<QLineEdit>("Text1")->text(), nom);
        for (int d = 0; d < NbJours; ++d)
            EXPECT_EQ(Controle(NomIndexe("Label2", d))->palette().color(QPalette::Window) == Rouge,
                      d == jour)
                << d;
    }
    QFrame* ShTemp(int i) { return Controle<QFrame>(NomIndexe("ShTemp", i)); }
    QLineEdit* Visu() { return Controle<QLineEdit>("VisuProgramme"); }
    Rangee Barres(int d) { // en créneaux depuis le bord de la rangée
        Rangee barres;
        for (int j = 0; j < 8; ++j)
            if (!ShTemp(8 * d + j)->isHidden())
                barres.push_back({(TwipsDe(ShTemp(8 * d + j)).left() - 90) / 66,
                                  TwipsDe(ShTemp(8 * d + j)).width() / 66});
        return barres;
    }
    const QByteArray& Jour(int d) { return Prog().ProgJour[0][d]; }
    PanneauSemaine& S() { return F().Semaine(); }
};

TEST_F(LigneDuTemps, BarresDuJourCourantEnLargeurSeulement) {
    // Exemple livré, zone 0 : 6h30-8h30 et 17h30-22h30 en semaine, 7h30-23h00 le week-end.
    EXPECT_EQ(Barres(0), (Rangee{{39, 12}, {105, 30}}));
    EXPECT_EQ(Barres(6), (Rangee{{45, 93}}));

    PoseJour(0, 2, JourAvec({{0, 1}, {143, 144}}));
    PlaceTwips(ShTemp(17), 0, 77, 66, 456); // hauteur posée par les températures
    Regle("VScJour", 2);
    EXPECT_EQ(TwipsDe(ShTemp(17)), QRectF(90 + 66 * 143, 77, 66, 456));
    EXPECT_EQ(Barres(2), (Rangee{{0, 1}, {143, 1}}));
    EXPECT_EQ(Barres(0), (Rangee{{39, 12}, {105, 30}}));
    PoseJour(0, 2, JourVide());
    S().ValideProgramme();
    EXPECT_EQ(Barres(2), Rangee{});
    EXPECT_EQ(Doc().NbSegments(2), 0);
}

TEST_F(LigneDuTemps, CaseSegmentsCoupeLeNeuviemeListeEtCache) {
    EXPECT_TRUE(Visu()->isHidden());
    PoseJour(0, 0, Courts(9));
    Clique("ChkVisuHoraire");
    EXPECT_EQ(Jour(0), Courts(8));
    EXPECT_EQ(Barres(0).size(), 8u);
    EXPECT_EQ(Visu()->text().count('('), 8);
    EXPECT_FALSE(Visu()->isHidden());
    Clique("ChkVisuHoraire");
    EXPECT_TRUE(Visu()->isHidden());
    // Montrer un jour n'est pas l'éditer : la coupe ne demande pas de sauvegarder.
    EXPECT_FALSE(Doc().Modifie());
}

TEST_F(LigneDuTemps, ChangementDeJour) {
    Regle("HScroll1", 72);
    PoseJour(0, 4, Courts(9));
    Regle("VScJour", 3);
    Barre("VScJour")->triggerAction(QAbstractSlider::SliderSingleStepSub); // flèche haute : suivant
    AttendJour(4, "Vendredi");
    AttendCurseur(72, " 12H00");
    EXPECT_EQ(Jour(4), Courts(8));
    // Après dimanche, lundi.
    Regle("VScJour", 6);
    Barre("VScJour")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Barre("VScJour")->Valeur(), 0);
    AttendJour(0, "Lundi");
}

TEST_F(LigneDuTemps, AfficheJourEtAfficheEcran) {
    // Sans changement de valeur, seuls les noms sont recolorés.
    QWidget* jeudi = Controle("Label2(3)");
    QPalette palette = jeudi->palette();
    palette.setColor(QPalette::Window, Rouge);
    jeudi->setPalette(palette);
    Controle<QLineEdit>("Text1")->setText("témoin");
    S().AfficheJour();
    AttendJour(0, "témoin");
    Doc().ChoisitJour(5);
    S().AfficheJour();
    AttendJour(5, "Samedi");
    // Les sept jours de la zone courante seulement, puis retour à lundi.
    Pose([](Programme& p) { p.ProgJour[1][4] = p.ProgJour[0][4] = Courts(10); });
    Doc().ChoisitZone(1);
    S().AfficheEcran();
    EXPECT_EQ(Doc().Jour(), 0);
    EXPECT_EQ(Prog().ProgJour[1][4], Courts(8));
    EXPECT_EQ(Jour(4), Courts(10));
    EXPECT_EQ(Barres(5), (Rangee{{48, 12}, {120, 18}})); // samedi de la zone 1
}

TEST_F(LigneDuTemps, CurseurEtLignesDHeures) {
    BarreDefilement* curseur = Barre("HScroll1");
    Regle("HScroll1", 45);
    curseur->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    AttendCurseur(46, " 7H40");
    curseur->triggerAction(QAbstractSlider::SliderPageStepAdd); // cinquante minutes
    AttendCurseur(51, " 8H30");
    curseur->triggerAction(QAbstractSlider::SliderPageStepSub);
    curseur->triggerAction(QAbstractSlider::SliderSingleStepSub);
    AttendCurseur(45, " 7H30");
    // 25 : la ligne de 0h00 ; 0 : le curseur lui-même, qui ramène aussi à 0h00.
    for (const auto& [ligne, position] :
         {std::pair{12, 72}, {24, 144}, {25, 0}, {7, 42}, {0, 0}, {6, 36}}) {
        S().Marqueur_Click(ligne);
        EXPECT_EQ(curseur->Valeur(), position) << ligne;
    }
    AttendCurseur(36, " 6H00");
}

TEST_F(LigneDuTemps, AppuiDansUneRangeeChangeDeJourAvantDeBougerLeCurseur) {
    int jourVu = -1;
    QObject::connect(Barre("HScroll1"), &BarreDefilement::Change, [&] { jourVu = Doc().Jour(); });
    S().FrameTemp_MouseDown(3, 1, 4842);
    EXPECT_EQ(jourVu, 3);
    AttendJour(3, "Jeudi");
    AttendCurseur(72, " 12H00");
    S().FrameTemp_MouseDown(3, 2, 9594); // même rangée : seul le curseur bouge
    EXPECT_EQ(Doc().Jour(), 3);
    AttendCurseur(144, " 24H00");
    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(323, 20), QPointF(323, 20), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier); // 4845 twips
    QApplication::sendEvent(Controle("FrameTemp(5)"), &appui);
    AttendJour(5, "Samedi");
    AttendCurseur(72, " 12H00");
}

TEST_F(LigneDuTemps, BoutonsSurLeNomDesJours) {
    Regle("HScroll1", 10);
    S().Label2_MouseDown(0, 1); // gauche : le curseur avance
    EXPECT_FALSE(Doc().Modifie());
    S().Label2_MouseDown(0, 2); // droit : confort au curseur, qui avance
    S().Label2_MouseDown(0, 2);
    S().Label2_MouseDown(0, 4); // milieu : rien
    AttendCurseur(13, " 2H10");
    EXPECT_EQ(Barres(0), (Rangee{{11, 2}, {39, 12}, {105, 30}}));
    EXPECT_EQ(Visu()->text(), "   (6H30-8H30)     (17H30-22H30)     "); // pas refait
    EXPECT_TRUE(Doc().Modifie());
    // Un neuvième segment peint est coupé sans message ; un jour court est complété.
    PoseJour(0, 0, Courts(8));
    Regle("HScroll1", 20);
    S().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), Courts(8));
    EXPECT_FALSE(Doc().Modifie());
    PoseJour(0, 0, "0101");
    S().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), JourAvec({{1, 2}, {3, 4}, {21, 22}}));
    // Un jour court qui va au-delà du créneau peint garde sa longueur.
    PoseJour(0, 0, QByteArray(30, '0'));
    Regle("HScroll1", 5);
    S().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), QByteArray(30, '0').replace(5, 1, "1"));
    PoseJour(0, 0, JourAvec({{1, 2}, {3, 4}, {21, 22}}));
    Regle("HScroll1", 144); // à 24h00, plus de créneau
    S().Label2_MouseDown(0, 2);
    EXPECT_EQ(Jour(0), JourAvec({{1, 2}, {3, 4}, {21, 22}}));
    // Le nom d'un autre jour le choisit, sans peindre, et ramène le curseur à 0h00.
    PoseJour(0, 4, Courts(9));
    S().Label2_MouseDown(4, 2);
    AttendJour(4, "Vendredi");
    EXPECT_EQ(Barre("VScJour")->Valeur(), 4);
    AttendCurseur(0, " 0H00");
    EXPECT_EQ(Jour(4), Courts(8));
}
