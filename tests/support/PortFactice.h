#pragma once
// Port et minuterie des tests : le temps n'avance que par les pauses, chaque octet est
// noté avec l'instant où il a été remis ; le port peut refuser de s'ouvrir ou lâcher
// à un octet donné, comme un câble arraché.
#include "plateforme/Minuterie.h"
#include "plateforme/PortSerie.h"

#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

struct HorlogeFactice {
    qint64 ms = 0;
};

class MinuterieFactice : public Minuterie {
public:
    explicit MinuterieFactice(HorlogeFactice& horloge) : horloge_(horloge) {}
    void Pause(int ms) override {
        if (AvantPause) AvantPause();
        Pauses.push_back(ms);
        horloge_.ms += ms;
    }
    std::vector<int> Pauses;
    std::function<void()> AvantPause; // voit chaque pause avant qu'elle passe

private:
    HorlogeFactice& horloge_;
};

struct OctetRemis {
    quint8 octet;
    qint64 instant;
};

class PortFactice : public PortSerie {
public:
    explicit PortFactice(HorlogeFactice& horloge) : horloge_(horloge) {}

    bool Ouvre(int numero) override;
    bool EstOuvert() const override { return ouvert_; }
    void Ferme() override { ouvert_ = false; }
    bool Ecrit(const QByteArray& octets) override;
    QString Erreur() const override { return erreur_; }

    QByteArray Octets() const;

    std::vector<OctetRemis> Remis;
    std::vector<int> Ouvertures;
    // Ouvre() échoue avec ce texte.
    std::optional<QString> RefusOuverture;
    // L'octet d'indice k (depuis 0) et les suivants ne partent plus.
    std::optional<int> PerteAuOctet;
    QString ErreurPerte = QStringLiteral("Le port série COM1 (factice) a disparu");

private:
    HorlogeFactice& horloge_;
    bool ouvert_ = false;
    QString erreur_;
};
