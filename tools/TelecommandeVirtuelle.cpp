// Télécommande virtuelle : un pseudo-terminal lié comme "COMn" dans le dossier du
// programme ; ce qui arrive est vérifié, décodé et jugé comme le ferait la télécommande.
#include "DecodeurTelecommande.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t arret = 0;

void SurSignal(int) {
    arret = 1;
}

qint64 MaintenantMs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

void Affiche(const QStringList& lignes) {
    for (const QString& ligne : lignes) std::fputs((ligne + '\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

[[noreturn]] void Echoue(const QString& message) {
    std::fputs(("telecommande-virtuelle : " + message + '\n').toUtf8().constData(), stderr);
    std::exit(1);
}

// Un "COMn" déjà là n'est remplacé que s'il mène à un pseudo-terminal (ancienne
// télécommande virtuelle, socat) ou nulle part : jamais le lien d'un vrai câble.
bool Remplacable(const QString& lien) {
    const QFileInfo info(lien);
    if (!info.exists() && !info.isSymLink()) return true;
    if (!info.isSymLink()) return false;
    const QString cible = info.symLinkTarget();
    return cible.startsWith(QLatin1String("/dev/pts/")) || !QFileInfo::exists(cible);
}

// Le dossier du programme, comme il le choisit : celui de l'outil dans la construction ;
// installé (exemples dans ../share/gestion-chauffage) ou ce dossier en lecture seule, le
// dossier par utilisateur, jamais /usr/bin.
QString DossierParDefaut() {
    QString outil = QCoreApplication::applicationDirPath();
    if (!QFile::exists(outil + QStringLiteral("/../share/gestion-chauffage/data.prg")) &&
        QFileInfo(outil).isWritable())
        return outil;
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      QStringLiteral("/gestion-chauffage");
    QDir().mkpath(dossier);
    return dossier;
}

void Brut(int descripteur) {
    termios reglages{};
    if (::tcgetattr(descripteur, &reglages) != 0) return;
    ::cfmakeraw(&reglages);
    ::cfsetspeed(&reglages, B4800);
    ::tcsetattr(descripteur, TCSANOW, &reglages);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Les lignes de Qt ("Usage:", l'aide des options) en français, comme le reste de l'outil.
    auto* traduction = new QTranslator(&application);
    if (traduction->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "Télécommande virtuelle : reçoit ce que GESTION CHAUFFAGE envoie sur COMn."));
    // Pas d'addHelpOption : la traduction livrée avec Qt 6 n'a pas sa ligne d'aide actuelle.
    const QCommandLineOption aideOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Affiche cette aide."));
    const QCommandLineOption dossierOption(
        QStringLiteral("dossier"),
        QStringLiteral("Dossier du programme où créer COMn (par défaut : celui du programme)."),
        QStringLiteral("dossier"), DossierParDefaut());
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Numéro n de COMn (par défaut : 1)."),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption uneFoisOption(
        QStringLiteral("une-fois"),
        QStringLiteral("S'arrêter après la première réponse (test de liaison ou trame jugée)."));
    options.addOptions({aideOption, dossierOption, portOption, uneFoisOption});
    options.process(application);
    if (options.isSet(aideOption)) options.showHelp(0);

    bool ok = false;
    const int port = options.value(portOption).toInt(&ok);
    if (!ok || port < 1 || port > 99) Echoue(QStringLiteral("numéro de port invalide"));
    const QString dossier = options.value(dossierOption);
    if (!QFileInfo(dossier).isDir()) Echoue(QStringLiteral("dossier absent : ") + dossier);
    const QString lien = QDir(dossier).absoluteFilePath(QStringLiteral("COM%1").arg(port));
    if (!Remplacable(lien))
        Echoue(lien + QStringLiteral(" existe déjà et ne mène pas à un pseudo-terminal : "
                                     "choisissez un autre port avec --port"));

    const int maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre < 0 || ::grantpt(maitre) != 0 || ::unlockpt(maitre) != 0)
        Echoue(QStringLiteral("pseudo-terminal impossible : ") +
               QString::fromLocal8Bit(std::strerror(errno)));
    const QString esclave = QString::fromLocal8Bit(::ptsname(maitre));
    // Côté programme tenu ouvert : sans lui, chaque fermeture du port raccrocherait
    // le pseudo-terminal et la lecture tournerait à vide.
    const int tenu = ::open(QFile::encodeName(esclave).constData(), O_RDWR | O_NOCTTY);
    if (tenu < 0) Echoue(QStringLiteral("impossible d'ouvrir ") + esclave);
    Brut(tenu);

    QFile::remove(lien);
    QFile terminal(esclave);
    if (!terminal.link(lien))
        Echoue(QStringLiteral("impossible de créer le lien %1 : %2")
                   .arg(lien, terminal.errorString()));

    struct sigaction action {};
    action.sa_handler = SurSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);

    Affiche(
        {QStringLiteral("Télécommande virtuelle sur COM%1 : %2 -> %3").arg(port).arg(lien, esclave),
         QStringLiteral("En attente (Ctrl+C pour arrêter)...")});

    DecodeurTelecommande decodeur;
    const bool uneFois = options.isSet(uneFoisOption);
    while (!arret && !(uneFois && decodeur.Reponses() > 0)) {
        pollfd attente{maitre, POLLIN, 0};
        const int pret = ::poll(&attente, 1, 50);
        if (pret < 0 && errno != EINTR) break;
        if (pret > 0 && (attente.revents & POLLIN)) {
            unsigned char tampon[256];
            const ssize_t n = ::read(maitre, tampon, sizeof tampon);
            const qint64 instant = MaintenantMs();
            for (ssize_t i = 0; i < n; ++i) Affiche(decodeur.Recoit(tampon[i], instant));
        }
        Affiche(decodeur.Avance(MaintenantMs()));
    }

    // Le lien n'est retiré que s'il mène encore à notre pseudo-terminal.
    if (QFileInfo(lien).symLinkTarget() == esclave) QFile::remove(lien);
    ::close(tenu);
    ::close(maitre);
    return 0;
}
