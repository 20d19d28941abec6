#include "PaireSerie.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PaireSocat::PaireSocat(const QString& dossier, const QString& nomProgramme) {
    const QString coteProgramme = QDir(dossier).filePath(nomProgramme);
    coteTest_ = QDir(dossier).filePath(QStringLiteral("TELECOMMANDE"));
    socat_.setProgram(QStringLiteral("socat"));
    socat_.setArguments({QStringLiteral("-d"), QStringLiteral("-d"),
                         QStringLiteral("pty,raw,echo=0,link=") + coteProgramme,
                         QStringLiteral("pty,raw,echo=0,link=") + coteTest_});
    socat_.setStandardOutputFile(QProcess::nullDevice());
    socat_.setStandardErrorFile(QProcess::nullDevice());
    socat_.start();
    if (!socat_.waitForStarted(5000)) return;
    const QDeadlineTimer limite(5000);
    while (!(QFileInfo::exists(coteProgramme) && QFileInfo::exists(coteTest_)) &&
           !limite.hasExpired())
        QThread::msleep(10);
    prete_ = QFileInfo::exists(coteProgramme) && QFileInfo::exists(coteTest_);
}

PaireSocat::~PaireSocat() {
    if (socat_.state() != QProcess::NotRunning) {
        socat_.terminate();
        if (!socat_.waitForFinished(2000)) Tue();
    }
}

void PaireSocat::Tue() {
    socat_.kill();
    socat_.waitForFinished(2000);
}

namespace {
using Horloge = std::chrono::steady_clock;
}

LecteurPort::LecteurPort(const QString& chemin) {
    descripteur_ = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (descripteur_ < 0) return;
    termios reglages{};
    if (::tcgetattr(descripteur_, &reglages) == 0) {
        ::cfmakeraw(&reglages);
        ::tcsetattr(descripteur_, TCSANOW, &reglages);
    }
    fil_ = std::thread([this] { Boucle(); });
}

LecteurPort::~LecteurPort() {
    arret_ = true;
    if (fil_.joinable()) fil_.join();
    if (descripteur_ >= 0) ::close(descripteur_);
}

void LecteurPort::Boucle() {
    const auto debut = Horloge::now();
    while (!arret_) {
        pollfd attente{descripteur_, POLLIN, 0};
        if (::poll(&attente, 1, 20) <= 0) continue;
        unsigned char tampon[512];
        const ssize_t n =
            (attente.revents & POLLIN) ? ::read(descripteur_, tampon, sizeof tampon) : -1;
        if (n <= 0) {
            // Pair fermé : on ne tourne pas à vide en attendant la fin du test.
            if (n == 0 || errno != EAGAIN)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const double ms = std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
        std::function<void()> action;
        {
            std::lock_guard<std::mutex> garde(verrou_);
            for (ssize_t i = 0; i < n; ++i) recus_.push_back({tampon[i], ms});
            if (action_ && seuil_ >= 0 && static_cast<int>(recus_.size()) >= seuil_)
                action = std::move(action_), action_ = nullptr;
        }
        if (action) QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
    }
}

std::vector<OctetRecu> LecteurPort::Recus() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return recus_;
}

QByteArray LecteurPort::Octets() const {
    QByteArray octets;
    for (const OctetRecu& o : Recus()) octets.append(static_cast<char>(o.valeur));
    return octets;
}

int LecteurPort::Nombre() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return static_cast<int>(recus_.size());
}

bool LecteurPort::Attend(int n, int delaiMs) const {
    const QDeadlineTimer limite(delaiMs);
    while (Nombre() < n && !limite.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return Nombre() >= n;
}

void LecteurPort::QuandRecus(int n, std::function<void()> action) {
    std::lock_guard<std::mutex> garde(verrou_);
    seuil_ = n;
    action_ = std::move(action);
}

std::vector<double> EcartsApresBlocs(const std::vector<OctetRecu>& recus) {
    std::vector<double> ecarts;
    for (int fin : {67, 134, 201, 268, 335, 402})
        if (fin + 1 < static_cast<int>(recus.size()))
            ecarts.push_back(recus[fin + 1].ms - recus[fin].ms);
    return ecarts;
}
