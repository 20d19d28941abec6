// Ouvrir un autre programme ne perd rien : la sauvegarde est proposée d'abord.
#include "files/PanneauFichier.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {
const QString Question = QStringLiteral("Voulez-vous sauvegarder ?");

// Une fenêtre démarrée sur le dossier, avec les réponses prévues de ses boîtes.
struct Fenetre {
    Fenetre(const DossierTest& dossier, std::initializer_list<Bouton> reponses)
        : plateforme(dossier.Chemin()) {
        plateforme.Reponses = reponses;
        fenetre.Demarre();
    }
    QStringList Boites() const {
        QStringList textes;
        for (const BoiteVue& b : plateforme.Boites)
            textes << b.texte.section(QLatin1Char('\r'), 0, 0);
        return textes;
    }
    void Menu(const char* nom) { fenetre.findChild<QAction*>(QLatin1String(nom))->trigger(); }
    qint32 Identifiant() { return fenetre.Doc().Prog().IdentZone[0]; }

    PlateformeFactice plateforme;
    FenetrePrincipale fenetre{plateforme};
};

class Ouverture : public testing::Test {
protected:
    void SetUp() override {
        dossier.Ecrit("data.prg", ProgrammeExemple());
        dossier.Ecrit("autre.prg", ProgrammeExemple().replace(" 4660 ", " 1234 "));
    }
    DossierTest dossier;
};
} // namespace

// "&Lecture" et un fichier récent : Échap ne fait rien (pas même le dialogue), Non ouvre,
// Oui sauvegarde puis ouvre, et rien ne s'ouvre si la sauvegarde échoue.
TEST_F(Ouverture, ProposeDeSauvegarderAvantDOuvrir) {
    const struct {
        Bouton reponse;
        bool sauvegardeRatee, ouvert;
    } cas[] = {{Bouton::Aucun, false, false},
               {Bouton::Non, false, true},
               {Bouton::Oui, false, true},
               {Bouton::Oui, true, false}};
    for (const bool parMenu : {true, false})
        for (const auto& c : cas) {
            SCOPED_TRACE(testing::Message() << "menu " << parMenu << ", réponse "
                                            << NomsBoutons[static_cast<int>(c.reponse)]
                                            << (c.sauvegardeRatee ? ", sauvegarde ratée" : ""));
            dossier.Ecrit("data.prg", ProgrammeExemple());
            Fenetre f(dossier, {c.reponse, Bouton::Ok});
            f.fenetre.Doc().ChangeTemperature(3, 146);
            if (c.sauvegardeRatee) {
                QFile::remove(dossier.Fichier("data.prg"));
                QDir(dossier.Chemin()).mkdir("data.prg");
            }
            f.plateforme.Noms = {dossier.Fichier("autre.prg")};
            if (parMenu)
                f.Menu("LectureData");
            else
                f.fenetre.Fichiers().LectureRecente(dossier.Fichier("autre.prg"));

            ASSERT_FALSE(f.Boites().isEmpty());
            EXPECT_EQ(f.Boites().front(), Question);
            EXPECT_EQ(f.plateforme.Dialogues.size(), parMenu && c.ouvert ? 1u : 0u);
            EXPECT_EQ(f.Identifiant(), c.ouvert ? 1234 : 4660);
            EXPECT_EQ(f.fenetre.Doc().Modifie(), !c.ouvert);
            if (c.sauvegardeRatee)
                QDir(dossier.Chemin()).rmdir("data.prg");
            else
                EXPECT_EQ(dossier.Lit("data.prg") == ProgrammeExemple(), c.reponse != Bouton::Oui);
        }
}
