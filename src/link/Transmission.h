#pragma once
// L'envoi d'une trame par un port déjà ouvert, sans fenêtre : octets remis un à un,
// pause après chaque bloc de zone, les deux journaux, arrêt à la première erreur du port.
// La fenêtre en montre la progression et la fin ; la ligne de commande s'en sert telle quelle.
#include "link/TrameProgramme.h"

#include <QObject>
#include <QString>
#include <functional>

class Minuterie;
class PortSerie;

constexpr int PauseApresBlocMs = 200;

class Transmission : public QObject {
    Q_OBJECT
public:
    Transmission(PortSerie& port, Minuterie& minuterie, QString dossierJournaux,
                 QObject* parent = nullptr);

    // Les réglages sont construits en arrivant à leur bloc, après les pauses : l'horloge
    // est lue une seule fois, au plus près de l'envoi. Vrai si tout est parti.
    bool Envoie(const Trame& zones, const std::function<Trame()>& reglages);
    // Pourquoi l'envoi s'est arrêté (vide s'il est allé au bout).
    QString Cause() const { return cause_; }

signals:
    // Pas de progression de l'élément qui vient d'être remis (453 sur toute la trame).
    void Avance(int pas);
    // L'envoi est fini, allé au bout ou non (Cause() dit pourquoi) ; journaux fermés.
    void Fin(bool envoye);

private:
    PortSerie& port_;
    Minuterie& minuterie_;
    QString dossier_;
    QString cause_;
};
