#include "link/Transmission.h"
#include "link/JournauxTransmission.h"
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
        brut_.open(QIODevice::WriteOnly | QIODevice::Truncate);
        trace_.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    void Note(const ElementTrame& e) {
        if (brut_.isOpen()) brut_.write(JournalBrut(e));
        if (trace_.isOpen()) trace_.write(JournalTrace(e));
    }

private:
    QFile brut_;
    QFile trace_;
};
} // namespace

Transmission::Transmission(PortSerie& port, Minuterie& minuterie, QString dossierJournaux,
                           QObject* parent)
    : QObject(parent), port_(port), minuterie_(minuterie), dossier_(std::move(dossierJournaux)) {}

bool Transmission::Envoie(const Trame& zones, const std::function<Trame()>& reglages) {
    cause_.clear();
    Journaux journaux(dossier_);
    bool envoye = true;
    const auto envoie = [&](const Trame& elements) {
        for (const ElementTrame& e : elements) {
            // Port perdu (câble arraché) : plus d'écriture ni de pause.
            if (envoye) envoye = port_.Ecrit(QByteArray(1, static_cast<char>(e.octet)));
            journaux.Note(e);
            emit Avance(AvancesProgression(e));
            if (e.pause && envoye) minuterie_.Pause(PauseApresBlocMs);
        }
    };
    envoie(zones);
    envoie(reglages());
    if (!envoye) cause_ = port_.Erreur();
    return envoye;
}
