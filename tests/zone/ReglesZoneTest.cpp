// Règles pures de la zone : avertissement des huit segments, écriture, textes, identifiant.
#include "model/Programme.h"
#include "support/FenetreTest.h"
#include "zone/CommandesJour.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
// Huit segments d'un créneau aux créneaux 10, 20, ..., 80 ; rien autour de 0 et 143.
QByteArray HuitSegments() {
    return JourAvec(
        {{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
}
constexpr auto Creneau = RegleHuitSegments::Creneau;
constexpr auto Heure = RegleHuitSegments::Heure;
} // namespace

TEST(HuitSegments, PasDeQuestionSousHuitSegmentsNiA24H) {
    const QByteArray jour = HuitSegments();
    for (int c : {0, 35, 143}) {
        EXPECT_FALSE(DemandeConfirmation(jour, c, 7, Creneau)) << c;
        EXPECT_FALSE(DemandeConfirmation(jour, c, 7, Heure)) << c;
    }
    EXPECT_FALSE(DemandeConfirmation(jour, 144, 8, Creneau));
    EXPECT_FALSE(DemandeConfirmation(jour, 144, 8, Heure));
}

TEST(HuitSegments, ReglesDuConfortSurUnCreneau) {
    const QByteArray jour = HuitSegments();
    EXPECT_FALSE(DemandeConfirmation(jour, 11, 8, Creneau)); // juste après un segment
    EXPECT_FALSE(DemandeConfirmation(jour, 19, 8, Creneau)); // juste avant un segment
    EXPECT_TRUE(DemandeConfirmation(jour, 15, 8, Creneau));  // créneau isolé
    EXPECT_TRUE(DemandeConfirmation(jour, 143, 8, Creneau));
    // Au curseur 0 seul le créneau 0 compte, même quand 0H10 est confort.
    EXPECT_TRUE(DemandeConfirmation(jour, 0, 8, Creneau));
    QByteArray debut = jour;
    debut[1] = '1';
    EXPECT_TRUE(DemandeConfirmation(debut, 0, 8, Creneau));
    debut[0] = '1';
    EXPECT_FALSE(DemandeConfirmation(debut, 0, 8, Creneau));
    QByteArray fin = jour;
    fin[142] = '1';
    EXPECT_FALSE(DemandeConfirmation(fin, 143, 8, Creneau));
}

TEST(HuitSegments, LaQueueNeCompteJamaisCommeConfort) {
    QByteArray jour = HuitSegments();
    jour[144] = '1';
    EXPECT_TRUE(DemandeConfirmation(jour, 143, 8, Creneau));
    EXPECT_TRUE(DemandeConfirmation(jour.left(144), 143, 8, Creneau));
}

TEST(HuitSegments, RegleDeLHeureNeRegardeQueLeCreneauDAvant) {
    const QByteArray jour = HuitSegments();
    EXPECT_FALSE(DemandeConfirmation(jour, 11, 8, Heure));
    EXPECT_TRUE(DemandeConfirmation(jour, 19, 8, Heure));
    EXPECT_TRUE(DemandeConfirmation(jour, 35, 8, Heure));
    EXPECT_TRUE(DemandeConfirmation(jour, 143, 8, Heure));
    QByteArray debut = jour;
    debut[0] = '1';
    EXPECT_TRUE(DemandeConfirmation(debut, 0, 8, Heure));
}

TEST(EcritureCreneaux, JourTropCourtCompleteAvantDEcrire) {
    QByteArray court("11");
    EcritCreneaux(court, 140, '1', 6);
    EXPECT_EQ(court, JourAvec({{0, 2}, {140, 144}}));
}

TEST(TexteTemperature, StyleColonneDuSigneAvecPointQuelleQueSoitLaLangue) {
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(TexteTemperature(169), QStringLiteral(" 20.5°C"));
    EXPECT_EQ(TexteTemperature(168), QStringLiteral(" 20°C"));
    EXPECT_EQ(TexteTemperature(129), QStringLiteral(" .5°C"));
    EXPECT_EQ(TexteTemperature(128), QStringLiteral(" 0°C"));
    EXPECT_EQ(TexteTemperature(198), QStringLiteral(" 35°C"));
    EXPECT_EQ(TexteTemperature(127), QStringLiteral("-.5°C"));
    EXPECT_EQ(NombreColonneSigne(-12), QStringLiteral("-12"));
    EXPECT_EQ(NombreColonneSigne(65535 + 15), QStringLiteral(" 65550"));
    QLocale::setDefault(avant);
}

TEST(Identifiant, TirageSousLaBorne) {
    EXPECT_EQ(TireIdentifiant(0.0), 0);
    EXPECT_EQ(TireIdentifiant(0.5), 32767);
    EXPECT_EQ(TireIdentifiant(0.99999999), 65534);
    EXPECT_EQ(TireIdentifiant(1.0), 65534);
    EXPECT_EQ(TireIdentifiant(-0.1), 0);
}

TEST(Identifiant, CollisionsReleveesDeQuinzeJusquAEtreUnique) {
    EXPECT_EQ(ResoutCollision({100, 200, 300}, 0), 100);
    EXPECT_EQ(ResoutCollision({200, 200, 300}, 0), 215);
    // 100 = zone 1, puis 115 = zone 2 : deux pas.
    EXPECT_EQ(ResoutCollision({100, 100, 115}, 0), 130);
    // Zone 2 compare d'abord à la zone 1 puis à la zone 0 ; il faut revenir au début.
    EXPECT_EQ(ResoutCollision({515, 500, 500}, 2), 530);
    EXPECT_EQ(ResoutCollision({65534, 65534, 65549}, 1), 65564);
    // Deux autres zones déjà égales entre elles ne bougent pas et ne gênent pas.
    EXPECT_EQ(ResoutCollision({7, 9, 9}, 0), 7);
}
