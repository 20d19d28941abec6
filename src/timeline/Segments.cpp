#include "timeline/Segments.h"
#include "model/Programme.h"

namespace {
bool EstConfort(const QByteArray& jour, int position) {
    return position < jour.size() && jour[position] == '1';
}

// "7H30" pour la position 45 (1 caractère = 10 minutes) ; 144 donne "24H00".
QString Heure(int position) {
    return QString::number(position / 6) + QLatin1Char('H') + QString::number(position % 6) +
           QLatin1Char('0');
}
} // namespace

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
