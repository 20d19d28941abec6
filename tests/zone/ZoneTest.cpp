// Zone : règles pures (avertissement des huit segments, écriture, textes, identifiant) ; la
// vraie fenêtre est jouée par le scénario "zone".
#include "support/Impression.h"
#include "support/Jours.h"
#include "zone/CommandesJour.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
using Temperatures = std::array<qint16, NbTemperatures>;
// Huit segments d'un créneau aux créneaux 10, 20, ..., 80 ; rien autour de 0 et 143.
const QByteArray Huit =
    JourAvec({{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
} // namespace

TEST(CommandesJour, AvertissementDesHuitSegmentsEtEcriture) {
    QByteArray avec0 = Huit, avec1 = Huit, avec142 = Huit, queue = Huit;
    avec0[0] = avec1[1] = avec142[142] = queue[144] = '1';
    // Question de "Conf." (les deux voisins) et de "Conf./1H" (le créneau d'avant seulement) ;
    // "Conf." au curseur 0 ne regarde que le créneau 0, pas 0H10.
    struct Cas {
        QByteArray jour;
        int curseur;
        bool conf, confHeure;
    };
    const Cas cas[] = {{Huit, 35, true, true},    {Huit, 11, false, false},
                       {Huit, 19, false, true},   {Huit, 143, true, true},
                       {Huit, 144, false, false}, {avec142, 143, false, false},
                       {queue, 143, true, true},  {queue.left(144), 143, true, true},
                       {avec1, 0, true, true},    {avec0, 0, false, true}};
    for (const Cas& c : cas) {
        EXPECT_EQ(DemandeConfirmation(c.jour, c.curseur, 8, RegleHuitSegments::Creneau), c.conf)
            << c.curseur;
        EXPECT_EQ(DemandeConfirmation(c.jour, c.curseur, 8, RegleHuitSegments::Heure), c.confHeure)
            << c.curseur;
        EXPECT_FALSE(DemandeConfirmation(c.jour, c.curseur, 7, RegleHuitSegments::Heure));
    }

    // Écriture : jamais au-delà du créneau 143 ; un jour court est d'abord complété.
    QByteArray jour("11");
    EcritCreneaux(jour, 140, '1', 6);
    EXPECT_EQ(jour, JourAvec({{0, 2}, {140, 144}}));
    EcritCreneaux(jour, 144, '1', 1);
    EcritCreneaux(jour, 0, '0', 1);
    EXPECT_EQ(jour, JourAvec({{1, 2}, {140, 144}}));
    // Hors de la barre (24H00, ou avant 0H00), même un jour court ne change pas.
    QByteArray court("1");
    EcritCreneaux(court, 144, '1', 1);
    EcritCreneaux(court, -1, '1', 2);
    EXPECT_EQ(court, "1");
    // Le curseur n'avance que s'il reste dans la barre.
    for (const auto& [curseur, avance, apres] :
         {std::tuple{138, 6, 144}, {139, 6, 139}, {143, 1, 144}, {144, 1, 144}})
        EXPECT_EQ(CurseurApres(curseur, avance, 144), apres) << curseur << " + " << avance;
}

TEST(Temperatures, TexteEtHauteur) {
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // le point reste
    const std::pair<int, const char*> textes[] = {{169, " 20.5°C"}, {168, " 20°C"}, {129, " .5°C"},
                                                  {128, " 0°C"},    {198, " 35°C"}, {127, "-.5°C"}};
    for (const auto& [valeur, texte] : textes)
        EXPECT_EQ(TexteTemperature(valeur).toStdString(), texte) << valeur;
    EXPECT_EQ(NombreColonneSigne(-12).toStdString(), "-12");
    EXPECT_EQ(NombreColonneSigne(65550).toStdString(), " 65550");
    QLocale::setDefault(avant);
    for (const auto& [valeur, hauteur] : {std::pair{128, 72}, {137, 72}, {138, 80}, {198, 560}})
        EXPECT_EQ(HauteurBarre(valeur), hauteur) << valeur;
}

TEST(Identifiant, TirageEtCollisions) {
    for (const auto& [r, id] :
         {std::pair{0.0, 0}, {0.5, 32767}, {0.99999999, 65534}, {1.0, 65534}, {-0.1, 0}})
        EXPECT_EQ(TireIdentifiant(r), id) << r;
    struct Cas {
        std::array<qint32, 3> identifiants;
        int zone;
        qint32 attendu;
    };
    // 100 = zone 1 puis 115 = zone 2 ; la zone 2 revient à la zone 1 après la zone 0 ; deux
    // autres zones égales entre elles ne gênent pas. Seuls les 16 bits bas comptent : 70000
    // part comme 4464, -3 comme 65533 ; relevé, l'identifiant repasse par 0 après 65535.
    const Cas cas[] = {
        {{100, 200, 300}, 0, 100},   {{200, 200, 300}, 0, 215},      {{100, 100, 115}, 0, 130},
        {{515, 500, 500}, 2, 530},   {{65534, 65534, 65549}, 1, 28}, {{7, 9, 9}, 0, 7},
        {{4464, 70000, 9}, 0, 4479}, {{65533, 9, -3}, 0, 12},        {{70000, 1, 2}, 0, 70000}};
    for (const Cas& c : cas)
        EXPECT_EQ(ResoutCollision(c.identifiants, c.zone), c.attendu)
            << c.identifiants[0] << " " << c.identifiants[1] << " " << c.identifiants[2];
}
