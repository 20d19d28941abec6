// Éditer vite : les touches du graphique, la peinture à la souris, les horaires tapés.
#include "model/Horaires.h"
#include "plateforme/Twips.h"
#include "support/FenetreTest.h"
#include "ui/Historique.h"
#include "zone/Temperatures.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>

#include <QApplication>
#include <QKeyEvent>
#include <vector>

namespace {
const QString TexteHuitSegments = QStringLiteral("** Attention nombre de segment >8 **\r\n\r\n"
                                                 " Confirmez la suppression du dernier SEGMENT !");
// Huit segments d'un créneau : 0, 10, 20, ... 70.
QByteArray HuitSegments() {
    return JourAvec({{0, 1}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}});
}
} // namespace

class EditionRapide : public FenetreTest {
protected:
    QWidget* Graphique() { return Controle("Frame1"); }
    void Tape(const QString& touches) {
        // "d" droite, "g" gauche, "h" haut, "b" bas, "c" "e" ; majuscule : avec Maj.
        for (const QChar t : touches) {
            static const QHash<QChar, int> codes{{'d', Qt::Key_Right}, {'g', Qt::Key_Left},
                                                 {'h', Qt::Key_Up},    {'b', Qt::Key_Down},
                                                 {'c', Qt::Key_C},     {'e', Qt::Key_E}};
            const auto maj = t.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            QKeyEvent appui(QEvent::KeyPress, codes.value(t.toLower()), maj, t);
            QApplication::sendEvent(Graphique(), &appui);
        }
    }
};

TEST_F(EditionRapide, ToucheDuGraphique) {
    struct Cas {
        const char* touches;
        int curseur, jour;
        QByteArray lundi; // nul : inchangé
    };
    const Cas cas[] = {
        {"d", 1, 0, {}},
        {"D", 6, 0, {}},
        {"DDDdg", 18, 0, {}},
        {"gG", 0, 0, {}},
        {"bbbh", 0, 2, {}},
        {"h", 0, 0, {}},
        {"bbbbbbbbb", 0, 6, {}},
        {"c", 1, 0, JourAvec({{0, 1}})},
        {"Cgge", 5, 0, JourAvec({{0, 4}, {5, 6}})},
        {"CGE", 6, 0, JourAvec({})},
        {"dcdc", 4, 0, JourAvec({{1, 2}, {3, 4}})},
    };
    Demarre();
    EXPECT_EQ(F().focusWidget(), Graphique()) << "au démarrage";
    for (const Cas& c : cas) {
        PoseJour(0, 0, JourAvec({}));
        Regle("VScJour", 0);
        Regle("HScroll1", 0);
        Tape(QString::fromLatin1(c.touches));
        EXPECT_EQ(Barre("HScroll1")->Valeur(), c.curseur) << c.touches;
        EXPECT_EQ(Doc().Jour(), c.jour) << c.touches;
        EXPECT_EQ(Prog().ProgJour[0][0], c.lundi.isNull() ? JourAvec({}) : c.lundi) << c.touches;
    }
}

TEST_F(EditionRapide, MajCDemandeAuNeuviemeSegment) {
    Demarre();
    for (const Bouton reponse : {Bouton::Annuler, Bouton::Ok}) {
        PoseJour(0, 0, HuitSegments());
        F().Semaine().ValideProgramme();
        Regle("HScroll1", 2);
        plateforme.AttendBoite(TexteHuitSegments, reponse);
        Tape(QStringLiteral("C"));
        // Le dernier segment du jour cède la place.
        const QByteArray attendu =
            JourAvec({{0, 1}, {2, 8}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}});
        EXPECT_EQ(Prog().ProgJour[0][0], reponse == Bouton::Ok ? attendu : HuitSegments());
        EXPECT_EQ(Barre("HScroll1")->Valeur(), reponse == Bouton::Ok ? 8 : 2);
    }
}

namespace {
// Pixel d'une rangée où un appui pose le curseur sur cette borne.
int Pixel(int borne) {
    return qRound((9555 - (144 - borne) * 65.42) / TwipsParPixel);
}
} // namespace

class Trait : public EditionRapide {
protected:
    void Souris(QEvent::Type type, QWidget* rangee, QPoint point, Qt::MouseButton bouton) {
        QMouseEvent evenement(type, point, rangee->mapToGlobal(point),
                              type == QEvent::MouseMove ? Qt::NoButton : bouton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton,
                              Qt::NoModifier);
        QApplication::sendEvent(rangee, &evenement);
    }
    // Appui dans une rangée (ou sur la ligne de l'heure "ligne", à sa hauteur), glissé
    // jusqu'à une autre, relâché.
    void Tire(int de, int depuis, int a, int jusqua, Qt::MouseButton bouton, int decale = 0,
              int ligne = -1) {
        QWidget* rangee = Controle(NomIndexe("FrameTemp", de));
        QWidget* cible = ligne < 0 ? rangee : Controle(NomIndexe("Marqueur", ligne));
        const QPoint origine = cible->mapFrom(rangee->parentWidget(), rangee->pos());
        const QPoint appui(ligne < 0 ? origine.x() + Pixel(depuis) : 1, origine.y() + 20);
        const int dy = Controle(NomIndexe("FrameTemp", a))->y() - rangee->y();
        const QPoint fin = origine + QPoint(Pixel(jusqua) + decale, 20 + dy);
        Souris(QEvent::MouseButtonPress, cible, appui, bouton);
        Souris(QEvent::MouseMove, cible, fin, bouton);
        Souris(QEvent::MouseButtonRelease, cible, fin, bouton);
    }
    void PoseSemaine(const QByteArray& jour) {
        Pose([&](Programme& p) {
            for (int d = 0; d < NbJours; ++d) p.ProgJour[0][d] = jour;
        });
        F().Semaine().MontreJour(0);
        F().Editions().Pile().clear();
    }
};

TEST_F(Trait, PeintLesRangeesTraversees) {
    struct Cas {
        const char* nom;
        QByteArray semaine;
        int de, depuis, a, jusqua;
        Qt::MouseButton bouton;
        int decale;       // pixels ajoutés au pointeur
        QByteArray peint; // jours de..a ; nul : rien ne change
        int ligne = -1;   // appui sur cette ligne d'heure plutôt que dans la rangée
    };
    const QByteArray vide = JourAvec({}), matin = JourAvec({{30, 60}});
    const Cas cas[] = {
        {"une rangée", vide, 0, 39, 0, 51, Qt::LeftButton, 0, JourAvec({{39, 51}})},
        {"lundi à vendredi", vide, 0, 39, 4, 51, Qt::LeftButton, 0, JourAvec({{39, 51}})},
        {"à rebours, en remontant", vide, 4, 51, 2, 39, Qt::LeftButton, 0, JourAvec({{39, 51}})},
        {"bouton droit", matin, 3, 51, 1, 39, Qt::RightButton, 0, JourAvec({{30, 39}, {51, 60}})},
        {"appui sans glisser", matin, 5, 40, 5, 40, Qt::RightButton, 3, {}},
        {"appui sans glisser, gauche", vide, 2, 40, 2, 40, Qt::LeftButton, -3, {}},
        {"depuis la ligne de 8H", vide, 5, 48, 6, 138, Qt::LeftButton, 0, JourAvec({{48, 138}}), 8},
    };
    Demarre();
    for (const Cas& c : cas) {
        PoseSemaine(c.semaine);
        const Programme avant = Prog();
        Tire(c.de, c.depuis, c.a, c.jusqua, c.bouton, c.decale, c.ligne);
        // L'appui fait ce qu'il a toujours fait : jour de la rangée, curseur sous l'appui.
        EXPECT_EQ(Doc().Jour(), c.de) << c.nom;
        EXPECT_EQ(Barre("HScroll1")->Valeur(), c.depuis) << c.nom;
        for (int d = 0; d < NbJours; ++d) {
            const bool peint = !c.peint.isNull() && d >= qMin(c.de, c.a) && d <= qMax(c.de, c.a);
            EXPECT_EQ(Prog().ProgJour[0][d], peint ? c.peint : c.semaine)
                << c.nom << ", jour " << d;
        }
        // Un trait, un seul pas : Ctrl+Z le reprend en entier.
        EXPECT_EQ(F().Editions().Pile().count(), c.peint.isNull() ? 0 : 1) << c.nom;
        F().Editions().Pile().undo();
        EXPECT_TRUE(Prog() == avant) << c.nom;
    }
}

TEST_F(Trait, NeuviemeSegmentDemandeUneFois) {
    Demarre();
    for (const Bouton reponse : {Bouton::Annuler, Bouton::Ok}) {
        PoseSemaine(HuitSegments());
        plateforme.AttendBoite(TexteHuitSegments, reponse);
        Tire(0, 2, 2, 8, Qt::LeftButton);
        const QByteArray coupe =
            JourAvec({{0, 1}, {2, 8}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}});
        for (int d = 0; d < NbJours; ++d)
            EXPECT_EQ(Prog().ProgJour[0][d],
                      reponse == Bouton::Ok && d <= 2 ? coupe : HuitSegments())
                << d;
        EXPECT_EQ(F().Editions().Pile().count(), reponse == Bouton::Ok ? 1 : 0);
    }
}

TEST_F(EditionRapide, HorairesDeLaSemaine) {
    Demarre();
    Regle("VScrollZone", 1);
    Regle("VScJour", 3);
    const Programme avant = Prog();
    plateforme.AttendHoraires(std::nullopt);
    Choisit(QStringLiteral("HorairesSemaine"));
    EXPECT_TRUE(Prog() == avant) << "Annuler ne change rien";
    EXPECT_EQ(plateforme.LignesMontrees[0], TexteHoraires(avant.ProgJour[1][0]));

    LignesSemaine tapees = plateforme.LignesMontrees;
    tapees[0] = QStringLiteral("6h30-8h30 17:30-22:30");
    tapees[6] = QString();
    plateforme.AttendHoraires(tapees);
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
    struct Cas {
        int reglage;
        const char* tape;
        int touche;                   // Entrée ou Échap
        std::array<int, 3> attendues; // confort, éco, hors gel ; l'exemple : 169, 165, 140
        const char* refus;
    };
    const Cas cas[] = {
        {0, "21", Qt::Key_Return, {170, 165, 140}, nullptr},
        {0, "17", Qt::Key_Return, {162, 162, 140}, nullptr},
        {0, "5", Qt::Key_Return, {138, 138, 138}, nullptr},
        {1, "20,5", Qt::Key_Return, {169, 169, 140}, nullptr},
        {1, "22", Qt::Key_Return, {169, 169, 140}, nullptr},
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
    for (const Cas& c : cas) {
        Pose([&](Programme& p) { p = exemple; });
        F().Zone().ChargeTemperatures();
        auto* texte = Controle<QLineEdit>(NomIndexe("Text2", c.reglage));
        QMouseEvent double_(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(texte, &double_);
        EXPECT_FALSE(texte->isReadOnly()) << c.tape;
        texte->setText(QString::fromUtf8(c.tape));
        if (c.refus)
            plateforme.AttendBoite(
                {QString::fromUtf8(c.refus), Boutons::Ok, Icone::Exclamation, TitreCourt},
                Bouton::Ok);
        QKeyEvent touche(QEvent::KeyPress, c.touche, Qt::NoModifier);
        QApplication::sendEvent(texte, &touche);
        for (int t = 0; t < 3; ++t) {
            EXPECT_EQ(Prog().TempZone[0][t], c.attendues[t]) << c.tape << ", réglage " << t;
            EXPECT_EQ(Controle<QLineEdit>(NomIndexe("Text2", t))->text(),
                      TexteTemperature(c.attendues[t]))
                << c.tape;
        }
        EXPECT_TRUE(texte->isReadOnly()) << c.tape;
    }
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
        return noms;
    };
    EXPECT_FALSE(Controle<QMenu>("FichiersRecents")->isEnabled()) << "liste vide";
    for (int i = 0; i < 6; ++i) {
        plateforme.AttendDialogue(dossier.Fichier(QStringLiteral("f%1.prg").arg(i)));
        Choisit(QStringLiteral("LectureData"));
    }
    EXPECT_EQ(recents(), QStringList({"f5.prg", "f4.prg", "f3.prg", "f2.prg", "f1.prg"}));
    Choisit(QStringLiteral("Recent(4)"));
    EXPECT_EQ(Prog().ProgJour[0][0].left(7), "1111110");
    EXPECT_EQ(F().Fichiers().CheminFichier(), dossier.Fichier("f1.prg"));
    EXPECT_EQ(recents(), QStringList({"f1.prg", "f5.prg", "f4.prg", "f3.prg", "f2.prg"}));

    QFile::remove(dossier.Fichier("f3.prg"));
    plateforme.AttendBoite(
        {QStringLiteral("Le fichier %1 n'existe plus : il est retiré des fichiers récents.")
             .arg(dossier.Fichier("f3.prg")),
         Boutons::Ok, Icone::Exclamation, TitreCourt},
        Bouton::Ok);
    Choisit(QStringLiteral("Recent(3)"));
    EXPECT_EQ(recents(), QStringList({"f1.prg", "f5.prg", "f4.prg", "f2.prg"}));
    EXPECT_EQ(F().Fichiers().CheminFichier(), dossier.Fichier("f1.prg"));
}
