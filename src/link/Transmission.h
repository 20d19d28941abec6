#pragma once
// L'envoi d'une trame par un port déjà ouvert, sans fenêtre : octets remis un à un,
// pause après chaque bloc de zone, les deux journaux, arrêt à la première erreur du port.
// La fenêtre en montre la progression et la fin ; la ligne de commande s'en sert telle quelle.
#include "link/TrameProgramme.h"
#include "plateforme/EcritureAtomique.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

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
    // Le journal qui n'a pas pu être écrit (le premier), s'il y en a un.
    std::optional<EchecEcriture> EchecJournaux() const { return echecJournaux_; }

signals:
    // Pas de progression de l'élément qui vient d'être remis (453 sur toute la trame).
    void Avance(int pas);
    // L'envoi est fini, allé au bout ou non (Cause() dit pourquoi) ; journaux écrits.
    void Fin(bool envoye);

private:
    PortSerie& port_;
    Minuterie& minuterie_;
    QString dossier_;
    QString cause_;
    std::optional<EchecEcriture> echecJournaux_;
};
