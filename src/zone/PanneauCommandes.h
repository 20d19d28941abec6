#pragma once
// Les commandes du jour : confort et éco au curseur, pour un créneau ou une heure,
// effacement, copie et collage du jour. Elles éditent le jour et le curseur du document, que
// la ligne du temps suit.
#include <QByteArray>
#include <QObject>

class ControlesNommes;
class Document;
class Plateforme;
class QPushButton;

class PanneauCommandes : public QObject {
    Q_OBJECT
public:
    PanneauCommandes(Document& document, Plateforme& plateforme, const ControlesNommes& controles,
                     QObject* parent);

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

signals:
    // « CLS » : le texte des segments est vidé et caché, même la case cochée.
    void JourEfface();

private:
    struct Commande;
    void Execute(const Commande& commande);

    Document& doc_;
    Plateforme& plateforme_;
    QByteArray BufferJour; // presse-papiers d'un jour, jamais vidé
    QPushButton* CmdCLS;
    QPushButton* CmdCopy;
    QPushButton* CmdPASTE;
};
