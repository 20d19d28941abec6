#include "commande/LigneCommande.h"
#include "plateforme/DossierDonnees.h"
#include "plateforme/PlateformeQt.h"
#include "plateforme/PortSerieQt.h"
#include "ui/FenetrePrincipale.h"
#include "ui/MesureDemarrage.h"

#include <QApplication>
#include <QTextStream>

namespace {
// Sans fenêtre ni écran : Qt Core seulement, la même transmission que la fenêtre.
int LigneCommande(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ChargeTraductions();
    const QString dossier = DossierDonneesApplication();
    PortSerieQt port([&dossier]() -> const QString& { return dossier; });
    MinuterieQt minuterie;
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    OutilsCommande outils{port,    minuterie, [] { return QDateTime::currentDateTime(); },
                          dossier, sortie,    erreurs};
    return ExecuteLigneCommande(QCoreApplication::arguments(), outils);
}
} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (DemandeLigneCommande(arguments)) return LigneCommande(argc, argv);

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
