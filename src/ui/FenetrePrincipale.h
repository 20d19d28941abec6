#pragma once
// La fenêtre : elle pose les cadres, les contrôles et les menus, construit les panneaux et
// les relie dans l'ordre que demande le comportement, tient le démarrage et la sortie, et
// gèle tous les panneaux pendant une transmission.
#include "model/Document.h"
#include "plateforme/Plateforme.h"

#include <QMainWindow>
#include <array>

class ControlesNommes;
class Historique;
class PanneauCommandes;
class PanneauFichier;
class PanneauLiaison;
class PanneauSemaine;
class PanneauZone;
class QAction;
class QFrame;
class QGroupBox;
class QMenu;

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(Plateforme& plateforme, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // Démarrage complet : Form_Load puis la séquence de démarrage, qui lit "fichier" s'il est
    // donné, "data.prg" sinon. Faux si l'utilisateur a renoncé à ce fichier, tenu par une
    // autre fenêtre : rien à montrer.
    bool Demarre(const QString& fichier = QString());

    Document& Doc() { return doc_; }
    PanneauFichier& Fichiers() { return *fichiers_; }
    Plateforme& Plate() { return plateforme_; }

    void Form_Load();
    bool Form_Initialize(const QString& fichier = QString());
    void Form_Resize();
    void Version_Click();
    // F1 : le guide de l'utilisateur, dans le navigateur.
    void Guide_Click();
    void Quitter_Click();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    // Les touches du graphique de la semaine : curseur, jour, confort et éco.
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    // Un fichier programme déposé sur la fenêtre s'ouvre comme par "&Lecture".
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    void ConstruitSemaine(const ControlesNommes& controles);
    void ConstruitCommandes(const ControlesNommes& controles);
    void ConstruitZone(const ControlesNommes& controles);
    void ConstruitFichiers(QMenu* menu);
    void ConstruitLiaison(const ControlesNommes& controles, QMenu* configuration,
                          QMenu* programmation);
    void ConstruitEdition(QMenu* menu);
    void ConstruitAide();
    // Pendant une transmission, les commandes qui changeraient le programme, la zone, le
    // port ou le fichier sont refusées : chaque panneau gèle les siennes.
    void ActiveCommandes(bool actives);
    bool Touche(int touche, bool majuscule);
    // Une entrée qui n'est pas la suite de l'édition longue ouverte (trait, flèche tenue,
    // valeur tapée) : une touche, un raccourci, un clic ailleurs, la molette, la fenêtre quittée.
    bool EntreeEtrangere(QObject* objet, QEvent* evenement) const;

    Plateforme& plateforme_;
    Document doc_;
    PanneauSemaine* semaine_ = nullptr;
    PanneauCommandes* commandes_ = nullptr;
    PanneauZone* zone_ = nullptr;
    PanneauFichier* fichiers_ = nullptr;
    PanneauLiaison* liaison_ = nullptr;
    Historique* historique_ = nullptr;
    QAction* Quitter = nullptr;
    QAction* Version = nullptr;
    QAction* Guide = nullptr;
    QAction* CopieJourVers = nullptr;
    QAction* HorairesSemaine = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<QGroupBox*, 3> cadresEdition_{}; // Frame5, Frame4, Frame2
    bool fermetureAcceptee_ = false;
    bool actives_ = true; // faux pendant une transmission
};
