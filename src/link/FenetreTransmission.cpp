// La programmation de la télécommande : trame envoyée octet par octet, pauses, journaux.
#include "link/Apres.h"
#include "link/JournauxTransmission.h"
#include "link/TrameProgramme.h"
#include "ui/FenetrePrincipale.h"

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
        brut_.open(QIODevice::WriteOnly | QIODevice::Truncate);
        trace_.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    void Note(const ElementTrame& e) {
        Ecrit(brut_, JournalBrut(e), brutFinLigne_);
        Ecrit(trace_, JournalTrace(e), traceFinLigne_);
    }
    // La ligne d'échec commence une ligne à elle.
    void NoteEchec(int rang, const QString& cause) {
        const QByteArray ligne = LigneEchec(rang, cause);
        Ecrit(brut_, (brutFinLigne_ ? QByteArray() : QByteArray("\r\n")) + ligne, brutFinLigne_);
        Ecrit(trace_, (traceFinLigne_ ? QByteArray() : QByteArray("\r\n")) + ligne, traceFinLigne_);
    }
    void Ferme() {
        brut_.close();
        trace_.close();
    }

private:
    static void Ecrit(QFile& journal, const QByteArray& octets, bool& finLigne) {
        if (octets.isEmpty()) return;
        if (journal.isOpen()) journal.write(octets);
        finLigne = octets.endsWith("\r\n");
    }

    QFile brut_;
    QFile trace_;
    bool brutFinLigne_ = true;
    bool traceFinLigne_ = true;
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

    // Hors 0..35 °C, l'octet partirait replié (0 - 128 -> 0x80) : rien ne part, le port
    // reste fermé et les journaux intacts.
    if (const auto fautive = ChercheTemperatureHorsLimites(Prog)) {
        Plate().Message(TexteTemperatureHorsLimites(*fautive) +
                            QStringLiteral(" Corrigez-la avant la transmission."),
                        Boutons::Ok, Icone::Critique, TitreCourt);
        return;
    }
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
    int remis = 0; // octets pris par le port
    bool envoye = true;
    auto envoie = [&](const Trame& elements) {
        for (const ElementTrame& e : elements) {
            // Port perdu (câble arraché) : on s'arrête là, les journaux ne gardent que ce
            // qui est vraiment parti.
            envoye = port.Ecrit(QByteArray(1, static_cast<char>(e.octet)));
            if (!envoye) return;
            ++remis;
            journaux.Note(e);
            ProgressBar1->setValue(ProgressBar1->value() + AvancesProgression(e));
            if (e.pause) Pause(*this);
        }
    };
    envoie(TrameZones(Prog));
    // L'horloge est lue en arrivant au bloc des réglages, après les pauses.
    if (envoye) envoie(BlocReglages(Prog, Prog.IdentZone[zone], Plate().Maintenant()));
    if (!envoye) journaux.NoteEchec(remis + 1, port.Erreur());

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
