// Températures, changement de zone et identifiant radio, sur la vraie fenêtre.
#include "support/FenetreTest.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLineEdit>

namespace {
using Temperatures = std::array<qint16, NbTemperatures>;
}

class TemperaturesZone : public FenetreTest {
protected:
    void SetUp() override { Demarre(); }
    // Pose les valeurs gardées de la zone 0 et les montre, drapeau de sortie à "N".
    void PoseZone0(const Temperatures& t) {
        F().Prog.TempZone[0] = t;
        F().AfficheTemperature();
        F().Etat.DonneesModifiees = QStringLiteral("N");
    }
    Temperatures Barres() {
        Temperatures v{};
        for (int t = 0; t < NbTemperatures; ++t) v[t] = F().VScroll3[t]->Valeur();
        return v;
    }
    QStringList Textes() {
        QStringList textes;
        for (QLineEdit* texte : F().Text2) textes << texte->text();
        return textes;
    }
    // Toutes les barres vertes et bandes éco ont la hauteur et le haut de la règle,
    // et gardent leur gauche et leur largeur.
    void VerifieHauteurs(int confort, int eco) {
        const int hc = std::max(72, 8 * (confort - 128));
        const int he = std::max(72, 8 * (eco - 128));
        for (QFrame* barre : F().ShTemp) {
            const QRectF r = TwipsDe(barre);
            EXPECT_EQ(r.height(), hc) << barre->objectName().toStdString();
            EXPECT_EQ(r.top(), 600 - hc);
        }
        for (int d = 0; d < 7; ++d) {
            EXPECT_EQ(TwipsDe(F().Shape1[d]), QRectF(90, 600 - he, 9550, he)) << d;
        }
    }
    bool Modifie() { return F().Etat.DonneesModifiees != QLatin1String("N"); }
};

TEST_F(TemperaturesZone, BaisserLeConfortEntraineEcoEtHorsGel) {
    PoseZone0({168, 164, 163, 145});
    const QRectF avant = TwipsDe(F().ShTemp[3]);
    F().VScroll3[0]->ChangeValeur(162);
    EXPECT_EQ(Barres(), (Temperatures{162, 162, 162, 145}));
    EXPECT_EQ(F().Prog.TempZone[0], (Temperatures{162, 162, 162, 145}));
    EXPECT_EQ(Textes(), QStringList({" 17°C", " 17°C", " 17°C", " 8.5°C"}));
    VerifieHauteurs(162, 162);
    EXPECT_EQ(TwipsDe(F().ShTemp[3]).left(), avant.left());
    EXPECT_EQ(TwipsDe(F().ShTemp[3]).width(), avant.width());
    EXPECT_TRUE(Modifie());
}

TEST_F(TemperaturesZone, EcoEtHorsGelNeDepassentPasLeurVoisin) {
    PoseZone0({168, 164, 150, 145});
    F().VScroll3[1]->ChangeValeur(170);
    EXPECT_EQ(F().Prog.TempZone[0], (Temperatures{168, 168, 150, 145}));
    EXPECT_EQ(F().Text2[1]->text(), QStringLiteral(" 20°C"));
    F().VScroll3[2]->ChangeValeur(190);
    EXPECT_EQ(F().Prog.TempZone[0], (Temperatures{168, 168, 168, 145}));
    EXPECT_EQ(F().Text2[2]->text(), QStringLiteral(" 20°C"));
    // La quatrième ne suit aucune règle.
    F().VScroll3[3]->ChangeValeur(198);
    F().VScroll3[3]->ChangeValeur(129);
    EXPECT_EQ(F().Prog.TempZone[0], (Temperatures{168, 168, 168, 129}));
    EXPECT_EQ(F().Text2[3]->text(), QStringLiteral(" .5°C"));
    F().VScroll3[0]->ChangeValeur(128);
    EXPECT_EQ(F().Prog.TempZone[0], (Temperatures{128, 128, 128, 129}));
    EXPECT_EQ(F().Text2[0]->text(), QStringLiteral(" 0°C"));
    VerifieHauteurs(128, 128);
    EXPECT_EQ(TwipsDe(F().ShTemp[55]).top(), 528);
    F().VScroll3[0]->ChangeValeur(198);
    VerifieHauteurs(198, 128);
}

TEST_F(TemperaturesZone, PendantUneMiseAJourLesReglesAgissentSansRienGarder) {
    PoseZone0({168, 164, 150, 145});
    F().Etat.MiseAJour = QStringLiteral("ON");
    F().VScroll3[0]->ChangeValeur(160);
    F().Etat.MiseAJour = QStringLiteral("OFF");
    EXPECT_EQ(Barres(), (Temperatures{160, 160, 150, 145}));
    EXPECT_EQ(F().Prog.TempZone[0], (Temperatures{168, 164, 150, 145}));
    EXPECT_EQ(F().Text2[0]->text(), QStringLiteral(" 20°C"));
    VerifieHauteurs(160, 160);
    EXPECT_FALSE(Modifie());
}

TEST_F(TemperaturesZone, ChangerDeZoneNeTouchePasAuxValeursGardees) {
    F().Prog.TempZone[0] = {176, 172, 160, 150}; // éco 22 °C
    F().Prog.TempZone[1] = {166, 162, 144, 148}; // confort 19 °C, éco 17 °C
    F().Prog.TempZone[2] = {150, 170, 190, 130}; // désordre venu d'un fichier
    F().Prog.IdentZone = {4660, 17, -3};
    F().AfficheTemperature();
    F().Etat.DonneesModifiees = QStringLiteral("N");
    const auto gardees = F().Prog.TempZone;

    F().VScrollZone->ChangeValeur(1);
    EXPECT_EQ(F().Etat.ZoneCourante, 1);
    EXPECT_EQ(F().TextZone->text(), QStringLiteral("1"));
    EXPECT_EQ(Barres(), gardees[1]);
    EXPECT_EQ(Textes(), QStringList({" 19°C", " 17°C", " 8°C", " 10°C"}));
    VerifieHauteurs(166, 162);
    EXPECT_EQ(F().TextID->text(), QStringLiteral("17"));

    F().VScrollZone->ChangeValeur(2);
    EXPECT_EQ(Barres(), gardees[2]);
    EXPECT_EQ(F().TextID->text(), QStringLiteral("-3"));
    F().VScrollZone->ChangeValeur(0);
    EXPECT_EQ(Barres(), gardees[0]);
    EXPECT_EQ(F().TextID->text(), QStringLiteral("4660"));
    EXPECT_EQ(F().Prog.TempZone, gardees);
    EXPECT_FALSE(Modifie());
}

TEST_F(TemperaturesZone, ValeursHorsPlageRameneesALAffichage) {
    F().Prog.TempZone[1] = {250, 100, -5, 198};
    F().VScrollZone->ChangeValeur(1);
    EXPECT_EQ(F().Prog.TempZone[1], (Temperatures{198, 128, 128, 198}));
    EXPECT_EQ(Barres(), F().Prog.TempZone[1]);
    EXPECT_EQ(Textes(), QStringList({" 35°C", " 0°C", " 0°C", " 35°C"}));
}

TEST_F(TemperaturesZone, LaZoneTroisRevientAZeroEtLundiA0H00) {
    F().VScrollZone->ChangeValeur(2);
    F().VScJour->ChangeValeur(3);
    F().HScroll1->ChangeValeur(77);
    ASSERT_EQ(F().Etat.JourCourant, 3);
    F().VScrollZone->ChangeValeur(3);
    EXPECT_EQ(F().VScrollZone->Valeur(), 0);
    EXPECT_EQ(F().Etat.ZoneCourante, 0);
    EXPECT_EQ(F().TextZone->text(), QStringLiteral("0"));
    EXPECT_EQ(F().Etat.JourCourant, 0);
    EXPECT_EQ(F().Etat.JourPrecedent, 0);
    EXPECT_EQ(F().VScJour->Valeur(), 0);
    EXPECT_EQ(F().HScroll1->Valeur(), 0);
    EXPECT_EQ(Barres(), F().Prog.TempZone[0]);

    // Depuis la zone 1 aussi, le retour à 0 recharge tout (utilisé par "Nouveau").
    F().VScrollZone->ChangeValeur(1);
    F().Prog.TempZone[0] = {150, 149, 148, 147};
    F().VScrollZone->ChangeValeur(0);
    EXPECT_EQ(F().Etat.ZoneCourante, 0);
    EXPECT_EQ(Barres(), (Temperatures{150, 149, 148, 147}));
}

TEST_F(TemperaturesZone, NouvelIdentifiant) {
    const BoiteVue question{QStringLiteral("Voulez-vous changer l'Identificateur de la zone?"),
                            Boutons::OuiNon, Icone::Critique, QStringLiteral("CONFIGURATION")};
    F().Prog.IdentZone = {100, 200, 215};
    F().AfficheTemperature();
    F().Etat.DonneesModifiees = QStringLiteral("N");

    plateforme.AttendBoite(question, Bouton::Non);
    F().CmdID_Click();
    EXPECT_EQ(F().Prog.IdentZone, (std::array<qint32, 3>{100, 200, 215}));
    EXPECT_EQ(F().TextID->text(), QStringLiteral("100"));
    EXPECT_FALSE(Modifie());

    // 200 = zone 1, puis 215 = zone 2 : deux pas de 15.
    plateforme.AttendBoite(question, Bouton::Oui);
    plateforme.AttendAleatoire(200.5 / 65535);
    F().CmdID_Click();
    EXPECT_EQ(F().Prog.IdentZone, (std::array<qint32, 3>{230, 200, 215}));
    EXPECT_EQ(F().TextID->text(), QStringLiteral(" 230"));
    EXPECT_TRUE(Modifie());

    F().VScrollZone->ChangeValeur(2);
    plateforme.AttendBoite(question, Bouton::Oui);
    plateforme.AttendAleatoire(0.999999);
    F().CmdID_Click();
    EXPECT_EQ(F().Prog.IdentZone[2], 65534);
    EXPECT_EQ(F().TextID->text(), QStringLiteral(" 65534"));
}
