#include "commande/LigneCommande.h"
#include "files/ImpressionSemaine.h"
#include "plateforme/DetectionPorts.h"
#include "plateforme/DossierDonnees.h"
#include "plateforme/PlateformeQt.h"
#include "plateforme/PortSerieQt.h"
#include "ui/FenetrePrincipale.h"
#include "ui/MesureDemarrage.h"

#include <QApplication>
#include <QTextStream>
#include <memory>

namespace {
// Sans fenêtre ni écran : Qt Core seulement, la même transmission que la fenêtre. Le PDF
// demande en plus Qt Gui pour ses polices, sur une plateforme hors écran.
int LigneCommande(int argc, char** argv, bool pdf) {
    std::unique_ptr<QCoreApplication> application;
    if (pdf) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    ChargeTraductions();
    const QString dossier = DossierDonneesDuProgramme();
    PortSerieQt port([&dossier]() -> const QString& { return dossier; });
    MinuterieQt minuterie;
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    OutilsCommande outils{
        port,    minuterie,  [] { return QDateTime::currentDateTime(); },        dossier, sortie,
        erreurs, ExportePdf, [&dossier] { return LignesPortsDetectes(dossier); }};
    return ExecuteLigneCommande(QCoreApplication::arguments(), outils);
}
} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (DemandeLigneCommande(arguments)) return LigneCommande(argc, argv, DemandePdf(arguments));

    QApplication application(argc, argv);
    ChargeTraductions();
    PlateformeQt plateforme;
    FenetrePrincipale fenetre(plateforme);
    plateforme.ChangeParent(&fenetre);
    if (!fenetre.Demarre()) return 0;
    MesureDemarrage::Installe(fenetre); // bench/demarrage.sh seulement
    fenetre.show();
    return application.exec();
}
