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
        p.ProgJour[1][3] = NeufSegments();
        d.Charge(p);
        d.ChoisitZone(1);
        d.ChoisitJour(3);
        int modifie = 0;
        QObject::connect(&d, &Document::ModifieChange, [&modifie] { ++modifie; });
        {
            const auto prise = d.Tiens();
            EXPECT_FALSE(edite(d)) << nom;
            EXPECT_EQ(d.Prog(), p) << nom << " : refusé pendant une transmission";
            EXPECT_FALSE(d.Modifie()) << nom;
        }
        EXPECT_TRUE(edite(d)) << nom;
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

TEST(Document, TemperaturesRameneesSeulementHorsTransmission) {
    Document d;
    Programme p;
    RemetParDefaut(p);
    p.TempZone[0][3] = 250;
    d.Charge(p);
    {
        const auto prise = d.Tiens();
        EXPECT_FALSE(d.RameneTemperatures());
        EXPECT_EQ(d.Prog(), p);
    }
    EXPECT_TRUE(d.RameneTemperatures());
    EXPECT_EQ(d.Prog().TempZone[0][3], 198);
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

TEST(Programme, TemperatureHorsLimitesTrouveeEtNommee) {
    struct Cas {
        int zone, reglage, valeur;
        const char* texte; // nul : toutes bonnes
    };
    const Cas cas[] = {
        {0, 0, 128, nullptr},
        {2, 3, 198, nullptr},
        {0, 0, 127, "Zone 0 : température « Confort » hors limites (0 à 35 °C)."},
        {1, 2, 0, "Zone 1 : température « Hors Gel » hors limites (0 à 35 °C)."},
        {2, 3, 199, "Zone 2 : température « EJP » hors limites (0 à 35 °C)."},
        {2, 1, -5, "Zone 2 : température « ECO » hors limites (0 à 35 °C)."},
    };
    for (const Cas& c : cas) {
        Programme p;
        RemetParDefaut(p);
        p.TempZone[c.zone][c.reglage] = static_cast<qint16>(c.valeur);
        const auto fautive = ChercheTemperatureHorsLimites(p);
        ASSERT_EQ(fautive.has_value(), c.texte != nullptr) << c.zone << " " << c.valeur;
        if (!c.texte) continue;
        EXPECT_EQ(fautive->valeur, c.valeur);
        EXPECT_EQ(TexteTemperatureHorsLimites(*fautive).toStdString(), c.texte);
    }
    // La première, zone par zone : la zone 1 avant le réglage 0 de la zone 2.
    Programme p;
    p.TempZone[1] = {169, 165, 140, 145};
    p.TempZone[0] = p.TempZone[1];
    p.TempZone[1][3] = 300;
    EXPECT_EQ(TexteTemperatureHorsLimites(*ChercheTemperatureHorsLimites(p)).toStdString(),
              "Zone 1 : température « EJP » hors limites (0 à 35 °C).");
}
