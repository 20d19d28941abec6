#include "plateforme/DetectionPorts.h"
#include "plateforme/PlateformeQt.h"
#include "ui/FenetrePrincipale.h"
#include "ui/MesureDemarrage.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--ports") == 0) return AffichePorts(argc, argv);
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
