#pragma once
// La fenêtre : elle pose les cadres, les contrôles et les menus, construit les panneaux et
// les relie dans l'ordre que demande le comportement, tient le démarrage et la sortie.
#include "model/Document.h"
#include "plateforme/Plateforme.h"

#include <QMainWindow>
#include <array>
#include <memory>

class ControlesNommes;
class PanneauFichier;
class PanneauCommandes;
class PanneauSemaine;
class PanneauZone;
class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QProgressBar;

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(Plateforme& plateforme, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Démarrage complet : Form_Load puis la séquence de démarrage.
    void Demarre();

    Document& Doc() { return doc_; }
    PanneauSemaine& Semaine() { return *semaine_; }
    PanneauZone& Zone() { return *zone_; }

    PanneauFichier& Fichiers() { return *fichiers_; }

    // --- Menus ---
    QMenu* Configuration = nullptr;
    QMenu* ChoixPortSerie = nullptr;
    std::array<QAction*, 4> COM{};
    QMenu* Programmation = nullptr;
    QAction* TestTelecommande = nullptr;
    QAction* ProgrammeTelecommande = nullptr;
    QAction* ProgrammeDeTest = nullptr;
    QAction* Version = nullptr;

    // --- ui/ : démarrage, fin, mise en page ---
    void Form_Load();
    void Form_Initialize();
    void Form_Resize();
    void Version_Click();
    void Quitter_Click();

    // --- link/ ---
    void OuvreCom();
    void COM_Click(int Index);
    bool OuvreLiaison();
    void TestTelecommande_Click();
    void ProgrammeTelecommande_Click();
    void ProgrammeTelecommandeData();
    void ProgrammeDeTest_Click();
    bool TransmissionEnCours() const { return transmissionEnCours_; }
    int NumeroPort() const { return numeroPort_; }

    Plateforme& Plate() { return plateforme_; }

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    void ConstruitMenus();
    void ConnecteMenus();
    void ConstruitSemaine(const ControlesNommes& controles);
    void ConstruitCommandes(const ControlesNommes& controles);
    void ConstruitZone(const ControlesNommes& controles);
    void ConstruitFichiers(QMenu* menu);
    // Pendant une transmission, les commandes qui changeraient le programme,
    // la zone, le port ou le fichier sont refusées.
    void ActiveCommandes(bool actives);
    // link/ : envoie ce programme, avec l'identifiant de la zone courante.
    void EnvoieProgramme(const Programme& programme);

    Plateforme& plateforme_;
    Document doc_;
    PanneauSemaine* semaine_ = nullptr;
    PanneauCommandes* commandes_ = nullptr;
    PanneauZone* zone_ = nullptr;
    PanneauFichier* fichiers_ = nullptr;
    QAction* Quitter = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<QGroupBox*, 3> cadresEdition_{}; // Frame5, Frame4, Frame2
    QProgressBar* ProgressBar1 = nullptr;
    int numeroPort_ = 1;
    bool transmissionEnCours_ = false;
    bool fermetureAcceptee_ = false;
};
