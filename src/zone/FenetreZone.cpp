// Températures de la zone, choix de la zone, identifiant radio.
#include "plateforme/Twips.h"
#include "ui/FenetrePrincipale.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <QFrame>
#include <QLineEdit>

namespace {
void PlaceHauteur(QWidget* barre, int valeur) {
    const QRectF r = TwipsDe(barre);
    const int hauteur = HauteurBarre(valeur);
    PlaceTwips(barre, r.left(), BaseBarres - hauteur, r.width(), hauteur);
}

// Toute la semaine d'un coup : confort sur les 56 barres vertes, éco sur les 7 bandes.
void PlaceHauteursBarres(FenetrePrincipale& f) {
    const int confort = f.VScroll3[0]->Valeur();
    const int eco = f.VScroll3[1]->Valeur();
    for (QFrame* barre : f.ShTemp) PlaceHauteur(barre, confort);
    for (QFrame* bande : f.Shape1) PlaceHauteur(bande, eco);
}
} // namespace

void FenetrePrincipale::VScroll3_Change(int Index) {
    auto v = [this](int t) { return VScroll3[t]->Valeur(); };
    // Confort >= éco >= hors gel ; chaque réglage relance ce traitement, imbriqué.
    if (Index == 0 && v(0) < v(1)) VScroll3[1]->ChangeValeur(v(0));
    if (Index == 1 && v(1) > v(0)) VScroll3[1]->ChangeValeur(v(0));
    if (v(2) > v(1)) VScroll3[2]->ChangeValeur(v(1));
    PlaceHauteursBarres(*this);
    if (Etat.MiseAJourLevee()) return;
    qint16& stockee = Prog.TempZone[Etat.ZoneCourante][Index];
    const qint16 valeur = static_cast<qint16>(v(Index));
    Text2[Index]->setText(TexteTemperature(valeur));
    if (stockee == valeur) return;
    stockee = valeur;
    MarqueModifie();
}

void FenetrePrincipale::ChargeTemperatures() {
    // Barres muettes pendant le chargement : les règles d'ordre, lancées sur un écran
    // à moitié chargé, écraseraient les valeurs de la nouvelle zone.
    for (int t = 0; t < NbTemperatures; ++t) {
        const bool bloquee = VScroll3[t]->blockSignals(true);
        VScroll3[t]->ChangeValeur(Prog.TempZone[Etat.ZoneCourante][t]);
        VScroll3[t]->blockSignals(bloquee);
    }
    for (int t = 0; t < NbTemperatures; ++t)
        Text2[t]->setText(TexteTemperature(VScroll3[t]->Valeur()));
    PlaceHauteursBarres(*this);
}

void FenetrePrincipale::AfficheTemperature() {
    // Hors de 128..198 (possible depuis un fichier pour les zones 1 et 2), la valeur
    // gardée est ramenée à celle que montre la barre, donc sauvée et transmise.
    for (qint16& t : Prog.TempZone[Etat.ZoneCourante]) t = TemperatureDansPlage(t);
    ChargeTemperatures();
    TextID->setText(QString::number(Prog.IdentZone[Etat.ZoneCourante]));
}

void FenetrePrincipale::VScrollZone_Change() {
    // 3 revient à 0 : ce réglage relance tout le traitement pour la zone 0, puis
    // celui-ci le refait ; le résultat est le même.
    if (VScrollZone->Valeur() == 3) VScrollZone->ChangeValeur(0);
    Etat.ZoneCourante = static_cast<qint16>(VScrollZone->Valeur());
    TextZone->setText(QString::number(Etat.ZoneCourante));
    HScroll1->ChangeValeur(0);
    AfficheJour();
    AfficheEcran();
    AfficheTemperature();
    VScJour->ChangeValeur(0);
    VisuDataProgramme();
}

void FenetrePrincipale::CmdID_Click() {
    if (Plate().Message(QStringLiteral("Voulez-vous changer l'Identificateur de la zone?"),
                        Boutons::OuiNon, Icone::Critique,
                        QStringLiteral("CONFIGURATION")) != Bouton::Oui)
        return;
    const int z = Etat.ZoneCourante;
    const qint32 avant = Prog.IdentZone[z];
    Prog.IdentZone[z] = TireIdentifiant(Plate().Aleatoire());
    Prog.IdentZone[z] = ResoutCollision(Prog.IdentZone, z);
    TextID->setText(NombreColonneSigne(Prog.IdentZone[z]));
    if (Prog.IdentZone[z] != avant) MarqueModifie();
}
