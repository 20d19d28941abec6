#include "link/Transmission.h"
#include "link/JournauxTransmission.h"
#include "plateforme/Minuterie.h"
#include "plateforme/PortSerie.h"

#include <QDir>
#include <optional>
#include <utility>

namespace {
// Les deux journaux, tenus en mémoire pendant l'envoi puis écrits chacun d'un coup : un
// disque plein ne laisse pas un journal tronqué passer pour celui de l'envoi, et les anciens
// restent tant que les nouveaux ne sont pas écrits.
class Journaux {
public:
    void Note(const ElementTrame& e) {
        brut_ += JournalBrut(e);
        trace_ += JournalTrace(e);
    }
    // La ligne d'échec commence une ligne à elle.
    void NoteEchec(int rang, const QString& cause) {
        const QByteArray ligne = LigneEchec(rang, cause);
        for (QByteArray* journal : {&brut_, &trace_}) {
            if (!journal->isEmpty() && !journal->endsWith("\r\n")) *journal += "\r\n";
            *journal += ligne;
        }
    }
    // Un journal manquant n'arrête rien : le premier échec est rendu pour être dit.
    std::optional<EchecEcriture> Ecrit(const QString& dossier) const {
        std::optional<EchecEcriture> echec;
        for (const auto& [nom, octets] :
             {std::pair{NomJournalBrut, &brut_}, std::pair{NomJournalTrace, &trace_}}) {
            const QString chemin = QDir::toNativeSeparators(QDir(dossier).filePath(nom));
            const QString cause = EcritFichierAtomique(chemin, *octets);
            if (!cause.isEmpty() && !echec) echec = EchecEcriture{chemin, cause};
        }
        return echec;
    }

private:
    QByteArray brut_;
    QByteArray trace_;
};
} // namespace

Transmission::Transmission(PortSerie& port, Minuterie& minuterie, QString dossierJournaux,
                           QObject* parent)
    : QObject(parent), port_(port), minuterie_(minuterie), dossier_(std::move(dossierJournaux)) {}

bool Transmission::Envoie(const Trame& zones, const std::function<Trame()>& reglages) {
    cause_.clear();
    echecJournaux_.reset();
    bool envoye = false;
    {
        Journaux journaux;
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
        // Journaux écrits avant la fin annoncée : qui la reçoit les trouve complets.
        echecJournaux_ = journaux.Ecrit(dossier_);
    }
    emit Fin(envoye);
    return envoye;
}
