#pragma once
// Températures de la zone, choix de la zone, identifiant radio. Les barres et les cases ne
// font que montrer le document, qu'elles suivent.
#include "model/Document.h"

#include <QObject>
#include <array>

class BarreDefilement;
class ControlesNommes;
class Plateforme;
class QLineEdit;

class PanneauZone : public QObject {
    Q_OBJECT
public:
    PanneauZone(Document& document, Plateforme& plateforme, const ControlesNommes& controles,
                QObject* parent);

    void VScroll3_Change(int Index);
    // La barre a bougé : c'est une demande, 3 revenant à 0.
    void VScrollZone_Change();
    void CmdID_Click();
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
    // Les quatre températures de la zone courante dans les barres (muettes) et les cases.
    void MontreTemperatures();
    void MontreIdentifiant();
    // La barre et le numéro de la zone, ses températures et son identifiant.
    void MontreZoneChoisie();
    void LacheBarre(int Index);

    Document& doc_;
    Plateforme& plateforme_;
    std::array<BarreDefilement*, 4> VScroll3{};
    std::array<QLineEdit*, 4> Text2{};
    BarreDefilement* VScrollZone;
    QLineEdit* TextZone;
    QLineEdit* TextID;
    int appui_ = -1;      // barre de température tenue à la souris
    int boutonAppui_ = 0; // le bouton qui la tient
};
