// La programmation de la télécommande : trame envoyée octet par octet, pauses, journaux.
#include "link/Apres.h"
#include "link/JournauxTransmission.h"
#include "link/TrameProgramme.h"
#include "ui/FenetrePrincipale.h"
#include "ui/FichierOrdinaire.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTimer>

namespace {
const QString TitreProgrammation = QStringLiteral(" PROGRAMMATION ");
constexpr int TamponEmission = 100;

// Les deux journaux, ouverts s'ils peuvent l'être : un journal manquant n'arrête rien.
class Journaux {
public:
    explicit Journaux(const QString& dossier)
        : brut_(QDir(dossier).filePath(QLatin1String(NomJournalBrut))),
          trace_(QDir(dossier).filePath(QLatin1String(NomJournalTrace))) {
        // Un tube attendrait son lecteur, port ouvert et fenêtre figée : refusé d'emblée.
        OuvreFichierOrdinaire(brut_, QIODevice::WriteOnly | QIODevice::Truncate);
        OuvreFichierOrdinaire(trace_, QIODevice::WriteOnly | QIODevice::Truncate);
    }
    void Note(const ElementTrame& e) {
        if (brut_.isOpen()) brut_.write(JournalBrut(e));
        if (trace_.isOpen()) trace_.write(JournalTrace(e));
    }
    void Ferme() {
        brut_.close();
        trace_.close();
    }

private:
    QFile brut_;
    QFile trace_;
};

// La télécommande digère le bloc : on traite les événements de la fenêtre (sans tourner
// à vide) jusqu'au tic de Timer1, 200 ms après la remise du dernier octet.
void Pause(FenetrePrincipale& f) {
    f.Etat.FinTempo = 0;
    f.Timer1->start();
    while (!f.Etat.FinTempo) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    f.Timer1->stop();
}
} // namespace

void FenetrePrincipale::ProgrammeTelecommande_Click() {
    if (transmissionEnCours_) return;
    const qint16 zone = Etat.ZoneCourante;
    const qint16 jour = Etat.JourCourant;
    const qint16 jourPrecedent = Etat.JourPrecedent;
    ProgrammeTelecommandeData();
    Etat.ZoneCourante = zone;
    AfficheEcran();
    // AfficheEcran laisse le jour à lundi sans bouger VScJour : on reprend le jour affiché,
    // sinon la commande suivante éditerait lundi sous le nom d'un autre jour.
    Etat.JourCourant = jour;
    Etat.JourPrecedent = jourPrecedent;
}

void FenetrePrincipale::ProgrammeTelecommandeData() {
    // Les pauses laissent vivre la fenêtre : rien ne doit changer la trame en cours.
    const bool premier = !transmissionEnCours_;
    if (premier) ActiveCommandes(false);
    const Apres reactive([this, premier] {
        if (premier) ActiveCommandes(true);
    });

    if (!OuvreLiaison()) return;
    Plate().Message(QStringLiteral("** RELIER LA TELECOMMANDE au PC par le cordon **"), Boutons::Ok,
                    Icone::Exclamation, TitreProgrammation);
    Plate().Message(QStringLiteral("** VERIFIER à l'issue de la transmission: [2 BEEP -> PROG. "
                                   "OK]  [6 Beep -> DEFAUT DIALOGUE]  **"),
                    Boutons::Ok, Icone::Aucune, TitreProgrammation);

    Journaux journaux(Plate().DossierProgramme());
    PortSerie& port = Plate().Port();
    port.DemandeTampon(TamponEmission);
    ProgressBar1->setValue(0);
    ProgressBar1->show();

    const int zone = qBound(0, static_cast<int>(Etat.ZoneCourante), NbZones - 1);
    bool envoye = true;
    auto envoie = [&](const Trame& elements) {
        for (const ElementTrame& e : elements) {
            // Port perdu (câble arraché) : plus d'écriture ni de pause, les journaux vont
            // quand même au bout.
            if (envoye) envoye = port.Ecrit(QByteArray(1, static_cast<char>(e.octet)));
            journaux.Note(e);
            ProgressBar1->setValue(ProgressBar1->value() + AvancesProgression(e));
            if (e.pause && envoye) Pause(*this);
        }
    };
    envoie(TrameZones(Prog));
    // L'horloge est lue en arrivant au bloc des réglages, après les pauses.
    envoie(BlocReglages(Prog, Prog.IdentZone[zone], Plate().Maintenant()));

    journaux.Ferme();
    ProgressBar1->hide();
    if (!envoye) {
        Plate().Message(QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n") + port.Erreur(),
                        Boutons::Ok, Icone::Critique, TitreProgrammation);
        return;
    }
    Plate().Message(QStringLiteral("** FIN DE TRANSMISSION **"), Boutons::Ok, Icone::Aucune,
                    TitreProgrammation);
}
