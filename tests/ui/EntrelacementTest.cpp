// Une édition ouverte (trait, flèche tenue, frappe), puis une autre commande : l'édition se ferme
// d'abord, en un pas ; « modifié » dit vrai ; défaire et refaire ne passent que par des états vus.
#include "files/FichierProgramme.h"
#include "files/PanneauFichier.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <gtest/gtest.h>
#include <vector>

namespace {
struct Geste {
    const char* nom;
    const char* ouvre; // l'édition reste ouverte après ces actions (séparées par « ; »)
    const char* finit; // la suite du geste, après la commande
};
const Geste Gestes[] = {
    {"trait", "tiens FrameTemp(0) gauche 10 20;glisse FrameTemp(0) 300 20",
     "glisse FrameTemp(0) 500 130;lache FrameTemp(0) gauche 500 130"},
    {"fleche", "tiens VScroll3(0) gauche 5 3", "lache VScroll3(0) gauche 5 3"},
    {"saisie", "souris Text2(0) gauche 5 5 double;tape Text2(0) 25", "touche Text2(0) Entree"},
};

struct Cas {
    const char* nom;
    const char* commande; // précédée de ses réponses (boîtes, dialogues)
};
const Cas Commandes[] = {
    {"annuler", "raccourci Ctrl+Z"},
    {"sauvegarde", "raccourci Ctrl+S"},
    {"lecture", "boite Non;dialogue data.prg;raccourci Ctrl+O"},
    {"horaires", "horaires 6H00-8H00||||||;raccourci Ctrl+H"},
    {"zone_barre", "barre VScrollZone 1"},
    {"autre_temperature", "molette VScroll3(1) haut"},
    {"clic_droit_texte", "souris Text2(1) droit 5 5"},
    {"envoi", "boite Ok;boite Ok;boite Ok;raccourci Alt+P;menu ProgrammeTelecommande"},
    {"perte_focus", "desactive"},
};

class Entrelacement : public testing::TestWithParam<std::tuple<Geste, Cas>> {};

TEST_P(Entrelacement, LaCommandeFermeDAbordLEdition) {
    const auto& [geste, cas] = GetParam();
    Scenario s;
    s.Vu(QStringLiteral("demarre"));
    const Document& doc = s.fenetre->Doc();
    std::vector<Programme> vus{doc.Prog()};
    QString journal; // ce qu'on a vu après chaque pas, boîtes comprises
    const auto joue = [&](const char* actions) {
        journal += s.Vu(QString::fromUtf8(actions)) + '\n';
        vus.push_back(doc.Prog());
    };
    // Une édition close s'est montrée, ne serait-ce qu'un instant, avant la commande qui suit.
    QObject::connect(&doc, &Document::Editee,
                     [&vus](const QString&, const Programme&, const Programme& apres, quint64,
                            quint64) { vus.push_back(apres); });
    // Déjà modifié : les commandes qui remplacent le programme posent leur question.
    joue("clic CmdHigh");
    joue(geste.ouvre);
    ASSERT_TRUE(doc.EditionLongueOuverte()) << journal.toStdString();
    joue(cas.commande);
    const Programme apresCommande = doc.Prog();
    EXPECT_FALSE(doc.EditionLongueOuverte()) << journal.toStdString();
    joue(geste.finit);
    EXPECT_TRUE(doc.Prog() == apresCommande) << journal.toStdString();
    // Chaque boîte attendue a eu sa réponse, et aucune autre ne s'est montrée.
    EXPECT_FALSE(journal.contains(QStringLiteral("imprévue")) ||
                 journal.contains(QStringLiteral("jamais servis")))
        << journal.toStdString();

    // "Modifié" exactement quand la mémoire diffère du fichier, à chaque pas défait ou refait.
    const QString chemin = s.fenetre->Fichiers().CheminFichier();
    const auto contenu = LitContenuFichierProgramme(
        chemin.isEmpty() ? s.dossier.Fichier(QStringLiteral("data.prg")) : chemin);
    ASSERT_TRUE(contenu.has_value());
    const Programme fichier = LireFichierProgramme(*contenu).programme;
    const auto modifieDitVrai = [&] { return doc.Modifie() == !(fichier == doc.Prog()); };
    EXPECT_TRUE(modifieDitVrai());

    // Tout défaire puis refaire autant : rien que des états vus, et l'on revient au dernier.
    const Programme fin = doc.Prog();
    auto* annuler = s.fenetre->findChild<QAction*>(QStringLiteral("Annuler"));
    int annulations = 0;
    for (; annulations < 20 && annuler->isEnabled(); ++annulations) {
        annuler->trigger();
        EXPECT_NE(std::find(vus.begin(), vus.end(), doc.Prog()), vus.end()) << annulations;
        EXPECT_TRUE(modifieDitVrai()) << "annulation " << annulations;
    }
    for (int i = 0; i < annulations; ++i) {
        s.fenetre->findChild<QAction*>(QStringLiteral("Retablir"))->trigger();
        EXPECT_TRUE(modifieDitVrai()) << "rétablissement " << i;
    }
    EXPECT_TRUE(doc.Prog() == fin);
    s.Joue(QStringLiteral("> montre jour\n"));
}

std::string NomDuCas(const testing::TestParamInfo<std::tuple<Geste, Cas>>& info) {
    return std::string(std::get<0>(info.param).nom) + "_" + std::get<1>(info.param).nom;
}
INSTANTIATE_TEST_SUITE_P(Table, Entrelacement,
                         testing::Combine(testing::ValuesIn(Gestes), testing::ValuesIn(Commandes)),
                         NomDuCas);
// Une touche du graphique pendant un trait ou une flèche tenue (pendant une frappe, elle va
// au champ).
INSTANTIATE_TEST_SUITE_P(Touche, Entrelacement,
                         testing::Combine(testing::Values(Gestes[0], Gestes[1]),
                                          testing::Values(Cas{"conf_touche", "raccourci C"})),
                         NomDuCas);
} // namespace
