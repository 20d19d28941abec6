// Chaque édition : ce qu'elle change à l'écran, le pas qu'elle laisse ; défaite, l'écran
// redevient exactement celui d'avant (jour défait montré compris) ; refaite, celui d'après.
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct Cas {
    const char* nom;
    const char* mise;  // mise en place, non regardée
    const char* geste; // actions séparées de « ; »
    const char* vu;  // ce qui a changé (« montre etat »), boîtes comprises ; nul : non regardé
    const char* pas; // le pas d'annulation laissé, nul si aucun
};

#define NEUF                                                                                       \
    "boîte «  » critique OkAnnuler : « ** Attention nombre de segment >8 **\\r\\n\\r\\n "      \
    "Confirmez la suppression du dernier SEGMENT ! » -> "
#define QUESTION_ID                                                                                \
    "boîte « CONFIGURATION » critique OuiNon : « Voulez-vous changer l'Identificateur de la "  \
    "zone? » -> "
#define HUIT "0-1,10-11,20-21,30-31,40-41,50-51,60-61,70-71"
#define TAPE(C, X, K) "souris " C " gauche 5 5 double;tape " C " " X ";touche " C " " K
#define HUIT_A_35 "jour 0 0 " HUIT ";valide;barre HScroll1 35"
// La semaine posée comme relue d'un fichier, puis dessinée en entier (aller-retour de zone).
#define SEMAINE(J) "jour 0 * " J ";barre VScrollZone 1;barre VScrollZone 0"
#define REFUS(T) "boîte « GESTION CHAUFFAGE » exclamation Ok : « « " T " » -> Ok / inchangé"
#define MODIFIE "édité : zone 0, jour 0, modifié / "
#define MONTRE(J, NOM)                                                                             \
    "édité : zone 0, jour " J ", non modifié / montré : « " NOM " », en rouge " NOM
#define TEMPERATURES "températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C »"
// Les identifiants lus d'un fichier, puis montrés (aller-retour de zone).
#define IDENTIFIANTS(I) "identifiants " I ";barre VScrollZone 1;barre VScrollZone 0"

const Cas Editions[] = {
    // Clavier : flèches d'un créneau (Maj : une heure), haut et bas de jour ; c, e peignent.
    {"Fleches", "jour 0 0 vide",
     "touche Frame1 Gauche Maj+Gauche Maj+Droite Maj+Droite Maj+Droite Droite Gauche",
     "curseur 18 :  3H00 |  3H00", nullptr},
    {"BasAuBord", "jour 0 0 vide", "touche Frame1 Haut Bas Bas Bas Bas Bas Bas Bas Bas Bas",
     MONTRE("6", "Dimanche"), nullptr},
    {"ConfortAvance", "jour 0 0 vide;touche Frame1 Droite C", "touche Frame1 Droite C",
     "curseur 4 :  0H40 |  0H40 / Lundi 0H10-0H20 0H30-0H40", "Conf."},
    {"UneHeureDeConfort", "jour 0 0 vide;touche Frame1 Maj+C Gauche Gauche", "touche Frame1 E",
     "curseur 5 :  0H50 |  0H50 / Lundi 0H00-0H40 0H50-1H00", "Eco."},
    // Jour suivant (après dimanche, lundi) ; un jour montré a huit segments.
    {"ApresDimanche", "barre VScJour 6", "barre VScJour haut", MONTRE("0", "Lundi"), nullptr},
    {"CaseSegments", "jour 0 0 " HUIT ",80-81", "clic ChkVisuHoraire",
     "segments «    (0H00-0H10)     (1H40-1H50)     (3H20-3H30)     (5H00-5H10)     (6H40-6H50)    "
     " (8H20-8H30)     (10H00-10H10)     (11H40-11H50)      »",
     nullptr},
    // Une ligne d'heure porte le curseur ; un appui dans une rangée choisit jour puis curseur.
    {"LigneDe24H", "", "souris Marqueur(24) gauche 1 10", "curseur 144 :  24H00 |  24H00", nullptr},
    {"AppuiDansUneRangee", "", "souris FrameTemp(3) gauche 323 20",
     MONTRE("3", "Jeudi") " / curseur 72 :  12H00 |  12H00", nullptr},
    // Nom du jour : gauche avance, milieu rien, droit peint (neuvième coupé sans question).
    {"NomDuJour", "barre HScroll1 10",
     "souris Label2(0) gauche 10 5;souris Label2(0) milieu 10 5;souris Label2(0) droit 10 5",
     MODIFIE "curseur 12 :  2H00 |  2H00 / Lundi 1H50-2H00 6H30-8H30 17H30-22H30", "Clic droit"},
    {"NeuviemeSansQuestion", HUIT_A_35,
     "souris Label2(0) droit 2 2;barre HScroll1 144;souris Label2(0) droit 2 2",
     MODIFIE "curseur 144 :  24H00 |  24H00 / Lundi 0H00-0H10 1H40-1H50 3H20-3H30 5H00-5H10 "
             "5H50-6H00 6H40-6H50 8H20-8H30 10H00-10H10",
     "Clic droit"},
    // Un trait peint les rangées traversées (droit : éco).
    {"TraitDroit", SEMAINE("30-60") ";barre VScJour 1", "trait FrameTemp(3) droit 231 20 179 -91",
     "édité : zone 0, jour 3, modifié / montré : « Jeudi », en rouge Jeudi / curseur 51 :  8H30 |  "
     "8H30 / Mardi 5H00-6H30 8H30-10H00 / Mercredi 5H00-6H30 8H30-10H00 / Jeudi 5H00-6H30 "
     "8H30-10H00",
     "Tracé éco"},
    // Un neuvième segment : une question par trait, Ok garde le trait ; la queue n'en fait pas.
    {"TraitNeuviemeAnnule", SEMAINE(HUIT) ";boite Annuler", "trait FrameTemp(0) gauche 18 20 44 75",
     NEUF "Annuler / curseur 2 :  0H20 |  0H20", nullptr},
    {"TraitNeuviemeCoupe", SEMAINE(HUIT) ";boite Ok", "trait FrameTemp(0) gauche 18 20 44 75",
     nullptr, "Tracé confort"},
    {"QueueNEstPasUnSegment", "jour 0 0 39-51,60-61,70-71,80-81,90-91,100-101,110-111,120-121+1000",
     "trait FrameTemp(0) gauche 179 20 231 20", "curseur 39 :  6H30 |  6H30", nullptr},
    // Températures : confort >= éco >= hors gel, la quatrième libre ; un refus ne change rien.
    {"TemperatureEntraineLesAutres", "", TAPE("Text2(0)", "5", "Entree"),
     MODIFIE
     "températures 138 «  5°C », 138 «  5°C », 138 «  5°C », 145 «  8.5°C » ; identifiant « 4660 »",
     "Température Confort"},
    {"TemperatureAvecVirguleEnDegres", "", TAPE("Text2(2)", "19,5°C", "Entree"),
     MODIFIE "températures 169 «  20.5°C », 165 «  18.5°C », 165 «  18.5°C », 145 «  8.5°C » ; "
             "identifiant « 4660 »",
     "Température Hors Gel"},
    {"QuatriemeBarreSeule", "", "barre VScroll3(3) 129",
     MODIFIE "températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 129 «  .5°C » ; "
             "identifiant « 4660 »",
     "Température EJP"},
    {"TemperatureEchap", "", TAPE("Text2(0)", "25", "Echap"), "inchangé", nullptr},
    {"TemperatureTropHaute", "", "boite Ok;" TAPE("Text2(0)", "36", "Entree"),
     REFUS("36 » : la température va de 0 à 35 °C."), nullptr},
    {"TemperatureHorsDemiDegre", "", "boite Ok;" TAPE("Text2(0)", "20.3", "Entree"),
     REFUS("20.3 » : la température se règle par demi-degré."), nullptr},
    // Identifiant tapé ou tiré : tiré sur 200 (zone 1) puis 215 (zone 2), il devient 230 ;
    // 65534 puis 13 (65549 sur les ondes) donnent 28.
    {"IdentifiantTape", "", TAPE("TextID", "1234", "Entree"),
     MODIFIE TEMPERATURES " ; identifiant « 1234 »", "ID"},
    {"IdentifiantRefuse", "", "boite Ok;" TAPE("TextID", "65536", "Entree"),
     REFUS("65536 » : l'identifiant va de 0 à 65535."), nullptr},
    {"IDEchap", "", "boite Aucun;clic CmdID", QUESTION_ID "Aucun / inchangé", nullptr},
    {"IDSansCollision", IDENTIFIANTS("100 200 215"), "boite Oui;hasard 0.003059434;clic CmdID",
     QUESTION_ID "Oui / " MODIFIE TEMPERATURES " ; identifiant «  230 »", "ID"},
    {"IDSurSeizeBits", IDENTIFIANTS("100 65534 65549"), "boite Oui;hasard 0.99999999;clic CmdID",
     QUESTION_ID "Oui / " MODIFIE TEMPERATURES " ; identifiant «  28 »", "ID"},
    // Boutons de la zone ; la question du neuvième segment fermée sans choix ne change rien.
    {"Conf", HUIT_A_35, "boite Ok;clic CmdHigh",
     NEUF "Ok / " MODIFIE "curseur 36 :  6H00 |  6H00 / Lundi 0H00-0H10 1H40-1H50 3H20-3H30 "
          "5H00-5H10 5H50-6H00 6H40-6H50 8H20-8H30 10H00-10H10",
     "Conf."},
    {"ConfEchap", HUIT_A_35, "boite Aucun;clic CmdHigh", NEUF "Aucun / inchangé", nullptr},
    {"Eco1H", HUIT_A_35, "clic Cmd1Hmoins",
     MODIFIE "curseur 41 :  6H50 |  6H50 / Lundi 0H00-0H10 1H40-1H50 3H20-3H30 5H00-5H10 8H20-8H30 "
             "10H00-10H10 11H40-11H50",
     "Eco/1H"},
    {"Eco", "barre HScroll1 40", "clic CmdLow", nullptr, "Eco."},
    {"Conf1H", "", "clic Cmd1H", nullptr, "Conf./1H"},
    {"CLS", "", "clic CmdCLS", nullptr, "CLS"},
    {"CollerSansCopie", "", "clic CmdPASTE", "inchangé", nullptr},
    {"CollerDansUneAutreZone", "barre VScJour 5;clic CmdCopy;barre VScrollZone 2", "clic CmdPASTE",
     "édité : zone 2, jour 0, modifié / Lundi 7H30-23H00", "Coller"},
    // Zone changée : hors plage ramenées (donc modifié), désordre d'un fichier gardé ; 3 vaut 0.
    {"ZoneHorsPlage",
     SEMAINE("vide") ";jour 1 * vide;temperatures 1 250 100 -5 198;identifiants 4660 17 -3",
     "barre VScrollZone 1",
     "édité : zone 1, jour 0, modifié / températures 198 «  35°C », 128 «  0°C », 128 «  0°C », "
     "198 «  35°C » ; identifiant « 17 »",
     nullptr},
    {"ZoneEnDesordre", SEMAINE("vide") ";jour 2 * vide;temperatures 2 150 170 190 130",
     "barre VScrollZone 2",
     "édité : zone 2, jour 0, non modifié / températures 150 «  11°C », 170 «  21°C », 190 «  31°C "
     "», 130 «  1°C » ; identifiant « 50311 »",
     nullptr},
    {"ZoneTroisEstZero",
     SEMAINE("vide") ";jour 2 * vide;barre VScrollZone 2;barre VScJour 3;barre HScroll1 77",
     "barre VScrollZone 3",
     MONTRE("0", "Lundi") " / curseur 0 :  0H00 |  0H00 / " TEMPERATURES " ; identifiant « 4660 »",
     nullptr},
};

// Tout l'écran sauf le curseur (défaire ne le ramène pas), et au besoin sans le jour (refaire
// montre le premier jour changé) ; les hauteurs des barres suivent les températures.
QString Ecran(const Scenario& s, bool jour = true) {
    QStringList lignes;
    for (const auto& [cle, ligne] : s.EtatVu())
        if (cle != QLatin1String("curseur") && (jour || !cle.startsWith(QStringLiteral("montr"))))
            lignes << (jour || cle != QStringLiteral("édité") ? ligne : ligne.section(',', -1));
    for (const char* nom : {"ShTemp(0)", "Shape1(0)"}) {
        const QRect r = s.fenetre->findChild<QWidget*>(QLatin1String(nom))->geometry();
        lignes << QStringLiteral("%1 %2 %3").arg(QLatin1String(nom)).arg(r.top()).arg(r.height());
    }
    // Le bouton ID écrit l'identifiant avec la colonne du signe, tout affichage suivant sans.
    return lignes.join('\n').replace(QStringLiteral("identifiant «  "),
                                     QStringLiteral("identifiant « "));
}
} // namespace

class EditionRapide : public testing::TestWithParam<Cas> {};

TEST_P(EditionRapide, ChangeCeQuIlDitEtSeDefaitEnUnPas) {
    const Cas& cas = GetParam();
    Scenario s;
    // Le jour nommé comme après tout changement de jour (pas « LUNDI »), comme après défaire.
    s.Vu(QStringLiteral("demarre;barre VScJour 1;barre VScJour 0;") + QString::fromUtf8(cas.mise));
    auto* annuler = s.fenetre->findChild<QAction*>(QStringLiteral("Annuler"));
    auto* retablir = s.fenetre->findChild<QAction*>(QStringLiteral("Retablir"));
    const QString avant = Ecran(s);
    const QString vu = s.Vu(QString::fromUtf8(cas.geste));
    if (cas.vu) {
        EXPECT_EQ(vu.toStdString(), cas.vu);
    }
    EXPECT_FALSE(vu.contains(QLatin1String("!!"))) << vu.toStdString();
    for (const char* champ : {"Text2(0)", "Text2(1)", "Text2(2)", "TextID"})
        EXPECT_TRUE(s.fenetre->findChild<QLineEdit*>(QLatin1String(champ))->isReadOnly());
    if (!cas.pas) {
        EXPECT_FALSE(annuler->isEnabled());
        return;
    }
    const QString apres = Ecran(s, false);
    ASSERT_NE(avant, Ecran(s));
    const QString nom = QString::fromUtf8(cas.pas);
    EXPECT_EQ(annuler->text(), QStringLiteral("Annuler « %1 »").arg(nom));
    annuler->trigger();
    EXPECT_EQ(Ecran(s).toStdString(), avant.toStdString());
    EXPECT_EQ(retablir->text(), QStringLiteral("Rétablir « %1 »").arg(nom));
    retablir->trigger();
    EXPECT_EQ(Ecran(s, false).toStdString(), apres.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Gestes, EditionRapide, testing::ValuesIn(Editions),
                         [](const testing::TestParamInfo<Cas>& info) { return info.param.nom; });
