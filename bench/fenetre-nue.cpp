// Fenêtre Qt nue, construite comme le programme : la référence de bench/demarrage.sh.
// Une QMainWindow de la même taille, avec une barre de menus, et rien d'autre.
#include "ui/MesureDemarrage.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    QMenu* fichier = fenetre.menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->addAction(QStringLiteral("&Quitter"), &fenetre, &QWidget::close);
    fenetre.resize(12900 / 15, 10215 / 15); // zone cliente dessinée du programme, en pixels
    MesureDemarrage::Installe(fenetre);
    fenetre.show();
    return application.exec();
}
