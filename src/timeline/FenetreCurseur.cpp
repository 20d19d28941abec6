// Curseur horaire et édition à la souris.
#include "plateforme/Twips.h"
#include "timeline/Curseur.h"
#include "ui/FenetrePrincipale.h"

#include <QFrame>
#include <QLabel>

namespace {
// Un créneau vers la droite, sans dépasser 24h00.
void AvanceCurseur(BarreDefilement* barre) {
    if (barre->Valeur() + 1 <= barre->Max()) barre->ChangeValeur(barre->Valeur() + 1);
}
} // namespace

void FenetrePrincipale::HScroll1_Change() {
    Etat.PositionCurseur = HScroll1->Valeur();
    DeplaceCurseur();
}

void FenetrePrincipale::DeplaceCurseur() {
    const int c = Etat.PositionCurseur;
    DeplaceTwips(Marqueur[0], GaucheCurseur(c), TwipsDe(Marqueur[0]).top());
    const QString heure = TexteHeureCurseur(c);
    for (QLabel* etiquette : HeureProg) {
        DeplaceTwips(etiquette, GaucheHeureCurseur(c), TwipsDe(etiquette).top());
        etiquette->setText(heure);
    }
}

void FenetrePrincipale::FrameTemp_MouseDown(int Index, int, double X) {
    const int position = PositionSouris(X);
    // Le changement de jour se fait d'abord (imbriqué), puis le curseur bouge.
    VScJour->ChangeValeur(Index);
    HScroll1->ChangeValeur(position);
}

void FenetrePrincipale::Label2_MouseDown(int Index, int Button) {
    jourChoisiParAppui_ = -1;
    if (Etat.JourCourant != Etat.JourPrecedent) Etat.JourPrecedent = Etat.JourCourant;
    if (Index != Etat.JourPrecedent) {
        HScroll1->ChangeValeur(0);
        Etat.JourCourant = static_cast<qint16>(Index);
        ValideProgramme();
        AfficheJour();
        Etat.JourPrecedent = Etat.JourCourant;
        jourChoisiParAppui_ = Index;
        return;
    }
    if (Button == 1) {
        AvanceCurseur(HScroll1);
    } else if (Button == 2) {
        // Peinture créneau par créneau : pas d'avertissement au neuvième segment,
        // la validation le coupe, et le texte des segments n'est pas refait.
        QByteArray& jour = JourEdite();
        const QByteArray avant = jour;
        const int creneau = HScroll1->Valeur();
        if (creneau < NbCreneaux) {
            // Un jour court (lu tel quel d'un fichier) est d'abord complété en éco.
            if (jour.size() <= creneau) jour = jour.leftJustified(LongueurJour, '0');
            jour[creneau] = '1';
            AvanceCurseur(HScroll1);
        }
        ValideProgramme();
        if (JourEdite() != avant) MarqueModifie();
    }
}

void FenetrePrincipale::Label2_DblClick(int Index, int Button) {
    // Double clic pour choisir un jour : le premier appui l'a choisi, le second ne pousse
    // pas le curseur à 0H10. Sur le jour déjà courant, chaque appui compte, si rapide soit-il.
    if (Index == jourChoisiParAppui_) {
        jourChoisiParAppui_ = -1;
        return;
    }
    Label2_MouseDown(Index, Button);
}

void FenetrePrincipale::Marqueur_Click(int Index) {
    // 25 : la ligne de 0h00 ; 0 est le curseur lui-même ; h : début de l'heure h.
    HScroll1->ChangeValeur(Index == 25 ? 0 : 6 * Index);
}
