#include "timeline/Segments.h"
#include "model/Horaires.h"
#include "model/Programme.h"

QString TexteSegments(const QByteArray& jour) {
    QString texte = QStringLiteral("   ");
    int p = 0;
    // Neuf et non huit : un jour pas encore validé peut lister un neuvième segment.
    for (int n = 0; n < 9; ++n) {
        // Un segment ne commence que dans les 144 créneaux : la queue n'en crée pas.
        while (p < NbCreneaux && !EstConfort(jour, p)) ++p;
        if (p >= NbCreneaux) break;
        texte += QStringLiteral("(") + TexteHeure(p) + QStringLiteral("-");
        // La fin se cherche aussi dans la queue : un segment qui va jusqu'au bout du jour
        // finit sur son premier caractère (24H00). Sans queue, le texte reste ouvert.
        while (p < jour.size() && EstConfort(jour, p)) ++p;
        if (p >= jour.size()) break;
        texte += TexteHeure(p) + QStringLiteral(")     ");
    }
    return texte;
}
