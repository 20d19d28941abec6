#include "PaireSerie.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

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

LecteurPort::LecteurPort(const QString& chemin) {
    descripteur_ = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (descripteur_ < 0) return;
    termios reglages{};
    if (::tcgetattr(descripteur_, &reglages) == 0) {
        ::cfmakeraw(&reglages);
        ::tcsetattr(descripteur_, TCSANOW, &reglages);
    }
    fil_ = std::thread([this] {
        while (!arret_) {
            pollfd attente{descripteur_, POLLIN, 0};
            unsigned char tampon[512];
            const ssize_t n = ::poll(&attente, 1, 20) > 0 && (attente.revents & POLLIN)
                                  ? ::read(descripteur_, tampon, sizeof tampon)
                                  : -1;
            if (n <= 0) {
                // Pair fermé : poll rend la main tout de suite, on ne tourne pas à vide.
                if (attente.revents & (POLLHUP | POLLERR)) ::usleep(20000);
                continue;
            }
            std::function<void()> action;
            {
                std::lock_guard<std::mutex> garde(verrou_);
                recus_.append(reinterpret_cast<const char*>(tampon), n);
                if (action_ && static_cast<int>(recus_.size()) >= seuil_)
                    std::swap(action, action_);
            }
            if (action) QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
        }
    });
}

LecteurPort::~LecteurPort() {
    arret_ = true;
    if (fil_.joinable()) fil_.join();
    if (descripteur_ >= 0) ::close(descripteur_);
}

QByteArray LecteurPort::Octets() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return recus_;
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
