#pragma once
// Températures de la zone, choix de la zone, identifiant radio.
#include "model/Document.h"

#include <QObject>
#include <array>
#include <functional>

class BarreDefilement;
class ControlesNommes;
class Plateforme;
class QLineEdit;

// Ce que le choix de zone et les températures demandent à la ligne du temps.
struct LigneDuTempsZone {
    // Ordre du changement de zone, même redemandée telle quelle : semaine, températures, lundi.
    std::function<void()> AvantTemperatures;
    std::function<void()> ApresTemperatures;
    // Hauteurs en twips : elles suivent les barres des températures, réglées avant le document.
    std::function<void(int confort, int eco)> PlaceHauteurs;
};

class PanneauZone : public QObject {
    Q_OBJECT
public:
    PanneauZone(Document& document, Plateforme& plateforme, const ControlesNommes& controles,
                LigneDuTempsZone ligne, QObject* parent);

    void VScroll3_Change(int Index);
    void AfficheTemperature();
    // Charge les quatre températures de la zone courante dans les barres sans que les
    // règles d'ordre ni l'enregistrement n'agissent, puis textes et hauteurs.
    void ChargeTemperatures();
    // La barre a bougé : c'est une demande, 3 revenant à 0.
    void VScrollZone_Change();
    void CmdID_Click();
    // Zone demandée comme par l'utilisateur : rien ne se passe si elle est déjà choisie.
    void ChoisitZone(int zone);
    void MontreIdentifiant();
    // Valeur tapée après un double clic sur sa case : une température (0 à 3) ou
    // l'identifiant (ChampIdentifiant). Entrée, ou toute autre commande, la règle comme la barre
    // ou le bouton (mêmes règles) ; Échap ou un refus rend la case telle qu'elle était.
    static constexpr int ChampIdentifiant = NbTemperatures;
    void Champ_DblClick(int Index);
    void Champ_Valide(int Index);
    void Champ_Abandonne(int Index);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QLineEdit* Champ(int Index) const;
    // Ferme la saisie : ce qui est tapé est pris, ou refusé avec sa raison.
    void Champ_Ferme(int Index);
    void PlaceHauteursBarres();
    // Toute la zone refaite : semaine, températures, identifiant, puis lundi.
    void ChangeZone(int zone);
    // La barre et le numéro ne font que montrer la zone du document.
    void MontreZoneChoisie();
    // Règles d'ordre, barres, texte, enregistrement d'un réglage.
    void ReglageTemperature(int Index);
    void LacheBarre(int Index);

    Document& doc_;
    Plateforme& plateforme_;
    LigneDuTempsZone ligne_;
    std::array<BarreDefilement*, 4> VScroll3{};
    std::array<QLineEdit*, 4> Text2{};
    BarreDefilement* VScrollZone;
    QLineEdit* TextZone;
    QLineEdit* TextID;
    int appui_ = -1;      // barre de température tenue à la souris
    int boutonAppui_ = 0; // le bouton qui la tient
};
