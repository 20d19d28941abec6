// Les opérations du document une à une. Leur effet à l'écran, la coupe du neuvième segment,
// les températures ramenées et les refus pendant un envoi se voient dans les scénarios de la
// fenêtre (historique, zone, jourmontre, envoigele).
#include "model/Document.h"

#include <functional>
#include <gtest/gtest.h>

TEST(Document, ChaqueEditionMarqueModifieSeulementSiElleChangeQuelqueChose) {
    // Chacune rend vrai si elle est acceptée.
    const std::vector<std::pair<const char*, std::function<bool(Document&)>>> editions{
        {"créneau", [](Document& d) { return d.EcritCreneaux(5, '1', 1); }},
        {"jour", [](Document& d) { return d.RemplaceJour(QByteArray(LongueurJour, '1')); }},
        {"température", [](Document& d) { return d.ChangeTemperature(2, 150); }},
        {"identifiant", [](Document& d) { return d.ChangeIdentifiant(4660); }},
        {"effacement", [](Document& d) { return d.Efface(); }},
    };
    for (const auto& [nom, edite] : editions) {
        Document d;
        Programme p;
        RemetParDefaut(p);
        for (int s = 0; s < 18; s += 2) p.ProgJour[1][3][s] = '1'; // neuf segments
        d.Charge(p);
        d.ChoisitZone(1);
        d.ChoisitJour(3);
        {
            const auto prise = d.Tiens();
            EXPECT_FALSE(edite(d)) << nom;
            EXPECT_EQ(d.Prog(), p) << nom << " : refusé pendant une transmission";
        }
        EXPECT_TRUE(edite(d)) << nom;
        ASSERT_TRUE(d.Modifie()) << nom;
        d.MarqueEnregistre();
        edite(d);
        // Effacer compte toujours comme une édition, même un programme déjà vide.
        EXPECT_EQ(d.Modifie(), std::string(nom) == "effacement") << nom;
    }
}

TEST(Document, UnJourHorsDeLaSemaineNeValideRien) {
    // Les cases de réserve derrière dimanche ont neuf segments : les valider les couperait.
    Programme p;
    RemetParDefaut(p);
    for (QByteArray* reserve : {&p.ProgJour[0][NbJours], &p.ProgJour[1][NbJours]}) {
        *reserve = QByteArray(LongueurJour, '0');
        for (int s = 0; s < 18; s += 2) (*reserve)[s] = '1';
    }
    Document d;
    d.Charge(p);
    d.ChoisitZone(1);
    for (const int jour : {-1, NbJours}) EXPECT_TRUE(d.ValideJour(jour).empty()) << jour;
    EXPECT_EQ(d.Prog(), p);
}

TEST(Programme, TemperatureHorsLimites) {
    // 0 et 35 °C admis, un demi-degré de moins ou de plus refusé, jusqu'au dernier réglage lu
    // (les messages se voient dans les scénarios et à la ligne de commande).
    const std::pair<int, bool> limites[] = {{127, true}, {128, false}, {198, false}, {199, true}};
    for (const auto& [valeur, refusee] : limites) {
        Programme p;
        RemetParDefaut(p);
        p.TempZone[2][3] = static_cast<qint16>(valeur);
        EXPECT_EQ(ChercheTemperatureHorsLimites(p).has_value(), refusee) << valeur;
    }
}
