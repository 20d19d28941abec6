#pragma once
// La ligne du temps : le graphique de la semaine (rangées, barres, lignes d'heures, curseur),
// le curseur horaire, le choix du jour, le texte des segments. Il montre et valide les jours
// du document ; la souris y édite le jour courant.
#include "model/Document.h"
#include "timeline/Trait.h"

#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <array>
#include <optional>
#include <vector>

class BarreDefilement;
class ControlesNommes;
class Plateforme;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

class PanneauSemaine : public QObject {
    Q_OBJECT
public:
    // Prend HScroll1, VScJour, Text1, VisuProgramme et ChkVisuHoraire ; dessine le graphique
    // dans Frame1. Il suit le document : jours, températures, zone, jour et curseur.
    PanneauSemaine(Document& document, Plateforme& plateforme, const ControlesNommes& controles,
                   QWidget* Frame1);

    // Noms des jours, puis leur fond : celui de la bordure d'une fenêtre inactive.
    void NommeJours();
    void ColoreFond(QColor fond);

    // Texte des segments du jour choisi, montré si la case est cochée.
    void VisuDataProgramme();
    // « CLS » : le texte des segments vidé et caché, la case restant cochée.
    void EffaceSegments();
    // Le jour choisi remontré (barre, nom, rouge), puis ses barres et le texte des segments.
    void MontreJour();
    // Pendant une transmission, ni la case ni la souris n'éditent.
    void Gele(bool gele);

    void ChkVisuHoraire_Click();
    void HScroll1_Change();
    // La barre a bougé : c'est une demande, 7 revenant à 0.
    void VScJour_Change();
    // X en twips dans le repère de la rangée ; bouton 1 gauche, 2 droit.
    void FrameTemp_MouseDown(int Index, int Button, double X);
    void Label2_MouseDown(int Index, int Button);
    // Second appui d'un double clic (Qt ne le donne pas comme un appui).
    void Label2_DblClick(int Index, int Button);
    void Marqueur_Click(int Index);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ConstruitGraphique(QWidget* Frame1);
    // Valide un jour de la zone courante et dessine ses barres.
    void ValideJour(int jour);
    // Barres d'un jour tel qu'il est au document.
    void DessineJour(int jour, const std::vector<BarreSegment>& barres);
    // Valide et redessine les sept jours de la zone.
    void AfficheEcran();
    void DeplaceCurseur();
    // Le jour choisi en rouge ; la barre, le nom et le rouge ne font que montrer le document.
    void AfficheJour();
    void MontreJourChoisi();
    // Ce que dit un lecteur d'écran du jour choisi et du curseur.
    void DitJour();
    // Hauteurs des barres de confort et des bandes éco, selon les températures de la zone.
    void PlaceHauteurs();
    void RemplaceProgramme(Document::Remplacement comment);
    void AvanceCurseur();
    // Peinture d'un trait : de la borne de l'appui à celle du pointeur, sur chaque rangée
    // traversée ; "point" dans le repère du graphique.
    bool SourisTrait(QEvent::Type type, int bouton, QPoint point);
    void PeintTrait(QPoint point);
    // Fin du trait : au relâché, ou quand une autre commande ferme son édition.
    void FinitTrait();
    void LacheTrait();

    Document& doc_;
    Plateforme& plateforme_;
    BarreDefilement* HScroll1;
    BarreDefilement* VScJour;
    QLineEdit* Text1;
    QLineEdit* VisuProgramme;
    QCheckBox* ChkVisuHoraire;
    std::array<QFrame*, 7> FrameTemp{};
    std::array<QFrame*, 56> ShTemp{};
    std::array<QFrame*, 7> Shape1{};
    std::array<QLabel*, 7> Label2{};
    std::array<QLabel*, 25> LblHeure{}; // indices 1..24
    std::array<QFrame*, 26> Marqueur{};
    std::array<QLabel*, 2> HeureProg{};
    std::array<QFrame*, 2> Line1{};
    QColor fond_ = QColor::fromRgb(0);
    int jourChoisiParAppui_ = -1; // nom de jour dont le dernier appui a choisi le jour
    bool gele_ = false;
    // Le geste de la souris ; le trait, une fois le seuil passé.
    struct Geste {
        int jour = -1; // rangée de l'appui ; -1 : pas de geste
        int bouton = 0;
        QPoint appui;
        int debut = 0;                  // borne sous l'appui
        bool depuisLigne = false;       // parti d'une ligne d'heure
        const QObject* cible = nullptr; // le contrôle appuyé, qui reçoit la suite du geste
    } geste_;
    std::optional<Trait> trait_;
};
