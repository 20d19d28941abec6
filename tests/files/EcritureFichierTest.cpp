// limites.prg : valeurs hors bornes, jours de toute longueur ; une écriture ratée ne perd rien.
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "model/Textes.h"
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
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
// Écrit sous un autre compte dans un processus à part (root seulement), ou ici même. Au-delà de
// "plafond" octets, l'écriture échoue (EFBIG, comme un disque plein) ; SIGXFSZ ignoré.
QString Ecrit(uid_t compte, const QString& chemin, const QByteArray& octets, rlim_t plafond = 0) {
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{plafond ? plafond : avant.rlim_cur, avant.rlim_max};
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    QString cause = QStringLiteral("échec sous %1").arg(compte);
    if (compte == ::geteuid()) {
        cause = EcritFichierAtomique(chemin, octets);
    } else if (const pid_t fils = ::fork(); fils == 0) {
        ::_exit(!(::setgroups(0, nullptr) == 0 && ::setgid(compte) == 0 && ::setuid(compte) == 0 &&
                  EcritFichierAtomique(chemin, octets).isEmpty()));
    } else if (int statut = 0; ::waitpid(fils, &statut, 0) == fils && WIFEXITED(statut) &&
                               WEXITSTATUS(statut) == 0) {
        cause.clear();
    }
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
} // namespace

TEST(EcritureFichierProgramme, ProgrammeEtExportsCommeEcritsEnClair) {
    const QByteArray fichier = DonneeTest(QStringLiteral("limites.prg"));
    const ResultatLecture lu = LireFichierProgramme(fichier);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    const Programme& p = lu.programme;
    EXPECT_EQ(EcrireFichierProgramme(p, TitreVersion), fichier);
    // Aux bornes de 32 bits, et zéro avec son blanc de signe.
    const QByteArray bornes = QByteArray(fichier)
                                  .replace(" 4660 ", "-2147483648 ")
                                  .replace(" 70000 ", " 2147483647 ")
                                  .replace("-2 ", " 0 ");
    EXPECT_EQ(EcrireFichierProgramme(LireFichierProgramme(bornes).programme, TitreVersion), bornes);
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
    EXPECT_EQ(Ecrit(::geteuid(), dossier.Fichier("data.prg"), QByteArray(5000, 'x'), 4096),
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

// Trop gros (RLIMIT_FSIZE), la cause dite et rien de changé ; puis écrit à la limite exacte :
// le fichier garde ce qu'il tient, vu par tous ses noms, un lien reste un lien, et aucun
// temporaire n'est laissé. Un lien vers un fichier encore absent le crée. Sous root, aussi un
// propriétaire à rendre, et un fichier de root écrit par 65534, qui ne pourrait pas le lui rendre.
TEST(EcritureAtomique, TropGrosRienNePerdEcritToutGarde) {
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
        {"droits.prg", "droits.prg", moi, [&] { return ::chmod(c("droits.prg"), 0640); }},
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
    const QByteArray octets(4096, 'n');
    for (const Cas& k : cas) {
        if (k.root && moi != 0) continue;
        dossier.Ecrit(k.nom, "ancien");
        ASSERT_EQ(k.prepare(), 0) << k.nom << " : " << std::strerror(errno);
        noms << k.nom << k.autre;
        const std::string avant = CeQuIlTient(dossier.Fichier(k.autre));
        const QString chemin = dossier.Fichier(k.nom);
        if (k.ecrivain == moi) {
            EXPECT_EQ(Ecrit(moi, chemin, octets + 'x', 4096), "Fichier trop gros.") << k.nom;
            EXPECT_EQ(dossier.Lit(k.autre), avant == "absent" ? "" : "ancien") << k.nom;
            EXPECT_EQ(CeQuIlTient(dossier.Fichier(k.autre)), avant) << k.nom;
        }
        EXPECT_EQ(Ecrit(k.ecrivain, chemin, octets, 4096), QString()) << k.nom;
        EXPECT_EQ(dossier.Lit(k.nom) + dossier.Lit(k.autre), octets + octets) << k.nom;
        if (avant != "absent") {
            EXPECT_EQ(CeQuIlTient(dossier.Fichier(k.autre)), avant) << k.nom;
        }
    }
    EXPECT_TRUE(QFileInfo(dossier.Fichier("lien.prg")).isSymLink());
    noms.removeDuplicates();
    noms.sort();
    EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System), noms);
    // Un périphérique n'est pas un fichier à remplacer. En root, le nôtre : une écriture
    // fautive remplacerait le vrai /dev/full.
    const QByteArray plein = c("plein");
    ASSERT_TRUE((moi == 0 && ::mknod(plein.constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) ||
                ::symlink("/dev/full", plein.constData()) == 0);
    EXPECT_EQ(EcritFichierAtomique(QFile::decodeName(plein), "x"),
              "Ce n'est pas un fichier ordinaire.");
    EXPECT_FALSE(QFileInfo(QFile::decodeName(plein)).isFile());
    // Un nom permis, de 255 octets, s'écrit aussi : son temporaire n'est pas plus long.
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier(QString(251, 'b') + ".prg"), "x"), QString());
}
