#include "zone/CommandesJour.h"
#include "model/Programme.h"

namespace {
// Seuls les créneaux 0..143 comptent ; la queue et l'au-delà valent éco.
bool EstConfort(const QByteArray& jour, int creneau) {
    return creneau >= 0 && creneau < NbCreneaux && creneau < jour.size() && jour[creneau] == '1';
}
} // namespace

bool DemandeConfirmation(const QByteArray& jour, int c, int nbSegments, RegleHuitSegments regle) {
    if (nbSegments < NbSegmentsMax || c < 0 || c >= NbCreneaux) return false;
    if (c > 0 && EstConfort(jour, c - 1)) return false;
    if (regle == RegleHuitSegments::Heure) return true;
    // "Conf." au curseur 0 ne regarde que le créneau lui-même, pas 0H10 : gardé tel quel.
    if (c > 0) return !EstConfort(jour, c + 1);
    return !EstConfort(jour, 0);
}

int CurseurApres(int curseur, int avance, int maximum) {
    return curseur + avance <= maximum ? curseur + avance : curseur;
}
