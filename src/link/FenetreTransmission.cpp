// La programmation de la télécommande : trame envoyée octet par octet, pauses, journaux.
#include "link/Apres.h"
#include "link/TrameProgramme.h"
#include "link/Transmission.h"
#include "model/Textes.h"
#include "ui/FenetrePrincipale.h"

#include <QProgressBar>

namespace {
const QString TitreProgrammation = QStringLiteral(" PROGRAMMATION ");
} // namespace

void FenetrePrincipale::ProgrammeTelecommande_Click() {
    if (transmissionEnCours_) return;
    ProgrammeTelecommandeData();
}

void FenetrePrincipale::ProgrammeTelecommandeData() {
    EnvoieProgramme(doc_.Prog());
}

void FenetrePrincipale::EnvoieProgramme(const Programme& programme) {
    // Les pauses laissent vivre la fenêtre : rien ne doit changer la trame en cours, ni par
    // les commandes (gelées) ni dans le document (tenu).
    const bool premier = !transmissionEnCours_;
    if (premier) ActiveCommandes(false);
    const Apres reactive([this, premier] {
        if (premier) ActiveCommandes(true);
    });
    const auto prise = doc_.Tiens();

    // Hors 0..35 °C, l'octet partirait replié (0 - 128 -> 0x80) : rien ne part, le port
    // reste fermé et les journaux intacts.
    if (const auto fautive = ChercheTemperatureHorsLimites(programme)) {
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

    ProgressBar1->setValue(0);
    ProgressBar1->show();
    Transmission transmission(Plate().Port(), Plate().Temps(), Plate().DossierProgramme());
    QObject::connect(&transmission, &Transmission::Avance, ProgressBar1,
                     [this](int pas) { ProgressBar1->setValue(ProgressBar1->value() + pas); });
    const qint32 identifiant = programme.IdentZone[doc_.Zone()];
    const bool envoye = transmission.Envoie(TrameZones(programme), [&] {
        return BlocReglages(programme, identifiant, Plate().Maintenant());
    });
    ProgressBar1->hide();
    if (!envoye) {
        Plate().Message(QStringLiteral("** ECHEC DE LA TRANSMISSION **\r\n\r\n") +
                            transmission.Cause(),
                        Boutons::Ok, Icone::Critique, TitreProgrammation);
        return;
    }
    Plate().Message(QStringLiteral("** FIN DE TRANSMISSION **"), Boutons::Ok, Icone::Aucune,
                    TitreProgrammation);
}
