// Le dossier des données : à côté d'une construction inscriptible, sinon le dossier
// personnel ("~"), garni des exemples qui y manquent sans écraser ceux de l'utilisateur.
#include "plateforme/DossierDonnees.h"
#include "support/Impression.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

TEST(DossierDonnees, ChoixEtCopieDesExemples) {
    using Fichiers = std::map<QString, QByteArray>; // contenu vide : fichier absent
    // Exemples installés, en lecture seule, à côté de usr/bin (l'exécutable).
    const Fichiers installe{{"usr/share/gestion-chauffage/data.prg", "exemple"},
                            {"usr/share/gestion-chauffage/VK472.CFG", " 0 \r\n"}};
    Fichiers mien = installe, sansDossierPersonnel = installe;
    mien["~/data.prg"] = "mien";
    sansDossierPersonnel["home"] = "un fichier";
    const std::tuple<Fichiers, bool, QString, Fichiers> cas[] = {
        {{}, true, "usr/bin", {{"~", ""}}},
        // Root peut écrire dans /usr/bin : installé, on n'y va pas.
        {installe,
         true,
         "~",
         {{"~/data.prg", "exemple"}, {"~/VK472.CFG", " 0 \r\n"}, {"usr/bin/data.prg", ""}}},
        {mien, false, "~", {{"~/data.prg", "mien"}, {"~/VK472.CFG", " 0 \r\n"}}},
        {{{"usr/bin/data.prg", "local"}},
         false,
         "~",
         {{"~/data.prg", "local"}, {"~/VK472.CFG", ""}}},
        // Dossier personnel impossible à créer : l'exemple est lu en place.
        {sansDossierPersonnel, false, "usr/share/gestion-chauffage", {}},
    };
    for (const auto& [avant, inscriptible, attendu, apres] : cas) {
        QTemporaryDir temporaire;
        const QDir racine(temporaire.path());
        const auto chemin = [&racine](QString nom) {
            return racine.filePath(nom.replace(QLatin1Char('~'), QLatin1String("home/gc")));
        };
        ASSERT_TRUE(racine.mkpath(QStringLiteral("usr/bin")));
        for (const auto& [nom, contenu] : avant) {
            QDir().mkpath(QFileInfo(chemin(nom)).path());
            QFile f(chemin(nom));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
            if (nom.startsWith(QLatin1String("usr/share"))) f.setPermissions(QFile::ReadOwner);
        }
        const auto ecrit = [oui = inscriptible](const QString&) { return oui; };
        EXPECT_EQ(DossierDonnees(chemin("usr/bin"), chemin("~"), ecrit), chemin(attendu));
        for (const auto& [nom, contenu] : apres) {
            QFile f(chemin(nom));
            const std::string quoi = (attendu + " : " + nom).toStdString();
            EXPECT_EQ(f.exists(), !contenu.isEmpty()) << quoi;
            if (contenu.isEmpty()) continue;
            EXPECT_TRUE(f.open(QIODevice::ReadOnly) && f.readAll() == contenu) << quoi;
            // Un exemple en lecture seule devient modifiable une fois copié.
            EXPECT_TRUE(f.permissions() & QFile::WriteOwner) << quoi;
        }
    }
}

TEST(DossierDonnees, EmplacementsDuGuide) {
    const QString usr = QStringLiteral("/usr/share/doc/gestion-chauffage/guide.html");
    const std::pair<QString, QStringList> cas[] = {
        {"/home/gc/build",
         {"/home/gc/build/guide/guide.html", "/home/gc/share/doc/gestion-chauffage/guide.html",
          usr}},
        {"/usr/bin", {"/usr/bin/guide/guide.html", usr}},
        {"/opt/gc/bin",
         {"/opt/gc/bin/guide/guide.html", "/opt/gc/share/doc/gestion-chauffage/guide.html", usr}},
    };
    for (const auto& [executable, attendus] : cas)
        EXPECT_EQ(EmplacementsGuide(executable), attendus) << executable.toStdString();
}
