// Le document seul : envoi, « modifié », bornes, températures, signaux ; heures tapées.
#include "model/Document.h"
#include "model/Horaires.h"
#include "support/Jours.h"

#include <gtest/gtest.h>

namespace {
// Chaque signal du document, noté dans l'ordre avec ses arguments : "jour 1 3", "temp 1"…
template <typename... A>
void Note(Document& d, void (Document::*signal)(A...), const char* nom, QStringList& vus) {
    QObject::connect(&d, signal, [&vus, nom](A... a) {
        vus << QStringList{nom, QString::number(static_cast<int>(a))...}.join(' ');
    });
}
void Ecoute(Document& d, QStringList& vus) {
    Note(d, &Document::JourChange, "jour", vus);
    Note(d, &Document::TemperaturesChangees, "temp", vus);
    Note(d, &Document::IdentifiantChange, "id", vus);
    Note(d, &Document::ZoneChoisie, "zone", vus);
    Note(d, &Document::JourChoisi, "choisi", vus);
    Note(d, &Document::CurseurPlace, "curseur", vus);
    Note(d, &Document::ProgrammeRemplace, "remplace", vus); // 0 : lu, 1 : effacé
}
} // namespace

TEST(Document, EditionsRefuseesPendantUnEnvoiEtModifieSeulementSiChangement) {
    const std::vector<std::pair<const char*, std::function<bool(Document&)>>> editions{
        {"créneau", [](Document& d) { return d.EcritCreneaux(1, 3, 5, '1', 1); }},
        {"température", [](Document& d) { return d.ChangeTemperature(1, 2, 150); }},
        {"identifiant", [](Document& d) { return d.ChangeIdentifiant(1, 4660); }},
        {"effacement", [](Document& d) { return d.Efface(); }},
    };
    for (const auto& [nom, edite] : editions) {
        Programme p;
        RemetParDefaut(p);
        p.ProgJour[1][3] = QByteArray("101010101010101010").leftJustified(LongueurJour, '0');
        Document d;
        d.Charge(p);
        // Hors des trois zones et sept jours : rien n'est lu ni écrit.
        for (const auto& [z, j] : {std::pair{-1, 0}, {0, -1}, {0, NbJours}, {NbZones, 0}})
            EXPECT_TRUE(d.ValideJour(z, j).empty() && !d.RemplaceJour(z, j, JourVide())) << z << j;
        {
            const auto prise = d.Tiens();
            EXPECT_FALSE(edite(d)) << nom;
            EXPECT_TRUE(d.ValideJour(1, 3).empty()) << nom;
            EXPECT_FALSE(d.Charge(Programme())) << nom;
            EXPECT_EQ(d.Prog(), p) << nom << " : édité pendant un envoi";
        }
        EXPECT_TRUE(edite(d)) << nom;
        ASSERT_TRUE(d.Modifie()) << nom;
        d.MarqueEnregistre();
        edite(d);
        // Effacer compte toujours comme une édition, même un programme déjà vide.
        EXPECT_EQ(d.Modifie(), std::string(nom) == "effacement") << nom;
    }
}

TEST(Document, TemperaturesConfortEcoHorsGel) {
    using T = std::array<qint16, NbTemperatures>;
    const T defaut = TemperaturesParDefaut;
    const std::tuple<T, int, int, T> cas[] = {
        {defaut, 0, 160, {160, 160, 140, 145}}, // l'éco suit le confort qui descend
        {defaut, 0, 130, {130, 130, 130, 145}}, // et le hors gel suit l'éco
        {defaut, 1, 170, {169, 169, 140, 145}}, // l'éco ne passe pas le confort
        {defaut, 2, 166, {169, 165, 165, 145}}, // le hors gel ne passe pas l'éco
        {defaut, 0, 250, {198, 165, 140, 145}}, // ramené dans 128..198, comme la barre
        {defaut, 3, 127, {169, 165, 140, 128}}, // l'EJP sans règle
        // Lu d'un fichier dans le désordre : la règle du hors gel vaut pour tout réglage bougé.
        {{150, 160, 170, 145}, 3, 146, {150, 160, 160, 146}},
        {{150, 160, 170, 145}, 3, 145, {150, 160, 170, 145}}, // rien ne bouge : pas de règle
    };
    for (const auto& [avant, reglage, valeur, apres] : cas) {
        Programme p;
        RemetParDefaut(p);
        p.TempZone[1] = avant;
        Document d;
        d.Charge(p);
        QStringList vus;
        Ecoute(d, vus);
        d.ChangeTemperature(1, reglage, static_cast<qint16>(valeur));
        EXPECT_EQ(d.Prog().TempZone[1], apres) << reglage << " " << valeur;
        EXPECT_EQ(d.Modifie(), apres != avant);
        EXPECT_EQ(vus, apres != avant ? QStringList{"temp 1"} : QStringList{});
    }
}

TEST(Document, SignalesLectureEffacementAnnulationEtRetourAuDebut) {
    Programme p;
    RemetParDefaut(p);
    p.TempZone[0][2] = 100; // lu hors limites : ramené quand la zone est montrée
    Document d;
    QStringList vus;
    Ecoute(d, vus);
    d.ChoisitZone(2);
    d.ChoisitJour(4);
    d.PlaceCurseur(200);
    EXPECT_EQ(d.Curseur(), NbCreneaux);
    vus.clear();
    // Lu : zone 0 toute reprise (températures ramenées), lundi, 0h00.
    d.Charge(p);
    EXPECT_EQ(vus, (QStringList{"zone 0", "temp 0", "curseur 0", "choisi 0", "remplace 0"}));
    EXPECT_EQ(d.Prog().TempZone[0][2], TemperatureMin);
    EXPECT_TRUE(d.Modifie());
    // Effacé sur la zone 0 : le curseur reste.
    d.ChoisitJour(2);
    d.PlaceCurseur(30);
    vus.clear();
    d.Efface();
    EXPECT_EQ(vus, (QStringList{"choisi 0", "remplace 1"}));
    EXPECT_EQ(d.Curseur(), 30);
    // Une zone redemandée est toute reprise : curseur et jour.
    d.ChoisitJour(5);
    vus.clear();
    d.ChoisitZone(0);
    EXPECT_EQ(vus, (QStringList{"curseur 0", "choisi 0"}));
    // Défaire une édition signale chaque jour, réglage et identifiant rendus.
    const Programme avant = d.Prog();
    d.EcritCreneaux(1, 6, 10, '1', 3);
    d.ChangeTemperature(2, 0, 150);
    d.ChangeIdentifiant(1, 77);
    const Programme apres = d.Prog();
    vus.clear();
    d.Retablit(apres, avant, 0);
    EXPECT_EQ(vus, (QStringList{"jour 1 6", "id 1", "temp 2"}));
    EXPECT_EQ(d.Prog(), avant);
    // Une zone montrée a ses températures ramenées dans 128..198 (modifié), sans autre règle.
    p.TempZone[0][2] = 140;
    p.TempZone[1] = {250, 100, -5, 198};
    p.TempZone[2] = {150, 170, 190, 130};
    d.Charge(p);
    d.ChoisitZone(2);
    EXPECT_FALSE(d.Modifie());
    d.ChoisitZone(1);
    EXPECT_EQ(d.Prog().TempZone[1], (std::array<qint16, NbTemperatures>{198, 128, 128, 198}));
    EXPECT_EQ(d.Prog().TempZone[2], p.TempZone[2]);
    EXPECT_TRUE(d.Modifie());
}

// Les heures de confort tapées en clair : créneaux de confort [début, fin) ou raison du refus.
TEST(Horaires, LignesAccepteesEtRefusees) {
    const std::tuple<const char*, QByteArray, const char*> cas[] = {
        {"", JourVide(), ""},
        {"06:30 - 08:30, 17.30–22.30", JourAvec({{39, 51}, {105, 135}}), ""},
        {"22H-24H00;0h-1h", JourAvec({{0, 6}, {132, 144}}), ""},
        {"6H-8H 8H-9H", JourAvec({{36, 54}}), ""},
        {"6H35-8H", {}, "« 6H35 » n'est pas sur les dix minutes"},
        {"6H70-8H", {}, "« 6H70 » n'est pas une heure"},
        {"6H30", {}, "« 6H30 » : il faut un début et une fin"},
        {"20H-24H10", {}, "« 24H10 » dépasse 24H00"},
        {"8H-6H", {}, "« 8H-6H » finit avant de commencer"},
        {"6H-9H 8H-10H", {}, "6H00-9H00 chevauche 8H00-10H00"},
        {"0H-0H10 1H-1H10 2H-2H10 3H-3H10 4H-4H10 5H-5H10 6H-6H10 7H-7H10 8H-8H10",
         {},
         "9 périodes : huit au plus"},
    };
    for (const auto& [tapee, jour, raison] : cas) {
        const LigneHoraires lue = LitHoraires(QString::fromUtf8(tapee));
        EXPECT_EQ(lue.jour, jour) << tapee;
        EXPECT_EQ(lue.raison, QString::fromUtf8(raison)) << tapee;
    }
    EXPECT_EQ(TexteHoraires(JourAvec({{0, 144}})), QStringLiteral("0H00-24H00"));
}
