#pragma once
// Plateforme scriptée : chaque boîte attendue est annoncée avec sa réponse ;
// une boîte imprévue fait échouer le test au lieu de le bloquer.
#include "plateforme/Plateforme.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct BoiteVue {
    QString texte;
    Boutons boutons;
    Icone icone;
    QString titre;
};

struct DialogueVu {
    bool ouvrir; // faux : dialogue d'enregistrement
    QString dossier;
    QString nom;
};

class PlateformeFactice : public Plateforme {
public:
    explicit PlateformeFactice(const QString& dossierProgramme);
    ~PlateformeFactice() override;

    // La prochaine boîte doit porter ce texte ; elle répond "reponse" (Bouton::Aucun :
    // fermée par Échap ou par sa case).
    void AttendBoite(const QString& texte, Bouton reponse);
    // Idem, en vérifiant aussi boutons, icône et titre.
    void AttendBoite(const BoiteVue& attendue, Bouton reponse);
    // Le prochain dialogue rend ce nom (le nom proposé tel quel = annulé).
    // La prochaine boîte doit commencer par ce texte (la suite vient du système).
    void AttendBoiteDebut(const QString& debut, Bouton reponse);
    void AttendDialogue(const QString& nomRendu);
    void AttendAleatoire(double valeur);
    // Le prochain dialogue "Copier le jour vers…" rend ces cibles (rien : annulé).
    void AttendCopieJour(std::optional<CiblesCopie> cibles) { copies_.push_back(cibles); }
    // Le prochain dialogue "Horaires de la semaine…" rend ces lignes (rien : annulé) ;
    // LignesMontrees garde celles qu'il a reçues.
    void AttendHoraires(std::optional<LignesSemaine> lignes) { horaires_.push_back(lignes); }
    LignesSemaine LignesMontrees;
    // Le prochain dialogue d'impression imprime dans ce PDF (vide : annulé).
    void AttendImpression(const QString& pdf) { impressions_.push_back(pdf); }
    void ChangeMaintenant(const QDateTime& instant) { maintenant_ = instant; }
    void ChangeDossier(const QString& dossier) { dossier_ = dossier; }
    void ChangePort(std::unique_ptr<PortSerie> port);
    // Appelé à chaque boîte, après sa vérification (pour agir pendant qu'elle est ouverte).
    std::function<void(const BoiteVue&)> PendantBoite;

    int BoitesEnAttente() const { return static_cast<int>(boitesAttendues_.size()); }
    std::vector<BoiteVue> Boites;
    int LecturesHorloge = 0;
    std::vector<DialogueVu> Dialogues;

    Bouton Message(const QString& texte, Boutons boutons, Icone icone,
                   const QString& titre) override;
    QString DialogueOuvrir(const QString& dossier, const QString& nom) override;
    QString DialogueSauver(const QString& dossier, const QString& nom) override;
    QDateTime Maintenant() override {
        ++LecturesHorloge;
        return maintenant_;
    }
    double Aleatoire() override;
    std::optional<CiblesCopie> DialogueCopieJour(int zone, int jour) override;
    std::optional<LignesSemaine> DialogueHoraires(const LignesSemaine& lignes) override;
    std::unique_ptr<QPagedPaintDevice> DialogueImprimer() override;
    QString DossierProgramme() override { return dossier_; }
    PortSerie& Port() override { return *port_; }
    // Les vraies pauses de Qt, sauf minuterie changée ; PendantPause voit chacune d'elles.
    Minuterie& Temps() override { return espion_; }
    void ChangeMinuterie(std::unique_ptr<Minuterie> minuterie) {
        minuterie_ = std::move(minuterie);
    }
    std::function<void()> PendantPause;

private:
    struct Attente {
        std::optional<BoiteVue> complete;
        QString texte;
        Bouton reponse;
        bool debutSeulement = false;
    };
    QString Dialogue(bool ouvrir, const QString& dossier, const QString& nom);

    QString dossier_;
    QDateTime maintenant_;
    std::deque<Attente> boitesAttendues_;
    std::deque<QString> dialogues_;
    std::deque<double> aleatoires_;
    std::deque<std::optional<CiblesCopie>> copies_;
    std::deque<QString> impressions_;
    std::deque<std::optional<LignesSemaine>> horaires_;
    std::unique_ptr<PortSerie> port_;
    std::unique_ptr<Minuterie> minuterie_;
    struct Espion : Minuterie {
        explicit Espion(PlateformeFactice& p) : plateforme(p) {}
        void Pause(int ms) override {
            if (plateforme.PendantPause) plateforme.PendantPause();
            plateforme.minuterie_->Pause(ms);
        }
        PlateformeFactice& plateforme;
    } espion_{*this};
};

// Texte lisible d'une boîte, pour les messages d'échec.
QString Decrit(const BoiteVue& boite);
