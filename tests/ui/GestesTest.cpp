#include "files/FichierProgramme.h"
#include "model/Textes.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

// Un .PRG déposé s'ouvre comme par "&Lecture", question comprise.
TEST(Gestes, FichierDeposeSurLaFenetre) {
    Scenario s;
    s.Joue(QStringLiteral("> demarre\n> clic CmdHigh\n"));
    Programme autre = s.fenetre->Doc().Prog();
    autre.IdentZone[0] = 777;
    s.dossier.Ecrit(QStringLiteral("AUTRE.PRG"), EcrireFichierProgramme(autre, TitreVersion));
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(s.dossier.Fichier(QStringLiteral("AUTRE.PRG")))});
    const QPoint milieu = s.fenetre->rect().center();
    QDragEnterEvent entree(milieu, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.fenetre.get(), &entree);
    EXPECT_TRUE(entree.isAccepted());
    s.plateforme.Reponses.push_back(Bouton::Non);
    QDropEvent depot(milieu, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s.fenetre.get(), &depot);
    ASSERT_EQ(s.plateforme.Boites.size(), 1u);
    EXPECT_EQ(s.plateforme.Boites[0].texte, QStringLiteral("Voulez-vous sauvegarder ?"));
    EXPECT_EQ(s.fenetre->Doc().Prog().IdentZone[0], 777);
    EXPECT_FALSE(s.fenetre->Doc().Modifie());
}

// Aucun menu de Qt (défaire, coller, défiler ici) ne s'ouvre d'un clic droit : il changerait
// une valeur au milieu d'une édition.
TEST(Gestes, AucunMenuDeQtAuClicDroit) {
    Scenario s;
    s.Vu(QStringLiteral("demarre"));
    QStringList ouverts;
    for (QWidget* controle : s.fenetre->findChildren<QWidget*>()) {
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
    s.Vu(QStringLiteral("tiens VScroll3(0) droit 5 3"));
    EXPECT_FALSE(s.fenetre->Doc().EditionLongueOuverte());
}

// Un lecteur d'écran lit la semaine dans le document : après une édition, après l'annulation ;
// le clavier atteint chaque barre par Tab.
TEST(Gestes, LecteurDEcran) {
    Scenario s;
    const auto lu = [&s](const char* nom) {
        QAccessibleInterface* i =
            QAccessible::queryAccessibleInterface(s.fenetre->findChild<QWidget*>(nom));
        return (i->text(QAccessible::Name) + " : " + i->text(QAccessible::Description))
            .toStdString();
    };
    struct Cas {
        const char* actions;
        const char* controle;
        const char* dit;
    };
    const Cas cas[] = {
        {"demarre", "FrameTemp(0)", "Lundi : confort de 6H30 à 8H30 et de 17H30 à 22H30"},
        {"", "FrameTemp(6)", "Dimanche : confort de 7H30 à 23H00"},
        {"", "Frame1",
         "Semaine : Lundi : confort de 6H30 à 8H30 et de 17H30 à 22H30 ; curseur "
         "à 0H00"},
        {"touche Frame1 Bas Maj+Droite", "HScroll1", "Curseur horaire : 1H00"},
        {"", "VScJour", "Jour : Mardi"},
        {"clic Cmd1H", "FrameTemp(1)",
         "Mardi : confort de 1H00 à 2H00, de 6H30 à 8H30 et de "
         "17H30 à 22H30"},
        {"menu Annuler", "FrameTemp(1)", "Mardi : confort de 6H30 à 8H30 et de 17H30 à 22H30"},
        {"barre VScroll3(1) 160", "VScroll3(1)", "ECO : 16°C"},
        {"barre VScrollZone 2", "VScrollZone", "Zone : Zone 2"},
        {"jour 2 0 vide", "FrameTemp(0)", "Lundi : éco toute la journée"},
    };
    for (const Cas& c : cas) {
        if (*c.actions) s.Vu(QString::fromUtf8(c.actions));
        EXPECT_EQ(lu(c.controle), c.dit) << c.actions;
    }
    for (auto* barre : s.fenetre->findChildren<QScrollBar*>())
        EXPECT_TRUE(barre->focusPolicy() & Qt::TabFocus) << barre->objectName().toStdString();
}
