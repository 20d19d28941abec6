#include "link/Transmission.h"
#include "link/JournauxTransmission.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/Minuterie.h"
#include "plateforme/PortSerie.h"

#include <QDir>
#include <QFile>

namespace {
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
        Ecrit(brut_, JournalBrut(e), brutFinLigne_);
        Ecrit(trace_, JournalTrace(e), traceFinLigne_);
    }
    // La ligne d'échec commence une ligne à elle.
    void NoteEchec(int rang, const QString& cause) {
        const QByteArray ligne = LigneEchec(rang, cause);
        Ecrit(brut_, (brutFinLigne_ ? QByteArray() : QByteArray("\r\n")) + ligne, brutFinLigne_);
        Ecrit(trace_, (traceFinLigne_ ? QByteArray() : QByteArray("\r\n")) + ligne, traceFinLigne_);
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
} // namespace

Transmission::Transmission(PortSerie& port, Minuterie& minuterie, QString dossierJournaux,
                           QObject* parent)
    : QObject(parent), port_(port), minuterie_(minuterie), dossier_(std::move(dossierJournaux)) {}

bool Transmission::Envoie(const Trame& zones, const std::function<Trame()>& reglages) {
    cause_.clear();
    bool envoye = false;
    {
        // Journaux fermés avant la fin annoncée : qui la reçoit les trouve complets.
        Journaux journaux(dossier_);
        int remis = 0; // octets pris par le port
        const auto envoie = [&](const Trame& elements) {
            for (const ElementTrame& e : elements) {
                // Port perdu (câble arraché) : on s'arrête là, les journaux ne gardent que ce
                // qui est vraiment parti.
                if (!port_.Ecrit(QByteArray(1, static_cast<char>(e.octet)))) return false;
                ++remis;
                journaux.Note(e);
                emit Avance(AvancesProgression(e));
                if (e.pause) minuterie_.Pause(PauseApresBlocMs);
            }
            return true;
        };
        envoye = envoie(zones) && envoie(reglages());
        if (!envoye) {
            cause_ = port_.Erreur();
            journaux.NoteEchec(remis + 1, cause_);
        }
    }
    emit Fin(envoye);
    return envoye;
}
