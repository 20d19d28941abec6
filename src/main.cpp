#include "plateforme/PlateformeQt.h"
#include "ui/FenetrePrincipale.h"
#include "ui/MesureDemarrage.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ChargeTraductions();
    PlateformeQt plateforme;
    FenetrePrincipale fenetre(plateforme);
    plateforme.ChangeParent(&fenetre);
    fenetre.Demarre();
    MesureDemarrage::Installe(fenetre); // bench/demarrage.sh seulement
    fenetre.show();
    return application.exec();
}
