// Un fichier tenu par une autre fenêtre du programme (verrou) n'est pas remplacé en silence.
#include "files/PanneauFichier.h"
#include "support/Banc.h"

#include <QAction>
#include <unistd.h>

namespace {
// Une autre fenêtre sur le dossier du banc, avec les réponses prévues de ses boîtes.
struct Fenetre {
    Fenetre(const Banc& b, std::initializer_list<Bouton> reponses)
        : plateforme(b.dossier.Chemin()) {
        plateforme.Reponses = reponses;
        demarree = fenetre.Demarre();
    }
    void Menu(const char* nom) { fenetre.findChild<QAction*>(QLatin1String(nom))->trigger(); }

    PlateformeFactice plateforme;
    FenetrePrincipale fenetre{plateforme};
    bool demarree = false;
};
} // namespace

// Ailleurs, lecture seule : "&Sauvegarde" attend le fichier lâché et dit qui l'a changé ; "Sauver
// comme .." en sort. Verrou d'un mort ignoré ; un nom de 255 octets a le sien.
TEST(Ouverture, DeuxFenetresUnFichier) {
    Banc b;
    const DossierTest& d = b.dossier;
    d.Ecrit("data.prg", ProgrammeExemple());
    auto a = std::make_unique<Fenetre>(b, std::initializer_list<Bouton>{});
    Fenetre refusee(b, {Bouton::Aucun});
    EXPECT_TRUE(a->demarree && !refusee.demarree);
    EXPECT_EQ(refusee.plateforme.Boites.at(0).texte, "Le fichier data.prg est déjà ouvert dans une "
                                                     "autre fenêtre du programme. Voulez-vous "
                                                     "l'ouvrir en lecture seule ?");
    b.plateforme.Reponses = {Bouton::Oui, Bouton::Ok};
    EXPECT_TRUE(b.Demarre({}, false) && b.fenetre->windowTitle().endsWith(" (lecture seule)"));
    b.Doc().ChangeTemperature(0, 3, 146);
    b.Menu("SauvegardeFichier");
    EXPECT_TRUE(b.Boites().contains("Le fichier data.prg est ouvert en lecture seule"));
    EXPECT_EQ(d.Lit("data.prg"), ProgrammeExemple());
    a->fenetre.Doc().ChangeTemperature(0, 2, 150);
    a->Menu("SauvegardeFichier");
    a.reset();
    b.plateforme.Reponses = {Bouton::Oui};
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.Boites(), "Le fichier data.prg a été modifié par une autre fenêtre du programme "
                          "depuis sa lecture. Voulez-vous le remplacer ? -> Oui");
    EXPECT_FALSE(b.fenetre->windowTitle().endsWith(" (lecture seule)") || b.Doc().Modifie());
    EXPECT_NE(d.Lit("data.prg"), ProgrammeExemple());

    // La copie sort de la lecture seule, et c'est elle que la troisième fenêtre tient alors.
    Fenetre c(b, {Bouton::Oui});
    c.plateforme.Noms = {d.Fichier("copie.prg")};
    c.Menu("SauverComme");
    b.plateforme.Reponses = {Bouton::Ok};
    b.plateforme.Noms = {d.Fichier("copie.prg")};
    b.Menu("SauverComme");
    EXPECT_EQ(b.Boites(), "Le fichier copie.prg est ouvert dans une autre fenêtre du programme. "
                          "Choisissez un autre nom. -> Ok");

    d.Ecrit("autre.prg", ProgrammeExemple().replace(" 4660 ", " 1234 "));
    d.Ecrit(".autre.prg.lock", "2147483646\ngestion-chauffage\n\n");
    EXPECT_TRUE(b.fenetre->Fichiers().OuvreFichier(d.Fichier("autre.prg"))); // sans boîte
    EXPECT_EQ(d.Lit(".autre.prg.lock").split('\n').value(0), QByteArray::number(::getpid()));

    const QString nomLong = QString(251, 'l') + ".prg";
    d.Ecrit(nomLong, ProgrammeExemple());
    EXPECT_TRUE(b.fenetre->Fichiers().OuvreFichier(d.Fichier(nomLong)));
    c.plateforme.Reponses = {Bouton::Non};
    EXPECT_FALSE(c.fenetre.Fichiers().OuvreFichier(d.Fichier(nomLong)));
    EXPECT_TRUE(
        c.plateforme.Boites.back().texte.startsWith("Le fichier " + nomLong + " est déjà ouvert"));
}

// Sans boîte (elle ferait échouer). Tourne sans droits par "VerrouSansDroits" : root passe outre.
TEST(Ouverture, DossierSansVerrouPossible) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    Banc a;
    a.dossier.Ecrit("data.prg", ProgrammeExemple());
    ASSERT_TRUE(QFile::setPermissions(a.dossier.Chemin(), QFile::ReadOwner | QFile::ExeOwner));
    Fenetre b(a, {});
    EXPECT_TRUE(a.Demarre({}, false) && b.demarree);
    ASSERT_TRUE(QFile::setPermissions(a.dossier.Chemin(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}
