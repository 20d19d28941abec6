#pragma once
// Plateforme des tests : chaque boîte et chaque dialogue est noté avec la réponse donnée, prise
// dans des files remplies d'avance (à défaut : le nom proposé) ; une boîte sans réponse prévue
// fait échouer le test. L'heure est fixe ; port et minuterie factices.
#include "plateforme/Plateforme.h"
#include "support/PortFactice.h"

#include <deque>
#include <functional>
#include <vector>

// Les noms des réponses, dans l'ordre de Bouton (Aucun : Échap).
constexpr int NbBoutons = 8;
extern const char* const NomsBoutons[NbBoutons];

struct BoiteVue {
    QString texte;
    QString reponse; // "imprévue" quand aucune n'était prévue
};

// Ouvrir, sauver, imprimer : le dossier et le nom proposés.
struct DialogueVu {
    QString dossier;
    QString nom;
};

class PlateformeFactice : public Plateforme {
public:
    explicit PlateformeFactice(const QString& dossier) : dossier_(dossier) {}

    Bouton Message(const QString& texte, Boutons boutons, Icone icone,
                   const QString& titre) override;
    QString DialogueOuvrir(const QString& dossier, const QString& nom, const QString&) override {
        return Dialogue(dossier, nom);
    }
    QString DialogueSauver(const QString& dossier, const QString& nom, const QString&) override {
        return Dialogue(dossier, nom);
    }
    // Copie et impression : la prochaine réponse de Copies / Impressions (à défaut : annulé).
    std::optional<CiblesCopie> DialogueCopieJour(int zone, int jour) override;
    // Horaires : LignesMontrees garde les lignes reçues, Horaires donne la réponse.
    std::optional<LignesSemaine> DialogueHoraires(const LignesSemaine& lignes) override;
    ChoixImpression DialogueImprimer(const QString& pdfPropose) override;
    QDateTime Maintenant() override { return {QDate(2026, 12, 1), QTime(14, 5, 9)}; }
    double Aleatoire() override;
    QString DossierProgramme() override { return dossier_; }
    PortSerie& Port() override { return port; }
    Minuterie& Temps() override { return minuterie; }
    std::vector<PeripheriqueSerie> PeripheriquesSeries() override { return Peripheriques; }
    void SurveillePorts(std::function<void()> c) override { ChangementPorts = std::move(c); }
    bool OuvreDocument(const QString& chemin) override {
        Documents.push_back(chemin);
        return true;
    }

    std::deque<Bouton> Reponses;
    std::deque<QString> Noms;
    std::deque<double> Tirages;
    std::deque<std::optional<CiblesCopie>> Copies;
    std::deque<QString> Impressions; // PDF où « imprimer » ; "fichier:CHEMIN" : dans un fichier
    std::deque<std::optional<LignesSemaine>> Horaires;
    LignesSemaine LignesMontrees;
    std::vector<BoiteVue> Boites;
    std::vector<DialogueVu> Dialogues;
    HorlogeFactice horloge;
    PortFactice port{horloge};
    MinuterieFactice minuterie{horloge};
    // Les périphériques « branchés » ; ChangementPorts() fait comme un branchement.
    std::vector<PeripheriqueSerie> Peripheriques;
    std::function<void()> ChangementPorts;
    std::vector<QString> Documents;     // ouverts dans le navigateur
    std::function<void()> PendantBoite; // la fenêtre vue pendant chaque boîte

private:
    QString Dialogue(const QString& dossier, const QString& nom);

    QString dossier_;
};
