#pragma once
// Port série n (1..4), 4800 bauds 8N1 sans contrôle de flux, en émission seule.
#include <QByteArray>
#include <QString>

class PortSerie {
public:
    virtual ~PortSerie() = default;
    // Ferme d'abord si ouvert ; faux en cas d'échec, Erreur() dit pourquoi.
    virtual bool Ouvre(int numero) = 0;
    virtual bool EstOuvert() const = 0;
    // Attend que tout soit parti sur la ligne, puis ferme.
    virtual void Ferme() = 0;
    // Remet les octets au port sans attendre ; faux dès que le périphérique a disparu.
    virtual bool Ecrit(const QByteArray& octets) = 0;
    virtual QString Erreur() const = 0;
};
