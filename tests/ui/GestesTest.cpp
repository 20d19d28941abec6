#include "files/FichierProgramme.h"
#include "model/Textes.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
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
