// limites.prg : valeurs hors bornes, jours de toute longueur ; une écriture ratée ne perd rien.
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "plateforme/EcritureAtomique.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Au-delà de "octets", l'écriture échoue (EFBIG, comme un disque plein) ; SIGXFSZ ignoré.
QString EcritAvecLimite(rlim_t octets, const QString& chemin, const QByteArray& contenu) {
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{octets, avant.rlim_max};
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const QString cause = EcritFichierAtomique(chemin, contenu);
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal);
    return cause;
}
} // namespace

TEST(EcritureFichierProgramme, ProgrammeEtExportsCommeEcritsEnClair) {
    const QByteArray fichier = DonneeTest(QStringLiteral("limites.prg"));
    const ResultatLecture lu = LireFichierProgramme(fichier);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    const Programme& p = lu.programme;
    EXPECT_EQ(EcrireFichierProgramme(p, "GESTION CHAUFFAGE -VK472- V1.50"), fichier);
    // Aux bornes de 32 bits, et zéro avec son blanc de signe.
    const QByteArray bornes = QByteArray(fichier)
                                  .replace(" 4660 ", "-2147483648 ")
                                  .replace(" 70000 ", " 2147483647 ")
                                  .replace("-2 ", " 0 ");
    EXPECT_EQ(EcrireFichierProgramme(LireFichierProgramme(bornes).programme,
                                     "GESTION CHAUFFAGE -VK472- V1.50"),
              bornes);
    EXPECT_EQ(ExportFcb(p), DonneeTest(QStringLiteral("limites.FCB")));
    EXPECT_EQ(ExportXls(p), DonneeTest(QStringLiteral("limites.xls")));
}

// Sans temporaire possible à côté : écrit en place, trop gros refusé avant de toucher l'ancien
// contenu, lecture seule dit. Tourne sans droits par "EcritureSansDroits" (root passe outre).
TEST(EcritureAtomique, DossierEnLectureSeuleFichierModifiable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien contenu, plus long que le nouveau");
    dossier.Ecrit("fige.prg", "fige");
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("fige.prg"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(), QFile::ReadOwner | QFile::ExeOwner));
    PlateformeFactice plateforme(dossier.Chemin());
    const QString entete = QStringLiteral("** SAUVEGARDE IMPOSSIBLE **");
    EXPECT_TRUE(EcritFichierEntier(plateforme, dossier.Fichier("data.prg"), "nouveau", entete));
    EXPECT_EQ(EcritAvecLimite(4096, dossier.Fichier("data.prg"), QByteArray(5000, 'x')),
              "Fichier trop gros.");
    EXPECT_EQ(dossier.Lit("data.prg"), "nouveau");
    plateforme.Reponses = {Bouton::Ok};
    EXPECT_FALSE(EcritFichierEntier(plateforme, dossier.Fichier("fige.prg"), "x", entete));
    EXPECT_EQ(plateforme.Boites.at(0).texte,
              entete + "\r\n\r\n" + dossier.Fichier("fige.prg") + "\r\nFichier en lecture seule.");
    EXPECT_EQ(dossier.Lit("fige.prg"), "fige");
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// Un échec à l'octet choisi : la cause dite, l'ancien fichier intact, aucun temporaire laissé ;
// à la limite exacte, tout est écrit. Droits gardés, un lien reste un lien.
TEST(EcritureAtomique, EchecALOctetChoisiSansRienPerdre) {
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien");
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("data.prg"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QFile::Permissions droits = QFile::permissions(dossier.Fichier("data.prg"));
    ASSERT_TRUE(QFile::link(dossier.Fichier("data.prg"), dossier.Fichier("lien.prg")));
    const std::tuple<const char*, rlim_t, int> cas[] = {
        {"data.prg", 100, 5000}, {"neuf.prg", 4096, 4097}, {"lien.prg", 4096, 4096}};
    for (const auto& [nom, plafond, taille] : cas) {
        const QByteArray avant = dossier.Lit(nom), octets(taille, 'x');
        const bool ecrit = static_cast<rlim_t>(taille) <= plafond;
        EXPECT_EQ(EcritAvecLimite(plafond, dossier.Fichier(nom), octets),
                  ecrit ? QString() : QStringLiteral("Fichier trop gros."))
            << nom;
        EXPECT_EQ(dossier.Lit(nom), ecrit ? octets : avant) << nom;
        EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList({"data.prg", "lien.prg"}))
            << nom;
    }
    EXPECT_TRUE(QFileInfo(dossier.Fichier("lien.prg")).isSymLink());
    EXPECT_EQ(QFile::permissions(dossier.Fichier("data.prg")), droits);
    // Un nom permis, de 255 octets, s'écrit aussi : son temporaire n'est pas plus long.
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier(QString(251, 'b') + ".prg"), "x"), QString());
}
