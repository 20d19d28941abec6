// Le dossier des données : à côté d'une construction inscriptible, sinon "~", garni des
// exemples qui y manquent sans écraser ceux de l'utilisateur.
#include "plateforme/DossierDonnees.h"
#include "support/Impression.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void Ecrit(const QString& chemin, const QByteArray& contenu, bool lectureSeule = false) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(chemin).path()));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
    if (lectureSeule) f.setPermissions(QFile::ReadOwner);
}
QByteArray Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}
} // namespace

TEST(DossierDonnees, ChoixEtCopieDesExemples) {
    QTemporaryDir temporaire;
    const QDir racine(temporaire.path());
    const QString bin = racine.filePath("usr/bin"), home = racine.filePath("home/gc"),
                  installe = racine.filePath("usr/share/gestion-chauffage");
    const auto inscriptible = [](const QString&) { return true; };
    ASSERT_TRUE(racine.mkpath("usr/bin"));
    // Rien d'installé : à côté de la construction si elle est inscriptible, sinon dans "~",
    // l'exemple copié depuis elle.
    Ecrit(bin + "/data.prg", "local");
    EXPECT_EQ(DossierDonnees(bin, home, inscriptible), bin);
    EXPECT_FALSE(QFile::exists(home));
    EXPECT_EQ(DossierDonnees(bin, home, [](const QString&) { return false; }), home);
    EXPECT_EQ(Lit(home + "/data.prg"), "local");
    // Installé (root peut écrire dans /usr/bin : on n'y va pas) : ce qui manque est copié,
    // modifiable ; ce que l'utilisateur a reste.
    Ecrit(installe + "/data.prg", "exemple", true);
    Ecrit(installe + "/VK472.CFG", " 0 ", true);
    EXPECT_EQ(DossierDonnees(bin, home, inscriptible), home);
    EXPECT_EQ(Lit(home + "/data.prg"), "local");
    EXPECT_EQ(Lit(home + "/VK472.CFG"), " 0 ");
    EXPECT_TRUE(QFile::permissions(home + "/VK472.CFG") & QFile::WriteOwner);
    // Dossier personnel impossible à créer : l'exemple est lu en place.
    EXPECT_EQ(DossierDonnees(bin, home + "/data.prg/x", inscriptible), installe);
}
