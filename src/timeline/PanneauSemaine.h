#pragma once
// La ligne du temps : le graphique de la semaine (rangées, barres, lignes d'heures, curseur),
// le curseur horaire, le choix du jour, le texte des segments. Il lit et valide les jours du
// document ; la souris y édite le jour courant.
#include "model/Document.h"

#include <QColor>
#include <QEvent>
#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

class BarreDefilement;
class ControlesNommes;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QWidget;

class PanneauSemaine : public QObject {
    Q_OBJECT
public:
    // Prend HScroll1, VScJour, Text1, VisuProgramme et ChkVisuHoraire ; dessine le graphique
    // dans Frame1.
    PanneauSemaine(Document& document, const ControlesNommes& controles, QWidget* Frame1);

    // Noms des jours, puis leur fond : celui de la bordure d'une fenêtre inactive.
    void NommeJours();
    void ColoreFond(QColor fond);

    void ValideProgramme();
    void VisuDataProgramme();
    // Le jour choisi en rouge.
    void AfficheJour();
    // Valide et redessine les sept jours de la zone.
    void AfficheEcran();
    void DeplaceCurseur();
    // Après une annulation : les sept jours de la zone redessinés, ce jour choisi et montré.
    void MontreJour(int jour);

    // Curseur horaire (HScroll1) réglé comme par l'utilisateur.
    int Position() const;
    void PlaceCurseur(int position);
    // Jour demandé comme par l'utilisateur : rien ne se passe s'il est déjà choisi.
    void ChoisitJour(int jour);
    // Texte des segments : montré si la case est cochée ; caché (et vidé) par l'effacement.
    bool SegmentsAffiches() const;
    void MontreSegments();
    void CacheSegments();
    void EffaceSegments();
    void DecocheSegments();
    // Hauteurs des barres de confort et des bandes éco, en twips, suivant les températures.
    void PlaceHauteurs(int confort, int eco);
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

    // Trait tiré à la souris : la question des huit segments, vrai pour OK.
    std::function<bool()> ConfirmeHuitSegments;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ConstruitGraphique(QWidget* Frame1);
    void ValideJour(int jour);
    // Le jour choisi, puis curseur, barres et texte des segments de ce jour.
    void ChangeJour(int jour);
    // La barre, le nom et le rouge ne font que montrer le jour du document.
    void MontreJourChoisi();
    void AvanceCurseur();
    // Peinture d'un trait : de la borne de l'appui à celle du pointeur, sur chaque rangée
    // traversée ; "point" dans le repère du graphique.
    bool SourisTrait(QEvent::Type type, int bouton, QPoint point);
    void PeintTrait(QPoint point);
    void MontrePeriodeTrait(QPoint point);
    // Fin du trait : au relâché, ou quand une autre commande ferme son édition.
    void FinitTrait();
    void LacheTrait();

    Document& doc_;
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
    struct Trait {
        int jour = -1; // rangée de l'appui ; -1 : pas de trait
        int zone = 0;
        int bouton = 0;
        QPoint appui;
        int debut = 0;                // borne sous l'appui
        int premier = 0, dernier = 0; // rangées peintes
        int depuis = 0, nombre = 0;   // créneaux peints
        bool depuisLigne = false;     // parti d'une ligne d'heure
        std::array<QByteArray, 7> avant;
        bool peint = false;             // son édition longue est ouverte
        const QObject* cible = nullptr; // le contrôle appuyé, qui reçoit la suite du geste
    } trait_;
};
