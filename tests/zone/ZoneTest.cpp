// Zone : règles pures aux cas limites (avertissement des huit segments, écriture, textes,
// identifiant) ; la vraie fenêtre est jouée par le scénario "zone".
#include "support/Impression.h"
#include "support/Jours.h"
#include "zone/CommandesJour.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(CommandesJour, AvertissementDesHuitSegmentsEtEcriture) {
    // Huit segments d'un créneau aux créneaux 10, 20, ..., 80 ; rien autour de 0 et 143.
    const QByteArray huit =
        JourAvec({{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
    QByteArray avec0 = huit, avec1 = huit, avec142 = huit, queue = huit;
    avec0[0] = avec1[1] = avec142[142] = queue[144] = '1';
    // Question de "Conf." (les deux voisins) et de "Conf./1H" (le créneau d'avant seulement) ;
    // "Conf." au curseur 0 ne regarde que le créneau 0, pas 0H10.
    struct Cas {
        QByteArray jour;
        int curseur;
        bool conf, confHeure;
    };
    const Cas cas[] = {{huit, 35, true, true},    {huit, 11, false, false},
                       {huit, 19, false, true},   {huit, 143, true, true},
                       {huit, 144, false, false}, {avec142, 143, false, false},
                       {queue, 143, true, true},  {queue.left(144), 143, true, true},
                       {avec1, 0, true, true},    {avec0, 0, false, true}};
    for (const Cas& c : cas) {
        EXPECT_EQ(DemandeConfirmation(c.jour, c.curseur, 8, RegleHuitSegments::Creneau), c.conf)
            << c.curseur;
        EXPECT_EQ(DemandeConfirmation(c.jour, c.curseur, 8, RegleHuitSegments::Heure), c.confHeure)
            << c.curseur;
        EXPECT_FALSE(DemandeConfirmation(c.jour, c.curseur, 7, RegleHuitSegments::Heure));
    }
    // Écriture : jamais au-delà du créneau 143 ni avant 0 ; un jour court est d'abord complété.
    QByteArray jour("11"), court("1");
    EcritCreneaux(jour, 140, '1', 6);
    EcritCreneaux(jour, 0, '0', 1);
    EcritCreneaux(court, 144, '1', 1);
    EcritCreneaux(court, -1, '1', 2);
    EXPECT_EQ(jour, JourAvec({{1, 2}, {140, 144}}));
    EXPECT_EQ(court, "1");
    // Le curseur n'avance que s'il reste dans la barre.
    for (const auto& [curseur, avance, apres] : {std::tuple{138, 6, 144}, {139, 6, 139}})
        EXPECT_EQ(CurseurApres(curseur, avance, 144), apres) << curseur << " + " << avance;
}

TEST(Identifiant, TexteTirageEtCollisions) {
    // Le point reste en français ; le signe a sa colonne.
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(TexteTemperature(127).toStdString(), "-.5°C");
    EXPECT_EQ(NombreColonneSigne(65550).toStdString(), " 65550");
    QLocale::setDefault(avant);
    for (const auto& [r, id] :
         {std::pair{0.5, 32767}, {0.99999999, 65534}, {1.0, 65534}, {-0.1, 0}})
        EXPECT_EQ(TireIdentifiant(r), id) << r;
    // 100 = zone 1 puis 115 = zone 2 ; la zone 2 revient à la zone 1 après la zone 0 ; deux
    // autres zones égales entre elles ne gênent pas. Seuls les 16 bits bas comptent : 70000
    // part comme 4464, -3 comme 65533 ; relevé, l'identifiant repasse par 0 après 65535.
    const std::pair<std::array<qint32, 3>, std::pair<int, qint32>> cas[] = {
        {{200, 200, 300}, {0, 215}}, {{100, 100, 115}, {0, 130}},
        {{515, 500, 500}, {2, 530}}, {{65534, 65534, 65549}, {1, 28}},
        {{7, 9, 9}, {0, 7}},         {{4464, 70000, 9}, {0, 4479}},
        {{65533, 9, -3}, {0, 12}},   {{70000, 1, 2}, {0, 70000}}};
    for (const auto& [ids, attendu] : cas)
        EXPECT_EQ(ResoutCollision(ids, attendu.first), attendu.second)
            << ids[0] << " " << ids[1] << " " << ids[2];
}
