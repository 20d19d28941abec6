#pragma once
// Le panneau du menu "&Fichier" : nouveau, lecture, sauvegarde, sauver comme, avec le fichier
// courant, son titre et les fichiers annexes. La fenêtre lui donne de quoi refaire l'écran.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class Document;
class Plateforme;
class QAction;
class QMenu;
enum class StatutLecture;

// Ce que le menu demande à la fenêtre et aux autres panneaux.
struct EcranFichier {
    std::function<void(const QString&)> Titre; // titre de la fenêtre
    std::function<void()> AvantEffacement;     // segments décochés et cachés
    std::function<void()> ApresEffacement;     // zone 0, lundi, températures remises
    std::function<void()> ApresLecture;        // tout l'écran refait pour le programme lu
    std::function<void()> ApresMenuLecture;    // zone 0 et lundi montrés
};

class PanneauFichier : public QObject {
    Q_OBJECT
public:
    // Ajoute ses quatre commandes au menu, puis après un séparateur l'impression et le PDF ;
    // "&Quitter", qui le termine, reste à la fenêtre.
    PanneauFichier(Document& document, Plateforme& plateforme, QMenu* menu, EcranFichier ecran,
                   QObject* parent);

    // Lecture au démarrage du fichier donné (il devient le courant, comme choisi par
    // "&Lecture", même refusé : "data.prg" n'est alors ni lu ni écrit), ou à défaut du fichier
    // courant ("data.prg"). Faux si l'utilisateur abandonne devant un fichier non conforme.
    bool LectureDemarrage(const QString& fichier = QString());
    // Vrai si le fichier programme est écrit.
    bool SauveFichier();
    void EffaceData();
    void LectureData_Click();
    void SauverComme_Click();
    // La semaine imprimée : au dialogue d'impression, ou dans un PDF choisi au dialogue.
    void Imprimer_Click();
    void ExporterPdf_Click();
    // Titre : titre de l'application, 36 blancs, "Fichier:  ", fin du chemin.
    void AfficheTitreFichier();
    // "DataUc.FCB" (et "DataUc.xls" si demandé) dans le dossier du programme.
    bool EcritExports(bool avecXls);
    QString CheminFichier() const { return cheminFichier_; }
    void ChangeCheminFichier(const QString& chemin) { cheminFichier_ = chemin; }
    // Pendant une transmission, ses commandes sont grisées.
    void Gele(bool gele);
    // "Fichiers récents" : les cinq derniers fichiers programme lus ou écrits, gardés d'une
    // session à l'autre ; la fenêtre le place dans son menu.
    void AjouteRecents(QMenu* menu);
    // Lu comme par "&Lecture" une fois le fichier choisi ; un fichier disparu est dit et
    // retiré de la liste.
    void LectureRecente(const QString& chemin);

private:
    // Lit jusqu'à une issue : "Fichier non conforme" propose de recommencer, d'effacer tout
    // (Ignorer) ou d'abandonner. "lit" ne rend rien quand l'utilisateur renonce avant.
    // Faux sur un abandon.
    bool LitAvecReprise(const std::function<std::optional<StatutLecture>()>& lit);
    // Lecture du fichier courant avec son issue.
    StatutLecture LitFichierCourant();
    // Faux, avec une boîte, si une température ne se relirait pas.
    bool TemperaturesSauvables();
    // Écrit le programme ; un fichier qui n'a pas pu être lu n'est remplacé qu'avec l'accord
    // de l'utilisateur (déjà donné si "remplacementAccepte").
    bool EcritProgramme(const QString& chemin, bool remplacementAccepte);

    // Lecture d'un fichier choisi : le chemin ne devient le courant que s'il est lu.
    StatutLecture LitChoisi(const QString& choisi);
    void RetientRecent(const QString& chemin, bool garde);
    void MontreRecents();

    Document& doc_;
    Plateforme& plateforme_;
    EcranFichier ecran_;
    QAction* Nouveau;
    QAction* LectureData;
    QAction* SauvegardeFichier;
    QAction* SauverComme;
    QAction* Imprimer;
    QAction* ExporterPdf;
    QMenu* recents_ = nullptr;
    bool gele_ = false;
    QString cheminFichier_;         // vide : le fichier par défaut "data.prg"
    bool cheminMajuscules_ = false; // chemin choisi au dialogue : titre en majuscules
    QString cheminIllisible_;       // dernier fichier programme qui n'a pas pu être lu
};
