// Le dossier des données, garni des exemples sans écraser ceux de l'utilisateur.
#include "plateforme/DossierDonnees.h"
#include "support/Dossier.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(DossierDonnees, ChoixCopieDesExemplesEtFichiersDuProgramme) {
    DossierTest d;
    const QString bin = d.Fichier("usr/bin"), home = d.Fichier("home/gc"),
                  installe = d.Fichier("usr/share/gestion-chauffage");
    const auto inscriptible = [](const QString&) { return true; };
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(installe));
    // Rien d'installé : à côté de la construction si elle est inscriptible, sinon dans "~".
    d.Ecrit("usr/bin/data.prg", "local");
    EXPECT_EQ(DossierDonnees(bin, home, inscriptible), bin);
    EXPECT_FALSE(QFile::exists(home));
    EXPECT_EQ(DossierDonnees(bin, home, [](const QString&) { return false; }), home);
    EXPECT_EQ(d.Lit("home/gc/data.prg"), "local");
    // Installé (root écrit dans /usr/bin : on n'y va pas) : le manquant copié.
    d.Ecrit("usr/share/gestion-chauffage/data.prg", "exemple");
    d.Ecrit("usr/share/gestion-chauffage/VK472.CFG", " 0 ");
    ASSERT_TRUE(QFile::setPermissions(installe + "/VK472.CFG", QFile::ReadOwner));
    EXPECT_EQ(DossierDonnees(bin, home, inscriptible), home);
    EXPECT_EQ(d.Lit("home/gc/data.prg") + d.Lit("home/gc/VK472.CFG"), "local 0 ");
    // Dossier personnel impossible à créer : l'exemple est lu en place.
    EXPECT_EQ(DossierDonnees(bin, home + "/data.prg/x", inscriptible), installe);
    // Ce que le programme écrit, sous tous ses noms (liens) ; une copie n'en est pas un.
    for (const char* nom : {"DataUc.FCB", "copie.prg"}) d.Ecrit(nom, "1,2");
    ASSERT_TRUE(QFile::link(d.Fichier("DataUc.FCB"), d.Fichier("symbolique.prg")) &&
                ::link(QFile::encodeName(d.Fichier("DataUc.FCB")),
                       QFile::encodeName(d.Fichier("dur.prg"))) == 0);
    for (const char* nom : {"DataUc.FCB", "symbolique.prg", "dur.prg", "VK472.CFG", "copie.prg"})
        EXPECT_EQ(EstFichierDuProgramme(d.Fichier(nom), d.Chemin()), nom != QString("copie.prg"))
            << nom;
}
