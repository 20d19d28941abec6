#include "model/Jour.h"
#include "model/Programme.h"

#include <algorithm>

namespace {
// Dernier caractère effacé par la coupe : le troisième de la queue.
constexpr int FinCoupe = NbCreneaux + 2;
} // namespace

bool EstConfort(const QByteArray& jour, int position) {
    return position >= 0 && position < jour.size() && jour[position] == '1';
}

int CompteSegments(const QByteArray& jour) {
    int segments = 0;
    for (int s = 0; s < NbCreneaux; ++s)
        if (EstConfort(jour, s) && !EstConfort(jour, s - 1)) ++segments;
    return segments;
}

std::vector<BarreSegment> ValideJour(QByteArray& jour) {
    std::vector<BarreSegment> barres;
    int longueur = 0;
    for (int s = 0; s < NbCreneaux; ++s) {
        if (EstConfort(jour, s)) {
            if (longueur == 0) {
                if (static_cast<int>(barres.size()) == NbSegmentsMax) {
                    // Neuvième segment : effacé sans message avec tout le reste du jour.
                    const int fin = std::min(FinCoupe, static_cast<int>(jour.size()) - 1);
                    for (int p = s; p <= fin; ++p) jour[p] = '0';
                    break;
                }
                barres.push_back({s, 0});
            }
            barres.back().largeur = ++longueur;
        } else {
            longueur = 0;
        }
    }
    return barres;
}

std::vector<BarreSegment> BarresJour(const QByteArray& jour) {
    QByteArray copie = jour;
    return ValideJour(copie);
}

void CompleteJour(QByteArray& jour) {
    jour = jour.leftJustified(LongueurJour, '0'); // un jour plus long reste tel quel
}

void EcritCreneaux(QByteArray& jour, int curseur, char valeur, int nombre) {
    if (curseur < 0 || curseur >= NbCreneaux) return;
    CompleteJour(jour);
    for (int s = curseur; s < curseur + nombre && s < NbCreneaux; ++s) jour[s] = valeur;
}
