#pragma once
// Plateforme des bancs : répond toujours le premier bouton, dossier temporaire, pas de port.
#include "plateforme/Plateforme.h"

#include <QPagedPaintDevice>
#include <QTemporaryDir>
#include <memory>

class PlateformeBanc : public Plateforme {
public:
    PlateformeBanc();
    ~PlateformeBanc() override;
    Bouton Message(const QString&, Boutons boutons, Icone, const QString&) override;
    QString DialogueOuvrir(const QString&, const QString& nom, const QString&) override {
        return nom;
    }
    QString DialogueSauver(const QString&, const QString& nom, const QString&) override {
        return nom;
    }
    std::optional<CiblesCopie> DialogueCopieJour(int, int) override { return std::nullopt; }
    std::optional<LignesSemaine> DialogueHoraires(const LignesSemaine&) override {
        return std::nullopt;
    }
    ChoixImpression DialogueImprimer(const QString&) override { return {}; }
    QDateTime Maintenant() override;
    double Aleatoire() override { return 0.5; }
    QString DossierProgramme() override { return dossier_.path(); }
    PortSerie& Port() override { return *port_; }
    std::vector<PeripheriqueSerie> PeripheriquesSeries() override { return {}; }
    void SurveillePorts(std::function<void()>) override {}
    Minuterie& Temps() override { return minuterie_; }
    bool OuvreDocument(const QString&) override { return false; }

private:
    QTemporaryDir dossier_;
    std::unique_ptr<PortSerie> port_;
    MinuterieQt minuterie_;
};
