// Mesure de la transmission réelle (fenêtre hors écran, Qt SerialPort) vers un
// pseudo-terminal : chaque pause, l'étalement des octets d'un bloc, la trame du premier au
// dernier octet, et le temps processeur de l'envoi. Rapporté, jamais vérifié.
//   bench-transmission [essais]
#include "PlateformeBanc.h"
#include "plateforme/PortSerieQt.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {
using Horloge = std::chrono::steady_clock;
constexpr int LongueurTrame = 470;
constexpr int FinsDeBlocs[7] = {67, 134, 201, 268, 335, 402, 469}; // rangs depuis 0

// Le vrai port, qui note l'instant où chaque octet lui est remis.
class PortHorodate : public PortSerie {
public:
    explicit PortHorodate(std::function<QString()> dossier) : port_(std::move(dossier)) {}
    bool Ouvre(int numero) override { return port_.Ouvre(numero); }
    bool EstOuvert() const override { return port_.EstOuvert(); }
    void Ferme() override { port_.Ferme(); }
    bool Ecrit(const QByteArray& octets) override {
        remises.push_back(Horloge::now());
        return port_.Ecrit(octets);
    }
    QString Erreur() const override { return port_.Erreur(); }
    std::vector<Horloge::time_point> remises;

private:
    PortSerieQt port_;
};

// La plateforme des bancs, avec un vrai port série sur un pseudo-terminal.
class PlateformeTransmission : public PlateformeBanc {
public:
    PlateformeTransmission() : port_([this] { return DossierProgramme(); }) {}
    PortHorodate& Port() override { return port_; }

private:
    PortHorodate port_;
};

double Ms(Horloge::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double TempsProcesseurMs(clockid_t horloge) {
    timespec t{};
    ::clock_gettime(horloge, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Lit le côté télécommande et horodate chaque octet.
class Lecteur {
public:
    explicit Lecteur(int maitre) : maitre_(maitre), fil_([this] { Boucle(); }) {}
    ~Lecteur() {
        arret_ = true;
        fil_.join();
    }
    std::vector<Horloge::time_point> Prend() {
        std::lock_guard<std::mutex> garde(verrou_);
        return std::exchange(instants_, {});
    }
    size_t Nombre() {
        std::lock_guard<std::mutex> garde(verrou_);
        return instants_.size();
    }

private:
    void Boucle() {
        while (!arret_) {
            pollfd attente{maitre_, POLLIN, 0};
            if (::poll(&attente, 1, 20) <= 0 || !(attente.revents & POLLIN)) continue;
            unsigned char tampon[512];
            const ssize_t n = ::read(maitre_, tampon, sizeof tampon);
            const auto instant = Horloge::now();
            std::lock_guard<std::mutex> garde(verrou_);
            for (ssize_t i = 0; i < n; ++i) instants_.push_back(instant);
        }
    }
    int maitre_;
    std::atomic<bool> arret_{false};
    std::mutex verrou_;
    std::vector<Horloge::time_point> instants_;
    std::thread fil_;
};

struct Resume {
    std::vector<double> valeurs;
    void Ajoute(double v) { valeurs.push_back(v); }
    void Affiche(const char* nom, const char* unite) {
        std::sort(valeurs.begin(), valeurs.end());
        std::printf("%-48s min %8.2f  médiane %8.2f  max %8.2f %s\n", nom, valeurs.front(),
                    valeurs[valeurs.size() / 2], valeurs.back(), unite);
    }
};
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int essais = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    PlateformeTransmission plateforme;
    const QString dossier = plateforme.DossierProgramme();
    QFile::copy(QStringLiteral(GC_DOSSIER_DONNEES "/data.prg"), QDir(dossier).filePath("data.prg"));

    const int maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre < 0 || ::grantpt(maitre) != 0 || ::unlockpt(maitre) != 0) return 1;
    const QString esclave = QString::fromLocal8Bit(::ptsname(maitre));
    const int tenu = ::open(QFile::encodeName(esclave).constData(), O_RDWR | O_NOCTTY);
    QFile::link(esclave, QDir(dossier).filePath("COM1"));

    FenetrePrincipale fenetre(plateforme);
    fenetre.Demarre();
    Lecteur lecteur(maitre);

    Resume pauses, pausesRemise, etalements, etalementsRemise, trames, processeurFenetre,
        processeurProcessus, murs;
    std::printf("Transmission vers %s, %d essais\n", qPrintable(esclave), essais);
    for (int essai = 0; essai < essais; ++essai) {
        plateforme.Port().remises.clear();
        const double cpuFil = TempsProcesseurMs(CLOCK_THREAD_CPUTIME_ID);
        const double cpuTout = TempsProcesseurMs(CLOCK_PROCESS_CPUTIME_ID);
        const auto debut = Horloge::now();
        // Choisie comme à la main : la commande "Programmation " du menu.
        fenetre.findChild<QAction*>(QStringLiteral("ProgrammeTelecommande"))->trigger();
        const double mur = Ms(Horloge::now() - debut);
        processeurFenetre.Ajoute(TempsProcesseurMs(CLOCK_THREAD_CPUTIME_ID) - cpuFil);
        processeurProcessus.Ajoute(TempsProcesseurMs(CLOCK_PROCESS_CPUTIME_ID) - cpuTout);
        murs.Ajoute(mur);

        for (int i = 0; i < 100 && lecteur.Nombre() < LongueurTrame; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto instants = lecteur.Prend();
        if (instants.size() != LongueurTrame) {
            std::printf("essai %d : %zu octets reçus au lieu de 470\n", essai + 1, instants.size());
            continue;
        }
        const auto& remises = plateforme.Port().remises;
        int debutBloc = 0;
        std::printf("essai %d : pauses reçues", essai + 1);
        for (int k = 0; k < 7; ++k) {
            const int fin = FinsDeBlocs[k];
            etalements.Ajoute(Ms(instants[fin] - instants[debutBloc]));
            etalementsRemise.Ajoute(Ms(remises[fin] - remises[debutBloc]));
            if (k < 6) {
                const double pause = Ms(instants[fin + 1] - instants[fin]);
                pauses.Ajoute(pause);
                pausesRemise.Ajoute(Ms(remises[fin + 1] - remises[fin]));
                std::printf(" %.1f", pause);
            }
            debutBloc = fin + 1;
        }
        const double trame = Ms(instants.back() - instants.front());
        trames.Ajoute(trame);
        std::printf(" ms ; trame %.1f ms ; commande %.1f ms\n", trame, mur);
    }
    if (pauses.valeurs.empty()) return 1;
    std::printf("\n");
    pausesRemise.Affiche("pause remise au port (attendu 200 à 210)", "ms");
    pauses.Affiche("pause vue par la télécommande", "ms");
    etalementsRemise.Affiche("octets d'un bloc remis au port, étalement", "ms");
    etalements.Affiche("octets d'un bloc reçus, étalement", "ms");
    trames.Affiche("trame, du premier au dernier octet (cible 1300)", "ms");
    murs.Affiche("commande entière", "ms");
    processeurFenetre.Affiche("processeur, fil de la fenêtre, par envoi", "ms");
    processeurProcessus.Affiche("processeur, tout le processus, par envoi", "ms");
    const bool pausesTenues =
        pausesRemise.valeurs.front() >= 200 && pausesRemise.valeurs.back() <= 210;
    const bool trameTenue = trames.valeurs.back() <= 1300;
    std::printf("\npauses dans 200..210 ms : %s ; trame en 1,3 s au plus : %s\n",
                pausesTenues ? "oui" : "NON", trameTenue ? "oui" : "NON");
    ::close(tenu);
    ::close(maitre);
    return 0;
}
