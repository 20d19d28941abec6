// Une édition ouverte (trait, flèche tenue, frappe), puis une autre commande : l'édition se ferme
// d'abord, en un pas ; « modifié » dit vrai ; défaire et refaire ne passent que par des états vus.
#include "files/FichierProgramme.h"
#include "files/PanneauFichier.h"
#include "support/Banc.h"

#include <QtWidgets>

namespace {
using Action = std::function<void(Banc&)>;
#define G(...) [](Banc& b) { __VA_ARGS__; }
constexpr auto Appui = QEvent::MouseButtonPress, Relache = QEvent::MouseButtonRelease;

// Nom, ce qui ouvre l'édition (ouverte après), puis la suite du geste, après la commande.
using Geste = std::tuple<const char*, Action, Action>;
const Geste Gestes[] = {
    {"trait",
     G(b.Souris("FrameTemp(0)", Appui, Qt::LeftButton, {10, 20});
       b.Souris("FrameTemp(0)", QEvent::MouseMove, Qt::LeftButton, {300, 20})),
     G(b.Souris("FrameTemp(0)", QEvent::MouseMove, Qt::LeftButton, {500, 130});
       b.Souris("FrameTemp(0)", Relache, Qt::LeftButton, {500, 130}))},
    {"fleche", G(b.Souris("VScroll3(0)", Appui, Qt::LeftButton, {5, 3})),
     G(b.Souris("VScroll3(0)", Relache, Qt::LeftButton, {5, 3}))},
    {"saisie", G(b.Tape("Text2(0)", "25", "")), G(b.Touches("Text2(0)", "Entree Echap"))},
    {"clavier", G(b.Touches("TextID", "Entree"); b.W<QLineEdit>("TextID")->setText("99")),
     G(b.Touches("TextID", "Entree Echap"))},
};

// Nom, et la commande précédée de ses réponses (boîtes, dialogues).
using Cas = std::pair<const char*, Action>;
const Cas Commandes[] = {
    {"annuler", G(b.Raccourci("Ctrl+Z"))},
    {"sauvegarde", G(b.Raccourci("Ctrl+S"))},
    {"lecture", G(b.plateforme.Reponses = {Bouton::Non};
                  b.plateforme.Noms = {b.dossier.Fichier("data.prg")}; b.Raccourci("Ctrl+O"))},
    {"horaires", G(b.plateforme.Horaires = {LignesSemaine{"6H00-8H00"}}; b.Raccourci("Ctrl+H"))},
    {"zone_barre", G(b.Barre("VScrollZone", 1))},
    {"autre_temperature", G(QWidget* w = b.W("VScroll3(1)"); QWheelEvent roue(
                                {2, 2}, w->mapToGlobal(QPointF(2, 2)), {}, {0, 120}, Qt::NoButton,
                                Qt::NoModifier, Qt::NoScrollPhase, false);
                            QApplication::sendEvent(w, &roue))},
    {"clic_droit_texte", G(b.Appui("Text2(1)", Qt::RightButton, {5, 5}))},
    {"envoi", G(b.plateforme.Reponses = {Bouton::Ok, Bouton::Ok, Bouton::Ok}; b.Raccourci("Alt+P");
                b.Menu("ProgrammeTelecommande"))},
    {"saisie_clavier", G(b.Touches("Text2(1)", "Entree 1 6 Entree"))},
    {"perte_focus", G(QEvent desactivation(QEvent::WindowDeactivate);
                      QApplication::sendEvent(b.fenetre.get(), &desactivation))},
};

class Entrelacement : public testing::TestWithParam<std::tuple<Geste, Cas>> {};

TEST_P(Entrelacement, LaCommandeFermeDAbordLEdition) {
    const auto& [geste, cas] = GetParam();
    Banc b;
    b.Demarre();
    const Document& doc = b.Doc();
    std::vector<Programme> vus{doc.Prog()};
    // Une édition close s'est montrée, ne serait-ce qu'un instant, avant la commande qui suit.
    QObject::connect(&doc, &Document::Editee,
                     [&vus](const QString&, const Programme&, const Programme& apres, quint64,
                            quint64) { vus.push_back(apres); });
    const auto joue = [&](const Action& action) {
        action(b);
        vus.push_back(doc.Prog());
    };
    // Déjà modifié : les commandes qui remplacent le programme posent leur question.
    joue(G(b.Clic("CmdHigh")));
    joue(std::get<1>(geste));
    ASSERT_TRUE(doc.EditionLongueOuverte());
    joue(cas.second);
    const Programme apresCommande = doc.Prog();
    EXPECT_FALSE(doc.EditionLongueOuverte());
    joue(std::get<2>(geste));
    EXPECT_TRUE(doc.Prog() == apresCommande);

    // "Modifié" exactement quand la mémoire diffère du fichier, à chaque pas défait ou refait.
    const auto contenu = LitContenuFichierProgramme(b.fenetre->Fichiers().CheminFichier());
    ASSERT_TRUE(contenu.has_value());
    const Programme fichier = LireFichierProgramme(*contenu).programme;
    const auto modifieDitVrai = [&] { return doc.Modifie() == !(fichier == doc.Prog()); };
    EXPECT_TRUE(modifieDitVrai());

    // Tout défaire puis refaire autant : rien que des états vus, et l'on revient au dernier.
    const Programme fin = doc.Prog();
    int pas = 0;
    for (; pas < 20 && b.Menu("Annuler"); ++pas)
        EXPECT_TRUE(modifieDitVrai() && std::count(vus.begin(), vus.end(), doc.Prog())) << pas;
    while (pas-- > 0) EXPECT_TRUE(b.Menu("Retablir") && modifieDitVrai()) << pas;
    EXPECT_TRUE(doc.Prog() == fin);
    EXPECT_EQ(b.Ecart(), "");
}

std::string NomDuCas(const testing::TestParamInfo<std::tuple<Geste, Cas>>& info) {
    return std::string(std::get<0>(std::get<0>(info.param))) + "_" + std::get<1>(info.param).first;
}
INSTANTIATE_TEST_SUITE_P(Table, Entrelacement,
                         testing::Combine(testing::ValuesIn(Gestes), testing::ValuesIn(Commandes)),
                         NomDuCas);
} // namespace
