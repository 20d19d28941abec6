#include "model/Document.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
// Neuf segments d'un créneau, un créneau sur deux à partir de 0h00.
QByteArray NeufSegments() {
    QByteArray jour = JourVide();
    for (int s = 0; s < 18; s += 2) jour[s] = '1';
    return jour;
}
} // namespace

TEST(Document, ChaqueEditionMarqueModifieSeulementSiElleChangeQuelqueChose) {
    const std::vector<std::pair<const char*, std::function<void(Document&)>>> editions{
        {"créneau", [](Document& d) { d.EcritCreneaux(5, '1', 1); }},
        {"jour", [](Document& d) { d.RemplaceJour(QByteArray(LongueurJour, '1')); }},
        {"température", [](Document& d) { d.ChangeTemperature(2, 150); }},
        {"identifiant", [](Document& d) { d.ChangeIdentifiant(4660); }},
        {"effacement", [](Document& d) { d.Efface(); }},
    };
    for (const auto& [nom, edite] : editions) {
        Document d;
        Programme p;
        RemetParDefaut(p);
        p.ProgJour[1][3] = NeufSegments();
        d.Charge(p);
        d.ChoisitZone(1);
        d.ChoisitJour(3);
        int modifie = 0;
        QObject::connect(&d, &Document::ModifieChange, [&modifie] { ++modifie; });
        {
            const auto prise = d.Tiens();
            edite(d);
            EXPECT_EQ(d.Prog(), p) << nom << " : refusé pendant une transmission";
            EXPECT_FALSE(d.Modifie()) << nom;
        }
        edite(d);
        EXPECT_TRUE(d.Modifie()) << nom;
        EXPECT_NE(d.Prog(), p) << nom;
        ASSERT_EQ(modifie, 1) << nom;
        d.MarqueEnregistre();
        const Programme apres = d.Prog();
        edite(d);
        EXPECT_EQ(d.Prog(), apres) << nom;
        // Effacer compte toujours comme une édition, même un programme déjà vide.
        EXPECT_EQ(d.Modifie(), std::string(nom) == "effacement") << nom;
    }
}

TEST(Document, LaValidationCoupeLeNeuviemeSegmentEtCompteLesSegmentsDeLaZoneCourante) {
    Document d;
    Programme p;
    RemetParDefaut(p);
    p.ProgJour[2][6] = NeufSegments();
    d.Charge(p);
    EXPECT_FALSE(d.Modifie());
    d.ChoisitZone(2);
    std::vector<std::pair<int, int>> jours;
    QObject::connect(&d, &Document::JourModifie,
                     [&jours](int zone, int jour) { jours.emplace_back(zone, jour); });
    EXPECT_EQ(d.ValideJour(6).size(), 8u);
    EXPECT_EQ(d.NbSegments(6), 8);
    EXPECT_EQ(d.Prog().ProgJour[2][6].count('1'), 8);
    EXPECT_EQ(jours, (std::vector<std::pair<int, int>>{{2, 6}}));
    // Montrer un jour n'est pas l'éditer : la coupe ne demande pas de sauvegarde.
    EXPECT_FALSE(d.Modifie());
    // Une édition qui n'ouvre qu'un neuvième segment, aussitôt coupé, ne change rien.
    d.ChoisitJour(6);
    EXPECT_TRUE(d.EcritCreneaux(100, '1', 1));
    EXPECT_EQ(d.Prog().ProgJour[2][6].count('1'), 8);
    EXPECT_FALSE(d.Modifie());
    EXPECT_EQ(jours.size(), 1u);
    d.ChoisitZone(0);
    EXPECT_EQ(d.NbSegments(6), 0);
    EXPECT_TRUE(d.Charge(p));
    EXPECT_EQ(d.Zone(), 0);
    EXPECT_FALSE(d.Modifie());
}
