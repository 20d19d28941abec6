// Le programme et ses deux exports écrits octet pour octet comme les fichiers écrits en clair
// dans donnees/ : limites.prg (identifiants négatif et au-delà de 16 bits, températures hors
// bornes hors zone 0, jours court, vide, long, autres caractères, queue en confort).
#include "files/EcritureAtomique.h"
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "support/Dossier.h"
#include "support/Impression.h"
#include "support/PlateformeFactice.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(EcritureFichierProgramme, ProgrammeEtExportsCommeEcritsEnClair) {
    const QByteArray fichier = DonneeTest(QStringLiteral("limites.prg"));
    const ResultatLecture lu = LireFichierProgramme(fichier);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    // Relu puis réécrit à l'identique : chaque champ a été lu tel quel.
    const Programme& p = lu.programme;
    const QString titre = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");
    EXPECT_EQ(EcrireFichierProgramme(p, titre), fichier);
    EXPECT_EQ(ExportFcb(p), DonneeTest(QStringLiteral("limites.FCB")));
    EXPECT_EQ(ExportXls(p), DonneeTest(QStringLiteral("limites.xls")));

    // Aux bornes de 32 bits, et zéro avec son blanc de signe.
    const QByteArray bornes = QByteArray(fichier)
                                  .replace(" 4660 ", "-2147483648 ")
                                  .replace(" 70000 ", " 2147483647 ")
                                  .replace("-2 ", " 0 ");
    const ResultatLecture relu = LireFichierProgramme(bornes);
    ASSERT_EQ(relu.statut, StatutLecture::Lu);
    EXPECT_EQ(EcrireFichierProgramme(relu.programme, titre), bornes);
}

// Root passe outre les droits : ce test tourne sans droits par "EcritureSansDroits" (ctest).
TEST(EcritureAtomique, DossierEnLectureSeuleFichierModifiable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien contenu, plus long que le nouveau");
    dossier.Ecrit("fige.prg", "fige");
    const auto droits = [&](const QString& nom, QFile::Permissions p) {
        return QFile::setPermissions(nom.isEmpty() ? dossier.Chemin() : dossier.Fichier(nom), p);
    };
    ASSERT_TRUE(droits("fige.prg", QFile::ReadOwner));
    ASSERT_TRUE(droits("", QFile::ReadOwner | QFile::ExeOwner));
    PlateformeFactice plateforme(dossier.Chemin());
    const QString entete = QStringLiteral("** SAUVEGARDE IMPOSSIBLE **");
    // Pas de fichier temporaire possible à côté : écrit en place.
    EXPECT_TRUE(EcritFichierEntier(plateforme, dossier.Fichier("data.prg"), "nouveau", entete));
    EXPECT_EQ(dossier.Lit("data.prg"), "nouveau");
    // Ni un nouveau fichier, ni un fichier en lecture seule : la cause en français.
    for (const auto& [nom, cause] : {std::pair{"neuf.prg", "Accès refusé."},
                                     std::pair{"fige.prg", "Fichier en lecture seule."}}) {
        EXPECT_FALSE(EcritFichierEntier(plateforme, dossier.Fichier(nom), "x", entete));
        ASSERT_FALSE(plateforme.Boites.empty());
        EXPECT_EQ(plateforme.Boites.back().texte,
                  entete + "\r\n\r\n" + dossier.Fichier(nom) + "\r\n" + cause);
    }
    EXPECT_EQ(plateforme.Boites.size(), 2u);
    EXPECT_EQ(dossier.Lit("fige.prg"), "fige");
    EXPECT_FALSE(dossier.Existe("neuf.prg"));
    ASSERT_TRUE(droits("", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}
