// Les éditions rapides, chacune depuis un démarrage ordinaire et sa mise en place : ce qu'elle
// change à l'écran, le pas d'annulation qu'elle laisse, puis ce qu'Annuler remet.
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct Cas {
    const char* nom;
    const char* mise;   // mise en place, non regardée
    const char* geste;  // actions séparées de « ; »
    const char* vu;     // ce qui a changé (« montre etat »), boîtes comprises
    const char* pas;    // le pas d'annulation laissé, nul si aucun
    const char* defait; // ce qu'Annuler change ensuite
};

// Lundi à huit segments, pour un neuvième.
// La question d'un neuvième segment.
#define NEUF                                                                                       \
    "boîte «  » critique OkAnnuler : « ** Attention nombre de segment >8 **\\r\\n\\r\\n "      \
    "Confirmez la suppression du dernier SEGMENT ! » -> "
#define HUIT "0-1,10-11,20-21,30-31,40-41,50-51,60-61,70-71"

const Cas Editions[] = {
    // Le clavier du graphique : flèches d'un créneau (Maj : d'une heure), haut et bas changent
    // de jour ; c, e posent confort ou éco et avancent (Maj+C : une heure de confort).
    {"FlechesDroite", "jour 0 0 vide",
     "touche Frame1 Maj+Droite Maj+Droite Maj+Droite Droite Gauche", "curseur 18 :  3H00 |  3H00",
     nullptr, nullptr},
    {"FlechesGaucheAuBord", "jour 0 0 vide", "touche Frame1 Gauche Maj+Gauche", "inchangé", nullptr,
     nullptr},
    {"HautBas", "jour 0 0 vide", "touche Frame1 Bas Bas Bas Haut",
     "édité : zone 0, jour 2, non modifié / montré : « Mercredi », en rouge Mercredi", nullptr,
     nullptr},
    {"BasAuBord", "jour 0 0 vide", "touche Frame1 Haut Bas Bas Bas Bas Bas Bas Bas Bas Bas",
     "édité : zone 0, jour 6, non modifié / montré : « Dimanche », en rouge Dimanche", nullptr,
     nullptr},
    {"ConfortAvance", "jour 0 0 vide", "touche Frame1 Droite C Droite C",
     "édité : zone 0, jour 0, modifié / curseur 4 :  0H40 |  0H40 / Lundi 0H10-0H20 0H30-0H40",
     "Conf.", "montré : « Lundi », en rouge Lundi / Lundi 0H10-0H20"},
    {"UneHeureDeConfort", "jour 0 0 vide", "touche Frame1 Maj+C Gauche Gauche E",
     "édité : zone 0, jour 0, modifié / curseur 5 :  0H50 |  0H50 / Lundi 0H00-0H40 0H50-1H00",
     "Eco.", "montré : « Lundi », en rouge Lundi / Lundi 0H00-1H00"},
    {"UneHeureEnArriere", "jour 0 0 vide", "touche Frame1 Maj+C Maj+Gauche E",
     "édité : zone 0, jour 0, modifié / curseur 1 :  0H10 |  0H10 / Lundi 0H10-1H00", "Eco.",
     "montré : « Lundi », en rouge Lundi / Lundi 0H00-1H00"},
    // Un trait peint les rangées traversées (droit : en éco), un pas ; un appui sans glisser de
    // plus de quatre pixels ne peint rien.
    {"TraitUneRangee", "jour 0 * vide", "trait FrameTemp(0) gauche 179 20 231 20",
     "édité : zone 0, jour 0, modifié / curseur 39 :  6H30 |  6H30 / Lundi 6H30-8H30",
     "Tracé confort",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / Lundi vide"},
    {"TraitLundiAVendredi", "jour 0 * vide", "trait FrameTemp(0) gauche 179 20 231 242",
     "édité : zone 0, jour 0, modifié / curseur 39 :  6H30 |  6H30 / Lundi 6H30-8H30 / Mardi "
     "6H30-8H30 / Mercredi 6H30-8H30 / Jeudi 6H30-8H30 / Vendredi 6H30-8H30",
     "Tracé confort",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / Lundi vide / "
     "Mardi vide / Mercredi vide / Jeudi vide / Vendredi vide"},
    {"TraitEnRemontant", "jour 0 * vide", "trait FrameTemp(4) gauche 231 20 179 -91",
     "édité : zone 0, jour 4, modifié / montré : « Vendredi », en rouge Vendredi / curseur 51 :  "
     "8H30 |  8H30 / Mercredi 6H30-8H30 / Jeudi 6H30-8H30 / Vendredi 6H30-8H30",
     "Tracé confort",
     "édité : zone 0, jour 2, non modifié / montré : « Mercredi », en rouge Mercredi / Mercredi "
     "vide / Jeudi vide / Vendredi vide"},
    {"SansGlisserGauche", "jour 0 * vide", "trait FrameTemp(2) gauche 183 20 180 20",
     "édité : zone 0, jour 2, non modifié / montré : « Mercredi », en rouge Mercredi / curseur 40 "
     ":  6H40 |  6H40",
     nullptr, nullptr},
    {"TraitDepuisLaLigneDe8H", "jour 0 * vide", "trait Marqueur(8) gauche 1 297 394 353",
     "édité : zone 0, jour 5, modifié / montré : « Samedi », en rouge Samedi / curseur 48 :  8H00 "
     "|  8H00 / Samedi 8H00-23H00 / Dimanche 8H00-23H00",
     "Tracé confort", "édité : zone 0, jour 5, non modifié / Samedi vide / Dimanche vide"},
    {"TraitDroit", "jour 0 * 30-60", "trait FrameTemp(3) droit 231 20 179 -91",
     "édité : zone 0, jour 3, modifié / montré : « Jeudi », en rouge Jeudi / curseur 51 :  8H30 |  "
     "8H30 / Mardi 5H00-6H30 8H30-10H00 / Mercredi 5H00-6H30 8H30-10H00 / Jeudi 5H00-6H30 "
     "8H30-10H00",
     "Tracé éco",
     "édité : zone 0, jour 1, non modifié / montré : « Mardi », en rouge Mardi / Mardi 5H00-10H00 "
     "/ Mercredi 5H00-10H00 / Jeudi 5H00-10H00"},
    {"SansGlisserDroit", "jour 0 * 30-60", "trait FrameTemp(5) droit 183 20 186 20",
     "édité : zone 0, jour 5, non modifié / montré : « Samedi », en rouge Samedi / curseur 40 :  "
     "6H40 |  6H40",
     nullptr, nullptr},
    // Un neuvième segment : une question pour tout le trait ; Ok coupe le dernier. Maj+C aussi.
    {"TraitNeuviemeAnnule", "jour 0 * " HUIT ";boite Annuler",
     "trait FrameTemp(0) gauche 18 20 44 131", NEUF "Annuler / curseur 2 :  0H20 |  0H20", nullptr,
     nullptr},
    {"MajCNeuviemeAnnule", "jour 0 * " HUIT ";barre VScJour 4;barre HScroll1 2;boite Annuler",
     "touche Frame1 Maj+C", NEUF "Annuler / inchangé", nullptr, nullptr},
    {"TraitNeuviemeCoupe", "jour 0 * " HUIT ";boite Ok", "trait FrameTemp(0) gauche 18 20 44 131",
     NEUF
     "Ok / édité : zone 0, jour 0, modifié / curseur 2 :  0H20 |  0H20 / Lundi 0H00-0H10 0H20-1H20 "
     "1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10 / Mardi 0H00-0H10 0H20-1H20 "
     "1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10 / Mercredi 0H00-0H10 0H20-1H20 "
     "1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10",
     "Tracé confort",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / Lundi 0H00-0H10 "
     "1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10 11H40-11H50 / Mardi 0H00-0H10 "
     "1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10 11H40-11H50 / Mercredi "
     "0H00-0H10 1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10 11H40-11H50"},
    {"MajCNeuviemeCoupe", "jour 0 * " HUIT ";barre VScJour 4;barre HScroll1 2;boite Ok",
     "touche Frame1 Maj+C",
     NEUF "Ok / édité : zone 0, jour 4, modifié / curseur 8 :  1H20 |  1H20 / Vendredi 0H00-0H10 "
          "0H20-1H20 1H40-1H50 3H20-3H30 5H00-5H10 6H40-6H50 8H20-8H30 10H00-10H10",
     "Conf./1H",
     "édité : zone 0, jour 4, non modifié / Vendredi 0H00-0H10 1H40-1H50 3H20-3H30 5H00-5H10 "
     "6H40-6H50 8H20-8H30 10H00-10H10 11H40-11H50"},
    // Température tapée (double clic, Entrée ; Échap renonce) : par demi-degré de 0 à 35 °C,
    // confort >= éco >= hors gel ; un refus le dit et ne change rien.
    {"TemperatureTapee", "souris Text2(0) gauche 5 5 double",
     "tape Text2(0) 21;touche Text2(0) Entree",
     "édité : zone 0, jour 0, modifié / températures 170 «  21°C », 165 «  18.5°C », 140 «  6°C », "
     "145 «  8.5°C » ; identifiant « 4660 »",
     "Température Confort",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / températures 169 "
     "«  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; identifiant « 4660 »"},
    {"TemperatureEntraineLesAutres", "souris Text2(0) gauche 5 5 double",
     "tape Text2(0) 5;touche Text2(0) Entree",
     "édité : zone 0, jour 0, modifié / températures 138 «  5°C », 138 «  5°C », 138 «  5°C », 145 "
     "«  8.5°C » ; identifiant « 4660 »",
     "Température Confort",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / températures 169 "
     "«  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; identifiant « 4660 »"},
    {"TemperatureAvecVirgule", "souris Text2(1) gauche 5 5 double",
     "tape Text2(1) 21,5;touche Text2(1) Entree",
     "édité : zone 0, jour 0, modifié / températures 169 «  20.5°C », 169 «  20.5°C », 140 «  6°C "
     "», 145 «  8.5°C » ; identifiant « 4660 »",
     "Température ECO",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / températures 169 "
     "«  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; identifiant « 4660 »"},
    {"TemperatureEnDegres", "souris Text2(2) gauche 5 5 double",
     "tape Text2(2) 19.5°C;touche Text2(2) Entree",
     "édité : zone 0, jour 0, modifié / températures 169 «  20.5°C », 165 «  18.5°C », 165 «  "
     "18.5°C », 145 «  8.5°C » ; identifiant « 4660 »",
     "Température Hors Gel",
     "édité : zone 0, jour 0, non modifié / montré : « Lundi », en rouge Lundi / températures 169 "
     "«  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; identifiant « 4660 »"},
    {"TemperatureEchap", "souris Text2(0) gauche 5 5 double",
     "tape Text2(0) 25;touche Text2(0) Echap",
     "températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; identifiant « "
     "4660 »",
     nullptr, nullptr},
    {"TemperatureTropHaute", "souris Text2(0) gauche 5 5 double;boite Ok",
     "tape Text2(0) 36;touche Text2(0) Entree",
     "boîte « GESTION CHAUFFAGE » exclamation Ok : « « 36 » : la température va de 0 à 35 °C. » -> "
     "Ok / températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; "
     "identifiant « 4660 »",
     nullptr, nullptr},
    {"TemperatureNegative", "souris Text2(1) gauche 5 5 double;boite Ok",
     "tape Text2(1) -0.5;touche Text2(1) Entree",
     "boîte « GESTION CHAUFFAGE » exclamation Ok : « « -0.5 » : la température va de 0 à 35 °C. » "
     "-> Ok / températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; "
     "identifiant « 4660 »",
     nullptr, nullptr},
    {"TemperatureHorsDemiDegre", "souris Text2(0) gauche 5 5 double;boite Ok",
     "tape Text2(0) 20.3;touche Text2(0) Entree",
     "boîte « GESTION CHAUFFAGE » exclamation Ok : « « 20.3 » : la température se règle par "
     "demi-degré. » -> Ok / températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  "
     "8.5°C » ; identifiant « 4660 »",
     nullptr, nullptr},
    {"TemperatureIllisible", "souris Text2(2) gauche 5 5 double;boite Ok",
     "tape Text2(2) chaud;touche Text2(2) Entree",
     "boîte « GESTION CHAUFFAGE » exclamation Ok : « « chaud » n'est pas une température. » -> Ok "
     "/ températures 169 «  20.5°C », 165 «  18.5°C », 140 «  6°C », 145 «  8.5°C » ; identifiant "
     "« 4660 »",
     nullptr, nullptr},
};
} // namespace

class EditionRapide : public testing::TestWithParam<Cas> {};

TEST_P(EditionRapide, ChangeCeQuIlDit) {
    const Cas& cas = GetParam();
    Scenario s;
    s.Vu(QStringLiteral("demarre;") + QString::fromUtf8(cas.mise));
    auto* annuler = s.fenetre->findChild<QAction*>(QStringLiteral("Annuler"));
    const QString vu = s.Vu(QString::fromUtf8(cas.geste));
    EXPECT_EQ(vu.toStdString(), cas.vu);
    // Une valeur tapée se referme avec son édition.
    for (const char* champ : {"Text2(0)", "Text2(1)", "Text2(2)"})
        EXPECT_TRUE(s.fenetre->findChild<QLineEdit*>(QLatin1String(champ))->isReadOnly());
    if (!cas.pas) {
        EXPECT_FALSE(annuler->isEnabled());
        return;
    }
    EXPECT_EQ(annuler->text(), QStringLiteral("Annuler « %1 »").arg(QString::fromUtf8(cas.pas)));
    const QString defait = s.Vu(QStringLiteral("menu Annuler"));
    EXPECT_EQ(defait.toStdString(), cas.defait);
}

INSTANTIATE_TEST_SUITE_P(Gestes, EditionRapide, testing::ValuesIn(Editions),
                         [](const testing::TestParamInfo<Cas>& info) { return info.param.nom; });
