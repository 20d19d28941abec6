// Choix du port, test de liaison, programme de test, commandes gelées pendant un envoi.
#include "link/Apres.h"
#include "link/Configuration.h"
#include "link/ProgrammeTest.h"
#include "plateforme/FichierOrdinaire.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVariant>

namespace {
const QString TitreTest = QStringLiteral(" TEST TELECOMMANDE ");
const char* const ProprieteActif = "actifAvantTransmission";
const char* const NomFiltreSouris = "FiltreSourisTransmission";

QString CheminConfiguration(Plateforme& plateforme) {
    return QDir(plateforme.DossierProgramme()).filePath(QStringLiteral("VK472.CFG"));
}

// Le graphique édite à la souris (bouton droit : confort) : muet pendant un envoi.
class FiltreSouris : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        switch (evenement->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }
};

// Désactive en gardant l'état d'avant, que la réactivation remet.
template <typename T> void Bascule(T* objet, bool actif) {
    if (!objet) return;
    if (!actif) {
        if (!objet->property(ProprieteActif).isValid())
            objet->setProperty(ProprieteActif, objet->isEnabled());
        objet->setEnabled(false);
        return;
    }
    const QVariant avant = objet->property(ProprieteActif);
    if (!avant.isValid()) return;
    objet->setEnabled(avant.toBool());
    objet->setProperty(ProprieteActif, QVariant());
}
} // namespace

void FenetrePrincipale::OuvreCom() {
    for (QAction* item : COM) item->setChecked(false);
    // Fichier absent, illisible ou hors 0..3 : COM1, sans erreur.
    int index = 0;
    QFile fichier(CheminConfiguration(Plate()));
    if (OuvreFichierOrdinaire(fichier, QIODevice::ReadOnly)) // un tube bloquerait le démarrage
        index = LireConfiguration(fichier.read(4096)).value_or(0);
    Etat.NumeroPort = static_cast<qint16>(index + 1);
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
        const int enService = Etat.NumeroPort - 1;
        if (enService >= 0 && enService < static_cast<int>(COM.size()))
            COM[enService]->setChecked(true);
        return;
    }
    Etat.NumeroPort = static_cast<qint16>(Index + 1);
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
    if (port.Ouvre(Etat.NumeroPort)) return true;
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
    const qint16 zone = Etat.ZoneCourante;
    const qint16 jour = Etat.JourCourant;
    const qint16 jourPrecedent = Etat.JourPrecedent;
    std::array<std::array<QByteArray, NbJours>, NbZones> sauvegarde;
    const auto motifs = MotifsTest();
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) {
            sauvegarde[z][d] = Prog.ProgJour[z][d];
            Prog.ProgJour[z][d] = motifs[d];
        }
    {
        // Les jours de l'utilisateur reviennent quoi qu'il arrive à l'envoi.
        const Apres restaure([&] {
            for (int z = 0; z < NbZones; ++z)
                for (int d = 0; d < NbJours; ++d) Prog.ProgJour[z][d] = sauvegarde[z][d];
        });
        Etat.ZoneCourante = zone;
        ProgrammeTelecommandeData();
    }
    Etat.ZoneCourante = zone;
    AfficheEcran();
    // Le jour affiché reste celui qu'on éditait (AfficheEcran le remet à lundi).
    Etat.JourCourant = jour;
    Etat.JourPrecedent = jourPrecedent;
}

void FenetrePrincipale::ActiveCommandes(bool actives) {
    transmissionEnCours_ = !actives;
    // "?" aussi : sa boîte modale retiendrait la pause en cours aussi longtemps qu'elle reste
    // ouverte. La case des segments valide le jour, ce qui peut couper un segment.
    for (QAction* action : {Nouveau, LectureData, SauvegardeFichier, SauverComme, Quitter,
                            TestTelecommande, ProgrammeTelecommande, ProgrammeDeTest, Version})
        Bascule(action, actives);
    for (QAction* item : COM) Bascule(item, actives);
    for (QWidget* controle : std::initializer_list<QWidget*>{Frame5, Frame4, Frame2, CmdCLS,
                                                             CmdCopy, CmdPASTE, ChkVisuHoraire})
        Bascule(controle, actives);

    QObject* filtre = findChild<QObject*>(QLatin1String(NomFiltreSouris));
    if (actives) {
        delete filtre; // se retire de lui-même des contrôles filtrés
        return;
    }
    if (filtre) return;
    filtre = new FiltreSouris(this);
    filtre->setObjectName(QLatin1String(NomFiltreSouris));
    for (QWidget* w : FrameTemp) w->installEventFilter(filtre);
    for (QWidget* w : Label2) w->installEventFilter(filtre);
    for (QWidget* w : Marqueur) w->installEventFilter(filtre);
}
