// Les heures de confort tapées en clair : lignes acceptées, lignes refusées et leur raison.
#include "model/Horaires.h"
#include "support/Impression.h"
#include "support/Jours.h"

#include <gtest/gtest.h>

TEST(Horaires, LignesAccepteesEtRefusees) {
    const struct {
        const char* ligne;
        QByteArray jour; // nul : refusée
        const char* raison;
    } cas[] = {
        {"", JourAvec({}), ""},
        {"6H30-8H30 17H30-22H30", JourAvec({{39, 51}, {105, 135}}), ""},
        {"06:30 - 08:30, 17.30–22.30", JourAvec({{39, 51}, {105, 135}}), ""},
        {"22H-24H00;0h-1h", JourAvec({{0, 6}, {132, 144}}), ""},
        {"6H-8H 8H-9H", JourAvec({{36, 54}}), ""},
        {"6H35-8H", {}, "« 6H35 » n'est pas sur les dix minutes"},
        {"6H70-8H", {}, "« 6H70 » n'est pas une heure"},
        {"midi-14H", {}, "« midi » n'est pas une heure"},
        {"6H30", {}, "« 6H30 » : il faut un début et une fin"},
        {"6H-7H-8H", {}, "« 6H-7H-8H » : il faut un début et une fin"},
        {"20H-24H10", {}, "« 24H10 » dépasse 24H00"},
        {"8H-6H", {}, "« 8H-6H » finit avant de commencer"},
        {"6H-9H 8H-10H", {}, "6H00-9H00 chevauche 8H00-10H00"},
        {"0H-0H10 1H-1H10 2H-2H10 3H-3H10 4H-4H10 5H-5H10 6H-6H10 7H-7H10 8H-8H10",
         {},
         "9 périodes : huit au plus"},
    };
    for (const auto& c : cas) {
        const LigneHoraires lue = LitHoraires(QString::fromUtf8(c.ligne));
        EXPECT_EQ(lue.jour, c.jour) << c.ligne;
        EXPECT_EQ(lue.raison, QString::fromUtf8(c.raison)) << c.ligne;
        // Ce que la boîte montre d'un jour se relit en ce même jour.
        if (!c.jour.isNull()) {
            EXPECT_EQ(LitHoraires(TexteHoraires(c.jour)).jour, c.jour) << c.ligne;
        }
    }
    EXPECT_EQ(TexteHoraires(JourAvec({{39, 51}, {105, 135}})),
              QStringLiteral("6H30-8H30 17H30-22H30"));
    EXPECT_EQ(TexteHoraires(JourAvec({{0, 144}})), QStringLiteral("0H00-24H00"));
}
