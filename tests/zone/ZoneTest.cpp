// Zone aux cas limites : huit segments, écriture, valeurs tapées, identifiant tiré.
#include "support/Impression.h"
#include "support/Jours.h"
#include "zone/CommandesJour.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <gtest/gtest.h>

TEST(CommandesJour, AvertissementDesHuitSegmentsEtEcriture) {
    const QByteArray huit =
        JourAvec({{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
    QByteArray avec0 = huit, avec1 = huit, avec142 = huit, queue = huit;
    avec0[0] = avec1[1] = avec142[142] = queue[144] = '1';
    // "Conf." regarde les deux voisins (au curseur 0 : le créneau 0), "Conf./1H" celui d'avant.
    const std::tuple<QByteArray, int, bool, bool> cas[] = {
        {huit, 11, false, false},     {huit, 19, false, true},  {huit, 144, false, false},
        {avec142, 143, false, false}, {queue, 143, true, true}, {queue.left(144), 143, true, true},
        {avec1, 0, true, true},       {avec0, 0, false, true},  {avec0, 1, false, false}};
    for (const auto& [jour, curseur, conf, confHeure] : cas) {
        EXPECT_EQ(DemandeConfirmation(jour, curseur, 8, RegleHuitSegments::Creneau), conf)
            << curseur;
        EXPECT_EQ(DemandeConfirmation(jour, curseur, 8, RegleHuitSegments::Heure), confHeure)
            << curseur;
    }
    // Écriture : jamais au-delà du créneau 143 ni avant 0 ; un jour court est d'abord complété.
    QByteArray jour("11"), court("1");
    EcritCreneaux(jour, 140, '1', 6);
    EcritCreneaux(jour, 0, '0', 1);
    EcritCreneaux(court, 144, '1', 1);
    EcritCreneaux(court, -1, '1', 2);
    EXPECT_EQ(jour, JourAvec({{1, 2}, {140, 144}}));
    EXPECT_EQ(court, "1");
}

TEST(Temperatures, TapeesParDemiDegreDe0A35) {
    const std::pair<const char*, int> cas[] = {{"19,5°C", 167}, {" 5 ", 138}, {"0", 128},
                                               {"35", 198},     {"35.5", -1}, {"-0.5", -1},
                                               {"20.3", -1},    {"chaud", -1}};
    for (const auto& [texte, attendue] : cas)
        EXPECT_EQ(LitTemperature(QString::fromUtf8(texte)).valeur, attendue) << texte;
    EXPECT_EQ(LitTemperature(QStringLiteral("20.3")).raison,
              QStringLiteral("« 20.3 » : la température se règle par demi-degré."));
}

TEST(Identifiant, TapeSurSeizeBitsEtSansCollision) {
    // Tapé en zone 1 : le sien passe ; 70000 (zone 2) part comme 4464, ses 16 bits bas, qu'un
    // fichier peut garder tel quel.
    const std::array<qint32, 3> identifiants{4660, 3, 70000};
    const std::pair<const char*, qint32> cas[] = {
        {"1234", 1234}, {" 65535 ", 65535}, {"0", 0}, {"3", 3},     {"65536", -1},
        {"-1", -1},     {"12a", -1},        {"", -1}, {"4464", -1}, {"4660", -1}};
    for (const auto& [texte, attendu] : cas)
        EXPECT_EQ(LitIdentifiant(QString::fromLatin1(texte), identifiants, 1).valeur, attendu)
            << texte;
    EXPECT_EQ(LitIdentifiant(QStringLiteral("4464"), identifiants, 1).raison,
              QStringLiteral("« 4464 » : la zone 2 a déjà cet identifiant."));
    // Tiré puis relevé de 15 tant qu'il égale, sur 16 bits, une autre zone, dans leur ordre.
    EXPECT_EQ(TireIdentifiant(0.003059434), 200);
    EXPECT_EQ(TireIdentifiant(0.99999999), 65534);
    const std::tuple<std::array<qint32, 3>, int, qint32> collisions[] = {
        {{200, 200, 215}, 0, 230},
        {{65534, 65534, 65549}, 0, 28},
        {{5, 5, 20}, 1, 35},
        {{5, 20, 5}, 2, 35},
        {{5, 100, 200}, 0, 5}}; // sans collision, il reste
    for (const auto& [ids, zone, attendu] : collisions)
        EXPECT_EQ(ResoutCollision(ids, zone), attendu) << ids[0] << " " << zone;
}
