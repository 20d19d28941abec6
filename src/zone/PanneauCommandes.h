#pragma once
// Les commandes du jour : confort et éco au curseur, pour un créneau ou une heure,
// effacement, copie et collage du jour. Elles éditent le jour courant du document et
// font suivre la ligne du temps par l'interface que la fenêtre leur donne.
#include <QByteArray>
#include <QObject>
#include <functional>

class ControlesNommes;
class Document;
class Plateforme;
class QPushButton;

// Ce que les commandes demandent à la ligne du temps, à un moment précis de leur édition : le
// curseur et la case des segments ne sont qu'à l'écran, et le document ne signale aucun jour édité.
struct LigneDuTempsCommandes {
    // Créneau du curseur, 0..144, lu avant d'écrire.
    std::function<int()> Position;
    // Après l'écriture, avant la validation, comme la barre du curseur réglée à la main.
    std::function<void(int)> PlaceCurseur;
    // Barres du jour, dans l'édition : la coupe d'un neuvième segment en fait partie.
    std::function<void()> ValideProgramme;
    // Après la validation, le texte des segments refait si la case est cochée.
    std::function<bool()> SegmentsAffiches;
    std::function<void()> MontreSegments;
    // « CLS » : le texte des segments vidé et caché après la validation.
    std::function<void()> EffaceSegments;
    // Une fois l'édition close : elle a touché d'autres jours que le jour courant.
    std::function<void()> RefaitSemaine;
};

class PanneauCommandes : public QObject {
    Q_OBJECT
public:
    PanneauCommandes(Document& document, Plateforme& plateforme, const ControlesNommes& controles,
                     LigneDuTempsCommandes ligne, QObject* parent);

    void CmdHigh_Click();
    void CmdLow_Click();
    void Cmd1H_Click();
    void Cmd1Hmoins_Click();
    void CmdCLS_Click();
    void CmdCopy_Click();
    void CmdPASTE_Click();
    // "Copier le jour vers…" : le jour courant collé sur chaque jour et zone cochés, en une
    // seule édition ; chaque jour cible est validé.
    void CopieJourVers_Click();
    // "Horaires de la semaine…" : les sept jours de la zone tapés en clair ; chaque ligne
    // changée remplace son jour, le tout en une seule édition.
    void HorairesSemaine_Click();
    // La question des huit segments de "Conf." ; vrai pour OK.
    bool ConfirmeHuitSegments();
    // Pendant une transmission, les boutons hors du cadre "Programme" sont grisés aussi.
    void Gele(bool gele);

private:
    struct Commande;
    void Execute(const Commande& commande);
    // Le jour a été changé : barres, puis texte des heures si la case est cochée.
    void ValideEtMontre();

    Document& doc_;
    Plateforme& plateforme_;
    LigneDuTempsCommandes ligne_;
    QByteArray BufferJour; // presse-papiers d'un jour, jamais vidé
    QPushButton* CmdCLS;
    QPushButton* CmdCopy;
    QPushButton* CmdPASTE;
};
