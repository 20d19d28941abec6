// Le dossier des données : à côté d'une construction inscriptible, sinon "~", garni des
// exemples qui y manquent sans écraser ceux de l'utilisateur.
#include "plateforme/DossierDonnees.h"
#include "support/Impression.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DossierDonnees, ChoixEtCopieDesExemples) {
    // Fichiers "nom=contenu" séparés par "|" ; après, un contenu vide : fichier absent.
    const QString installe = "usr/share/gestion-chauffage/data.prg=exemple|"
                             "usr/share/gestion-chauffage/VK472.CFG= 0 ";
    const std::tuple<QString, bool, QString, QString> cas[] = {
        {"", true, "usr/bin", "~="},
        // Root peut écrire dans /usr/bin : installé, on n'y va pas.
        {installe, true, "~", "~/data.prg=exemple|~/VK472.CFG= 0 |usr/bin/data.prg="},
        {installe + "|~/data.prg=mien", false, "~", "~/data.prg=mien|~/VK472.CFG= 0 "},
        {"usr/bin/data.prg=local", false, "~", "~/data.prg=local|~/VK472.CFG="},
        // Dossier personnel impossible à créer : l'exemple est lu en place.
        {installe + "|home=un fichier", false, "usr/share/gestion-chauffage", ""},
    };
    for (const auto& [avant, inscriptible, attendu, apres] : cas) {
        QTemporaryDir temporaire;
        const QDir racine(temporaire.path());
        const auto chemin = [&racine](const QString& nom) {
            return racine.filePath(QString(nom).replace('~', "home/gc"));
        };
        ASSERT_TRUE(racine.mkpath(QStringLiteral("usr/bin")));
        for (const QString& f : avant.split('|', Qt::SkipEmptyParts)) {
            const QString nom = f.section('=', 0, 0);
            QDir().mkpath(QFileInfo(chemin(nom)).path());
            QFile fichier(chemin(nom));
            ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
            fichier.write(f.section('=', 1).toUtf8());
            if (nom.startsWith("usr/share")) fichier.setPermissions(QFile::ReadOwner);
        }
        const auto ecrit = [oui = inscriptible](const QString&) { return oui; };
        EXPECT_EQ(DossierDonnees(chemin("usr/bin"), chemin("~"), ecrit), chemin(attendu));
        for (const QString& f : apres.split('|', Qt::SkipEmptyParts)) {
            QFile fichier(chemin(f.section('=', 0, 0)));
            const QByteArray contenu = f.section('=', 1).toUtf8();
            const std::string quoi = (attendu + " : " + f).toStdString();
            EXPECT_EQ(fichier.exists(), !contenu.isEmpty()) << quoi;
            if (contenu.isEmpty()) continue;
            EXPECT_TRUE(fichier.open(QIODevice::ReadOnly) && fichier.readAll() == contenu) << quoi;
            // Un exemple en lecture seule devient modifiable une fois copié.
            EXPECT_TRUE(fichier.permissions() & QFile::WriteOwner) << quoi;
        }
    }
}
