// Un fichier tenu par une autre fenêtre du programme (verrou) n'est pas remplacé en silence.
#include "files/PanneauFichier.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// Une fenêtre démarrée sur le dossier, avec les réponses prévues de ses boîtes.
struct Fenetre {
    Fenetre(const DossierTest& dossier, std::initializer_list<Bouton> reponses)
        : plateforme(dossier.Chemin()) {
        plateforme.Reponses = reponses;
        demarree = fenetre.Demarre();
    }
    void Menu(const char* nom) { fenetre.findChild<QAction*>(QLatin1String(nom))->trigger(); }
    bool LectureSeule() const { return fenetre.windowTitle().endsWith(" (lecture seule)"); }

    PlateformeFactice plateforme;
    FenetrePrincipale fenetre{plateforme};
    bool demarree = false;
};

struct Ouverture : testing::Test {
    Ouverture() { dossier.Ecrit("data.prg", ProgrammeExemple()); }
    DossierTest dossier;
};
} // namespace

// Ailleurs, lecture seule : "&Sauvegarde" attend le fichier lâché et dit qui l'a changé ; "Sauver
// comme .." en sort. Verrou d'un mort ignoré ; un nom de 255 octets a le sien.
TEST_F(Ouverture, DeuxFenetresUnFichier) {
    auto a = std::make_unique<Fenetre>(dossier, std::initializer_list<Bouton>{});
    Fenetre refusee(dossier, {Bouton::Aucun});
    EXPECT_TRUE(a->demarree && !refusee.demarree);
    EXPECT_EQ(refusee.plateforme.Boites.at(0).texte, "Le fichier data.prg est déjà ouvert dans une "
                                                     "autre fenêtre du programme. Voulez-vous "
                                                     "l'ouvrir en lecture seule ?");

    Fenetre b(dossier, {Bouton::Oui, Bouton::Ok});
    EXPECT_TRUE(b.demarree && b.LectureSeule());
    b.fenetre.Doc().ChangeTemperature(0, 3, 146);
    b.Menu("SauvegardeFichier");
    EXPECT_TRUE(b.plateforme.Boites.at(1).texte.startsWith("Le fichier data.prg est ouvert en "
                                                           "lecture seule"));
    EXPECT_EQ(dossier.Lit("data.prg"), ProgrammeExemple());
    a->fenetre.Doc().ChangeTemperature(0, 2, 150);
    a->Menu("SauvegardeFichier");
    a.reset();
    b.plateforme.Reponses = {Bouton::Oui};
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.plateforme.Boites.at(2).texte, "Le fichier data.prg a été modifié par une autre "
                                               "fenêtre du programme depuis sa lecture. "
                                               "Voulez-vous le remplacer ?");
    EXPECT_FALSE(b.LectureSeule() || b.fenetre.Doc().Modifie());
    EXPECT_NE(dossier.Lit("data.prg"), ProgrammeExemple());

    // La copie sort de la lecture seule, et c'est elle que la troisième fenêtre tient alors.
    Fenetre c(dossier, {Bouton::Oui});
    c.plateforme.Noms = {dossier.Fichier("copie.prg")};
    c.Menu("SauverComme");
    b.plateforme.Reponses = {Bouton::Ok};
    b.plateforme.Noms = {dossier.Fichier("copie.prg")};
    b.Menu("SauverComme");
    EXPECT_EQ(b.plateforme.Boites.at(3).texte, "Le fichier copie.prg est ouvert dans une autre "
                                               "fenêtre du programme. Choisissez un autre nom.");

    dossier.Ecrit("autre.prg", ProgrammeExemple().replace(" 4660 ", " 1234 "));
    dossier.Ecrit(".autre.prg.lock", "2147483646\ngestion-chauffage\n\n");
    EXPECT_TRUE(b.fenetre.Fichiers().OuvreFichier(dossier.Fichier("autre.prg")));
    EXPECT_EQ(b.plateforme.Boites.size(), 4u);
    EXPECT_EQ(dossier.Lit(".autre.prg.lock").split('\n').value(0), QByteArray::number(::getpid()));

    const QString nomLong = QString(251, 'l') + ".prg";
    dossier.Ecrit(nomLong, ProgrammeExemple());
    EXPECT_TRUE(b.fenetre.Fichiers().OuvreFichier(dossier.Fichier(nomLong)));
    c.plateforme.Reponses = {Bouton::Non};
    EXPECT_FALSE(c.fenetre.Fichiers().OuvreFichier(dossier.Fichier(nomLong)));
    EXPECT_TRUE(
        c.plateforme.Boites.back().texte.startsWith("Le fichier " + nomLong + " est déjà ouvert"));
}

// Tourne sans droits par "VerrouSansDroits" (ctest) : root passe outre.
TEST_F(Ouverture, DossierSansVerrouPossible) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(), QFile::ReadOwner | QFile::ExeOwner));
    Fenetre a(dossier, {}), b(dossier, {});
    EXPECT_TRUE(a.demarree && b.demarree && !b.LectureSeule());
    EXPECT_TRUE(a.plateforme.Boites.empty() && b.plateforme.Boites.empty());
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}
