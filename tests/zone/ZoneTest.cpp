// Zone : règles pures (avertissement des huit segments, écriture, textes, identifiant), puis
// commandes du jour, températures, changement de zone et identifiant sur la vraie fenêtre.
#include "plateforme/Twips.h"
#include "support/FenetreTest.h"
#include "zone/CommandesJour.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDebug>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>

namespace {
using Temperatures = std::array<qint16, NbTemperatures>;
// Huit segments d'un créneau aux créneaux 10, 20, ..., 80 ; rien autour de 0 et 143.
const QByteArray Huit =
    JourAvec({{10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}, {80, 81}});
const BoiteVue BoiteHuit{QStringLiteral("** Attention nombre de segment >8 **\r\n\r\n"
                                        " Confirmez la suppression du dernier SEGMENT !"),
                         Boutons::OkAnnuler, Icone::Critique, QString()};
} // namespace

TEST(CommandesJour, AvertissementDesHuitSegmentsEtEcriture) {
    QByteArray avec0 = Huit, avec1 = Huit, avec142 = Huit, queue = Huit;
    avec0[0] = avec1[1] = avec142[142] = queue[144] = '1';
    // Question de "Conf." (les deux voisins) et de "Conf./1H" (le créneau d'avant seulement) ;
    // "Conf." au curseur 0 ne regarde que le créneau 0, pas 0H10.
    struct Cas {
        QByteArray jour;
        int curseur;
        bool conf, confHeure;
    };
    const Cas cas[] = {{Huit, 35, true, true},    {Huit, 11, false, false},
                       {Huit, 19, false, true},   {Huit, 143, true, true},
                       {Huit, 144, false, false}, {avec142, 143, false, false},
                       {queue, 143, true, true},  {queue.left(144), 143, true, true},
                       {avec1, 0, true, true},    {avec0, 0, false, true}};
    for (const Cas& c : cas) {
        EXPECT_EQ(DemandeConfirmation(c.jour, c.curseur, 8, RegleHuitSegments::Creneau), c.conf)
            << c.curseur;
        EXPECT_EQ(DemandeConfirmation(c.jour, c.curseur, 8, RegleHuitSegments::Heure), c.confHeure)
            << c.curseur;
        EXPECT_FALSE(DemandeConfirmation(c.jour, c.curseur, 7, RegleHuitSegments::Heure));
    }

    // Écriture : jamais au-delà du créneau 143 ; un jour court est d'abord complété.
    QByteArray jour("11");
    EcritCreneaux(jour, 140, '1', 6);
    EXPECT_EQ(jour, JourAvec({{0, 2}, {140, 144}}));
    EcritCreneaux(jour, 144, '1', 1);
    EcritCreneaux(jour, 0, '0', 1);
    EXPECT_EQ(jour, JourAvec({{1, 2}, {140, 144}}));
    // Le curseur n'avance que s'il reste dans la barre.
    for (const auto& [curseur, avance, apres] :
         {std::tuple{138, 6, 144}, {139, 6, 139}, {143, 1, 144}, {144, 1, 144}})
        EXPECT_EQ(CurseurApres(curseur, avance, 144), apres) << curseur << " + " << avance;
}

TEST(Temperatures, TexteEtHauteur) {
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); // le point reste
    const std::pair<int, const char*> textes[] = {{169, " 20.5°C"}, {168, " 20°C"}, {129, " .5°C"},
                                                  {128, " 0°C"},    {198, " 35°C"}, {127, "-.5°C"}};
    for (const auto& [valeur, texte] : textes)
        EXPECT_EQ(TexteTemperature(valeur).toStdString(), texte) << valeur;
    EXPECT_EQ(NombreColonneSigne(-12).toStdString(), "-12");
    EXPECT_EQ(NombreColonneSigne(65550).toStdString(), " 65550");
    QLocale::setDefault(avant);
    for (const auto& [valeur, hauteur] : {std::pair{128, 72}, {137, 72}, {138, 80}, {198, 560}})
        EXPECT_EQ(HauteurBarre(valeur), hauteur) << valeur;
}

TEST(Identifiant, TirageEtCollisions) {
    for (const auto& [r, id] :
         {std::pair{0.0, 0}, {0.5, 32767}, {0.99999999, 65534}, {1.0, 65534}, {-0.1, 0}})
        EXPECT_EQ(TireIdentifiant(r), id) << r;
    struct Cas {
        std::array<qint32, 3> identifiants;
        int zone;
        qint32 attendu;
    };
    // 100 = zone 1 puis 115 = zone 2 ; la zone 2 revient à la zone 1 après la zone 0 ; deux
    // autres zones égales entre elles ne gênent pas. Seuls les 16 bits bas comptent : 70000
    // part comme 4464, -3 comme 65533 ; relevé, l'identifiant repasse par 0 après 65535.
    const Cas cas[] = {
        {{100, 200, 300}, 0, 100},   {{200, 200, 300}, 0, 215},      {{100, 100, 115}, 0, 130},
        {{515, 500, 500}, 2, 530},   {{65534, 65534, 65549}, 1, 28}, {{7, 9, 9}, 0, 7},
        {{4464, 70000, 9}, 0, 4479}, {{65533, 9, -3}, 0, 12},        {{70000, 1, 2}, 0, 70000}};
    for (const Cas& c : cas)
        EXPECT_EQ(ResoutCollision(c.identifiants, c.zone), c.attendu)
            << c.identifiants[0] << " " << c.identifiants[1] << " " << c.identifiants[2];
}

class Zone : public FenetreTest {
protected:
    void SetUp() override { Demarre(); }
    const QByteArray& Jour() { return Prog().ProgJour[Doc().Zone()][Doc().Jour()]; }
    // Pose un jour validé comme à l'écran, le curseur en c, le programme non modifié.
    void Prepare(const QByteArray& jour, int c) {
        PoseJour(Doc().Zone(), Doc().Jour(), jour);
        F().Semaine().ValideProgramme();
        Regle("HScroll1", c);
        Doc().MarqueEnregistre();
    }
    bool Modifie() { return Doc().Modifie(); }
    // Valeurs des barres, puis textes affichés, puis les hauteurs confort et éco posées.
    void Attend(const Temperatures& barres, const QString& textes) {
        QString vus;
        for (int t = 0; t < NbTemperatures; ++t) {
            EXPECT_EQ(Barre(NomIndexe("VScroll3", t))->Valeur(), barres[t]) << t;
            vus += Controle<QLineEdit>(NomIndexe("Text2", t))->text() + (t < 3 ? "|" : "");
        }
        EXPECT_EQ(vus, textes);
        for (QFrame* b : F().findChildren<QFrame*>(QRegularExpression("^ShTemp\\(")))
            EXPECT_EQ(TwipsDe(b).height(), HauteurBarre(barres[0]));
        for (QFrame* b : F().findChildren<QFrame*>(QRegularExpression("^Shape1\\(")))
            EXPECT_EQ(TwipsDe(b),
                      QRectF(90, 600 - HauteurBarre(barres[1]), 9550, HauteurBarre(barres[1])));
        EXPECT_EQ(TwipsDe(Controle<QFrame>(NomIndexe("ShTemp", 55))).bottom(), 600);
    }
};

TEST_F(Zone, CommandesAuCurseur) {
    Prepare(JourAvec({{0, 30}}), 40);
    Clique("CmdHigh");
    Regle("HScroll1", 12);
    Clique("CmdLow");
    EXPECT_EQ(Jour(), JourAvec({{0, 12}, {13, 30}, {40, 41}}));
    EXPECT_EQ(Controle<QLabel>(NomIndexe("HeureProg", 0))->text(), " 2H10");
    EXPECT_EQ(Doc().NbSegments(0), 3);
    EXPECT_TRUE(Modifie());
    Controle<QLineEdit>("VisuProgramme")
        ->setText("ancien"); // le texte ne suit que si la case est cochée
    Clique("Cmd1H");
    EXPECT_EQ(Controle<QLineEdit>("VisuProgramme")->text(), "ancien");
    Controle<QCheckBox>("ChkVisuHoraire")->setChecked(true);
    Clique("Cmd1Hmoins");
    EXPECT_EQ(Controle<QLineEdit>("VisuProgramme")->text(),
              "   (0H00-2H00)     (2H10-3H10)     (4H10-5H00)     (6H40-6H50)     ");
    EXPECT_FALSE(Controle<QLineEdit>("VisuProgramme")->isHidden());
}

TEST_F(Zone, AvertissementDesHuitSegments) {
    // Annuler, ou la boîte fermée sans choix : rien ne change.
    for (const Bouton reponse : {Bouton::Annuler, Bouton::Aucun}) {
        Prepare(Huit, 35);
        plateforme.AttendBoite(BoiteHuit, reponse);
        Clique("CmdHigh");
        EXPECT_EQ(Jour(), Huit);
        EXPECT_EQ(Barre("HScroll1")->Valeur(), 35);
        EXPECT_FALSE(Modifie());
    }
    // Ok : écrit, puis la validation retire le dernier segment.
    Regle("HScroll1", 0);
    plateforme.AttendBoite(BoiteHuit, Bouton::Ok);
    Clique("CmdHigh");
    EXPECT_EQ(
        Jour(),
        JourAvec({{0, 1}, {10, 11}, {20, 21}, {30, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}}));
    // "Conf./1H" ne regarde que le créneau d'avant, "Conf." aussi celui d'après ;
    // "Eco." ne demande jamais, même en coupant un segment en deux.
    Prepare(Huit, 19);
    plateforme.AttendBoite(BoiteHuit, Bouton::Ok);
    Clique("Cmd1H");
    Regle("HScroll1", 29);
    Clique("CmdHigh");
    Regle("HScroll1", 22);
    Clique("CmdLow");
    EXPECT_EQ(
        Jour(),
        JourAvec({{10, 11}, {19, 22}, {23, 25}, {29, 31}, {40, 41}, {50, 51}, {60, 61}, {70, 71}}));
    // Le nouveau segment de 23H50 est lui-même le dernier : le jour revient tel quel.
    Prepare(Huit, 143);
    plateforme.AttendBoite(BoiteHuit, Bouton::Ok);
    Clique("CmdHigh");
    EXPECT_EQ(Jour(), Huit);
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 144);
    EXPECT_FALSE(Modifie());
}

TEST_F(Zone, EffacerCopierColler) {
    const QByteArray lundi = JourAvec({{42, 54}, {100, 130}});
    Prepare(lundi, 20);
    Clique("CmdPASTE"); // rien encore copié : rien ne change
    EXPECT_EQ(Jour(), lundi);
    Clique("CmdCopy");
    Controle<QCheckBox>("ChkVisuHoraire")->setChecked(true);
    Controle<QLineEdit>("VisuProgramme")->show();
    Clique("CmdCLS");
    EXPECT_EQ(Jour(), JourVide());
    EXPECT_EQ(Doc().NbSegments(0), 0);
    EXPECT_TRUE(Controle<QLineEdit>("VisuProgramme")->isHidden());
    EXPECT_TRUE(Modifie());
    Doc().MarqueEnregistre();
    Regle("VScrollZone", 2);
    Regle("VScJour", 2);
    Regle("HScroll1", 70);
    Clique("CmdPASTE");
    EXPECT_EQ(Prog().ProgJour[2][2], lundi);
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 0);
    EXPECT_TRUE(Modifie());
    Regle("VScrollZone", 0); // le tampon reste
    Clique("CmdPASTE");
    EXPECT_EQ(Prog().ProgJour[0][0], lundi);
}

TEST_F(Zone, ReglesDOrdreDesTemperatures) {
    Pose([&](Programme& p) { p.TempZone[0] = {168, 164, 163, 145}; });
    F().Zone().AfficheTemperature();
    Doc().MarqueEnregistre();
    const QRectF barre = TwipsDe(Controle<QFrame>(NomIndexe("ShTemp", 9)));
    // Confort >= éco >= hors gel : chaque barre entraînée garde aussi sa valeur.
    Regle(NomIndexe("VScroll3", 0), 162);
    EXPECT_EQ(Prog().TempZone[0], (Temperatures{162, 162, 162, 145}));
    Attend({162, 162, 162, 145}, " 17°C| 17°C| 17°C| 8.5°C");
    EXPECT_EQ(TwipsDe(Controle<QFrame>(NomIndexe("ShTemp", 9))).left(), barre.left());
    EXPECT_TRUE(Modifie());
    Regle(NomIndexe("VScroll3", 1), 170);
    Regle(NomIndexe("VScroll3", 2), 190);
    Regle(NomIndexe("VScroll3", 3), 129); // la quatrième ne suit aucune règle
    Regle(NomIndexe("VScroll3", 0), 128);
    EXPECT_EQ(Prog().TempZone[0], (Temperatures{128, 128, 128, 129}));
    // Document tenu par une transmission : rien n'est gardé, même si une barre bougeait.
    const auto prise = Doc().Tiens();
    Regle(NomIndexe("VScroll3", 0), 160);
    EXPECT_EQ(Prog().TempZone[0], (Temperatures{128, 128, 128, 129}));
}

TEST_F(Zone, ChangerDeZone) {
    Pose([&](Programme& p) {
        p.TempZone[1] = {250, 100, -5, 198};
    }); // hors plage : ramenées à l'affichage
    Pose([&](Programme& p) {
        p.TempZone[2] = {150, 170, 190, 130};
    }); // désordre venu d'un fichier : gardé
    Pose([&](Programme& p) { p.IdentZone = {4660, 17, -3}; });
    Regle("VScJour", 3);
    Regle("HScroll1", 77);
    Regle("VScrollZone", 1);
    EXPECT_EQ(Controle<QLineEdit>("TextZone")->text(), "1");
    EXPECT_EQ(Prog().TempZone[1], (Temperatures{198, 128, 128, 198}));
    Attend({198, 128, 128, 198}, " 35°C| 0°C| 0°C| 35°C");
    EXPECT_EQ(Controle<QLineEdit>("TextID")->text(), "17");
    Regle("VScrollZone", 2);
    EXPECT_EQ(Prog().TempZone[2], (Temperatures{150, 170, 190, 130}));
    Attend({150, 170, 190, 130}, " 11°C| 21°C| 31°C| 1°C");
    Regle("VScrollZone", 3); // après la zone 2, la zone 0, lundi à 0H00
    EXPECT_EQ(Barre("VScrollZone")->Valeur(), 0);
    EXPECT_EQ(Doc().Zone(), 0);
    EXPECT_EQ(Doc().Jour(), 0);
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 0);
    EXPECT_EQ(Controle<QLineEdit>("TextID")->text(), "4660");
    EXPECT_FALSE(Modifie());

    // Flèche haute : la zone suivante, la zone 0 après la 2 ; flèche basse : la précédente,
    // rien sous la zone 0. Une température monte d'un demi-degré à la flèche haute.
    const auto fleche = [](BarreDefilement* barre, bool haute) {
        barre->triggerAction(haute ? QAbstractSlider::SliderSingleStepSub
                                   : QAbstractSlider::SliderSingleStepAdd);
    };
    for (const auto& [haute, zone] :
         {std::pair{false, 0}, {true, 1}, {true, 2}, {true, 0}, {true, 1}, {false, 0}}) {
        fleche(Barre("VScrollZone"), haute);
        EXPECT_EQ(Doc().Zone(), zone) << haute;
    }
    fleche(Barre(NomIndexe("VScroll3", 0)), true);
    fleche(Barre(NomIndexe("VScroll3", 3)), false);
    EXPECT_EQ(Prog().TempZone[0], (Temperatures{170, 165, 140, 144}));
}

TEST_F(Zone, NouvelIdentifiant) {
    const BoiteVue question{QStringLiteral("Voulez-vous changer l'Identificateur de la zone?"),
                            Boutons::OuiNon, Icone::Critique, QStringLiteral("CONFIGURATION")};
    Pose([&](Programme& p) { p.IdentZone = {100, 200, 215}; });
    for (const Bouton reponse : {Bouton::Non, Bouton::Aucun}) {
        plateforme.AttendBoite(question, reponse);
        Clique("CmdID");
        EXPECT_EQ(Prog().IdentZone[0], 100);
        EXPECT_FALSE(Modifie());
    }
    plateforme.AttendBoite(question, Bouton::Oui);
    plateforme.AttendAleatoire(200.5 / 65535); // tire 200 = zone 1, puis 215 = zone 2
    Clique("CmdID");
    EXPECT_EQ(Prog().IdentZone, (std::array<qint32, 3>{230, 200, 215}));
    EXPECT_EQ(Controle<QLineEdit>("TextID")->text(), " 230");
    EXPECT_TRUE(Modifie());
    // 65534 = zone 1, puis 13 = zone 2 (65549 lu d'un fichier, gardé tel quel) : 28 affiché,
    // 28 envoyé.
    Pose([&](Programme& p) { p.IdentZone = {100, 65534, 65549}; });
    plateforme.AttendBoite(question, Bouton::Oui);
    plateforme.AttendAleatoire(0.99999999);
    Clique("CmdID");
    EXPECT_EQ(Prog().IdentZone, (std::array<qint32, 3>{28, 65534, 65549}));
    EXPECT_EQ(Controle<QLineEdit>("TextID")->text(), " 28");
}

namespace {
// Barres de la semaine : position, taille et visibilité, pour voir l'écran suivre l'historique.
QStringList Barres(FenetrePrincipale& f) {
    QStringList vues;
    for (QFrame* b : f.findChildren<QFrame*>(QRegularExpression("^ShTemp\\(")))
        vues << (b->isHidden() ? QStringLiteral("-") : QDebug::toString(TwipsDe(b)));
    return vues;
}
} // namespace

TEST_F(Zone, AnnulerEtRetablirChaqueEdition) {
    const BoiteVue question{QStringLiteral("Voulez-vous changer l'Identificateur de la zone?"),
                            Boutons::OuiNon, Icone::Critique, QStringLiteral("CONFIGURATION")};
    const std::pair<const char*, std::function<void()>> cas[] = {
        // Le neuvième segment coupé par la validation revient avec l'édition annulée.
        {"Conf.", [&] { plateforme.AttendBoite(BoiteHuit, Bouton::Ok), Clique("CmdHigh"); }},
        {"Eco/1H", [&] { Clique("Cmd1Hmoins"); }},
        {"CLS", [&] { Clique("CmdCLS"); }},
        {"Coller",
         [&] { Regle("VScJour", 5), Clique("CmdCopy"), Regle("VScJour", 0), Clique("CmdPASTE"); }},
        {"Clic droit", [&] { F().Semaine().Label2_MouseDown(0, 2); }},
        {"Température Confort", [&] { Regle("VScroll3(0)", 160); }}, // éco et hors gel suivent
        {"ID",
         [&] {
             plateforme.AttendBoite(question, Bouton::Oui), plateforme.AttendAleatoire(0.5);
             Clique("CmdID");
         }},
    };
    // Programme, état modifié, barres de la semaine, libellés d'"Annuler" et de "Rétablir".
    const auto etat = [this] {
        return std::make_tuple(Prog(), Modifie(), Barres(F()), Action("Annuler")->text(),
                               Action("Retablir")->text());
    };
    for (const auto& [nom, edite] : cas) {
        Prepare(Huit, 35);
        const auto avant = etat();
        edite();
        const auto apres = etat();
        const QString action = QStringLiteral(" « %1 »").arg(QString::fromUtf8(nom));
        ASSERT_NE(std::get<0>(apres), std::get<0>(avant)) << nom;
        EXPECT_EQ(std::get<3>(apres), "Annuler" + action);
        Choisit("Annuler");
        Choisit("Annuler"); // grisé : plus rien à défaire
        EXPECT_EQ(etat(), std::make_tuple(std::get<0>(avant), false, std::get<2>(avant),
                                          QStringLiteral("Annuler"), "Rétablir" + action))
            << nom;
        Choisit("Retablir");
        EXPECT_EQ(etat(), apres) << nom;
    }
}

TEST_F(Zone, HistoriqueEnregistrementNouveauEtZones) {
    QAction* annuler = Action("Annuler");
    // Une barre tenue à la souris : tous ses pas ne font qu'une édition.
    BarreDefilement* confort = Barre("VScroll3(0)");
    QMouseEvent appui(QEvent::MouseButtonPress, {1, 1}, {1, 1}, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(confort, &appui);
    for (int v : {172, 174, 176}) confort->ChangeValeur(v);
    QMouseEvent relache(QEvent::MouseButtonRelease, {1, 1}, {1, 1}, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(confort, &relache);
    Regle("VScroll3(0)", 178); // relâchée : un autre pas
    annuler->trigger();
    EXPECT_EQ(Prog().TempZone[0][0], 176);
    annuler->trigger();
    EXPECT_EQ(Prog().TempZone[0][0], 169);
    EXPECT_FALSE(annuler->isEnabled());

    // Sauvé au milieu : y revenir rend le programme non modifié, en deçà il l'est.
    Clique("CmdCLS");
    Choisit("SauvegardeFichier");
    Clique("Cmd1H");
    annuler->trigger();
    EXPECT_FALSE(Modifie());
    annuler->trigger();
    EXPECT_TRUE(Modifie());

    // Annuler montre le jour défait, ici lundi vu depuis jeudi.
    Clique("CmdCLS");
    Regle("VScJour", 3);
    annuler->trigger();
    EXPECT_EQ(Doc().Jour(), 0);
    EXPECT_EQ(Barre("VScJour")->Valeur(), 0);

    // Un changement de zone n'est pas une édition ; annuler montre la zone changée.
    Regle("VScrollZone", 2);
    const QByteArray lundiZone2 = Jour();
    Clique("CmdCLS");
    Regle("VScrollZone", 0);
    EXPECT_EQ(annuler->text(), "Annuler « CLS »");
    annuler->trigger();
    EXPECT_EQ(F().Zone().ZoneAffichee(), 2);
    EXPECT_EQ(Prog().ProgJour[2][0], lundiZone2);

    // "&Nouveau" vide l'historique, et aucun pas n'y est l'état enregistré.
    plateforme.AttendBoite(QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                           Bouton::Oui);
    Choisit("Nouveau");
    EXPECT_FALSE(annuler->isEnabled());
    Clique("CmdCLS");
    Clique("Cmd1H");
    annuler->trigger();
    EXPECT_TRUE(Modifie());
}

TEST_F(Zone, CopierLeJourVersPlusieursJoursEtZones) {
    // Neuf segments posés sans validation : chaque jour cible est validé, le neuvième coupé.
    QByteArray neuf = Huit;
    neuf[100] = '1';
    PoseJour(0, 0, neuf);
    const Programme avant = Prog();
    plateforme.AttendCopieJour(std::nullopt); // annulé : rien
    Choisit("CopieJourVers");
    EXPECT_EQ(Prog(), avant);
    EXPECT_FALSE(Action("Annuler")->isEnabled());

    CiblesCopie cibles;
    cibles.jours = {true, true, false, true, false, false, true};
    cibles.zones = {true, false, true};
    plateforme.AttendCopieJour(cibles);
    Choisit("CopieJourVers");
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d)
            EXPECT_EQ(Prog().ProgJour[z][d],
                      cibles.zones[z] && cibles.jours[d] ? Huit : avant.ProgJour[z][d])
                << z << " " << d;
    EXPECT_EQ(Doc().Zone(), 0);
    EXPECT_EQ(Doc().Jour(), 0);
    EXPECT_FALSE(Controle(NomIndexe("ShTemp", 3 * 8 + 7))->isHidden()) << "jeudi redessiné";
    EXPECT_EQ(Action("Annuler")->text(), "Annuler « Copier le jour vers… »");
    Choisit("Annuler"); // un seul pas pour toutes les cibles ; lundi, remontré, est recoupé
    Programme attendu = avant;
    attendu.ProgJour[0][0] = Huit;
    EXPECT_EQ(Prog(), attendu);
}
