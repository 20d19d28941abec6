#pragma once
// Le port série réel, par Qt SerialPort.
#include "plateforme/DetectionPorts.h"
#include "plateforme/Plateforme.h"

#include <QSerialPort>
#include <functional>

// Description en français d'une erreur du port, avec le port et le périphérique en cause.
QString DescriptionErreurPort(QSerialPort::SerialPortError erreur, int numero,
                              const QString& peripherique, const QString& texteSysteme);

class PortSerieQt : public PortSerie {
public:
    // Port n : "COMn" sous Windows ; ailleurs ce que désigne COMn (CorrespondancePorts)
    // parmi les périphériques que donne "detecte".
    explicit PortSerieQt(
        std::function<QString()> dossierProgramme,
        std::function<std::vector<PeripheriqueSerie>()> detecte = DetectePeripheriques);
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

    // Ce qu'il faut ouvrir pour COMn ; vide, avec erreur_ posée, si rien ne s'y prête.
    QString Peripherique(int numero);
    // Le texte de l'échec d'ouverture, avec ce que l'utilisateur peut y faire.
    QString EchecOuverture(QSerialPort::SerialPortError erreur);

    std::function<QString()> dossierProgramme_;
    std::function<std::vector<PeripheriqueSerie>()> detecte_;
    std::vector<PeripheriqueSerie> detectes_; // vus à la dernière ouverture
    QString cible_;                           // le périphérique au bout de COMn
    QSerialPort port_;
    QString erreur_;
    int numero_ = 0;
    bool perdu_ = false; // le périphérique a disparu : plus rien ne s'écrit
};
