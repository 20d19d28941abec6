// Choix du port, test de liaison, programme de test, commandes gelées pendant un envoi.
#include "files/PanneauFichier.h"
#include "link/Apres.h"
#include "link/Configuration.h"
#include "link/ProgrammeTest.h"
#include "model/Textes.h"
#include "plateforme/Controles.h"
#include "plateforme/FichierOrdinaire.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"
#include "zone/PanneauCommandes.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QSaveFile>
#include <QVariant>

namespace {
const QString TitreTest = QStringLiteral(" TEST TELECOMMANDE ");

QString CheminConfiguration(Plateforme& plateforme) {
    return QDir(plateforme.DossierProgramme()).filePath(QStringLiteral("VK472.CFG"));
}
} // namespace

void FenetrePrincipale::OuvreCom() {
    for (QAction* item : COM) item->setChecked(false);
    // Fichier absent, illisible ou hors 0..3 : COM1, sans erreur.
    int index = 0;
    QFile fichier(CheminConfiguration(Plate()));
    if (OuvreFichierOrdinaire(fichier, QIODevice::ReadOnly)) // un tube bloquerait le démarrage
        index = LireConfiguration(fichier.read(4096)).value_or(0);
    numeroPort_ = index + 1;
    COM[index]->setChecked(true);
}

void FenetrePrincipale::COM_Click(int Index) {
    if (transmissionEnCours_ || Index < 0 || Index >= static_cast<int>(COM.size())) return;
    for (QAction* item : COM) item->setChecked(false);
    COM[Index]->setChecked(true);
    PortSerie& port = Plate().Port();
    if (port.EstOuvert()) port.Ferme();
    if (!port.Ouvre(Index + 1)) {
        Plate().Message(port.Erreur(), Boutons::Ok, Icone::Critique, TitreCourt);
        // NumeroPort et le fichier gardent l'ancien port : la coche y revient, elle dit
        // celui qui sert.
        for (QAction* item : COM) item->setChecked(false);
        const int enService = numeroPort_ - 1;
        if (enService >= 0 && enService < static_cast<int>(COM.size()))
            COM[enService]->setChecked(true);
        return;
    }
    numeroPort_ = Index + 1;
    // Écrit d'un coup ou pas du tout ; un échec est sans suite : le port sert quand même.
    QSaveFile fichier(CheminConfiguration(Plate()));
    if (fichier.open(QIODevice::WriteOnly)) {
        fichier.write(EcrireConfiguration(Index));
        fichier.commit();
    }
}

bool FenetrePrincipale::OuvreLiaison() {
    PortSerie& port = Plate().Port();
    if (port.EstOuvert()) port.Ferme();
    if (port.Ouvre(numeroPort_)) return true;
    Plate().Message(port.Erreur(), Boutons::Ok, Icone::Critique, TitreCourt);
    return false;
}

void FenetrePrincipale::TestTelecommande_Click() {
    if (transmissionEnCours_) return;
    ActiveCommandes(false);
    const Apres reactive([this] { ActiveCommandes(true); });
    if (!OuvreLiaison()) return;
    Plate().Message(QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **"), Boutons::Ok,
                    Icone::Exclamation, TitreTest);
    PortSerie& port = Plate().Port();
    const bool envoye = port.Ecrit(QByteArrayLiteral("T"));
    port.Ferme(); // attend que l'octet soit parti
    if (!envoye) {
        // Octet non parti : annoncer les deux bips serait mentir.
        Plate().Message(QStringLiteral("** ECHEC DU TEST DE LA LIAISON **\r\n\r\n") + port.Erreur(),
                        Boutons::Ok, Icone::Critique, TitreTest);
        return;
    }
    Plate().Message(QStringLiteral("** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON **"),
                    Boutons::Ok, Icone::Exclamation, TitreTest);
}

void FenetrePrincipale::ProgrammeDeTest_Click() {
    if (transmissionEnCours_) return;
    ActiveCommandes(false);
    const Apres reactive([this] { ActiveCommandes(true); });
    Plate().Message(
        QStringLiteral("ATTENTION CE TEST CHARGE LA TELECOMMANDE AVEC UNE PROGRAMMATION DE TEST "
                       "\r\n\r\n      COMMANDE CONFORT/ECO ACTIVEE CHAQUE 10 Minutes "),
        Boutons::Ok, Icone::Critique, TitreCourt);
    // Les jours de test, avec les températures et les identifiants de l'utilisateur ; son
    // programme n'est pas touché.
    Programme test = doc_.Prog();
    const auto motifs = MotifsTest();
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) test.ProgJour[z][d] = motifs[d];
    EnvoieProgramme(test);
}

void FenetrePrincipale::ActiveCommandes(bool actives) {
    transmissionEnCours_ = !actives;
    // "?" aussi : sa boîte modale retiendrait la pause en cours aussi longtemps qu'elle reste
    // ouverte.
    fichiers_->Gele(!actives);
    for (QAction* action :
         {Quitter, TestTelecommande, ProgrammeTelecommande, ProgrammeDeTest, Version})
        Bascule(action, actives);
    for (QAction* item : COM) Bascule(item, actives);
    for (QGroupBox* cadre : cadresEdition_) Bascule(cadre, actives);
    commandes_->Gele(!actives);
    // La case des segments valide le jour, ce qui peut couper un segment.
    semaine_->Gele(!actives);
}
