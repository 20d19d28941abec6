#include "files/FichierProgramme.h"
#include "model/Textes.h"
#include "support/Banc.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

// Plusieurs gestes de souris à la suite, chacun sur ce qu'a laissé le précédent.
TEST(Gestes, SourisSurLesRangeesLesNomsEtLesLignes) {
    Banc b;
    b.Demarre();
    // Un appui sur une barre de mercredi va à sa rangée ; deux clics droits rapides sur le nom
    // du jour courant peignent deux créneaux, sur celui d'un autre jour le choisissent sans rien
    // peindre (curseur à 0H00) ; le milieu ne fait rien ; un clic droit dans une rangée choisit
    // son jour.
    b.Appui("ShTemp(16)", Qt::LeftButton, {1, 1});
    b.Pose([](Programme& p) { p.ProgJour[0][2] = JourVide(); });
    b.Appui("Label2(2)", Qt::RightButton, {2, 2}, true);
    b.Appui("Label2(1)", Qt::RightButton, {2, 2}, true);
    b.Appui("Label2(1)", Qt::RightButton, {2, 2}, true);
    b.Appui("Label2(1)", Qt::MiddleButton, {2, 2});
    b.Appui("FrameTemp(5)", Qt::RightButton, {323, 20});
    EXPECT_EQ(b.Etat().mid(0, 6).join(" / "),
              "curseur 72 / zone 0, jour 5 / modifié / températures 169 165 140 145, identifiant "
              "4660 / Lundi 6H30-8H30 17H30-22H30 / Mardi 0H00-0H20 6H30-8H30 17H30-22H30");
    EXPECT_EQ(b.Jour(0, 2), "6H30-6H50");
    // Un jour court (lu tel quel d'un fichier) est complété avant d'être peint au curseur ; un
    // bouton de côté ne peint rien ; un trait part d'une ligne d'heure jusqu'au bas d'une rangée.
    b.Pose([](Programme& p) { p.ProgJour[0][0] = QByteArray(12, '0'); });
    b.Barre("VScJour", 0);
    b.Barre("HScroll1", 12);
    b.Appui("Label2(0)", Qt::RightButton, {10, 5});
    b.Trait("FrameTemp(1)", Qt::BackButton, {10, 20}, {300, 20});
    b.Trait("Marqueur(8)", Qt::LeftButton, {1, 45}, {60, 45});
    EXPECT_EQ(b.Jour(0, 0), "2H00-2H10 8H00-10H10");
    EXPECT_EQ(b.Doc().Prog().ProgJour[0][0].size(), LongueurJour);
    EXPECT_EQ(b.Jour(0, 1), "0H00-0H20 6H30-8H30 17H30-22H30");
    EXPECT_EQ(b.Ecart(), "");
}

// Le texte des segments montré par la case : un jour montré a huit segments au plus.
TEST(Gestes, CaseDesSegments) {
    Banc b;
    b.Demarre();
    b.Pose([](Programme& p) {
        p.ProgJour[0][0] = JourVide();
        for (int s = 0; s < 9; ++s) p.ProgJour[0][0][10 * s] = '1';
    });
    EXPECT_TRUE(b.W("VisuProgramme")->isHidden());
    b.Clic("ChkVisuHoraire");
    EXPECT_FALSE(b.W("VisuProgramme")->isHidden());
    EXPECT_EQ(b.W<QLineEdit>("VisuProgramme")->text(),
              "   (0H00-0H10)     (1H40-1H50)     (3H20-3H30)     (5H00-5H10)     (6H40-6H50)    "
              " (8H20-8H30)     (10H00-10H10)     (11H40-11H50)     ");
}

// Un .PRG déposé s'ouvre comme par "&Lecture", question comprise.
TEST(Gestes, FichierDeposeSurLaFenetre) {
    Banc b;
    b.Demarre();
    b.Clic("CmdHigh");
    Programme autre = b.Doc().Prog();
    autre.IdentZone[0] = 777;
    b.dossier.Ecrit(QStringLiteral("AUTRE.PRG"), EcrireFichierProgramme(autre, TitreVersion));
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(b.dossier.Fichier(QStringLiteral("AUTRE.PRG")))});
    const QPoint milieu = b.fenetre->rect().center();
    QDragEnterEvent entree(milieu, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b.fenetre.get(), &entree);
    EXPECT_TRUE(entree.isAccepted());
    b.plateforme.Reponses = {Bouton::Non};
    QDropEvent depot(milieu, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b.fenetre.get(), &depot);
    EXPECT_EQ(b.Boites(), "Voulez-vous sauvegarder ? -> Non");
    EXPECT_EQ(b.Doc().Prog().IdentZone[0], 777);
    EXPECT_FALSE(b.Doc().Modifie());
}

// Aucun menu de Qt (défaire, coller, défiler ici) ne s'ouvre d'un clic droit : il changerait
// une valeur au milieu d'une édition.
TEST(Gestes, AucunMenuDeQtAuClicDroit) {
    Banc b;
    b.Demarre();
    QStringList ouverts;
    for (QWidget* controle : b.fenetre->findChildren<QWidget*>()) {
        // Un menu ouvert par exec() se referme ici, noté, au lieu de bloquer le test.
        QTimer::singleShot(0, [&ouverts, controle] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                ouverts << controle->objectName();
                menu->close();
            }
        });
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2),
                               controle->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(controle, &clic);
        QApplication::processEvents();
    }
    EXPECT_TRUE(ouverts.isEmpty()) << ouverts.join(' ').toStdString();
    // Ni, du bouton droit, une flèche de température tenue comme une édition.
    b.Souris("VScroll3(0)", QEvent::MouseButtonPress, Qt::RightButton, {5, 3});
    EXPECT_FALSE(b.Doc().EditionLongueOuverte());
}

// Un lecteur d'écran lit la semaine dans le document : après une édition, après l'annulation ;
// le clavier atteint chaque barre par Tab.
TEST(Gestes, LecteurDEcran) {
    Banc b;
    b.Demarre();
    const auto lu = [&b](const char* nom) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b.W(nom));
        return (i->text(QAccessible::Name) + " : " + i->text(QAccessible::Description))
            .toStdString();
    };
    struct Cas {
        std::function<void()> action;
        const char* controle;
        const char* dit;
    };
    const Cas cas[] = {
        {{}, "FrameTemp(0)", "Lundi : confort de 6H30 à 8H30 et de 17H30 à 22H30"},
        {{}, "FrameTemp(6)", "Dimanche : confort de 7H30 à 23H00"},
        {{},
         "Frame1",
         "Semaine : Lundi : confort de 6H30 à 8H30 et de 17H30 à 22H30 ; curseur "
         "à 0H00"},
        {[&] { b.Touches("Frame1", "Bas Maj+Droite"); }, "HScroll1", "Curseur horaire : 1H00"},
        {{}, "VScJour", "Jour : Mardi"},
        {[&] { b.Clic("Cmd1H"); }, "FrameTemp(1)",
         "Mardi : confort de 1H00 à 2H00, de 6H30 à 8H30 et de "
         "17H30 à 22H30"},
        {[&] { b.Menu("Annuler"); }, "FrameTemp(1)",
         "Mardi : confort de 6H30 à 8H30 et de 17H30 à 22H30"},
        {[&] { b.Barre("VScroll3(1)", 160); }, "VScroll3(1)", "ECO : 16°C"},
        {[&] { b.Barre("VScrollZone", 2); }, "VScrollZone", "Zone : Zone 2"},
        {[&] { b.Pose([](Programme& p) { p.ProgJour[2][0] = JourVide(); }); }, "FrameTemp(0)",
         "Lundi : éco toute la journée"},
    };
    for (const Cas& c : cas) {
        if (c.action) c.action();
        EXPECT_EQ(lu(c.controle), c.dit) << c.controle;
    }
    for (auto* barre : b.fenetre->findChildren<QScrollBar*>())
        EXPECT_TRUE(barre->focusPolicy() & Qt::TabFocus) << barre->objectName().toStdString();
}
