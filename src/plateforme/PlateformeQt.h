#pragma once
#include "plateforme/DetectionPorts.h"
#include "plateforme/Plateforme.h"
#include <memory>

class QWidget;

// Les portes réelles : Qt pour les boîtes, les dialogues, l'horloge et le port.
class PlateformeQt : public Plateforme {
public:
    PlateformeQt();
    ~PlateformeQt() override;
    void ChangeParent(QWidget* parent) { parent_ = parent; }

    Bouton Message(const QString& texte, Boutons boutons, Icone icone,
                   const QString& titre) override;
    QString DialogueOuvrir(const QString& dossier, const QString& nom,
                           const QString& dossierFichier) override;
    QString DialogueSauver(const QString& dossier, const QString& nom,
                           const QString& dossierFichier) override;
    std::optional<CiblesCopie> DialogueCopieJour(int zone, int jour) override;
    std::optional<LignesSemaine> DialogueHoraires(const LignesSemaine& lignes) override;
    ChoixImpression DialogueImprimer(const QString& pdfPropose) override;
    QDateTime Maintenant() override;
    double Aleatoire() override;
    QString DossierProgramme() override;
    PortSerie& Port() override;
    std::vector<PeripheriqueSerie> PeripheriquesSeries() override;
    void SurveillePorts(std::function<void()> change) override;
    Minuterie& Temps() override { return minuterie_; }
    bool OuvreDocument(const QString& chemin) override;

private:
    QWidget* parent_ = nullptr;
    std::unique_ptr<PortSerie> port_;
    MinuterieQt minuterie_;
    QString dossier_; // dossier des fichiers, choisi au premier besoin
    std::unique_ptr<SurveillancePorts> surveillance_;
};

// Charge les traductions françaises de Qt (boutons, dialogues, erreurs série).
void ChargeTraductions();
