// Construction, démarrage, minuterie, version et sortie.
#include "ui/FenetrePrincipale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPalette>

void FenetrePrincipale::Demarre() {
    Form_Load();
    Form_Initialize();
}

void FenetrePrincipale::Form_Load() {
    Etat.TitreApplication = TitreVersion;
    setWindowTitle(Etat.TitreApplication);
    for (QFrame* barre : ShTemp) {
        QPalette palette = barre->palette();
        palette.setColor(QPalette::Window, QColor(0, 255, 0));
        barre->setPalette(palette);
        barre->setAutoFillBackground(true);
    }
    Etat.NomsJours = NomsDesJours();
    for (int d = 0; d < 7; ++d) Label2[d]->setText(Etat.NomsJours[d]);
}

void FenetrePrincipale::Form_Initialize() {
    Etat.CouleurFond = palette().color(QPalette::Inactive, QPalette::Window).rgb() & 0xFFFFFFu;
    for (QLabel* jour : Label2) {
        QPalette palette = jour->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(Etat.CouleurFond));
        jour->setPalette(palette);
    }
    OuvreCom();
    Etat.JourPrecedent = Etat.JourCourant = Etat.ZoneCourante = 0;

    bool abandon = false;
    for (;;) {
        const bool lu = LectureFichier();
        if (lu) break;
        const Bouton reponse =
            Plate().Message(QStringLiteral("Fichier non conforme, "),
                            Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt);
        if (reponse == Bouton::Recommencer) continue;
        if (reponse == Bouton::Ignorer)
            EffaceData();
        else
            abandon = true;
        break;
    }

    // Même après Abandon, chaque jour doit garder ses 148 caractères :
    // les commandes d'édition écrivent par position.
    CompleteJoursCourts(Prog);
    if (abandon) return;

    Etat.MiseAJour = QStringLiteral("NON");
    Etat.DonneesModifiees = QStringLiteral("N");
    Etat.ZoneCourante = Etat.JourCourant = Etat.JourPrecedent = 0;
    VScJour->ChangeValeur(0);
    VisuDataProgramme();
}

void FenetrePrincipale::Version_Click() {
    Plate().Message(Etat.TitreApplication, Boutons::Ok, Icone::Aucune, QString());
}

void FenetrePrincipale::Quitter_Click() {
    close();
}

void FenetrePrincipale::MarqueModifie() {
    Etat.DonneesModifiees = QStringLiteral("O");
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement) {
    // Une transmission en cours va au bout : on ne ferme pas sous ses pieds.
    if (transmissionEnCours_) {
        evenement->ignore();
        return;
    }
    if (!fermetureAcceptee_ && Etat.DonneesModifiees != QLatin1String("N")) {
        const Bouton reponse =
            Plate().Message(QStringLiteral("Voulez-vous sauvegarder ?"), Boutons::OuiNon,
                            Icone::Exclamation, QStringLiteral("INFO"));
        // Boîte fermée sans réponse, ou sauvegarde ratée : la fenêtre reste ouverte pour ne
        // rien perdre. Seul un vrai "Non" jette les changements.
        if (reponse == Bouton::Aucun || (reponse != Bouton::Non && !SauveFichier())) {
            evenement->ignore();
            return;
        }
    }
    fermetureAcceptee_ = true;
    if (Plate().Port().EstOuvert()) Plate().Port().Ferme();
    evenement->accept();
}
