#include "model/OctetsJour.h"
#include "model/Programme.h"

#include <gtest/gtest.h>

namespace {
QByteArray Jour(int debut, int fin) { // créneaux [debut, fin) en confort
    QByteArray j = JourVide();
    for (int s = debut; s < fin; ++s) j[s] = '1';
    return j;
}
} // namespace

TEST(OctetsJour, ExemplesDeLaJournee) {
    // Confort de 6h00 à 8h00 : caractères 37 à 48.
    const auto octets = OctetsJour(Jour(36, 48));
    const std::array<quint8, 18> attendu{0, 0, 0, 0, 0x0F, 0xFF, 0, 0, 0,
                                         0, 0, 0, 0, 0,    0,    0, 0, 0};
    EXPECT_EQ(octets, attendu);
    int somme = 0;
    for (quint8 o : octets) somme += o;
    EXPECT_EQ(somme, 0x010E);

    EXPECT_EQ(OctetsJour(Jour(0, 1))[0], 128);
    EXPECT_EQ(OctetsJour(Jour(143, 144))[17], 1);
    for (quint8 o : OctetsJour(Jour(0, 144))) EXPECT_EQ(o, 255);
}

TEST(OctetsJour, IgnoreQueueAutresCaracteresEtJoursCourts) {
    QByteArray j = JourVide();
    j[144] = '1'; // la queue ne part jamais
    j[0] = '2';   // autre chose que "1" : éco
    j[1] = 'x';
    for (quint8 o : OctetsJour(j)) EXPECT_EQ(o, 0);
    EXPECT_EQ(OctetsJour(QByteArray("1")), (std::array<quint8, 18>{128}));
    EXPECT_EQ(OctetsJour(QByteArray()), (std::array<quint8, 18>{}));
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
