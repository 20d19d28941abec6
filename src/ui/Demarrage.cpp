// Démarrage (lecture du port choisi et du fichier programme), version et sortie.
#include "files/PanneauFichier.h"
#include "link/PanneauLiaison.h"
#include "model/Textes.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"

#include <QCloseEvent>
#include <QFrame>

bool FenetrePrincipale::Demarre(const QString& fichier) {
    Form_Load();
    if (!Form_Initialize(fichier)) return false;
    Frame1->setFocus();
    return true;
}

void FenetrePrincipale::Form_Load() {
    setWindowTitle(TitreVersion);
    semaine_->NommeJours();
}

bool FenetrePrincipale::Form_Initialize(const QString& fichier) {
    // Fond des noms de jours : la bordure d'une fenêtre inactive, sans transparence.
    semaine_->ColoreFond(
        QColor::fromRgb(palette().color(QPalette::Inactive, QPalette::Window).rgb() & 0xFFFFFFu));
    liaison_->OuvreCom();
    // Le fichier de départ tenu par une autre fenêtre, et refusé en lecture seule : cette
    // fenêtre-ci n'a rien à montrer, le programme s'arrête.
    if (!fichiers_->PrendFichierDemarrage(fichier)) return false;

    const bool abandon = !fichiers_->LectureDemarrage(fichier);

    // Même après Abandon, chaque jour doit garder ses 148 caractères :
    // les commandes d'édition écrivent par position.
    doc_.CompleteJours();
    if (abandon) return true;

    // Rien encore à sauvegarder, même après un effacement.
    doc_.MarqueEnregistre();
    doc_.ChoisitJour(0);
    semaine_->VisuDataProgramme();
    return true;
}

void FenetrePrincipale::Version_Click() {
    Plate().Message(TitreVersion, Boutons::Ok, Icone::Aucune, QString());
}

void FenetrePrincipale::Quitter_Click() {
    close();
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    // Une transmission en cours va au bout : on ne ferme pas sous ses pieds.
    if (liaison_->TransmissionEnCours()) {
        evenement->ignore();
        return;
    }
    // Boîte fermée sans réponse, ou sauvegarde ratée : la fenêtre reste ouverte.
    if (!fermetureAcceptee_ && !fichiers_->ProposeSauvegarde()) {
        evenement->ignore();
        return;
    }
    fermetureAcceptee_ = true;
    if (Plate().Port().EstOuvert()) Plate().Port().Ferme();
    evenement->accept();
}
