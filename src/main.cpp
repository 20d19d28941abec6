#include "ui/FenetrePrincipale.h"
#include "ui/PlateformeQt.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ChargeTraductions();
    PlateformeQt plateforme;
    FenetrePrincipale fenetre(plateforme);
    plateforme.ChangeParent(&fenetre);
    fenetre.Demarre();
    fenetre.show();
    return application.exec();
}
