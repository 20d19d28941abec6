// Choix du port, test de liaison, programmation de la télécommande et programme de test.
#include "link/PanneauLiaison.h"
#include "link/Configuration.h"
#include "link/ProgrammeTest.h"
#include "link/TrameProgramme.h"
#include "link/Transmission.h"
#include "model/Document.h"
#include "model/Textes.h"
#include "plateforme/Controles.h"
#include "plateforme/DetectionPorts.h"
#include "plateforme/EcritureAtomique.h"
#include "plateforme/Plateforme.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QProgressBar>
#include <QScopeGuard>
#include <algorithm>

namespace {
const QString TitreTest = QStringLiteral(" TEST TELECOMMANDE ");
const QString TitreProgrammation = QStringLiteral(" PROGRAMMATION ");
const QString RelierTelecommande =
    QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **");
} // namespace

PanneauLiaison::PanneauLiaison(Document& document, Plateforme& plateforme,
                               const ControlesNommes& controles, QMenu* configuration,
                               QMenu* programmation, QObject* parent)
    : QObject(parent), doc_(document), plateforme_(plateforme),
      ProgressBar1(controles.Prend<QProgressBar>("ProgressBar1")) {
    ChoixPortSerie = configuration->addMenu(QStringLiteral("&Choix port série"));
    ChoixPortSerie->setObjectName(QStringLiteral("ChoixPortSerie"));
    ChoixPortSerie->setToolTipsVisible(true); // le périphérique de chaque COMn
    // Groupe exclusif : une seule coche, celle du port qui sert.
    auto* coches = new QActionGroup(this);
    for (int i = 0; i < static_cast<int>(COM.size()); ++i) {
        COM[i] = ChoixPortSerie->addAction(QStringLiteral("COM%1").arg(i + 1));
        COM[i]->setObjectName(NomIndexe("COM", i));
        COM[i]->setCheckable(true);
        coches->addAction(COM[i]);
        connect(COM[i], &QAction::triggered, this, [this, i] { COM_Click(i); });
    }
    ChoixPortSerie->addSeparator();
    RechercherPorts =
        AjouteAction(ChoixPortSerie, "RechercherPorts", QStringLiteral("Rechercher les ports"));
    connect(RechercherPorts, &QAction::triggered, this, [this] { RafraichitPorts(); });
    // Relus à chaque ouverture du menu et à chaque branchement : rien au démarrage.
    connect(ChoixPortSerie, &QMenu::aboutToShow, this, [this] { RafraichitPorts(); });
    plateforme_.SurveillePorts([this] { RafraichitPorts(); });
    TestTelecommande = AjouteAction(programmation, "TestTelecommande",
                                    QStringLiteral("Test Liaison Télécommande"));
    // Le blanc final fait partie du libellé.
    ProgrammeTelecommande =
        AjouteAction(programmation, "ProgrammeTelecommande", QStringLiteral("Programmation "));
    ProgrammeDeTest =
        AjouteAction(programmation, "ProgrammeDeTest", QStringLiteral("Programmation de Test"));
    connect(TestTelecommande, &QAction::triggered, this, [this] { TestTelecommande_Click(); });
    connect(ProgrammeTelecommande, &QAction::triggered, this,
            [this] { ProgrammeTelecommande_Click(); });
    connect(ProgrammeDeTest, &QAction::triggered, this, [this] { ProgrammeDeTest_Click(); });

    // Plage de 468 pour 453 pas sur toute la trame (AvancesProgression) : la barre s'arrête
    // un peu avant le bout, puis disparaît.
    ProgressBar1->setRange(0, 468);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
}

void PanneauLiaison::Gele(bool gele) {
    for (QAction* action : {TestTelecommande, ProgrammeTelecommande, ProgrammeDeTest})
        Bascule(action, !gele);
    for (QAction* item : COM) Bascule(item, !gele);
    for (QAction* item : peripheriques_) Bascule(item, !gele);
    Bascule(RechercherPorts, !gele);
}

void PanneauLiaison::RafraichitPorts() {
    const auto detectes = plateforme_.PeripheriquesSeries();
    const Correspondance ports = CorrespondancePorts(plateforme_.DossierProgramme(), detectes);
    const PeripheriquesRetenus retenus =
        PeripheriquesRetenusDuDossier(plateforme_.DossierProgramme())
            .value_or(PeripheriquesRetenus{});
    for (int i = 0; i < NbPortsCom; ++i) {
        // Ce qui a servi reste ce qu'un envoi demandera : la bulle le nomme.
        const auto& [identite, libelle] = retenus[i];
        const QString description =
            identite.isEmpty() || MeneA(ports.com[i], identite)
                ? DescriptionCom(i + 1, ports.com[i])
                : DescriptionComChange(i + 1, libelle, IdentitePresente(identite, ports, detectes),
                                       ports.com[i]);
        COM[i]->setStatusTip(description);
        COM[i]->setToolTip(description);
    }
    // Les commandes restent et sont seulement cachées : l'une d'elles peut être en train
    // d'appeler ce rafraîchissement.
    libres_ = ports.libres;
    for (size_t k = peripheriques_.size(); k < libres_.size(); ++k) {
        auto* item = new QAction(ChoixPortSerie);
        item->setObjectName(NomIndexe("Peripherique", static_cast<int>(k)));
        item->setEnabled(!transmissionEnCours_);
        connect(item, &QAction::triggered, this, [this, k] {
            if (k < libres_.size()) Peripherique_Click(PeripheriqueSerie(libres_[k]));
        });
        ChoixPortSerie->insertAction(RechercherPorts, item);
        peripheriques_.push_back(item);
    }
    for (size_t k = 0; k < peripheriques_.size(); ++k) {
        peripheriques_[k]->setVisible(k < libres_.size());
        if (k >= libres_.size()) continue;
        const PeripheriqueSerie& p = libres_[k];
        peripheriques_[k]->setText(LibellePeripherique(p));
        peripheriques_[k]->setStatusTip(p.nomStable.isEmpty() ? p.chemin : p.nomStable);
        peripheriques_[k]->setToolTip(peripheriques_[k]->statusTip());
    }
}

void PanneauLiaison::Fige(bool fige) {
    transmissionEnCours_ = fige;
    emit GeleTout(fige);
}

void PanneauLiaison::OuvreCom() {
    const int index = IndexConfigure(plateforme_.DossierProgramme());
    numeroPort_ = index + 1;
    COM[index]->setChecked(true);
}

void PanneauLiaison::COM_Click(int Index) {
    if (transmissionEnCours_ || Index < 0 || Index >= static_cast<int>(COM.size())) return;
    COM[Index]->setChecked(true);
    // Le choix de l'utilisateur vaut accord : ce que désigne COMn maintenant est retenu.
    const Correspondance ports =
        CorrespondancePorts(plateforme_.DossierProgramme(), plateforme_.PeripheriquesSeries());
    if (!OuvreEtRetient(Index + 1, ports.com[Index])) {
        // NumeroPort et le fichier gardent l'ancien port : la coche y revient, elle dit
        // celui qui sert.
        COM[numeroPort_ - 1]->setChecked(true);
        return;
    }
    // Ouvert seulement pour dire tout de suite ce qui ne va pas : le cordon reste libre pour
    // un chargement programmé.
    plateforme_.Port().Ferme();
    numeroPort_ = Index + 1;
    // Écrit d'un coup ou pas du tout. Le port sert quand même, mais l'utilisateur apprend que
    // le prochain démarrage ne le reprendra pas.
    EcritFichierEntier(plateforme_, CheminConfiguration(plateforme_.DossierProgramme()),
                       EcrireConfiguration(Index), QStringLiteral("** ECRITURE IMPOSSIBLE **"));
}

void PanneauLiaison::Peripherique_Click(const PeripheriqueSerie& peripherique) {
    if (transmissionEnCours_) return;
    const QString dossier = plateforme_.DossierProgramme();
    const auto liens = LiensCom(dossier);
    const int libre =
        static_cast<int>(std::find(liens.begin(), liens.end(), std::nullopt) - liens.begin());
    // Le nom stable survit au débranchement : le lien resservira au prochain branchement.
    const QString cible =
        peripherique.nomStable.isEmpty() ? peripherique.chemin : peripherique.nomStable;
    const QString erreur =
        libre == NbPortsCom
            ? QStringLiteral("Les liens COM1 à COM4 existent déjà dans %1 : effacez-en un pour "
                             "y lier %2.")
                  .arg(dossier, cible)
            : LieCom(dossier, libre + 1, cible);
    if (!erreur.isEmpty()) {
        plateforme_.Message(erreur, Boutons::Ok, Icone::Critique, TitreCourt);
        return;
    }
    COM_Click(libre);
    RafraichitPorts();
}

bool PanneauLiaison::OuvreEtRetient(int numero, const PortAssocie& actuel) {
    PortSerie& port = plateforme_.Port();
    if (port.EstOuvert()) port.Ferme();
    if (!port.Ouvre(numero)) {
        plateforme_.Message(port.Erreur(), Boutons::Ok, Icone::Critique, TitreCourt);
        return false;
    }
    ouvertPar_.clear();
    if (IdentitePort(actuel).isEmpty()) return true;
    ouvertPar_ = QStringLiteral("COM%1 : %2").arg(numero).arg(LibellePort(actuel));
    // Le port sert quand même ; la boîte dit que le prochain usage ne le reconnaîtra pas.
    const QString dossier = plateforme_.DossierProgramme();
    if (const auto contenu = RetenusAvec(dossier, numero, actuel)) {
        EcritFichierEntier(plateforme_, CheminPeripheriquesRetenus(dossier), *contenu,
                           QStringLiteral("** ECRITURE IMPOSSIBLE **"));
        RafraichitPorts();
    }
    return true;
}

bool PanneauLiaison::MemePeripherique(int numero, const Correspondance& ports,
                                      const std::vector<PeripheriqueSerie>& detectes) {
    const auto retenus = PeripheriquesRetenusDuDossier(plateforme_.DossierProgramme());
    if (!retenus) {
        plateforme_.Message(TextePeripheriquesIllisibles(plateforme_.DossierProgramme()),
                            Boutons::Ok, Icone::Critique, TitreCourt);
        return false;
    }
    const PeripheriqueRetenu& retenu = (*retenus)[numero - 1];
    const PortAssocie& actuel = ports.com[numero - 1];
    switch (CompareAuRetenu(retenu, actuel, ports, detectes)) {
    case AccordPeripherique::Meme:
        return true;
    case AccordPeripherique::Parti:
        plateforme_.Message(TextePeripheriqueParti(numero, retenu.libelle), Boutons::Ok,
                            Icone::Critique, TitreCourt);
        return false;
    case AccordPeripherique::Remplace:
        break;
    }
    return plateforme_.Message(
               TextePeripheriqueRemplace(numero, retenu.libelle, LibellePort(actuel)),
               Boutons::OuiNon, Icone::Exclamation, TitreCourt) == Bouton::Oui;
}

bool PanneauLiaison::OuvreLiaison() {
    const auto designe = [this] {
        return CorrespondancePorts(plateforme_.DossierProgramme(),
                                   plateforme_.PeripheriquesSeries())
            .com[numeroPort_ - 1];
    };
    for (;;) {
        const auto detectes = plateforme_.PeripheriquesSeries();
        const Correspondance ports = CorrespondancePorts(plateforme_.DossierProgramme(), detectes);
        if (!MemePeripherique(numeroPort_, ports, detectes)) return false;
        // Un branchement pendant la question : l'accord ne valait que pour ce qu'elle nommait.
        const PortAssocie actuel = designe();
        if (IdentitePort(actuel) == IdentitePort(ports.com[numeroPort_ - 1]))
            return OuvreEtRetient(numeroPort_, actuel);
    }
}

void PanneauLiaison::TestTelecommande_Click() {
    if (transmissionEnCours_) return;
    Fige(true);
    const auto reactive = qScopeGuard([this] { Fige(false); });
    if (!OuvreLiaison()) return;
    plateforme_.Message(RelierTelecommande, Boutons::Ok, Icone::Exclamation, TitreTest);
    PortSerie& port = plateforme_.Port();
    const bool envoye = port.Ecrit(QByteArrayLiteral("T"));
    port.Ferme(); // attend que l'octet soit parti
    if (!envoye) {
        // Octet non parti : annoncer les deux bips serait mentir.
        plateforme_.Message(QStringLiteral("** ECHEC DU TEST DE LA LIAISON **\r\n\r\n") +
                                port.Erreur(),
                            Boutons::Ok, Icone::Critique, TitreTest);
        return;
    }
    plateforme_.Message(QStringLiteral("** 2 BEEPS INDIQUENT UNE BON TEST DE LA LIAISON **"),
                        Boutons::Ok, Icone::Exclamation, TitreTest);
}

void PanneauLiaison::ProgrammeTelecommande_Click() {
    if (transmissionEnCours_) return;
    EnvoieProgramme(doc_.Prog());
}

void PanneauLiaison::ProgrammeDeTest_Click() {
    if (transmissionEnCours_) return;
    Fige(true);
    const auto reactive = qScopeGuard([this] { Fige(false); });
    plateforme_.Message(
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

void PanneauLiaison::EnvoieProgramme(const Programme& programme) {
    // Les pauses laissent vivre la fenêtre : rien ne doit changer la trame en cours, ni par
    // les commandes (gelées) ni dans le document (tenu).
    const bool premier = !transmissionEnCours_;
    if (premier) Fige(true);
    const auto reactive = qScopeGuard([this, premier] {
        if (premier) Fige(false);
    });
    const auto prise = doc_.Tiens();

    // Hors 0..35 °C, l'octet partirait replié (0 - 128 -> 0x80) : rien ne part, le port
    // reste fermé et les journaux intacts.
    if (const auto fautive = ChercheTemperatureHorsLimites(programme)) {
        plateforme_.Message(TexteTemperatureHorsLimites(*fautive) +
                                QStringLiteral(" Corrigez-la avant la transmission."),
                            Boutons::Ok, Icone::Critique, TitreCourt);
        return;
    }
    if (!OuvreLiaison()) return;
    plateforme_.Message(RelierTelecommande, Boutons::Ok, Icone::Exclamation, TitreProgrammation);
    plateforme_.Message(QStringLiteral("** VERIFIER à l'issue de la transmission: [2 BEEP -> "
                                       "PROG. OK]  [6 Beep -> DEFAUT DIALOGUE]  **"),
                        Boutons::Ok, Icone::Aucune, TitreProgrammation);

    ProgressBar1->setValue(0);
    ProgressBar1->show();
    Transmission transmission(plateforme_.Port(), plateforme_.Temps(),
                              plateforme_.DossierProgramme());
    connect(&transmission, &Transmission::Avance, ProgressBar1,
            [this](int pas) { ProgressBar1->setValue(ProgressBar1->value() + pas); });
    const QString par = ouvertPar_;
    connect(&transmission, &Transmission::Fin, this, [this, &transmission, par](bool envoye) {
        // Fermer attend que la ligne ait tout pris ; le cordon est libre dès la fin annoncée.
        plateforme_.Port().Ferme();
        ProgressBar1->hide();
        if (envoye)
            plateforme_.Message(
                QStringLiteral("** FIN DE TRANSMISSION **") +
                    (par.isEmpty() ? QString() : QStringLiteral("\r\n\r\nEnvoyé par ") + par),
                Boutons::Ok, Icone::Aucune, TitreProgrammation);
        else
            plateforme_.Message(QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n") +
                                    transmission.Cause(),
                                Boutons::Ok, Icone::Critique, TitreProgrammation);
        if (const auto echec = transmission.EchecJournaux())
            MontreEchecEcriture(plateforme_, QStringLiteral("** ECRITURE IMPOSSIBLE **"),
                                echec->chemin, echec->cause);
    });
    const qint32 identifiant = programme.IdentZone[doc_.Zone()];
    transmission.Envoie(TrameZones(programme), [&] {
        return BlocReglages(programme, identifiant, plateforme_.Maintenant());
    });
}
