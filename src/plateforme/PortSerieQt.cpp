#include "plateforme/PortSerieQt.h"
#include "plateforme/CausesSysteme.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

QString DescriptionErreurPort(QSerialPort::SerialPortError erreur, int numero,
                              const QString& peripherique, const QString& texteSysteme) {
    const QString port = QStringLiteral("COM%1 (%2)").arg(numero).arg(peripherique);
    switch (erreur) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("Port série introuvable : %1").arg(port);
    case QSerialPort::PermissionError:
        return QStringLiteral("Accès refusé au port série %1 : déjà pris par un autre "
                              "programme ?")
            .arg(port);
    case QSerialPort::OpenError:
        return QStringLiteral("Le port série %1 est déjà ouvert").arg(port);
    case QSerialPort::ResourceError:
        return QStringLiteral("Le port série %1 a disparu : cordon débranché ?").arg(port);
    case QSerialPort::WriteError:
        return QStringLiteral("Écriture impossible sur le port série %1").arg(port);
    case QSerialPort::UnsupportedOperationError:
        return QStringLiteral("Le port série %1 refuse 4800 bauds, 8 bits, sans parité").arg(port);
    default:
        return QStringLiteral("Erreur du port série %1 : %2").arg(port, CauseSysteme(texteSysteme));
    }
}

namespace {
bool EstFatale(QSerialPort::SerialPortError erreur) {
    switch (erreur) {
    case QSerialPort::ResourceError:
    case QSerialPort::WriteError:
    case QSerialPort::PermissionError:
    case QSerialPort::DeviceNotFoundError:
        return true;
    default:
        return false;
    }
}

#ifdef Q_OS_UNIX
// Attend que le pilote ait émis sa file d'attente, sans dépasser la limite :
// tcdrain seul pourrait attendre sans fin une ligne bloquée.
void AttendLigneVide(int descripteur, const QDeadlineTimer& limite) {
    int restant = 0;
    while (::ioctl(descripteur, TIOCOUTQ, &restant) == 0 && restant > 0 && !limite.hasExpired())
        QThread::msleep(2);
    if (restant == 0) ::tcdrain(descripteur); // reste au plus la FIFO de l'UART
}

// Faux pour ce qui s'ouvre mais n'est pas un terminal (fichier ordinaire, /dev/null) ; vrai
// quand on ne peut pas le savoir, l'erreur du port restant alors la meilleure.
bool EstTerminal(const QString& chemin) {
    const int d =
        ::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (d < 0) return true;
    const bool terminal = ::isatty(d) == 1;
    ::close(d);
    return terminal;
}
#endif
} // namespace

QString PortSerieQt::Peripherique(int numero) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(numero);
#else
    if (numero < 1 || numero > NbPortsCom) {
        erreur_ = QStringLiteral("Port COM%1 indisponible").arg(numero);
        return {};
    }
    detectes_ = detecte_();
    const PortAssocie port = CorrespondancePorts(dossierProgramme_(), detectes_).com[numero - 1];
    if (port.chemin.isEmpty())
        erreur_ = TexteAucunPeripherique(numero, QString(), detectes_);
    else if (port.peripherique && port.peripherique->sansUart)
        erreur_ = TexteSansUart(numero, port.cible);
    cible_ = port.cible;
    return erreur_.isEmpty() ? port.chemin : QString();
#endif
}

QString PortSerieQt::EchecOuverture(QSerialPort::SerialPortError erreur) {
#ifdef Q_OS_UNIX
    // Ce qui n'est pas un terminal refuse tout réglage de ligne : le dire, pas la vitesse.
    if (erreur == QSerialPort::UnsupportedOperationError && !EstTerminal(port_.portName()))
        return TextePasUnPortSerie(numero_, cible_);
    // Nommé par ce qui manque ou se refuse au bout du lien, pas par le lien.
    if (erreur == QSerialPort::DeviceNotFoundError)
        return TexteAucunPeripherique(numero_, cible_, detectes_);
    // Refusé aussi quand un autre programme le tient : le groupe n'y changerait rien.
    if (erreur == QSerialPort::PermissionError &&
        ::access(QFile::encodeName(cible_).constData(), W_OK) != 0 && errno == EACCES)
        return TexteAccesRefuse(numero_, cible_, GroupePeripherique(cible_), NomUtilisateur());
#endif
    return DescriptionErreurPort(erreur, numero_, port_.portName(), port_.errorString());
}

PortSerieQt::PortSerieQt(std::function<QString()> dossierProgramme,
                         std::function<std::vector<PeripheriqueSerie>()> detecte)
    : dossierProgramme_(std::move(dossierProgramme)), detecte_(std::move(detecte)) {
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { SurErreur(e); });
}

PortSerieQt::~PortSerieQt() {
    Ferme();
}

void PortSerieQt::SurErreur(QSerialPort::SerialPortError erreur) {
    // Un périphérique disparu (câble USB arraché, pair fermé) fait répéter l'erreur
    // en boucle tant que le port reste ouvert : on garde la première et on ferme.
    // perdu_ est levé avant close(), qui peut lui-même signaler une erreur.
    if (!EstFatale(erreur) || perdu_ || !port_.isOpen()) return;
    perdu_ = true;
    erreur_ = DescriptionErreurPort(erreur, numero_, port_.portName(), port_.errorString());
    port_.close();
}

bool PortSerieQt::Ouvre(int numero) {
    Ferme();
    perdu_ = false;
    erreur_.clear();
    numero_ = numero;
    const QString peripherique = Peripherique(numero);
    if (peripherique.isEmpty()) return false;
    port_.setPortName(peripherique);
    if (!port_.open(QIODevice::WriteOnly)) {
        erreur_ = EchecOuverture(port_.error());
        return false;
    }
    const bool reglee =
        port_.setBaudRate(QSerialPort::Baud4800) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!reglee || !port_.isOpen()) {
        if (erreur_.isEmpty())
            erreur_ = DescriptionErreurPort(port_.error(), numero_, port_.portName(),
                                            port_.errorString());
        if (port_.isOpen()) port_.close();
        return false;
    }
    return true;
}

bool PortSerieQt::EstOuvert() const {
    return port_.isOpen();
}

void PortSerieQt::Ferme() {
    if (!port_.isOpen()) return;
    // close() jetterait ce que Qt n'a pas encore remis au système : on attend qu'il l'ait
    // pris, puis que la ligne l'ait émis, le tout borné.
    const QDeadlineTimer limite(DelaiVidageMs);
    while (port_.isOpen() && port_.bytesToWrite() > 0 && !limite.hasExpired())
        port_.waitForBytesWritten(static_cast<int>(qMax<qint64>(1, limite.remainingTime())));
#ifdef Q_OS_UNIX
    if (port_.isOpen() && port_.handle() >= 0) AttendLigneVide(port_.handle(), limite);
#endif
    if (port_.isOpen()) port_.close();
}

bool PortSerieQt::Ecrit(const QByteArray& octets) {
    if (perdu_ || !port_.isOpen()) return false;
    if (port_.write(octets) != octets.size()) return false;
    // Remis au système tout de suite, sans attendre la boucle d'événements.
    port_.flush();
    return !perdu_ && port_.isOpen();
}

QString PortSerieQt::Erreur() const {
    if (!erreur_.isEmpty()) return erreur_;
    return QStringLiteral("Port COM%1 indisponible").arg(numero_);
}
