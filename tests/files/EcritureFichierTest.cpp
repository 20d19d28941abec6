// Une écriture ratée ne perd rien, une écriture faite garde tout ce que le fichier tient.
#include "plateforme/EcritureAtomique.h"
#include "support/Dossier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <acl/libacl.h>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/acl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
// Écrit sous un autre compte (root seulement : seteuid, rendu ensuite), ou le nôtre. Au-delà
// de "plafond" octets, l'écriture échoue (EFBIG, comme un disque plein) ; SIGXFSZ ignoré.
QString Ecrit(uid_t compte, const QString& chemin, const QByteArray& octets, rlim_t plafond) {
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{plafond, avant.rlim_max};
    const uid_t moi = ::geteuid();
    EXPECT_TRUE(::setrlimit(RLIMIT_FSIZE, &limite) == 0 && ::seteuid(compte) == 0);
    const QString cause = EcritFichierAtomique(chemin, octets);
    EXPECT_EQ(::seteuid(moi), 0);
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

// Sans temporaire possible à côté : écrit en place ; lecture seule dit. Tourne sans droits par
// "EcritureSansDroits" (root passe outre).
TEST(EcritureAtomique, DossierEnLectureSeuleFichierModifiable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien contenu, plus long que le nouveau");
    dossier.Ecrit("fige.prg", "fige");
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("fige.prg"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier("data.prg"), "nouveau"), QString());
    EXPECT_EQ(dossier.Lit("data.prg"), "nouveau");
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier("fige.prg"), "x"), "Fichier en lecture seule.");
    EXPECT_EQ(dossier.Lit("fige.prg"), "fige");
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// Trop gros (RLIMIT_FSIZE) : rien de changé ; à la limite exacte : le fichier garde ce qu'il
// tient, vu par tous ses noms, un lien reste un lien (vers un absent : le crée), nul temporaire
// laissé. Sous root, un fichier de root écrit par 65534, qui ne pourrait pas le lui rendre.
TEST(EcritureAtomique, TropGrosRienNePerdEcritToutGarde) {
    DossierTest dossier;
    const uid_t moi = ::geteuid(), nobody = 65534;
    const auto c = [&dossier](const char* nom) { return QFile::encodeName(dossier.Fichier(nom)); };
    struct Cas {
        const char* nom;              // écrit sous ce nom
        const char* autre;            // relu sous cet autre nom
        uid_t ecrivain;               // un autre compte : sous root seulement
        std::function<int()> prepare; // 0 si prêt
    };
    const Cas cas[] = {
        {"dur.prg", "dur-2.prg", moi, [&] { return ::link(c("dur.prg"), c("dur-2.prg")); }},
        {"tient.prg", "tient.prg", moi,
         [&] {
             acl_t acl = ::acl_from_text("u::rw-,u:65534:rw-,g::r--,m::rw-,o::---");
             const int fait = ::acl_set_file(c("tient.prg"), ACL_TYPE_ACCESS, acl);
             ::acl_free(acl);
             return fait + ::setxattr(c("tient.prg"), "user.gc", "oui", 3, 0) +
                    (moi == 0 ? ::chown(c("tient.prg"), nobody, nobody) : 0);
         }},
        {"lien.prg", "absent.prg", moi,
         [&] { return ::unlink(c("lien.prg")) + ::symlink("absent.prg", c("lien.prg")); }},
        {"a-root.prg", "a-root.prg", nobody,
         [&] { return ::chmod(c("a-root.prg"), 0666) + ::chmod(c("."), 0777); }},
    };
    const QByteArray octets(4096, 'n');
    for (const Cas& k : cas) {
        if (k.ecrivain != moi && moi != 0) continue;
        dossier.Ecrit(k.nom, "ancien");
        ASSERT_EQ(k.prepare(), 0) << k.nom << " : " << std::strerror(errno);
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
    EXPECT_EQ(QDir(dossier.Chemin()).entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System),
              QStringList());
    // Un nom permis, de 255 octets, s'écrit aussi : son temporaire n'est pas plus long.
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier(QString(251, 'b') + ".prg"), "x"), QString());
}
