// Éditer vite : touches du graphique, traits à la souris, horaires et températures tapés,
// fichiers récents.
#include "files/PanneauFichier.h"
#include "model/Horaires.h"
#include "model/Textes.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Controles.h"
#include "plateforme/Twips.h"
#include "support/Jours.h"
#include "support/Scenario.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"
#include "ui/Historique.h"
#include "zone/PanneauZone.h"
#include "zone/Temperatures.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
const QString TexteHuitSegments = QStringLiteral("** Attention nombre de segment >8 **\r\n\r\n"
                                                 " Confirmez la suppression du dernier SEGMENT !");
const QByteArray Huit =
    JourAvec({{0, 1}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}});
// Pixel d'une rangée où un appui pose le curseur sur cette borne.
int Pixel(int borne) {
    return qRound((9555 - (144 - borne) * 65.42) / TwipsParPixel);
}
} // namespace

// Le banc des scénarios, vu de près : les boîtes annoncées doivent être montrées, dans l'ordre.
class Banc : public testing::Test {
protected:
    void TearDown() override {
        QStringList vues;
        for (const BoiteVue& b : s.plateforme.Boites) vues << b.texte;
        EXPECT_EQ(vues, attendues_);
    }
    void Demarre() { s.Joue(QStringLiteral("> demarre\n")); }
    FenetrePrincipale& F() { return *s.fenetre; }
    Document& Doc() { return F().Doc(); }
    const Programme& Prog() { return Doc().Prog(); }
    template <typename T = QWidget> T* Controle(const QString& nom) {
        return F().findChild<T*>(nom);
    }
    BarreDefilement* Barre(const QString& nom) { return Controle<BarreDefilement>(nom); }
    void Regle(const QString& nom, int valeur) { Barre(nom)->ChangeValeur(valeur); }
    void Choisit(const QString& nom) { F().findChild<QAction*>(nom)->trigger(); }
    void AttendBoite(const QString& texte, Bouton reponse) {
        attendues_ << texte;
        s.plateforme.Reponses.push_back(reponse);
    }
    // Comme un fichier relu : zone et jour restent, rien de modifié.
    void Pose(const std::function<void(Programme&)>& change) {
        Programme p = Prog();
        change(p);
        const int zone = Doc().Zone(), jour = Doc().Jour();
        Doc().Charge(p);
        Doc().ChoisitZone(zone);
        Doc().ChoisitJour(jour);
    }

    Scenario s;
    DossierTest& dossier = s.dossier;
    PlateformeFactice& plateforme = s.plateforme;

private:
    QStringList attendues_;
};

class EditionRapide : public Banc {
protected:
    // "d" droite, "g" gauche, "h" haut, "b" bas, "c", "e" ; en majuscule : avec Maj.
    void Tape(const char* touches) {
        static const QHash<QChar, int> codes{{'d', Qt::Key_Right}, {'g', Qt::Key_Left},
                                             {'h', Qt::Key_Up},    {'b', Qt::Key_Down},
                                             {'c', Qt::Key_C},     {'e', Qt::Key_E}};
        for (const QChar t : QString::fromLatin1(touches)) {
            QKeyEvent appui(QEvent::KeyPress, codes.value(t.toLower()),
                            t.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, t);
            QApplication::sendEvent(Controle("Frame1"), &appui);
        }
    }
    // Appui dans la rangée "de" (ou sur la ligne d'heure "ligne", à sa hauteur), glissé
    // jusqu'à la rangée "a", relâché.
    void Tire(int de, int depuis, int a, int jusqua, Qt::MouseButton bouton, int decale = 0,
              int ligne = -1) {
        QWidget* rangee = Controle(NomIndexe("FrameTemp", de));
        QWidget* cible = ligne < 0 ? rangee : Controle(NomIndexe("Marqueur", ligne));
        const QPoint origine = cible->mapFrom(rangee->parentWidget(), rangee->pos());
        const QPoint fin =
            origine + QPoint(Pixel(jusqua) + decale,
                             20 + Controle(NomIndexe("FrameTemp", a))->y() - rangee->y());
        const QPoint appui(ligne < 0 ? origine.x() + Pixel(depuis) : 1, origine.y() + 20);
        for (const auto type :
             {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
            const QPoint p = type == QEvent::MouseButtonPress ? appui : fin;
            QMouseEvent evenement(
                type, p, cible->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : bouton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton, Qt::NoModifier);
            QApplication::sendEvent(cible, &evenement);
        }
    }
    void PoseSemaine(const QByteArray& jour) {
        Pose([&](Programme& p) { std::fill_n(p.ProgJour[0].begin(), NbJours, jour); });
        F().Semaine().MontreJour(0);
        F().Editions().Pile().clear();
    }
};

TEST_F(EditionRapide, ToucheDuGraphique) {
    const struct {
        const char* touches;
        int curseur, jour;
        QByteArray lundi;
    } cas[] = {
        {"DDDdg", 18, 0, JourAvec({})},
        {"gG", 0, 0, JourAvec({})},
        {"bbbh", 0, 2, JourAvec({})},
        {"hbbbbbbbbb", 0, 6, JourAvec({})},
        {"dcdc", 4, 0, JourAvec({{1, 2}, {3, 4}})},
        {"Cgge", 5, 0, JourAvec({{0, 4}, {5, 6}})},
        {"CGE", 6, 0, JourAvec({})},
    };
    Demarre();
    EXPECT_EQ(F().focusWidget(), Controle("Frame1")) << "au démarrage";
    for (const auto& c : cas) {
        PoseSemaine(JourAvec({}));
        Regle("HScroll1", 0);
        Tape(c.touches);
        EXPECT_EQ(Barre("HScroll1")->Valeur(), c.curseur) << c.touches;
        EXPECT_EQ(Doc().Jour(), c.jour) << c.touches;
        EXPECT_EQ(Prog().ProgJour[0][0], c.lundi) << c.touches;
    }
}

TEST_F(EditionRapide, TraitPeintLesRangeesTraversees) {
    const QByteArray vide = JourAvec({}), matin = JourAvec({{30, 60}});
    const struct {
        const char* nom;
        QByteArray semaine;
        int de, depuis, a, jusqua;
        Qt::MouseButton bouton;
        int decale;       // pixels ajoutés au pointeur
        QByteArray peint; // jours de..a ; nul : rien ne change
        int ligne;        // appui sur cette ligne d'heure plutôt que dans la rangée
    } cas[] = {
        {"une rangée", vide, 0, 39, 0, 51, Qt::LeftButton, 0, JourAvec({{39, 51}}), -1},
        {"lundi à vendredi", vide, 0, 39, 4, 51, Qt::LeftButton, 0, JourAvec({{39, 51}}), -1},
        {"en remontant", vide, 4, 51, 2, 39, Qt::LeftButton, 0, JourAvec({{39, 51}}), -1},
        {"bouton droit", matin, 3, 51, 1, 39, Qt::RightButton, 0, JourAvec({{30, 39}, {51, 60}}),
         -1},
        {"sans glisser, droit", matin, 5, 40, 5, 40, Qt::RightButton, 3, {}, -1},
        {"sans glisser, gauche", vide, 2, 40, 2, 40, Qt::LeftButton, -3, {}, -1},
        {"depuis la ligne de 8H", vide, 5, 48, 6, 138, Qt::LeftButton, 0, JourAvec({{48, 138}}), 8},
    };
    Demarre();
    for (const auto& c : cas) {
        PoseSemaine(c.semaine);
        const Programme avant = Prog();
        Tire(c.de, c.depuis, c.a, c.jusqua, c.bouton, c.decale, c.ligne);
        // L'appui fait ce qu'il a toujours fait : jour de la rangée, curseur sous l'appui.
        EXPECT_EQ(Doc().Jour(), c.de) << c.nom;
        EXPECT_EQ(Barre("HScroll1")->Valeur(), c.depuis) << c.nom;
        for (int d = 0; d < NbJours; ++d) {
            const bool peint = !c.peint.isNull() && d >= qMin(c.de, c.a) && d <= qMax(c.de, c.a);
            EXPECT_EQ(Prog().ProgJour[0][d], peint ? c.peint : c.semaine) << c.nom << " " << d;
        }
        // Un trait, un pas : Ctrl+Z le reprend en entier.
        EXPECT_EQ(F().Editions().Pile().count(), c.peint.isNull() ? 0 : 1) << c.nom;
        F().Editions().Pile().undo();
        EXPECT_TRUE(Prog() == avant) << c.nom;
    }
}

TEST_F(EditionRapide, NeuviemeSegmentUneQuestion) {
    Demarre();
    // Le dernier segment du jour cède la place.
    const QByteArray coupe =
        JourAvec({{0, 1}, {2, 8}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}});
    for (const Bouton reponse : {Bouton::Annuler, Bouton::Ok}) {
        const QByteArray attendu = reponse == Bouton::Ok ? coupe : Huit;
        PoseSemaine(Huit);
        AttendBoite(TexteHuitSegments, reponse); // une fois pour trois jours
        Tire(0, 2, 2, 8, Qt::LeftButton);
        for (int d = 0; d < NbJours; ++d) EXPECT_EQ(Prog().ProgJour[0][d], d <= 2 ? attendu : Huit);
        EXPECT_EQ(F().Editions().Pile().count(), reponse == Bouton::Ok ? 1 : 0);
        // Maj+C comme "Conf./1H".
        Regle("VScJour", 4);
        Regle("HScroll1", 2);
        AttendBoite(TexteHuitSegments, reponse);
        Tape("C");
        EXPECT_EQ(Prog().ProgJour[0][4], attendu);
    }
}

TEST_F(EditionRapide, HorairesDeLaSemaine) {
    Demarre();
    Regle("VScrollZone", 1);
    Regle("VScJour", 3);
    const Programme avant = Prog();
    plateforme.Horaires.push_back(std::nullopt);
    Choisit(QStringLiteral("HorairesSemaine"));
    EXPECT_TRUE(Prog() == avant) << "Annuler ne change rien";
    EXPECT_EQ(plateforme.LignesMontrees[0], TexteHoraires(avant.ProgJour[1][0]));

    LignesSemaine tapees = plateforme.LignesMontrees;
    tapees[0] = QStringLiteral("6h30-8h30 17:30-22:30");
    tapees[6] = QString();
    plateforme.Horaires.push_back(tapees);
    Choisit(QStringLiteral("HorairesSemaine"));
    for (int d = 0; d < NbJours; ++d)
        EXPECT_EQ(Prog().ProgJour[1][d], d == 0   ? JourAvec({{39, 51}, {105, 135}})
                                         : d == 6 ? JourAvec({})
                                                  : avant.ProgJour[1][d])
            << d;
    EXPECT_EQ(Doc().Jour(), 3);
    EXPECT_EQ(F().Editions().Pile().count(), 1);
    F().Editions().Pile().undo();
    EXPECT_TRUE(Prog() == avant);
}

TEST_F(EditionRapide, TemperatureTapee) {
    const struct {
        int reglage;
        const char* tape;
        int touche;
        std::array<int, 3> attendues; // confort, éco, hors gel ; l'exemple : 169, 165, 140
        const char* refus;
    } cas[] = {
        {0, "21", Qt::Key_Return, {170, 165, 140}, nullptr},
        {0, "5", Qt::Key_Return, {138, 138, 138}, nullptr},    // éco et hors gel suivent
        {1, "21,5", Qt::Key_Return, {169, 169, 140}, nullptr}, // pas au-dessus du confort
        {2, "19.5°C", Qt::Key_Return, {169, 165, 165}, nullptr},
        {0, "25", Qt::Key_Escape, {169, 165, 140}, nullptr},
        {0, "36", Qt::Key_Return, {169, 165, 140}, "« 36 » : la température va de 0 à 35 °C."},
        {1, "-0.5", Qt::Key_Return, {169, 165, 140}, "« -0.5 » : la température va de 0 à 35 °C."},
        {0,
         "20.3",
         Qt::Key_Return,
         {169, 165, 140},
         "« 20.3 » : la température se règle par demi-degré."},
        {2, "chaud", Qt::Key_Return, {169, 165, 140}, "« chaud » n'est pas une température."},
    };
    Demarre();
    const Programme exemple = Prog();
    for (const auto& c : cas) {
        Pose([&](Programme& p) { p = exemple; });
        F().Zone().ChargeTemperatures();
        auto* texte = Controle<QLineEdit>(NomIndexe("Text2", c.reglage));
        QMouseEvent double_(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(texte, &double_);
        texte->setText(QString::fromUtf8(c.tape));
        if (c.refus) AttendBoite(QString::fromUtf8(c.refus), Bouton::Ok);
        QKeyEvent touche(QEvent::KeyPress, c.touche, Qt::NoModifier);
        QApplication::sendEvent(texte, &touche);
        for (int t = 0; t < 3; ++t) {
            EXPECT_EQ(Prog().TempZone[0][t], c.attendues[t]) << c.tape << ", réglage " << t;
            EXPECT_EQ(Controle<QLineEdit>(NomIndexe("Text2", t))->text(),
                      TexteTemperature(c.attendues[t]));
        }
        EXPECT_TRUE(texte->isReadOnly()) << c.tape;
    }
    for (const BoiteVue& b : plateforme.Boites)
        EXPECT_TRUE(b.icone == Icone::Exclamation && b.titre == TitreCourt)
            << b.texte.toStdString();
}

TEST_F(EditionRapide, FichiersRecents) {
    QSettings(QStringLiteral("gestion-chauffage"), QStringLiteral("gestion-chauffage")).clear();
    QByteArray autre = ProgrammeExemple();
    autre.replace(",\"000000", ",\"111111"); // lundi de la zone 0 : confort de 0H00 à 1H00
    for (int i = 0; i < 6; ++i)
        dossier.Ecrit(QStringLiteral("f%1.prg").arg(i), i == 1 ? autre : ProgrammeExemple());
    Demarre();
    const auto recents = [&] {
        QStringList noms;
        for (QAction* a : Controle<QMenu>("FichiersRecents")->actions())
            noms << a->text().section(QLatin1Char('/'), -1);
        return noms.join(' ');
    };
    EXPECT_FALSE(Controle<QMenu>("FichiersRecents")->isEnabled()) << "liste vide";
    for (int i = 0; i < 6; ++i) {
        plateforme.Noms.push_back(dossier.Fichier(QStringLiteral("f%1.prg").arg(i)));
        Choisit(QStringLiteral("LectureData"));
    }
    EXPECT_EQ(recents(), "f5.prg f4.prg f3.prg f2.prg f1.prg");
    Choisit(QStringLiteral("Recent(4)"));
    EXPECT_EQ(Prog().ProgJour[0][0].left(7), "1111110");
    EXPECT_EQ(F().Fichiers().CheminFichier(), dossier.Fichier("f1.prg"));
    EXPECT_EQ(recents(), "f1.prg f5.prg f4.prg f3.prg f2.prg");

    QFile::remove(dossier.Fichier("f3.prg"));
    AttendBoite(QStringLiteral("Le fichier %1 n'existe plus : il est retiré des fichiers récents.")
                    .arg(dossier.Fichier("f3.prg")),
                Bouton::Ok);
    Choisit(QStringLiteral("Recent(3)"));
    EXPECT_EQ(recents(), "f1.prg f5.prg f4.prg f2.prg");
    EXPECT_EQ(F().Fichiers().CheminFichier(), dossier.Fichier("f1.prg"));
}
