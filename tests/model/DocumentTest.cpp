// Le document seul : refus pendant un envoi, « modifié », jours hors semaine, températures.
#include "model/Document.h"

#include <functional>
#include <gtest/gtest.h>

TEST(Document, EditionsRefuseesPendantUnEnvoiEtModifieSeulementSiChangement) {
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
                << nom << " : jour hors semaine coupé, ou édité pendant un envoi";
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
    for (const int valeur : {127, 128, 198, 199}) {
        Programme p;
        RemetParDefaut(p);
        p.TempZone[2][3] = static_cast<qint16>(valeur);
        EXPECT_EQ(ChercheTemperatureHorsLimites(p).has_value(), valeur == 127 || valeur == 199);
    }
}
