#include "zone/CommandesJour.h"
#include "model/Jour.h"
#include "model/Programme.h"

namespace {
// Seuls les créneaux 0..143 comptent : la queue vaut éco.
bool CreneauConfort(const QByteArray& jour, int creneau) {
    return creneau < NbCreneaux && EstConfort(jour, creneau);
}
} // namespace

bool DemandeConfirmation(const QByteArray& jour, int c, int nbSegments, RegleHuitSegments regle) {
    if (nbSegments < NbSegmentsMax || c < 0 || c >= NbCreneaux) return false;
    if (c > 0 && CreneauConfort(jour, c - 1)) return false;
    if (regle == RegleHuitSegments::Heure) return true;
    // "Conf." au curseur 0 ne regarde que le créneau lui-même, pas 0H10 : gardé tel quel.
    if (c > 0) return !CreneauConfort(jour, c + 1);
    return !CreneauConfort(jour, 0);
}

int CurseurApres(int curseur, int avance, int maximum) {
    return curseur + avance <= maximum ? curseur + avance : curseur;
}
