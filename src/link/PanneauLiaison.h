#pragma once
// La liaison avec la télécommande : choix du port, test de la liaison, programmation de la
// télécommande et programme de test, avec la barre de progression de l'envoi. Pendant un
// envoi, la fenêtre gèle toutes les commandes à sa demande.
#include "plateforme/CorrespondancePorts.h"

#include <QObject>
#include <array>
#include <functional>
#include <vector>

class ControlesNommes;
class Document;
class Plateforme;
class QAction;
class QMenu;
class QProgressBar;
struct Programme;

class PanneauLiaison : public QObject {
    Q_OBJECT
public:
    // Ajoute "&Choix port série" (COM1..COM4, puis les périphériques détectés) au menu de
    // configuration et ses trois commandes au menu de programmation.
    PanneauLiaison(Document& document, Plateforme& plateforme, const ControlesNommes& controles,
                   QMenu* configuration, QMenu* programmation, QObject* parent);

    void OuvreCom();
    void COM_Click(int Index);
    // Le périphérique détecté est lié au premier COMn libre du dossier, puis choisi par lui.
    void Peripherique_Click(const PeripheriqueSerie& peripherique);
    // Le périphérique de chaque COMn et la liste des autres, relus.
    void RafraichitPorts();
    bool OuvreLiaison();
    void TestTelecommande_Click();
    void ProgrammeTelecommande_Click();
    void ProgrammeDeTest_Click();
    bool TransmissionEnCours() const { return transmissionEnCours_; }
    // Ses commandes grisées pendant un envoi.
    void Gele(bool gele);

signals:
    // Toutes les commandes de la fenêtre gelées (vrai) pendant un envoi, ou rendues.
    void GeleTout(bool gele);

private:
    // Toute la fenêtre gelée, ou rendue.
    void Fige(bool fige);
    // Envoie ce programme, avec l'identifiant de la zone courante.
    void EnvoieProgramme(const Programme& programme);
    // Ouvre COMn et retient ce qu'il désigne ; l'erreur est dite.
    bool OuvreEtRetient(int numero, const PortAssocie& actuel);
    // Faux, après l'avoir dit, si ce qui a servi pour COMn n'est plus là, ou si l'utilisateur
    // ne veut pas de ce qui est à sa place.
    bool MemePeripherique(int numero, const Correspondance& ports,
                          const std::vector<PeripheriqueSerie>& detectes);

    Document& doc_;
    Plateforme& plateforme_;
    std::array<QAction*, NbPortsCom> COM{};
    QMenu* ChoixPortSerie;
    std::vector<QAction*> peripheriques_;   // entre le séparateur et RechercherPorts
    std::vector<PeripheriqueSerie> libres_; // ceux que montrent les premières d'entre elles
    QAction* RechercherPorts;
    QAction* TestTelecommande;
    QAction* ProgrammeTelecommande;
    QAction* ProgrammeDeTest;
    QProgressBar* ProgressBar1;
    int numeroPort_ = 1;
    // "COMn : périphérique" de la dernière ouverture, nommé à la fin de l'envoi ; vide quand
    // COMn ne désignait rien de connu.
    QString ouvertPar_;
    bool transmissionEnCours_ = false;
};
