#include "timeline/Segments.h"
#include "model/Programme.h"

#include <algorithm>

namespace {
// Dernier caractère effacé par la coupe : le troisième de la queue.
constexpr int FinCoupe = NbCreneaux + 2;

bool EstConfort(const QByteArray& jour, int position) {
    return position < jour.size() && jour[position] == '1';
}

// "7H30" pour la position 45 (1 caractère = 10 minutes) ; 144 donne "24H00".
QString Heure(int position) {
    return QString::number(position / 6) + QLatin1Char('H') + QString::number(position % 6) +
           QLatin1Char('0');
}
} // namespace

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

QString TexteSegments(const QByteArray& jour) {
    QString texte = QStringLiteral("   ");
    int p = 0;
    // Neuf et non huit : un jour pas encore validé peut lister un neuvième segment.
    for (int n = 0; n < 9; ++n) {
        // Un segment ne commence que dans les 144 créneaux : la queue n'en crée pas.
        while (p < NbCreneaux && !EstConfort(jour, p)) ++p;
        if (p >= NbCreneaux) break;
        texte += QStringLiteral("(") + Heure(p) + QStringLiteral("-");
        // La fin se cherche aussi dans la queue : un segment qui va jusqu'au bout du jour
        // finit sur son premier caractère (24H00). Sans queue, le texte reste ouvert.
        while (p < jour.size() && EstConfort(jour, p)) ++p;
        if (p >= jour.size()) break;
        texte += Heure(p) + QStringLiteral(")     ");
    }
    return texte;
}
