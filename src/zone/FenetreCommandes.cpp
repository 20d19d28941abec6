// Boutons confort/éco au curseur, effacement, copie et collage du jour.
#include "ui/FenetrePrincipale.h"
#include "zone/CommandesJour.h"

#include <QCheckBox>
#include <QLineEdit>
#include <optional>

namespace {
struct CommandeJour {
    char valeur;
    int nombre; // caractères écrits, et pas d'avance du curseur
    std::optional<RegleHuitSegments> regle;
};

const QString TexteHuitSegments = QStringLiteral("** Attention nombre de segment >8 **\r\n\r\n"
                                                 " Confirmez la suppression du dernier SEGMENT !");

QByteArray& JourCourantDe(FenetrePrincipale& f) {
    return f.Prog.ProgJour[f.Etat.ZoneCourante][f.Etat.JourCourant];
}

// Le jour a été changé : barres, segments, texte des heures si la case est cochée.
void ValideEtMontre(FenetrePrincipale& f) {
    f.ValideProgramme();
    if (f.ChkVisuHoraire->isChecked()) {
        f.VisuDataProgramme();
        f.VisuProgramme->show();
    }
}

void Execute(FenetrePrincipale& f, const CommandeJour& commande, bool deplaceCurseur) {
    QByteArray& jour = JourCourantDe(f);
    const QByteArray avant = jour;
    const int c = f.HScroll1->Valeur();
    const int nbSegments = f.Etat.NbSegJour[f.Etat.ZoneCourante][f.Etat.JourCourant];
    if (commande.regle && DemandeConfirmation(jour, c, nbSegments, *commande.regle) &&
        f.Plate().Message(TexteHuitSegments, Boutons::OkAnnuler, Icone::Critique, QString()) !=
            Bouton::Ok)
        return;
    EcritCreneaux(jour, c, commande.valeur, commande.nombre);
    f.HScroll1->ChangeValeur(CurseurApres(c, commande.nombre, f.HScroll1->Max()));
    if (deplaceCurseur) f.DeplaceCurseur();
    ValideEtMontre(f);
    if (JourCourantDe(f) != avant) f.MarqueModifie();
}
} // namespace

void FenetrePrincipale::CmdHigh_Click() {
    Execute(*this, {'1', 1, RegleHuitSegments::Creneau}, false);
}

void FenetrePrincipale::CmdLow_Click() {
    // Seul "Eco." redessine le curseur lui-même, comme à l'origine.
    Execute(*this, {'0', 1, std::nullopt}, true);
}

void FenetrePrincipale::Cmd1H_Click() {
    Execute(*this, {'1', 6, RegleHuitSegments::Heure}, false);
}

void FenetrePrincipale::Cmd1Hmoins_Click() {
    Execute(*this, {'0', 6, std::nullopt}, false);
}

void FenetrePrincipale::CmdCLS_Click() {
    const QByteArray avant = JourEdite();
    JourEdite() = JourVide();
    VisuProgramme->clear();
    Etat.NbSegJour[Etat.ZoneCourante][Etat.JourCourant] = 0;
    ValideProgramme();
    VisuProgramme->hide();
    if (JourEdite() != avant) MarqueModifie();
}

void FenetrePrincipale::CmdCopy_Click() {
    Etat.BufferJour = JourEdite();
}

void FenetrePrincipale::CmdPASTE_Click() {
    // Rien encore copié : le jour reste tel quel plutôt que de devenir une chaîne vide.
    if (Etat.BufferJour.isEmpty()) return;
    const QByteArray avant = JourEdite();
    JourEdite() = Etat.BufferJour;
    HScroll1->ChangeValeur(0);
    ValideEtMontre(*this);
    if (JourEdite() != avant) MarqueModifie();
}
