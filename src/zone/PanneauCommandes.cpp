#include "zone/PanneauCommandes.h"
#include "model/Document.h"
#include "model/Horaires.h"
#include "model/Textes.h"
#include "plateforme/Controles.h"
#include "plateforme/Plateforme.h"
#include "zone/CommandesJour.h"

#include <QPushButton>
#include <optional>

struct PanneauCommandes::Commande {
    const char* nom; // le libellé du bouton, qui nomme l'édition dans l'historique
    char valeur;
    int nombre; // caractères écrits, et pas d'avance du curseur
    std::optional<RegleHuitSegments> regle;
};

PanneauCommandes::PanneauCommandes(Document& document, Plateforme& plateforme,
                                   const ControlesNommes& controles, QObject* parent)
    : QObject(parent), doc_(document), plateforme_(plateforme),
      CmdCLS(controles.Prend<QPushButton>("CmdCLS")),
      CmdCopy(controles.Prend<QPushButton>("CmdCopy")),
      CmdPASTE(controles.Prend<QPushButton>("CmdPASTE")) {
    const std::pair<const char*, void (PanneauCommandes::*)()> boutons[] = {
        {"CmdHigh", &PanneauCommandes::CmdHigh_Click},
        {"CmdLow", &PanneauCommandes::CmdLow_Click},
        {"Cmd1H", &PanneauCommandes::Cmd1H_Click},
        {"Cmd1Hmoins", &PanneauCommandes::Cmd1Hmoins_Click},
        {"CmdCLS", &PanneauCommandes::CmdCLS_Click},
        {"CmdCopy", &PanneauCommandes::CmdCopy_Click},
        {"CmdPASTE", &PanneauCommandes::CmdPASTE_Click},
    };
    for (const auto& [nom, clic] : boutons)
        connect(controles.Prend<QPushButton>(nom), &QPushButton::clicked, this,
                [this, clic = clic] { (this->*clic)(); });
}

void PanneauCommandes::Execute(const Commande& commande) {
    // La coupe d'un neuvième segment par la validation fait partie de l'édition.
    const auto edition = doc_.OuvreEdition(QString::fromUtf8(commande.nom));
    const int zone = doc_.Zone(), jour = doc_.Jour(), c = doc_.Curseur();
    if (commande.regle &&
        DemandeConfirmation(doc_.JourEdite(), c, doc_.NbSegments(zone, jour), *commande.regle) &&
        !ConfirmeHuitSegments())
        return;
    doc_.EcritCreneaux(zone, jour, c, commande.valeur, commande.nombre);
    doc_.PlaceCurseur(CurseurApres(c, commande.nombre, NbCreneaux));
}

bool PanneauCommandes::ConfirmeHuitSegments() {
    return plateforme_.Message(TexteHuitSegments, Boutons::OkAnnuler, Icone::Critique, QString()) ==
           Bouton::Ok;
}

void PanneauCommandes::CmdHigh_Click() {
    Execute({"Conf.", '1', 1, RegleHuitSegments::Creneau});
}

void PanneauCommandes::CmdLow_Click() {
    Execute({"Eco.", '0', 1, std::nullopt});
}

void PanneauCommandes::Cmd1H_Click() {
    Execute({"Conf./1H", '1', 6, RegleHuitSegments::Heure});
}

void PanneauCommandes::Cmd1Hmoins_Click() {
    Execute({"Eco/1H", '0', 6, std::nullopt});
}

void PanneauCommandes::CmdCLS_Click() {
    const auto edition = doc_.OuvreEdition(QStringLiteral("CLS"));
    doc_.RemplaceJour(doc_.Zone(), doc_.Jour(), JourVide());
    emit JourEfface();
}

void PanneauCommandes::CmdCopy_Click() {
    BufferJour = doc_.JourEdite();
}

void PanneauCommandes::CmdPASTE_Click() {
    // Rien encore copié : le jour reste tel quel plutôt que de devenir une chaîne vide.
    if (BufferJour.isEmpty()) return;
    const auto edition = doc_.OuvreEdition(QStringLiteral("Coller"));
    doc_.RemplaceJour(doc_.Zone(), doc_.Jour(), BufferJour);
    doc_.PlaceCurseur(0);
}

void PanneauCommandes::CopieJourVers_Click() {
    const auto cibles = plateforme_.DialogueCopieJour(doc_.Zone(), doc_.Jour());
    if (!cibles) return;
    const QByteArray source = doc_.JourEdite();
    {
        const auto edition = doc_.OuvreEdition(QStringLiteral("Copier le jour vers…"));
        for (int z = 0; z < NbZones; ++z)
            for (int d = 0; d < NbJours; ++d)
                // Validé aussitôt : un neuvième segment est coupé.
                if (cibles->zones[z] && cibles->jours[d]) doc_.RemplaceJour(z, d, source);
    }
}

void PanneauCommandes::HorairesSemaine_Click() {
    LignesSemaine lignes;
    for (int d = 0; d < NbJours; ++d)
        lignes[d] = TexteHoraires(doc_.Prog().ProgJour[doc_.Zone()][d]);
    const auto tapees = plateforme_.DialogueHoraires(lignes);
    if (!tapees) return;
    {
        const auto edition = doc_.OuvreEdition(QStringLiteral("Horaires de la semaine"));
        for (int d = 0; d < NbJours; ++d) {
            // Une ligne laissée telle quelle ne touche pas son jour.
            const LigneHoraires lue = LitHoraires((*tapees)[d]);
            if ((*tapees)[d] != lignes[d] && !lue.jour.isNull())
                doc_.RemplaceJour(doc_.Zone(), d, lue.jour);
        }
    }
}

void PanneauCommandes::Gele(bool gele) {
    for (QPushButton* bouton : {CmdCLS, CmdCopy, CmdPASTE}) bouton->setEnabled(!gele);
}
