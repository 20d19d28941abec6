// Validation du jour et texte des segments aux cas limites (queue, neuvième segment).
#include "support/Impression.h"
#include "support/Jours.h"
#include "timeline/Segments.h"
#include "timeline/Trait.h"

#include <gtest/gtest.h>

namespace {
QByteArray Courts(int n) { // n segments d'un créneau aux créneaux 0, 2, 4, ...
    return QByteArray("10").repeated(n).leftJustified(LongueurJour, '0');
}
} // namespace

TEST(ValideJour, BarresCoupeEtTexte) {
    using Barres = std::vector<BarreSegment>;
    struct Cas {
        QByteArray jour;
        Barres barres;
        const char* texte;     // nul : non vérifié
        QByteArray apres = {}; // nul : le jour ne change pas
    };
    Barres huit;
    for (int i = 0; i < 8; ++i) huit.push_back({2 * i, 1});
    const Cas cas[] = {
        {QByteArray(), {}, "   "},
        {JourAvec({{0, 1}, {143, 144}}),
         {{0, 1}, {143, 1}},
         "   (0H00-0H10)     (23H50-24H00)     "},
        // "2" et "x" valent éco ; un "1" de queue ne fait pas de segment.
        {JourAvec({{10, 20}}).replace(14, 1, "2").replace(30, 1, "x").replace(144, 1, "1"),
         {{10, 4}, {15, 5}},
         "   (1H40-2H20)     (2H30-3H20)     "},
        // La fin d'un segment se cherche dans la queue ; sans queue, le texte reste ouvert.
        {JourAvec({{140, 144}}).replace(144, 1, "1"), {{140, 4}}, "   (23H20-24H10)     "},
        {JourAvec({{138, 144}}).left(144), {{138, 6}}, "   (23H00-"},
        // Le neuvième et la suite effacés, jusqu'au troisième caractère de la queue.
        {Courts(8).replace(20, 1, "1").replace(100, 48, QByteArray(48, '1')), huit, nullptr,
         Courts(8).replace(147, 1, "1")},
        {Courts(9).left(19), huit, nullptr, Courts(8).left(19)},
        // Avant validation, le texte en liste neuf, pas davantage.
        {Courts(10), huit,
         "   (0H00-0H10)     (0H20-0H30)     (0H40-0H50)     (1H00-1H10)     (1H20-1H30)     "
         "(1H40-1H50)     (2H00-2H10)     (2H20-2H30)     (2H40-2H50)     ",
         Courts(8)},
    };
    for (const Cas& c : cas) {
        QByteArray jour = c.jour;
        for (int fois = 1; fois <= 2; ++fois) {
            EXPECT_EQ(ValideJour(jour), c.barres) << c.jour.data() << " ; validation " << fois;
            EXPECT_EQ(jour, c.apres.isNull() ? c.jour : c.apres) << c.jour.data() << " " << fois;
        }
        if (c.texte) {
            EXPECT_EQ(TexteSegments(c.jour), c.texte) << c.jour.data();
        }
    }
}

TEST(Trait, PeintLesRangeesTraverseesEtRendLesAutres) {
    Programme p;
    RemetParDefaut(p);
    p.ProgJour[1][2] = Courts(8); // huit segments : un de plus serait coupé
    Document d;
    d.Charge(p);
    d.ChoisitZone(1);
    Trait trait(d, 1, 36, true);
    // Mardi 6h00 à jeudi 8h00 (neuvième de mercredi coupé, mais compté), puis mardi avant 6h00.
    trait.Peint(3, 48);
    Programme attendu = p;
    attendu.ProgJour[1][1] = attendu.ProgJour[1][3] = JourAvec({{36, 48}});
    EXPECT_EQ(d.Prog(), attendu);
    EXPECT_EQ(trait.Periode(), QStringLiteral("Mardi à Jeudi 6H00 → 8H00"));
    EXPECT_TRUE(trait.FaitNeuvieme());
    trait.Peint(1, 30);
    attendu.ProgJour[1][1] = JourAvec({{30, 36}});
    attendu.ProgJour[1][3] = JourVide();
    EXPECT_EQ(d.Prog(), attendu);
    EXPECT_EQ(trait.Periode(), QStringLiteral("Mardi 5H00 → 6H00"));
    EXPECT_FALSE(trait.FaitNeuvieme());
    trait.Reprend();
    EXPECT_EQ(d.Prog(), p);
    // Ni un trait d'éco ni un « 1 » de queue ne font de neuvième segment.
    Trait eco(d, 2, 0, false);
    eco.Peint(2, 144);
    EXPECT_FALSE(eco.FaitNeuvieme());
    EXPECT_EQ(d.Prog().ProgJour[1][2], JourVide());
    d.RemplaceJour(1, 0, Courts(8).replace(NbCreneaux, 1, "1"));
    Trait queue(d, 0, 0, true);
    queue.Peint(0, 1);
    EXPECT_FALSE(queue.FaitNeuvieme());
}
