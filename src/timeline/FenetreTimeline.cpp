// Validation et affichage des jours, graphique de la semaine, navigation des jours.
#include "plateforme/Twips.h"
#include "timeline/Curseur.h"
#include "timeline/Segments.h"
#include "ui/FenetrePrincipale.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
// Le jour courant sur fond rouge, les autres sur le fond normal ; toujours les sept.
void ColoreJours(FenetrePrincipale& f) {
    for (int i = 0; i < NbJours; ++i) {
        QPalette palette = f.Label2[i]->palette();
        palette.setColor(QPalette::Window, i == f.Etat.JourCourant
                                               ? QColor(255, 0, 0)
                                               : QColor::fromRgb(f.Etat.CouleurFond));
        f.Label2[i]->setPalette(palette);
    }
}
} // namespace

void FenetrePrincipale::ValideProgramme() {
    const int z = Etat.ZoneCourante;
    const int d = Etat.JourCourant;
    const std::vector<BarreSegment> barres = ValideJour(JourEdite());
    Etat.NbSegJour[z][d] = static_cast<qint16>(barres.size());
    for (int j = 0; j < NbSegmentsMax; ++j) {
        QFrame* barre = ShTemp[NbSegmentsMax * d + j];
        if (j >= static_cast<int>(barres.size())) {
            barre->hide();
            continue;
        }
        // Le haut et la hauteur suivent les températures : on ne touche qu'à l'horizontale.
        const QRectF r = TwipsDe(barre);
        PlaceTwips(barre, GaucheBarre(barres[j].debut), r.top(),
                   TwipsParCreneau * barres[j].largeur, r.height());
        barre->show();
    }
}

void FenetrePrincipale::VisuDataProgramme() {
    VisuProgramme->setText(TexteSegments(JourEdite()));
    if (ChkVisuHoraire->isChecked()) VisuProgramme->show();
}

void FenetrePrincipale::AfficheJour() {
    ColoreJours(*this);
    Etat.JourPrecedent = Etat.JourCourant;
    // Si la valeur change, le changement de jour se termine dans VScJour_Change.
    VScJour->ChangeValeur(Etat.JourCourant);
}

void FenetrePrincipale::AfficheEcran() {
    for (Etat.JourCourant = NbJours - 1; Etat.JourCourant >= 0; --Etat.JourCourant)
        ValideProgramme();
    Etat.JourCourant = 0;
    Etat.JourPrecedent = 0;
}

void FenetrePrincipale::ChkVisuHoraire_Click() {
    if (ChkVisuHoraire->isChecked()) {
        ValideProgramme();
        VisuDataProgramme();
        VisuProgramme->show();
    } else {
        VisuProgramme->hide();
    }
}

void FenetrePrincipale::VScJour_Change() {
    if (!Etat.MiseAJourLevee()) {
        // 7 n'est pas un jour : après dimanche on revient à lundi. L'appel imbriqué
        // fait tout le changement, celui-ci le refait ensuite à l'identique.
        if (VScJour->Valeur() == NbJours) VScJour->ChangeValeur(0);
        Etat.JourPrecedent = Etat.JourCourant;
        Etat.JourCourant = static_cast<qint16>(VScJour->Valeur());
        Text1->setText(Etat.NomsJours.value(Etat.JourCourant));
        ColoreJours(*this);
        DeplaceCurseur();
        ValideProgramme();
    }
    VisuDataProgramme();
}
