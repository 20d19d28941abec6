// Gestes sur la fenêtre hors de l'édition : lecteur d'écran, clic droit, dépôt d'un fichier, F1.
#include "support/Banc.h"

#include <QtWidgets>

TEST(Gestes, LecteurDEcranClicDroitDepotEtGuide) {
    Banc b;
    b.Demarre();
    // Un lecteur d'écran lit le document, édité puis annulé : "nom : description ; …".
    const auto lu = [&b](std::initializer_list<const char*> noms) {
        QStringList lus;
        for (const char* nom : noms) {
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b.W(nom));
            lus << i->text(QAccessible::Name) + " : " + i->text(QAccessible::Description);
        }
        return lus.join(QStringLiteral(" ; ")).toStdString();
    };
    EXPECT_EQ(lu({"FrameTemp(6)", "Frame1", "VScrollZone"}),
              "Dimanche : confort de 7H30 à 23H00 ; Semaine : Lundi : confort de 6H30 à 8H30 et de "
              "17H30 à 22H30 ; curseur à 0H00 ; Zone : Zone 0");
    b.Touches("Frame1", "Bas Maj+Droite");
    b.Clic("Cmd1H");
    EXPECT_EQ(lu({"HScroll1", "VScJour", "FrameTemp(1)"}),
              "Curseur horaire : 2H00 ; Jour : Mardi ; Mardi : confort de 1H00 à 2H00, de 6H30 à "
              "8H30 et de 17H30 à 22H30");
    b.Menu("Annuler");
    b.Barre("VScroll3(1)", 160);
    EXPECT_EQ(lu({"FrameTemp(1)", "VScroll3(1)"}),
              "Mardi : confort de 6H30 à 8H30 et de 17H30 à 22H30 ; ECO : 16°C");
    b.Barre("VScrollZone", 2);
    b.Pose([](Programme& p) { p.ProgJour[2][0] = JourVide(); });
    EXPECT_EQ(lu({"VScrollZone", "FrameTemp(0)"}), "Zone : Zone 2 ; Lundi : éco toute la journée");
    // Sans souris : la petite barre suit ses flèches, Entrée ouvre la saisie d'une case.
    b.Touches("HScroll1", "Droite Droite Gauche");
    b.Touches("TextID", "Entree 1 2 Gauche 3 Entree"); // la flèche reste à la case
    EXPECT_TRUE(b.Doc().Curseur() == 1 && b.Doc().Prog().IdentZone[2] == 132);
    EXPECT_EQ(lu({"Text1", "TextZone"}), "Jour édité : Jour a éditer. ; Zone éditée : N° de ZONE");
    for (auto* barre : b.fenetre->findChildren<QScrollBar*>())
        EXPECT_TRUE(barre->focusPolicy() & Qt::TabFocus) << barre->objectName().toStdString();

    // Aucun menu de Qt au clic droit (défaire, coller) : il changerait une valeur en pleine
    // édition.
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
    // Du gauche, si : Maj seule, appuyée pendant qu'elle est tenue, ne la ferme pas.
    b.Souris("VScroll3(0)", QEvent::MouseButtonPress, Qt::LeftButton, {5, 3});
    QKeyEvent maj(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::sendEvent(b.W("VScroll3(0)"), &maj);
    EXPECT_TRUE(b.Doc().EditionLongueOuverte());
    b.Souris("VScroll3(0)", QEvent::MouseButtonRelease, Qt::LeftButton, {5, 3});

    // Un .PRG déposé s'ouvre comme par "&Lecture", question comprise.
    b.Clic("CmdHigh");
    b.dossier.Ecrit(QStringLiteral("AUTRE.PRG"), ProgrammeExemple().replace(" 4660 ", " 777 "));
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
    EXPECT_TRUE(b.Doc().Prog().IdentZone[0] == 777 && !b.Doc().Modifie());

    // F1 ouvre le guide construit à côté de l'exécutable.
    const QString chemin = QCoreApplication::applicationDirPath() + "/guide/guide.html";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(chemin).path()) &&
                QFile(chemin).open(QIODevice::WriteOnly));
    b.Menu("Guide");
    QFile::remove(chemin);
    EXPECT_EQ(b.plateforme.Documents, std::vector<QString>{chemin});
    b.Touches("Text2(0)", "Entree"); // saisie laissée ouverte : la fenêtre détruite la finit
}
