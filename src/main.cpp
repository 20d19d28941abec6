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
#include <cstdio>
#include <cstdlib>
#include <memory>
#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {
#ifdef Q_OS_UNIX
// Une écriture au-delà de "ulimit -f" (SIGXFSZ) ou vers une sortie refermée (SIGPIPE,
// "| head -1") tuerait le programme, et avec lui le travail non enregistré ou l'envoi en
// cours : elle échoue plutôt, et l'échec se dit. Un gestionnaire vide plutôt que SIG_IGN : un
// programme lancé d'ici (le navigateur du guide) retrouve à son exec les signaux ordinaires.
void Survit(int) {}
void SurvitAuxSignauxDEcriture() {
    struct sigaction action {};
    action.sa_handler = Survit;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int numero : {SIGXFSZ, SIGPIPE}) sigaction(numero, &action, nullptr);
}
#endif

// Sans fenêtre ni écran : Qt Core seulement, la même transmission que la fenêtre. Le PDF
// demande en plus Qt Gui pour ses polices, sur une plateforme hors écran.
int LigneCommande(const QStringList& arguments, char* programme, bool pdf) {
    // Qt ne voit que le nom du programme : ses options (-platform, -reverse…) sont refusées
    // comme toute option inconnue, et ses avertissements anglais ne sont pas pour
    // l'utilisateur, à qui tout est dit en français.
    int argcQt = 1;
    char* argvQt[] = {programme, nullptr};
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    std::unique_ptr<QCoreApplication> application;
    if (pdf) {
        // Un PDF n'a pas besoin d'écran, quelle que soit la plateforme demandée.
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        application = std::make_unique<QGuiApplication>(argcQt, argvQt);
    } else {
        application = std::make_unique<QCoreApplication>(argcQt, argvQt);
    }
    ChargeTraductions();
    const QString dossier = DossierDonneesDuProgramme();
    PortSerieQt port([&dossier]() -> const QString& { return dossier; });
    MinuterieQt minuterie;
    QTextStream sortie(stdout);
    QTextStream erreurs(stderr);
    OutilsCommande outils{port,
                          minuterie,
                          [] { return QDateTime::currentDateTime(); },
                          dossier,
                          sortie,
                          erreurs,
                          ExportePdf,
                          DetectePeripheriques};
    return ExecuteLigneCommande(arguments, outils);
}

// Sans affichage, QApplication s'arrêterait net sur un message anglais de Qt.
bool EcranAbsent() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QByteArray plateforme = qgetenv("QT_QPA_PLATFORM");
    if (!plateforme.isEmpty() && !plateforme.startsWith("xcb") && !plateforme.startsWith("wayland"))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}
} // namespace

int main(int argc, char** argv) {
#ifdef Q_OS_UNIX
    SurvitAuxSignauxDEcriture();
#endif
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (DemandeLigneCommande(arguments))
        return LigneCommande(arguments, argv[0], DemandePdf(arguments));

    // Un fichier donné (gestionnaire de fichiers, "gestion-chauffage maison.PRG") est lu au
    // démarrage à la place de data.prg.
    const QString fichier = arguments.value(arguments.value(1) == QLatin1String("--") ? 2 : 1);
    QTextStream erreurs(stderr);
    if (!fichier.isEmpty())
        if (const int code = VerifieFichierAOuvrir(fichier, erreurs)) return code;
    if (EcranAbsent()) {
        erreurs << "gestion-chauffage : pas d'écran (DISPLAY et WAYLAND_DISPLAY vides), la "
                   "fenêtre ne peut pas s'ouvrir.\nSans écran, voir : gestion-chauffage --aide\n";
        return CodeSortie::SansEcran;
    }

    // Un écran injoignable (DISPLAY périmé, "ssh -X" tombé) ferait abandonner Qt (134) sur un
    // message anglais : c'est une absence d'écran comme une autre.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
        if (type != QtFatalMsg) return;
        std::fprintf(stderr,
                     "gestion-chauffage : écran injoignable (DISPLAY « %s », "
                     "WAYLAND_DISPLAY « %s »), la fenêtre ne peut pas s'ouvrir.\n"
                     "Sans écran, voir : gestion-chauffage --aide\n",
                     qgetenv("DISPLAY").constData(), qgetenv("WAYLAND_DISPLAY").constData());
        std::_Exit(CodeSortie::SansEcran);
    });
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    ChargeTraductions();
    PlateformeQt plateforme;
    FenetrePrincipale fenetre(plateforme);
    plateforme.ChangeParent(&fenetre);
    if (!fenetre.Demarre(fichier)) return 0;
    MesureDemarrage::Installe(fenetre); // bench/demarrage.sh seulement
    fenetre.show();
    return application.exec();
}
