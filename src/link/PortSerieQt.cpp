#include "link/PortSerieQt.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#ifdef Q_OS_UNIX
#include <termios.h>
#endif

QString PeripheriquePort(int numero, const QString& dossierProgramme) {
#ifdef Q_OS_WIN
    Q_UNUSED(dossierProgramme);
    return QStringLiteral("COM%1").arg(numero);
#else
    const QString lien = QDir(dossierProgramme).filePath(QStringLiteral("COM%1").arg(numero));
    const QFileInfo info(lien);
    if (info.exists() || info.isSymLink()) return lien;
    return QStringLiteral("/dev/ttyS%1").arg(numero - 1);
#endif
}

PortSerieQt::PortSerieQt(std::function<QString()> dossierProgramme)
    : dossierProgramme_(std::move(dossierProgramme)) {
    // Un câble USB arraché fait tourner errorOccurred en boucle : on cesse d'écrire
    // dès la première erreur de ressource.
    QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError || e == QSerialPort::WriteError ||
            e == QSerialPort::PermissionError) {
            if (port_.isOpen()) {
                perdu_ = true;
                erreur_ = port_.errorString();
                port_.close();
            }
        }
    });
}

PortSerieQt::~PortSerieQt() {
    if (port_.isOpen()) Ferme();
}

bool PortSerieQt::Ouvre(int numero) {
    if (port_.isOpen()) Ferme();
    perdu_ = false;
    port_.setPortName(PeripheriquePort(numero, dossierProgramme_()));
    if (!port_.open(QIODevice::WriteOnly)) {
        erreur_ = port_.errorString();
        return false;
    }
    const bool reglee =
        port_.setBaudRate(QSerialPort::Baud4800) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::OneStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!reglee) {
        erreur_ = port_.errorString();
        port_.close();
        return false;
    }
    erreur_.clear();
    return true;
}

bool PortSerieQt::EstOuvert() const {
    return port_.isOpen();
}

void PortSerieQt::Ferme() {
    if (!port_.isOpen()) return;
    // close() jetterait ce qui n'est pas encore écrit : on attend que tout soit parti.
    QDeadlineTimer limite(5000);
    while (port_.isOpen() && port_.bytesToWrite() > 0 && !limite.hasExpired())
        port_.waitForBytesWritten(static_cast<int>(limite.remainingTime()));
#ifdef Q_OS_UNIX
    if (port_.isOpen() && port_.handle() >= 0) ::tcdrain(port_.handle());
#endif
    if (port_.isOpen()) port_.close();
}

bool PortSerieQt::Ecrit(const QByteArray& octets) {
    if (perdu_ || !port_.isOpen()) return false;
    if (port_.write(octets) != octets.size()) return false;
    // Remis au système tout de suite, sans attendre la boucle d'événements.
    port_.flush();
    return !perdu_;
}

void PortSerieQt::DemandeTampon(int octets) {
    Q_UNUSED(octets);
}

QString PortSerieQt::Erreur() const {
    return erreur_;
}
