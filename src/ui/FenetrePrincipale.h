#pragma once
// La fenêtre unique : elle possède le programme, l'état et tous les contrôles.
// Ses routines sont définies dans le dossier de leur sous-système (files/, timeline/,
// zone/, link/) ; ui/ construit les contrôles et tient le démarrage.
#include "model/EtatFenetre.h"
#include "model/Programme.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Plateforme.h"

#include <QMainWindow>
#include <array>

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
enum class StatutLecture;

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(Plateforme& plateforme, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Démarrage complet : Form_Load puis la séquence de démarrage.
    void Demarre();

    Programme Prog;
    EtatFenetre Etat;

    // --- Contrôles (noms de la fenêtre d'origine) ---
    QFrame* Frame1 = nullptr;
    QLineEdit* Text3 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    std::array<QLabel*, 3> Label6{};
    QLineEdit* TextZone = nullptr;
    BarreDefilement* VScrollZone = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* TextID = nullptr;
    QPushButton* CmdID = nullptr;
    QLineEdit* Text1 = nullptr;
    BarreDefilement* VScJour = nullptr;
    BarreDefilement* HScroll1 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QPushButton* CmdHigh = nullptr;
    QPushButton* CmdLow = nullptr;
    QPushButton* Cmd1H = nullptr;
    QPushButton* Cmd1Hmoins = nullptr;
    QPushButton* CmdCLS = nullptr;
    QPushButton* CmdCopy = nullptr;
    QPushButton* CmdPASTE = nullptr;
    QGroupBox* Frame4 = nullptr;
    std::array<BarreDefilement*, 4> VScroll3{};
    std::array<QLineEdit*, 4> Text2{};
    std::array<QLabel*, 5> Label1{}; // indices 1..4
    QFrame* Frame3 = nullptr;
    QLineEdit* VisuProgramme = nullptr;
    QCheckBox* ChkVisuHoraire = nullptr;
    std::array<QFrame*, 7> FrameTemp{};
    std::array<QFrame*, 56> ShTemp{};
    std::array<QFrame*, 7> Shape1{};
    std::array<QLabel*, 7> Label2{};
    std::array<QLabel*, 25> LblHeure{}; // indices 1..24
    std::array<QFrame*, 26> Marqueur{};
    std::array<QLabel*, 2> HeureProg{};
    std::array<QFrame*, 2> Line1{};

    // --- Menus ---
    QMenu* Fichier = nullptr;
    QAction* Nouveau = nullptr;
    QAction* LectureData = nullptr;
    QAction* SauvegardeFichier = nullptr;
    QAction* SauverComme = nullptr;
    QAction* Quitter = nullptr;
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
    // Le programme a changé : la sortie proposera de sauvegarder.
    void MarqueModifie();

    // --- files/ ---
    // Vrai si la lecture est allée au bout (fichier incompatible compris).
    bool LectureFichier();
    // Vrai si le fichier programme est écrit.
    bool SauveFichier();
    void EffaceData();
    void Nouveau_Click();
    void LectureData_Click();
    void SauvegardeFichier_Click();
    void SauverComme_Click();
    // Titre : titre de l'application, 36 blancs, "Fichier:  ", fin du chemin.
    void AfficheTitreFichier();
    // "DataUc.FCB" (et "DataUc.xls" si demandé) dans le dossier du programme.
    bool EcritExports(bool avecXls);

    // --- timeline/ ---
    void ValideProgramme();
    void VisuDataProgramme();
    void AfficheJour();
    void AfficheEcran();
    void ChkVisuHoraire_Click();
    void HScroll1_Change();
    void DeplaceCurseur();
    void VScJour_Change();
    // X en twips dans le repère de la rangée ; bouton 1 gauche, 2 droit.
    void FrameTemp_MouseDown(int Index, int Button, double X);
    void Label2_MouseDown(int Index, int Button);
    // Second appui d'un double clic (Qt ne le donne pas comme un appui).
    void Label2_DblClick(int Index, int Button);
    void Marqueur_Click(int Index);

    // --- zone/ ---
    void CmdHigh_Click();
    void CmdLow_Click();
    void Cmd1H_Click();
    void Cmd1Hmoins_Click();
    void CmdCLS_Click();
    void CmdCopy_Click();
    void CmdPASTE_Click();
    void VScroll3_Change(int Index);
    void AfficheTemperature();
    // Charge les quatre températures de la zone courante dans les barres sans que
    // les règles d'ordre ni l'enregistrement n'agissent, puis textes et hauteurs.
    void ChargeTemperatures();
    void VScrollZone_Change();
    void CmdID_Click();

    // --- link/ ---
    void OuvreCom();
    void COM_Click(int Index);
    bool OuvreLiaison();
    void TestTelecommande_Click();
    void ProgrammeTelecommande_Click();
    void ProgrammeTelecommandeData();
    void ProgrammeDeTest_Click();
    bool TransmissionEnCours() const { return transmissionEnCours_; }

    Plateforme& Plate() { return plateforme_; }

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ConstruitControles();
    void ConstruitMenus();
    void ConnecteControles();
    QByteArray& JourEdite() { return Prog.ProgJour[Etat.ZoneCourante][Etat.JourCourant]; }
    // Pendant une transmission, les commandes qui changeraient le programme,
    // la zone, le port ou le fichier sont refusées.
    void ActiveCommandes(bool actives);
    // files/ : lecture du fichier courant avec son issue.
    StatutLecture LitFichierCourant();
    // files/ : faux, avec une boîte, si une température ne se relirait pas.
    bool TemperaturesSauvables();
    // files/ : écrit le programme ; un fichier qui n'a pas pu être lu n'est remplacé
    // qu'avec l'accord de l'utilisateur (déjà donné si "remplacementAccepte").
    bool EcritProgramme(const QString& chemin, bool remplacementAccepte);

    Plateforme& plateforme_;
    bool transmissionEnCours_ = false;
    bool fermetureAcceptee_ = false;
    bool cheminMajuscules_ = false; // chemin choisi au dialogue : titre en majuscules
    int jourChoisiParAppui_ = -1;   // nom de jour dont le dernier appui a choisi le jour
    QString cheminIllisible_;       // dernier fichier programme qui n'a pas pu être lu
    friend class AccesFenetre;
};
