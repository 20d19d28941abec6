// Les réglages (fichiers récents) : un tube, un dossier ou un lien vers un périphérique à leur
// place est ignoré sans attendre (QSettings attendrait un écrivain) ; un fichier à la place de
// leur dossier : non écrits, la boîte le dit.
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
        ::alarm(20); // bloqué, tué au lieu d'attendre sans fin
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
