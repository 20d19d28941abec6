// Contrôles, menus et mise en page, vus comme on les a dessinés.
#include "plateforme/Twips.h"
#include "support/FenetreTest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using Controles = FenetreTest;

namespace {
QWidget* Nomme(QWidget* fenetre, const QString& nom) {
    return fenetre->findChild<QWidget*>(nom);
}
} // namespace

TEST_F(Controles, PositionsEnTwipsEtEnPixels) {
    Demarre();
    struct Cas {
        const char* nom;
        const char* parent;
        QRectF twips;
    };
    const Cas cas[] = {
        {"CmdHigh", "Frame5", {240, 480, 540, 375}},
        {"Cmd1Hmoins", "Frame5", {840, 1200, 855, 375}},
        {"HScroll1", "Frame5", {240, 840, 1455, 375}},
        {"VScJour", "Frame5", {2175, 390, 285, 420}},
        {"Frame5", "Frame3", {1080, 600, 4050, 1815}},
        {"Frame3", "Frame1", {360, 6840, 11160, 2655}},
        {"CmdPASTE", "Frame3", {240, 1920, 735, 570}},
        {"Text2(3)", "Frame4", {2805, 765, 885, 285}},
        {"CmdID", "Frame2", {360, 960, 600, 510}},
        {"FrameTemp(6)", "Frame1", {1410, 5700, 9960, 690}},
        {"Label2(3)", "Frame1", {360, 3405, 870, 330}},
        {"LblHeure(20)", "Frame1", {9250, 480, 375, 255}},
        {"LblHeure(7)", "Frame1", {4175, 480, 255, 255}},
        {"Marqueur(12)", "Frame1", {1500 + 396 * 12, 700, 50, 5700}},
        {"Marqueur(25)", "Frame1", {1500, 700, 50, 5700}},
        {"HeureProg(1)", "Frame1", {1050, 6480, 1020, 375}},
    };
    for (const Cas& c : cas) {
        QWidget* w = Nomme(&F(), c.nom);
        ASSERT_NE(w, nullptr) << c.nom;
        EXPECT_EQ(w->parentWidget()->objectName(), c.parent) << c.nom;
        EXPECT_EQ(TwipsDe(w), c.twips) << c.nom;
        EXPECT_EQ(w->geometry().topLeft(),
                  QPoint(qRound(c.twips.left() / 15), qRound(c.twips.top() / 15)))
            << c.nom;
    }
    EXPECT_EQ(Controle<QPushButton>("CmdHigh")->geometry(), QRect(16, 32, 36, 25));
    // La bande éco suit la température ; sa place en largeur est fixe.
    EXPECT_EQ(TwipsDe(Controle<QFrame>(NomIndexe("Shape1", 2))).left(), 90);
    EXPECT_EQ(TwipsDe(Controle<QFrame>(NomIndexe("Shape1", 2))).width(), 9550);
    EXPECT_EQ(Controle<QFrame>(NomIndexe("Shape1", 2))->parentWidget(),
              Controle<QFrame>(NomIndexe("FrameTemp", 2)));
    // 56 barres, 26 lignes, 24 heures : chacune nommée avec son indice.
    EXPECT_NE(Nomme(&F(), "ShTemp(55)"), nullptr);
    EXPECT_EQ(F().findChildren<QFrame*>(QRegularExpression("^ShTemp\\(\\d+\\)$")).size(), 56);
    EXPECT_EQ(F().findChildren<QFrame*>(QRegularExpression("^Marqueur\\(\\d+\\)$")).size(), 26);
    EXPECT_EQ(F().findChildren<QLabel*>(QRegularExpression("^LblHeure\\(\\d+\\)$")).size(), 24);
    EXPECT_EQ(Controle<QLabel>(NomIndexe("LblHeure", 24))->text(), "24H");
}

TEST_F(Controles, TextesInfobullesEtCouleurs) {
    Demarre();
    EXPECT_EQ(Controle<QPushButton>("CmdHigh")->text(), "Conf.");
    EXPECT_EQ(Controle<QPushButton>("CmdHigh")->toolTip(), "Passe en mode \"Confort\"");
    EXPECT_EQ(Controle<QPushButton>("Cmd1Hmoins")->toolTip(),
              "Passe en mode \"Economique\" pendant 1 heure.");
    EXPECT_EQ(Controle<QLineEdit>("TextID")->toolTip(), "N°  Identification RADIO de la ZONE");
    EXPECT_EQ(Controle<QLineEdit>("Text1")->toolTip(), "Jour a éditer.");
    EXPECT_EQ(Controle<QLineEdit>("Text1")->text(), "LUNDI");
    EXPECT_EQ(Controle<QLineEdit>("TextZone")->text(), "0");
    EXPECT_EQ(Controle<QCheckBox>("ChkVisuHoraire")->text(), "Affichage Segments Horaires");
    EXPECT_FALSE(Controle<QCheckBox>("ChkVisuHoraire")->isChecked());
    EXPECT_EQ(Controle<QGroupBox>("Frame4")->title(), "Température");
    EXPECT_EQ(Controle<QLabel>(NomIndexe("Label1", 4))->text(), "Confort");
    EXPECT_EQ(Controle<QLabel>(NomIndexe("Label1", 1))->text(), "Eco.");
    EXPECT_EQ(Controle<QLabel>(NomIndexe("Label6", 0))->text(), "Zone Radiateur");
    EXPECT_EQ(Controle<QLineEdit>(NomIndexe("Text2", 1))->toolTip(), "Température mode \"ECO\".");
    EXPECT_EQ(Controle<QLineEdit>(NomIndexe("Text2", 3))->palette().color(QPalette::Base),
              QColor(192, 0, 192));
    EXPECT_EQ(Controle<QLineEdit>(NomIndexe("Text2", 1))->palette().color(QPalette::Base),
              QColor(0, 192, 192));
    EXPECT_EQ(Controle<QFrame>(NomIndexe("ShTemp", 17))->palette().color(QPalette::Window),
              QColor(0, 255, 0));
    EXPECT_EQ(Controle<QFrame>(NomIndexe("Shape1", 4))->palette().color(QPalette::Window),
              QColor(128, 255, 255));
    EXPECT_EQ(Controle<QLabel>(NomIndexe("HeureProg", 0))->toolTip(), "Heure du marqueur");
    EXPECT_EQ(Controle<QLabel>(NomIndexe("HeureProg", 0))->font().family(), "Times New Roman");
    EXPECT_TRUE(Controle<QLabel>(NomIndexe("HeureProg", 0))->font().bold());
    EXPECT_EQ(Controle<QLabel>(NomIndexe("Label2", 6))->text(), "Dimanche");
    EXPECT_FALSE(Controle<QProgressBar>("ProgressBar1")->isVisible());
}

TEST_F(Controles, MenusEtRaccourcis) {
    Demarre();
    QStringList barre;
    for (QAction* a : F().menuBar()->actions()) barre << a->text();
    EXPECT_EQ(barre,
              QStringList({"&Fichier", "É&dition", "&Configuration", "&Programmation", "&?"}));
    QStringList edition;
    for (QAction* a : Controle<QMenu>("Edition")->actions())
        edition << a->text() + (a->isEnabled() ? "" : " (grisé)") + " " +
                       QKeySequence::listToString(a->shortcuts());
    EXPECT_EQ(edition,
              QStringList({"Annuler (grisé) Ctrl+Z", "Rétablir (grisé) Ctrl+Y; Ctrl+Shift+Z", " ",
                           "Copier le jour vers… ", "Horaires de la semaine… Ctrl+H"}));
    QStringList fichier;
    for (QAction* a : Controle<QMenu>("Fichier")->actions())
        fichier << a->text() + " " + a->shortcut().toString();
    EXPECT_EQ(fichier, QStringList({"&Nouveau Ctrl+N", "&Lecture Ctrl+O", "&Sauvegarde Ctrl+S",
                                    "Sauver comme .. Ctrl+Shift+S", " ", "Imprimer… ",
                                    "Exporter en PDF… ", "Fichiers récents ", "&Quitter Ctrl+Q"}));
    QStringList programmation;
    for (QAction* a : Controle<QMenu>("Programmation")->actions()) programmation << a->text();
    EXPECT_EQ(programmation, QStringList({"Test Liaison Télécommande", "Programmation ",
                                          "Programmation de Test"}));
    EXPECT_EQ(Controle<QMenu>("ChoixPortSerie")->title(), "&Choix port série");
    QStringList ports;
    for (QAction* a : Controle<QMenu>("ChoixPortSerie")->actions()) ports << a->text();
    EXPECT_EQ(ports, QStringList({"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(Action("COM(2)")->text(), "COM3");
}

TEST_F(Controles, LePanneauResteCentre) {
    Demarre();
    struct Cas {
        int largeur, hauteur;
        double gauche, haut;
    };
    // Taille extérieure en pixels -> position de Frame1 en twips (simple précision).
    const Cas cas[] = {
        {1000, 800, (15000 - 11805) / 2.0, (12000 - 9705) / 2.0 - 400},
        {1001, 900, (15015 - 11805) / 2.0, (13500 - 9705) / 2.0 - 400},
        {500, 600, (7500 - 11805) / 2.0, 120}, // trop étroite : coupée des deux côtés
        {900, 716, (13500 - 11805) / 2.0, 120},
    };
    for (const Cas& c : cas) {
        F().resize(c.largeur, c.hauteur);
        F().Form_Resize();
        const QSize exterieur = F().frameGeometry().size();
        const double gauche = (exterieur.width() * 15.0 - 11805) / 2;
        const double haut = std::max(120.0, (exterieur.height() * 15.0 - 9705) / 2 - 400);
        EXPECT_DOUBLE_EQ(TwipsDe(Controle<QFrame>("Frame1")).left(), gauche) << c.largeur;
        EXPECT_DOUBLE_EQ(TwipsDe(Controle<QFrame>("Frame1")).top(), haut) << c.hauteur;
        if (exterieur == QSize(c.largeur, c.hauteur)) {
            EXPECT_DOUBLE_EQ(gauche, c.gauche);
            EXPECT_DOUBLE_EQ(haut, c.haut);
        }
        EXPECT_EQ(TwipsDe(Controle<QFrame>("Frame1")).size(), QSizeF(11805, 9705));
    }
}

namespace {
void Souris(QWidget* cible, QEvent::Type type, Qt::MouseButton bouton, QPointF position) {
    QMouseEvent evenement(type, position, cible->mapToGlobal(position), bouton, bouton,
                          Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
}
} // namespace

TEST_F(Controles, SourisAcheminee) {
    Demarre();
    // Appui dans la rangée de mercredi, sur une barre : la rangée le reçoit, en twips.
    Controle<QFrame>(NomIndexe("ShTemp", 16))->show();
    Souris(Controle<QFrame>(NomIndexe("ShTemp", 16)), QEvent::MouseButtonPress, Qt::LeftButton,
           QPointF(1, 1));
    EXPECT_EQ(Doc().Jour(), 2);
    const int curseur = Barre("HScroll1")->Valeur();
    // Clics droits rapides sur le nom du jour courant : le second arrive en double clic
    // et peint quand même son créneau.
    Pose([&](Programme& p) { p.ProgJour[0][2] = JourVide(); });
    Souris(Controle<QLabel>(NomIndexe("Label2", 2)), QEvent::MouseButtonPress, Qt::RightButton,
           QPointF(2, 2));
    Souris(Controle<QLabel>(NomIndexe("Label2", 2)), QEvent::MouseButtonDblClick, Qt::RightButton,
           QPointF(2, 2));
    EXPECT_EQ(Prog().ProgJour[0][2].mid(curseur, 3), "110");
    EXPECT_EQ(Barre("HScroll1")->Valeur(), curseur + 2);
    // Une ligne d'heure réagit au clic complet, pas à l'appui seul.
    Souris(Controle<QFrame>(NomIndexe("Marqueur", 12)), QEvent::MouseButtonPress, Qt::LeftButton,
           QPointF(1, 10));
    EXPECT_EQ(Barre("HScroll1")->Valeur(), curseur + 2);
    Souris(Controle<QFrame>(NomIndexe("Marqueur", 12)), QEvent::MouseButtonRelease, Qt::LeftButton,
           QPointF(1, 10));
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 72);
    // Double clic sur le nom d'un autre jour : choisi, curseur à 0H00 et pas à 0H10, rien de
    // peint ; sur le nom du jour devenu courant, ses deux appuis comptent.
    const auto doubleClic = [](QWidget* nom, Qt::MouseButton bouton) {
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            Souris(nom, type, bouton, QPointF(2, 2));
    };
    doubleClic(Controle<QLabel>(NomIndexe("Label2", 5)), Qt::LeftButton);
    EXPECT_EQ(Doc().Jour(), 5);
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 0);
    doubleClic(Controle<QLabel>(NomIndexe("Label2", 5)), Qt::LeftButton);
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 2);
    Pose([&](Programme& p) { p.ProgJour[0][1] = JourVide(); });
    doubleClic(Controle<QLabel>(NomIndexe("Label2", 1)), Qt::RightButton);
    EXPECT_EQ(Doc().Jour(), 1);
    EXPECT_EQ(Prog().ProgJour[0][1], JourVide());
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 0);
    doubleClic(Controle<QLabel>(NomIndexe("Label2", 1)), Qt::RightButton);
    EXPECT_EQ(Prog().ProgJour[0][1].left(3), "110");
}
