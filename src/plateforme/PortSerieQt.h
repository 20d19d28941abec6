#pragma once
// Le port série réel, par Qt SerialPort.
#include "plateforme/Plateforme.h"

#include <QSerialPort>
#include <functional>

// Port n : "COMn" sous Windows ; ailleurs l'entrée "COMn" du dossier du programme
// quand elle existe (souvent un lien vers /dev/ttyUSB0), sinon /dev/ttyS{n-1}.
QString PeripheriquePort(int numero, const QString& dossierProgramme);

// Description en français d'une erreur du port, avec le port et le périphérique en cause.
QString DescriptionErreurPort(QSerialPort::SerialPortError erreur, int numero,
                              const QString& peripherique, const QString& texteSysteme);

class PortSerieQt : public PortSerie {
public:
    explicit PortSerieQt(std::function<QString()> dossierProgramme);
    ~PortSerieQt() override;

    bool Ouvre(int numero) override;
    bool EstOuvert() const override;
    void Ferme() override;
    bool Ecrit(const QByteArray& octets) override;
    QString Erreur() const override;

    // Au-delà, la fermeture n'attend plus la ligne (470 octets à 4800 bauds : 1 s).
    static constexpr int DelaiVidageMs = 5000;

private:
    void SurErreur(QSerialPort::SerialPortError erreur);

    std::function<QString()> dossierProgramme_;
    QSerialPort port_;
    QString erreur_;
    int numero_ = 0;
    bool perdu_ = false; // le périphérique a disparu : plus rien ne s'écrit
};
