// Les réglages (fichiers récents) : ce qui n'est pas un fichier à leur place est ignoré sans
// attendre ; un échec d'écriture se dit.
#include "support/Scenario.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

TEST(Reglages, CeQuiNEstPasUnFichierEstIgnoreSansAttendre) {
    const QString dossier =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/gestion-chauffage");
    const QString chemin = dossier + QStringLiteral("/gestion-chauffage.conf");
    const auto retire = [&] {
        QFile::remove(chemin);
        QDir().rmdir(chemin);
        QDir().rmdir(dossier);
        QFile::remove(dossier);
    };
    // À la place des réglages : un tube (QSettings y attendrait un écrivain pour toujours), un
    // dossier, un lien vers un périphérique ; ou, à la place de leur dossier, un fichier : les
    // réglages ne s'écrivent pas, et la boîte le dit.
    const std::pair<const char*, std::function<bool()>> cas[] = {
        {"tube", [&] { return QDir().mkpath(dossier) && CreeTube(chemin); }},
        {"dossier", [&] { return QDir().mkpath(chemin); }},
        {"lien", [&] { return QDir().mkpath(dossier) && QFile::link("/dev/zero", chemin); }},
        {"fichier", [&] { return QFile(dossier).open(QIODevice::WriteOnly); }},
    };
    for (const auto& [genre, pose] : cas) {
        Scenario s;
        retire();
        ASSERT_TRUE(pose()) << genre;
        // Bloqué, le test est tué au bout de 20 s au lieu d'attendre sans fin.
        ::alarm(20);
        const bool boite = genre == std::string("fichier");
        const QString vu = s.Joue(QStringLiteral("> demarre\n> dialogue copie.prg\n%1> menu "
                                                 "SauverComme\n> montre FichiersRecents\n")
                                      .arg(boite ? "> boite Ok\n" : ""));
        ::alarm(0);
        // Réglages ignorés : aucun fichier récent ; non écrits : ceux de la session restent.
        EXPECT_EQ(vu.contains("grisé « Fichiers récents »"), !boite) << genre << vu.toStdString();
        EXPECT_TRUE(s.dossier.Existe("copie.prg")) << genre;
        EXPECT_EQ(vu.contains("** ECRITURE IMPOSSIBLE **\\r\\n\\r\\n" + chemin +
                              "\\r\\nLes fichiers récents n'ont pas pu y être retenus. » -> Ok"),
                  boite)
            << genre << vu.toStdString();
        EXPECT_FALSE(QFileInfo(chemin).isFile()) << genre;
        retire();
    }
}
