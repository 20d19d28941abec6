// Après chaque commande, depuis un jeudi de la zone 0 puis de la zone 1, le jour nommé et rouge
// et la zone affichée sont ceux que la commande suivante édite. Les textes des boîtes sont
// vérifiés par les scénarios fichier et demarrage ; ici, seulement qu'aucune n'est imprévue.
#include "model/Textes.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
struct Apres {
    int zone, jour;
};
struct Cas {
    const char* nom;
    const char* actions;            // séparées par « ; », réponses des boîtes comprises
    Apres depuisZone0, depuisZone1; // depuis un jeudi de la zone 0, de la zone 1
};
const Cas Commandes[] = {
    {"Nouveau, Oui", "boite Oui;menu Nouveau", {0, 0}, {0, 0}},
    {"Nouveau, Non", "boite Non;menu Nouveau", {0, 3}, {1, 3}},
    {"Lecture", "dialogue autre.prg;menu LectureData", {0, 0}, {0, 0}},
    {"Lecture annulée", "dialogue *.prg;menu LectureData", {0, 3}, {1, 3}},
    {"Lecture ratée, Abandon",
     "dialogue casse.prg;boite Abandonner;menu LectureData",
     {0, 3},
     {1, 3}},
    {"Lecture ratée, Ignorer, Oui",
     "dialogue casse.prg;boite Ignorer;boite Oui;menu LectureData",
     {0, 0},
     {0, 0}},
    {"Lecture ratée, Ignorer, Non",
     "dialogue casse.prg;boite Ignorer;boite Non;menu LectureData",
     {0, 3},
     {0, 0}},
    {"Lecture incompatible", "dialogue etranger.prg;boite Ok;menu LectureData", {0, 3}, {0, 0}},
    {"Sauvegarde", "menu SauvegardeFichier", {0, 3}, {1, 3}},
    {"Sauver comme", "dialogue copie.prg;menu SauverComme", {0, 3}, {1, 3}},
    {"Programmation", "boite Ok;menu ProgrammeTelecommande", {0, 3}, {1, 3}},
    {"Programme de test", "boite Ok;boite Ok;menu ProgrammeDeTest", {0, 3}, {1, 3}},
    {"Changement de zone", "barre VScrollZone 2", {2, 0}, {2, 0}},
    {"Effacement du jour", "clic CmdCLS", {0, 3}, {1, 3}},
    {"Clic sur le nom d'un jour", "souris Label2(5) gauche 2 2", {0, 5}, {1, 5}},
};

class JourMontre : public testing::TestWithParam<std::tuple<Cas, int>> {};

TEST_P(JourMontre, EstCeluiQueLaCommandeSuivanteEdite) {
    const auto& [cas, zone] = GetParam();
    Scenario s;
    // Le port ne s'ouvre pas ; curseur à 40 pour qu'une commande qui le remet se voie.
    s.Joue(
        QStringLiteral("> ecrit autre.prg @exemple\n"
                       "> ecrit casse.prg GESTION CHAUFFAGE -VK472- V1.50\\r\\n 1 169,165,\\r\\n\n"
                       "> ecrit etranger.prg UN AUTRE LOGICIEL\\r\\n\n"
                       "> port refuse Port série introuvable : COM1 (factice)\n> demarre\n"
                       "> barre VScrollZone %1\n> barre VScJour 3\n> barre HScroll1 40\n")
            .arg(zone));
    ASSERT_EQ(s.fenetre->Doc().Zone(), zone);
    ASSERT_EQ(s.fenetre->Doc().Jour(), 3);
    const size_t boites = s.plateforme.Boites.size(), dialogues = s.plateforme.Dialogues.size();
    const QString actions = QStringLiteral("> ") +
                            QString::fromUtf8(cas.actions).replace(';', QStringLiteral("\n> ")) +
                            '\n';
    const QString vu = s.Joue(actions);
    // Une boîte ou un dialogue de plus ou de moins prend une réponse imprévue ou en laisse une
    // non servie (« !! ») ; une commande grisée se note aussi.
    EXPECT_EQ(s.plateforme.Boites.size() - boites, size_t(actions.count(QLatin1String("> boite"))));
    EXPECT_EQ(s.plateforme.Dialogues.size() - dialogues,
              size_t(actions.count(QLatin1String("> dialogue"))));
    EXPECT_FALSE(vu.contains(QLatin1String("!!")) || vu.contains(QLatin1String("grisé")))
        << vu.toStdString();

    // « montre jour » vérifie aussi que la zone, les barres et le jour montrés sont ceux édités.
    const Apres a = zone == 0 ? cas.depuisZone0 : cas.depuisZone1;
    const QString montre = s.Joue(QStringLiteral("> montre jour\n"));
    EXPECT_EQ(s.fenetre->Doc().Zone(), a.zone);
    EXPECT_EQ(s.fenetre->Doc().Jour(), a.jour);
    EXPECT_TRUE(montre.contains(
        QStringLiteral("montré : « %1 », en rouge %1").arg(NomsDesJours().value(a.jour))))
        << montre.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Commandes, JourMontre, testing::Combine(testing::ValuesIn(Commandes), testing::Values(0, 1)),
    [](const testing::TestParamInfo<std::tuple<Cas, int>>& info) {
        QString nom = QString::fromUtf8(std::get<0>(info.param).nom);
        nom.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
        return QStringLiteral("%1_zone%2").arg(nom).arg(std::get<1>(info.param)).toStdString();
    });
} // namespace
