// Le document seul : refus pendant un envoi, « modifié » seulement si quelque chose change,
// jours hors de la semaine, températures aux limites ; leur effet à l'écran : les scénarios.
#include "model/Document.h"

#include <functional>
#include <gtest/gtest.h>

TEST(Document, EditionsRefuseesPendantUnEnvoiEtModifieSeulementSiChangement) {
    // Chacune rend vrai si elle est acceptée.
    const std::vector<std::pair<const char*, std::function<bool(Document&)>>> editions{
        {"créneau", [](Document& d) { return d.EcritCreneaux(5, '1', 1); }},
        {"jour", [](Document& d) { return d.RemplaceJour(QByteArray(LongueurJour, '1')); }},
        {"température", [](Document& d) { return d.ChangeTemperature(2, 150); }},
        {"identifiant", [](Document& d) { return d.ChangeIdentifiant(4660); }},
        {"effacement", [](Document& d) { return d.Efface(); }},
    };
    for (const auto& [nom, edite] : editions) {
        // Neuf segments au jour édité et dans les cases de réserve derrière dimanche.
        Programme p;
        RemetParDefaut(p);
        for (QByteArray* jour :
             {&p.ProgJour[1][3], &p.ProgJour[0][NbJours], &p.ProgJour[1][NbJours]}) {
            *jour = QByteArray(LongueurJour, '0');
            for (int s = 0; s < 18; s += 2) (*jour)[s] = '1';
        }
        Document d;
        d.Charge(p);
        d.ChoisitZone(1);
        d.ChoisitJour(3);
        for (const int jour : {-1, NbJours}) EXPECT_TRUE(d.ValideJour(jour).empty()) << jour;
        {
            const auto prise = d.Tiens();
            EXPECT_FALSE(edite(d)) << nom;
            EXPECT_EQ(d.Prog(), p)
                << nom << " : un jour hors semaine coupé, ou édité pendant un envoi";
        }
        EXPECT_TRUE(edite(d)) << nom;
        ASSERT_TRUE(d.Modifie()) << nom;
        d.MarqueEnregistre();
        edite(d);
        // Effacer compte toujours comme une édition, même un programme déjà vide.
        EXPECT_EQ(d.Modifie(), std::string(nom) == "effacement") << nom;
    }
}

TEST(Programme, TemperatureHorsLimites) {
    // 0 et 35 °C admis, un demi-degré au-delà refusé, jusqu'au dernier réglage lu.
    for (const auto& [valeur, refusee] : {std::pair{127, true}, std::pair{128, false},
                                          std::pair{198, false}, std::pair{199, true}}) {
        Programme p;
        RemetParDefaut(p);
        p.TempZone[2][3] = static_cast<qint16>(valeur);
        EXPECT_EQ(ChercheTemperatureHorsLimites(p).has_value(), refusee) << valeur;
    }
}
