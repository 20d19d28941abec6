// Chaque geste d'édition : ce qu'il change au document (boîtes comprises), l'écran qui le suit,
// le pas qu'il laisse ; défait, tout redevient comme avant ; refait, comme après.
#include "support/Banc.h"
#include "support/Jours.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>

namespace {
using Geste = std::function<void(Banc&)>;
struct Cas {
    const char* nom;
    Geste mise;      // mise en place, non regardée
    Geste geste;     // ce qui est essayé
    const char* vu;  // ce qui a changé, « / » entre deux ; nul : non regardé
    const char* pas; // le pas d'annulation laissé, nul si aucun
};

#define G(...) [](Banc& b) { __VA_ARGS__; }
#define NEUF                                                                                       \
    "** Attention nombre de segment >8 **\r\n\r\n Confirmez la suppression du dernier SEGMENT ! "  \
    "-> "
#define QUESTION_ID "Voulez-vous changer l'Identificateur de la zone? -> "
#define TEMPERATURES "températures 169 165 140 145, identifiant "
#define LUNDI_HUIT "Lundi 0H00-0H10 1H40-1H50 3H20-3H30 5H00-5H10 "

// Huit segments d'un créneau, de 0H00 à 11H40.
QByteArray Huit() {
    return JourAvec({{0, 1}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}});
}
void Semaine(Banc& b, const QByteArray& jour) {
    b.Pose([&](Programme& p) { p.ProgJour[0].fill(jour); });
}
void HuitA35(Banc& b) {
    b.Pose([](Programme& p) { p.ProgJour[0][0] = Huit(); });
    b.Barre("HScroll1", 35);
}
void Repond(Banc& b, Bouton reponse) {
    b.plateforme.Reponses = {reponse};
}

const Cas Editions[] = {
    // Clavier : flèches d'un créneau (Maj : une heure), haut et bas de jour ; C, E peignent.
    {"Fleches",
     {},
     G(b.Touches("Frame1",
                 "Gauche Maj+Gauche Maj+Droite Maj+Droite Maj+Droite Droite Gauche Haut " +
                     QString("Bas ").repeated(9))),
     "curseur 18 / zone 0, jour 6",
     nullptr},
    {"ConfortAvance", G(Semaine(b, JourVide()); b.Touches("Frame1", "Droite C")),
     G(b.Touches("Frame1", "Droite C")), "curseur 4 / Lundi 0H10-0H20 0H30-0H40", "Conf."},
    {"UneHeureDeConfort", G(Semaine(b, JourVide()); b.Touches("Frame1", "Maj+C Gauche Gauche")),
     G(b.Touches("Frame1", "E")), "curseur 5 / Lundi 0H00-0H40 0H50-1H00", "Eco."},
    // Après dimanche, lundi.
    {"ApresDimanche", G(b.Barre("VScJour", 6)),
     G(b.W<QScrollBar>("VScJour")->triggerAction(QAbstractSlider::SliderSingleStepSub)),
     "zone 0, jour 0", nullptr},
    // Une ligne d'heure porte le curseur ; un appui dans une rangée choisit jour puis curseur.
    {"LigneDe24H", {}, G(b.Appui("Marqueur(24)", Qt::LeftButton, {1, 10})), "curseur 144", nullptr},
    {"AppuiDansUneRangee",
     {},
     G(b.Appui("FrameTemp(3)", Qt::LeftButton, {323, 20})),
     "curseur 72 / zone 0, jour 3",
     nullptr},
    // Nom du jour : gauche avance, milieu rien, droit peint (neuvième coupé sans question).
    {"NomDuJour", G(b.Barre("HScroll1", 10)),
     G(for (const auto bouton
            : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton})
           b.Appui("Label2(0)", bouton, {10, 5})),
     "curseur 12 / modifié / Lundi 1H50-2H00 6H30-8H30 17H30-22H30", "Clic droit"},
    {"NeuviemeSansQuestion", HuitA35,
     G(b.Appui("Label2(0)", Qt::RightButton, {2, 2}); b.Barre("HScroll1", 144);
       b.Appui("Label2(0)", Qt::RightButton, {2, 2})),
     "curseur 144 / modifié / " LUNDI_HUIT "5H50-6H00 6H40-6H50 8H20-8H30 10H00-10H10",
     "Clic droit"},
    // Un trait peint les rangées traversées (droit : éco).
    {"TraitDroit", G(Semaine(b, JourAvec({{30, 60}})); b.Barre("VScJour", 1)),
     G(b.Trait("FrameTemp(3)", Qt::RightButton, {231, 20}, {179, -91})),
     "curseur 51 / zone 0, jour 3 / modifié / Mardi 5H00-6H30 8H30-10H00 / Mercredi 5H00-6H30 "
     "8H30-10H00 / Jeudi 5H00-6H30 8H30-10H00",
     "Tracé éco"},
    // Un neuvième segment : une question par trait, Ok garde le trait.
    {"TraitNeuviemeAnnule", G(Semaine(b, Huit()); Repond(b, Bouton::Annuler)),
     G(b.Trait("FrameTemp(0)", Qt::LeftButton, {18, 20}, {44, 75})), NEUF "Annuler / curseur 2",
     nullptr},
    {"TraitNeuviemeGarde", G(Semaine(b, Huit()); Repond(b, Bouton::Ok)),
     G(b.Trait("FrameTemp(0)", Qt::LeftButton, {18, 20}, {44, 75})), nullptr, "Tracé confort"},
    // Températures tapées : règles du document, Échap ou refus sans rien changer.
    {"TemperatureEntraineLesAutres",
     {},
     G(b.Tape("Text2(0)", "5")),
     "modifié / températures 138 138 138 145, identifiant 4660",
     "Température Confort"},
    {"TemperatureEchap", {}, G(b.Tape("Text2(0)", "25", "Echap")), "", nullptr},
    {"TemperatureTropHaute", G(Repond(b, Bouton::Ok)), G(b.Tape("Text2(0)", "36")),
     "« 36 » : la température va de 0 à 35 °C. -> Ok", nullptr},
    // Identifiant tapé ou tiré (tiré sur 200 de la zone 1, puis 215 de la zone 2 : 230).
    {"IdentifiantTape", {}, G(b.Tape("TextID", "1234")), "modifié / " TEMPERATURES "1234", "ID"},
    {"IdentifiantRefuse", G(Repond(b, Bouton::Ok)), G(b.Tape("TextID", "65536")),
     "« 65536 » : l'identifiant va de 0 à 65535. -> Ok", nullptr},
    {"IDEchap", G(Repond(b, Bouton::Aucun)), G(b.Clic("CmdID")), QUESTION_ID "Aucun", nullptr},
    {"IDSansCollision",
     G(
         b.Pose([](Programme& p) {
             p.IdentZone = {100, 200, 215};
         });
         Repond(b, Bouton::Oui); b.plateforme.Tirages = {0.003059434}),
     G(b.Clic("CmdID")), QUESTION_ID "Oui / modifié / " TEMPERATURES "230", "ID"},
    // Boutons ; la question du neuvième segment fermée sans choix ne change rien.
    {"Conf", G(HuitA35(b); Repond(b, Bouton::Ok)), G(b.Clic("CmdHigh")),
     NEUF "Ok / curseur 36 / modifié / " LUNDI_HUIT "5H50-6H00 6H40-6H50 8H20-8H30 10H00-10H10",
     "Conf."},
    {"ConfEchap", G(HuitA35(b); Repond(b, Bouton::Aucun)), G(b.Clic("CmdHigh")), NEUF "Aucun",
     nullptr},
    {"Eco1H", HuitA35, G(b.Clic("Cmd1Hmoins")),
     "curseur 41 / modifié / " LUNDI_HUIT "8H20-8H30 10H00-10H10 11H40-11H50", "Eco/1H"},
    {"Eco", G(b.Barre("HScroll1", 40)), G(b.Clic("CmdLow")), nullptr, "Eco."},
    {"Conf1H", {}, G(b.Clic("Cmd1H")), nullptr, "Conf./1H"},
    {"CLS", {}, G(b.Clic("CmdCLS")), nullptr, "CLS"},
    {"CollerSansCopie", {}, G(b.Clic("CmdPASTE")), "", nullptr},
    {"CollerDansUneAutreZone",
     G(b.Barre("VScJour", 5); b.Clic("CmdCopy"); b.Barre("VScrollZone", 2)), G(b.Clic("CmdPASTE")),
     "modifié / Lundi 7H30-23H00", "Coller"},
    // La zone 3 de la barre vaut 0 : toute reprise, lundi, 0H00.
    {"ZoneTroisEstZero",
     G(b.Pose([](Programme& p) { p.ProgJour[0].fill(JourVide()), p.ProgJour[2].fill(JourVide()); });
       b.Barre("VScrollZone", 2); b.Barre("VScJour", 3); b.Barre("HScroll1", 77)),
     G(b.Barre("VScrollZone", 3)), "curseur 0 / zone 0, jour 0 / " TEMPERATURES "4660", nullptr},
};

// Les lignes de l'état qui diffèrent, sauf celles passées.
QString Change(const QStringList& avant, const QStringList& apres, int passees = 0) {
    QStringList vu;
    for (qsizetype i = passees; i < apres.size(); ++i)
        if (apres[i] != avant.value(i)) vu << apres[i];
    return vu.join(QStringLiteral(" / "));
}
} // namespace

class EditionRapide : public testing::TestWithParam<Cas> {};

TEST_P(EditionRapide, ChangeCeQuIlDitEtSeDefaitEnUnPas) {
    const Cas& cas = GetParam();
    Banc b;
    b.Demarre();
    if (cas.mise) cas.mise(b);
    auto* annuler = b.W<QAction>(QStringLiteral("Annuler"));
    auto* retablir = b.W<QAction>(QStringLiteral("Retablir"));
    const QStringList avant = b.Etat();
    cas.geste(b);
    const QStringList apres = b.Etat();
    if (cas.vu) {
        QStringList vu{b.Boites(), Change(avant, apres)};
        vu.removeAll(QString());
        EXPECT_EQ(vu.join(" / "), cas.vu);
    }
    EXPECT_EQ(b.Ecart(), "");
    for (const char* champ : {"Text2(0)", "Text2(1)", "Text2(2)", "TextID"})
        EXPECT_TRUE(b.W<QLineEdit>(QLatin1String(champ))->isReadOnly()) << champ;
    if (!cas.pas) {
        EXPECT_FALSE(annuler->isEnabled());
        return;
    }
    ASSERT_NE(Change(avant, apres, 1), "");
    // Défaire ne ramène pas le curseur ; refaire montre le premier jour changé.
    const QString nom = QString::fromUtf8(cas.pas);
    EXPECT_EQ(annuler->text(), QStringLiteral("Annuler « %1 »").arg(nom));
    annuler->trigger();
    EXPECT_EQ(Change(avant, b.Etat(), 1), "");
    EXPECT_EQ(b.Ecart(), "");
    EXPECT_EQ(retablir->text(), QStringLiteral("Rétablir « %1 »").arg(nom));
    retablir->trigger();
    EXPECT_EQ(Change(apres, b.Etat(), 2), "");
    EXPECT_EQ(b.Ecart(), "");
}

INSTANTIATE_TEST_SUITE_P(Gestes, EditionRapide, testing::ValuesIn(Editions),
                         [](const testing::TestParamInfo<Cas>& info) { return info.param.nom; });
