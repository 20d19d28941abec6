// limites.prg : valeurs hors bornes, jours de toute longueur ; une écriture ratée ne perd rien.
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "plateforme/EcritureAtomique.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <acl/libacl.h>
#include <csignal>
#include <cstring>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/acl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
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

// Ce qu'un remplacement doit garder : propriétaire, droits, ACL (le masque compris : les droits
// du groupe n'y gagnent rien), attribut étendu user.gc.
std::string CeQuIlTient(const QString& chemin) {
    const QByteArray c = QFile::encodeName(chemin);
    struct stat infos {};
    if (::stat(c.constData(), &infos) != 0) return "absent";
    std::string tient = std::to_string(infos.st_uid) + ':' + std::to_string(infos.st_gid) + ' ' +
                        std::to_string(infos.st_mode & 07777);
    if (acl_t acl = ::acl_get_file(c.constData(), ACL_TYPE_ACCESS)) {
        char* texte = ::acl_to_any_text(acl, nullptr, ',', 0);
        tient += std::string(" ") + (texte ? texte : "");
        ::acl_free(texte);
        ::acl_free(acl);
    }
    char valeur[16];
    const ssize_t n = ::getxattr(c.constData(), "user.gc", valeur, sizeof valeur);
    if (n >= 0) tient += " user.gc=" + std::string(valeur, static_cast<size_t>(n));
    return tient;
}

// Écrit sous un autre compte dans un processus à part (root seulement), ou ici même.
QString EcritSous(uid_t compte, const QString& chemin, const QByteArray& octets) {
    if (compte == ::geteuid()) return EcritFichierAtomique(chemin, octets);
    const pid_t fils = ::fork();
    if (fils == 0)
        ::_exit(::setgroups(0, nullptr) == 0 && ::setgid(compte) == 0 && ::setuid(compte) == 0 &&
                        EcritFichierAtomique(chemin, octets).isEmpty()
                    ? 0
                    : 1);
    int statut = 0;
    ::waitpid(fils, &statut, 0);
    return WIFEXITED(statut) && WEXITSTATUS(statut) == 0
               ? QString()
               : QStringLiteral("échec sous %1").arg(compte);
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

// Sans temporaire possible à côté : écrit en place, trop gros refusé l'ancien contenu remis,
// lecture seule dit. Tourne sans droits par "EcritureSansDroits" (root passe outre).
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
    // Deux liens durs : écrit en place, l'ancien contenu remis après l'échec.
    dossier.Ecrit("dur.prg", "ancien dur");
    ASSERT_EQ(::link(QFile::encodeName(dossier.Fichier("dur.prg")),
                     QFile::encodeName(dossier.Fichier("dur-2.prg"))),
              0);
    const std::tuple<const char*, rlim_t, int> cas[] = {{"data.prg", 100, 5000},
                                                        {"neuf.prg", 4096, 4097},
                                                        {"dur.prg", 100, 5000},
                                                        {"lien.prg", 4096, 4096}};
    for (const auto& [nom, plafond, taille] : cas) {
        const QByteArray avant = dossier.Lit(nom), octets(taille, 'x');
        const bool ecrit = static_cast<rlim_t>(taille) <= plafond;
        EXPECT_EQ(EcritAvecLimite(plafond, dossier.Fichier(nom), octets),
                  ecrit ? QString() : QStringLiteral("Fichier trop gros."))
            << nom;
        EXPECT_EQ(dossier.Lit(nom), ecrit ? octets : avant) << nom;
        EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList({"data.prg", "dur-2.prg", "dur.prg", "lien.prg"}))
            << nom;
    }
    EXPECT_EQ(dossier.Lit("dur-2.prg"), "ancien dur");
    EXPECT_TRUE(QFileInfo(dossier.Fichier("lien.prg")).isSymLink());
    EXPECT_EQ(QFile::permissions(dossier.Fichier("data.prg")), droits);
    // Un nom permis, de 255 octets, s'écrit aussi : son temporaire n'est pas plus long.
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier(QString(251, 'b') + ".prg"), "x"), QString());
}

// Un fichier remplacé garde ce qu'il tient, vu par tous ses noms ; un lien vers un fichier
// encore absent le crée. Sous root, aussi un propriétaire à rendre, et un fichier de root
// écrit par 65534, qui ne pourrait pas le lui rendre.
TEST(EcritureAtomique, LeFichierRemplaceGardeCeQuIlTient) {
    DossierTest dossier;
    const uid_t moi = ::geteuid(), nobody = 65534;
    const auto c = [&dossier](const char* nom) { return QFile::encodeName(dossier.Fichier(nom)); };
    struct Cas {
        const char* nom;   // écrit sous ce nom
        const char* autre; // relu sous cet autre nom
        uid_t ecrivain;
        std::function<int()> prepare; // 0 si prêt
        bool root = false;            // changer de propriétaire ou de compte : sous root
    };
    const Cas cas[] = {
        {"dur.prg", "dur-2.prg", moi, [&] { return ::link(c("dur.prg"), c("dur-2.prg")); }},
        {"acl.prg", "acl.prg", moi,
         [&] {
             acl_t acl = ::acl_from_text("u::rw-,u:65534:rw-,g::r--,m::rw-,o::---");
             const int fait = ::acl_set_file(c("acl.prg"), ACL_TYPE_ACCESS, acl);
             ::acl_free(acl);
             return fait;
         }},
        {"attr.prg", "attr.prg", moi,
         [&] { return ::setxattr(c("attr.prg"), "user.gc", "oui", 3, 0); }},
        {"lien.prg", "absent.prg", moi,
         [&] { return ::unlink(c("lien.prg")) + ::symlink("absent.prg", c("lien.prg")); }},
        {"rendu.prg", "rendu.prg", moi, [&] { return ::chown(c("rendu.prg"), nobody, nobody); },
         true},
        {"a-root.prg", "a-root.prg", nobody,
         [&] { return ::chmod(c("a-root.prg"), 0666) + ::chmod(c("."), 0777); }, true},
    };
    QStringList noms;
    for (const Cas& k : cas) {
        if (k.root && moi != 0) continue;
        dossier.Ecrit(k.nom, "ancien");
        ASSERT_EQ(k.prepare(), 0) << k.nom << " : " << std::strerror(errno);
        noms << k.nom << k.autre;
        const std::string avant = CeQuIlTient(dossier.Fichier(k.autre));
        EXPECT_EQ(EcritSous(k.ecrivain, dossier.Fichier(k.nom), "nouveau"), QString()) << k.nom;
        EXPECT_EQ(dossier.Lit(k.nom), "nouveau") << k.nom;
        EXPECT_EQ(dossier.Lit(k.autre), "nouveau") << k.nom;
        if (avant != "absent") {
            EXPECT_EQ(CeQuIlTient(dossier.Fichier(k.autre)), avant) << k.nom;
        }
    }
    EXPECT_TRUE(QFileInfo(dossier.Fichier("lien.prg")).isSymLink());
    noms.removeDuplicates();
    noms.sort();
    EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System), noms);
}
