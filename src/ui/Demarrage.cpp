// Démarrage (lecture du port choisi et du fichier programme), version et sortie.
#include "files/PanneauFichier.h"
#include "link/PanneauLiaison.h"
#include "model/Textes.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"

#include <QCloseEvent>
#include <QFrame>

void FenetrePrincipale::Demarre(const QString& fichier) {
    Form_Load();
    Form_Initialize(fichier);
    Frame1->setFocus();
}

void FenetrePrincipale::Form_Load() {
    setWindowTitle(TitreVersion);
    semaine_->NommeJours();
}

void FenetrePrincipale::Form_Initialize(const QString& fichier) {
    // Fond des noms de jours : la bordure d'une fenêtre inactive, sans transparence.
    semaine_->ColoreFond(
        QColor::fromRgb(palette().color(QPalette::Inactive, QPalette::Window).rgb() & 0xFFFFFFu));
    liaison_->OuvreCom();

    const bool abandon = !fichiers_->LectureDemarrage(fichier);

    // Même après Abandon, chaque jour doit garder ses 148 caractères :
    // les commandes d'édition écrivent par position.
    doc_.CompleteJours();
    if (abandon) return;

    // Rien encore à sauvegarder, même après un effacement.
    doc_.MarqueEnregistre();
    semaine_->ChoisitJourAffiche(0);
    semaine_->VisuDataProgramme();
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
    if (!fermetureAcceptee_ && doc_.Modifie()) {
        const Bouton reponse =
            Plate().Message(QStringLiteral("Voulez-vous sauvegarder ?"), Boutons::OuiNon,
                            Icone::Exclamation, QStringLiteral("INFO"));
        // Boîte fermée sans réponse, ou sauvegarde ratée : la fenêtre reste ouverte pour ne
        // rien perdre. Seul un vrai "Non" jette les changements.
        if (reponse == Bouton::Aucun || (reponse != Bouton::Non && !fichiers_->SauveFichier())) {
            evenement->ignore();
            return;
        }
    }
    fermetureAcceptee_ = true;
    if (Plate().Port().EstOuvert()) Plate().Port().Ferme();
    evenement->accept();
}
