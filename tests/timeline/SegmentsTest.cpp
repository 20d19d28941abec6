#include "timeline/Segments.h"
#include "model/Programme.h"
#include "timeline/Impression.h"

#include <gtest/gtest.h>

namespace {
using Barres = std::vector<BarreSegment>;

// Jour de 148 caractères avec le confort sur les créneaux [debut, fin).
QByteArray Jour(std::initializer_list<std::pair<int, int>> segments) {
    QByteArray jour = JourVide();
    for (const auto& [debut, fin] : segments)
        for (int s = debut; s < fin; ++s) jour[s] = '1';
    return jour;
}

// n segments d'un créneau aux créneaux 0, 2, 4, ...
QByteArray SegmentsCourts(int n) {
    QByteArray jour = JourVide();
    for (int i = 0; i < n; ++i) jour[2 * i] = '1';
    return jour;
}

struct Validation {
    QByteArray jour;
    Barres barres;
};
Validation Valide(QByteArray jour) {
    Barres barres = ValideJour(jour);
    return {jour, barres};
}
} // namespace

TEST(ValideJour, JoursSimplesEtBordsDeLaJournee) {
    struct Cas {
        const char* nom;
        QByteArray jour;
        Barres barres;
        QString texte;
    };
    const Cas cas[] = {
        {"vide", JourVide(), {}, "   "},
        {"plein", Jour({{0, 144}}), {{0, 144}}, "   (0H00-24H00)     "},
        {"premier créneau", Jour({{0, 1}}), {{0, 1}}, "   (0H00-0H10)     "},
        {"dernier créneau", Jour({{143, 144}}), {{143, 1}}, "   (23H50-24H00)     "},
        {"matin et soir",
         Jour({{42, 57}, {102, 132}}),
         {{42, 15}, {102, 30}},
         "   (7H00-9H30)     (17H00-22H00)     "},
        {"fin à 23h50", Jour({{138, 143}}), {{138, 5}}, "   (23H00-23H50)     "},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Validation v = Valide(c.jour);
        EXPECT_EQ(v.barres, c.barres);
        EXPECT_EQ(v.jour, c.jour); // rien à couper
        EXPECT_EQ(TexteSegments(c.jour), c.texte);
    }
}

TEST(ValideJour, HuitSegmentsRestent) {
    Validation v = Valide(SegmentsCourts(8));
    ASSERT_EQ(v.barres.size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(v.barres[i], (BarreSegment{2 * i, 1}));
    EXPECT_EQ(v.jour, SegmentsCourts(8));

    // Le huitième va jusqu'à 24h00 : il compte comme les autres et reste.
    QByteArray jour = SegmentsCourts(7);
    for (int s = 100; s < 144; ++s) jour[s] = '1';
    v = Valide(jour);
    ASSERT_EQ(v.barres.size(), 8u);
    EXPECT_EQ(v.barres[7], (BarreSegment{100, 44}));
    EXPECT_EQ(v.jour, jour);
    EXPECT_TRUE(TexteSegments(jour).endsWith("(16H40-24H00)     "));
}

TEST(ValideJour, NeuviemeSegmentEffaceAvecLaSuiteEtTroisCaracteresDeQueue) {
    // Le neuvième et un dixième, plus une queue toute en "1" pour voir ce que la coupe touche.
    QByteArray jour = SegmentsCourts(8);
    jour[20] = '1';
    for (int s = 100; s < 148; ++s) jour[s] = '1';
    const Validation v = Valide(jour);
    ASSERT_EQ(v.barres.size(), 8u);
    EXPECT_EQ(v.barres.back(), (BarreSegment{14, 1}));
    QByteArray attendu = SegmentsCourts(8);
    attendu[147] = '1'; // le dernier caractère n'est pas touché
    EXPECT_EQ(v.jour, attendu);
    EXPECT_EQ(v.jour.size(), 148);

    // Le neuvième va jusqu'à 24h00 : effacé lui aussi.
    QByteArray jusquAuBout = SegmentsCourts(8);
    for (int s = 130; s < 144; ++s) jusquAuBout[s] = '1';
    EXPECT_EQ(Valide(jusquAuBout).jour, SegmentsCourts(8));
}

TEST(ValideJour, ValiderDeuxFoisNeChangeRien) {
    QByteArray neuf = SegmentsCourts(9);
    QByteArray bizarre = Jour({{0, 3}, {140, 144}});
    bizarre[1] = 'x';
    bizarre[146] = '1';
    for (QByteArray jour : {neuf, bizarre, Jour({{0, 144}}), SegmentsCourts(12)}) {
        const Validation premiere = Valide(jour);
        const Validation seconde = Valide(premiere.jour);
        EXPECT_EQ(seconde.jour, premiere.jour);
        EXPECT_EQ(seconde.barres, premiere.barres);
    }
}

TEST(ValideJour, AutresCaracteresComptentEco) {
    QByteArray jour = Jour({{10, 20}});
    jour[14] = '2';
    jour[30] = 'x';
    jour[31] = '1';
    jour[144] = '1'; // la queue ne fait pas de segment
    const Validation v = Valide(jour);
    EXPECT_EQ(v.barres, (Barres{{10, 4}, {15, 5}, {31, 1}}));
    EXPECT_EQ(v.jour, jour);
    // Le texte suit les barres : "2" et "x" terminent un segment comme "0".
    EXPECT_EQ(TexteSegments(jour), "   (1H40-2H20)     (2H30-3H20)     (5H10-5H20)     ");
}

TEST(ValideJour, ChainesCourtesEtLongues) {
    // 144 caractères finissant en confort : la barre va au bout, le texte reste ouvert.
    QByteArray sansQueue = Jour({{138, 144}}).left(144);
    Validation v = Valide(sansQueue);
    EXPECT_EQ(v.barres, (Barres{{138, 6}}));
    EXPECT_EQ(TexteSegments(sansQueue), "   (23H00-");

    // Plus court : les créneaux manquants sont éco, la chaîne n'est pas allongée.
    QByteArray court("0011100111");
    v = Valide(court);
    EXPECT_EQ(v.barres, (Barres{{2, 3}, {7, 3}}));
    EXPECT_EQ(v.jour, QByteArray("0011100111"));
    EXPECT_EQ(TexteSegments(court), "   (0H20-0H50)     (1H10-");
    EXPECT_EQ(TexteSegments(QByteArray()), "   ");
    EXPECT_TRUE(Valide(QByteArray()).barres.empty());

    // Court avec neuf segments : la coupe s'arrête au bout de la chaîne.
    QByteArray courtNeuf = SegmentsCourts(9).left(19);
    v = Valide(courtNeuf);
    EXPECT_EQ(v.barres.size(), 8u);
    EXPECT_EQ(v.jour, SegmentsCourts(8).left(19));

    // Plus long que 148 : seuls les 144 créneaux comptent, le reste est gardé tel quel.
    QByteArray long_ = Jour({{120, 144}}) + QByteArray("1111");
    v = Valide(long_);
    EXPECT_EQ(v.barres, (Barres{{120, 24}}));
    EXPECT_EQ(v.jour, long_);
    EXPECT_EQ(TexteSegments(long_), "   (20H00-24H00)     ");

    QByteArray longNeuf = SegmentsCourts(9) + QByteArray("11");
    v = Valide(longNeuf);
    EXPECT_EQ(v.jour, SegmentsCourts(8) + QByteArray("11"));
}

TEST(TexteSegments, ListeNeufSegmentsAuPlusEtLaQueue) {
    // Jour non validé : neuf segments listés, pas dix (comportement d'origine).
    const QString texte = TexteSegments(SegmentsCourts(10));
    EXPECT_EQ(texte.count('('), 9);
    EXPECT_TRUE(texte.endsWith("(2H40-2H50)     "));

    // Le dernier segment trouve sa fin dans la queue, quelle qu'elle soit hors "1".
    QByteArray jour = Jour({{140, 144}});
    jour[144] = 'z';
    EXPECT_EQ(TexteSegments(jour), "   (23H20-24H00)     ");
    jour[144] = '1';
    EXPECT_EQ(TexteSegments(jour), "   (23H20-24H10)     ");
    // Un "1" de queue après un jour éco n'invente pas de segment après 24h00.
    QByteArray queue = JourVide();
    queue[145] = '1';
    EXPECT_EQ(TexteSegments(queue), "   ");
}
