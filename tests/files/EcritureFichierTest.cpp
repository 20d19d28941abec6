// Le programme et ses deux exports écrits octet pour octet comme les fichiers écrits en clair
// dans donnees/ : limites.prg (identifiants négatif et au-delà de 16 bits, températures hors
// bornes hors zone 0, jours court, vide, long, autres caractères, queue en confort).
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "plateforme/EcritureAtomique.h"
#include "support/Dossier.h"
#include "support/Impression.h"
#include "support/PlateformeFactice.h"
#include "support/Scenario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Toute écriture au-delà de "octets" échoue (EFBIG) tant qu'elle vit ; SIGXFSZ ignoré, sans
// quoi le test serait tué. Le plafond souple seul baisse : il remonte ensuite.
class LimiteTaille {
public:
    explicit LimiteTaille(rlim_t octets) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &avant_);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    }
    ~LimiteTaille() {
        ::setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    LimiteTaille(const LimiteTaille&) = delete;
    LimiteTaille& operator=(const LimiteTaille&) = delete;

private:
    rlimit avant_{};
    void (*signal_)(int);
};
} // namespace

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
    // En place aussi, trop gros est refusé avant que l'ancien contenu soit touché.
    {
        const LimiteTaille limite(4096);
        EXPECT_EQ(EcritFichierAtomique(dossier.Fichier("data.prg"), QByteArray(5000, 'x')),
                  "Fichier trop gros.");
    }
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

// Un échec à l'octet choisi, à la création comme au remplacement : la cause dite, l'ancien
// fichier intact, aucun fichier temporaire laissé ; à la limite exacte, tout est écrit. Un
// fichier remplacé garde ses droits, un lien reste un lien.
TEST(EcritureAtomique, EchecALOctetChoisiSansRienPerdre) {
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien");
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("data.prg"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(dossier.Fichier("data.prg"), dossier.Fichier("lien.prg")));
    const QFile::Permissions droits = QFile::permissions(dossier.Fichier("data.prg"));
    struct Cas {
        const char* nom;
        rlim_t limite;
        int taille;
        bool ecrit;
    };
    for (const Cas& c : {Cas{"data.prg", 100, 5000, false}, Cas{"neuf.prg", 4096, 4097, false},
                         Cas{"lien.prg", 4096, 4096, true}, Cas{"data.prg", 4096, 4097, false}}) {
        const QByteArray avant = dossier.Lit(c.nom);
        const QByteArray octets(c.taille, 'x');
        QString cause;
        {
            const LimiteTaille limite(c.limite);
            cause = EcritFichierAtomique(dossier.Fichier(c.nom), octets);
        }
        EXPECT_EQ(cause, c.ecrit ? QString() : QStringLiteral("Fichier trop gros.")) << c.nom;
        EXPECT_EQ(dossier.Lit(c.nom), c.ecrit ? octets : avant) << c.nom;
        EXPECT_EQ(QDir(dossier.Chemin()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList({"data.prg", "lien.prg"}))
            << c.nom;
    }
    EXPECT_TRUE(QFileInfo(dossier.Fichier("lien.prg")).isSymLink());
    EXPECT_EQ(QFile::permissions(dossier.Fichier("data.prg")), droits);
}

namespace {
// Disque plein pour de bon : un petit tmpfs monté sur le dossier du programme (root seulement).
class DisquePlein {
public:
    explicit DisquePlein(const QString& dossier) : dossier_(QFile::encodeName(dossier)) {
        monte_ =
            ::geteuid() == 0 && ::mount("tmpfs", dossier_.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~DisquePlein() {
        if (monte_) ::umount2(dossier_.constData(), MNT_DETACH);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;
    bool Monte() const { return monte_; }
    // Remplit ce qui reste de place.
    void Remplit() const {
        QFile remplissage(QFile::decodeName(dossier_) + QStringLiteral("/remplissage"));
        ASSERT_TRUE(remplissage.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (remplissage.write(QByteArray(1024, 'r')) == 1024) {
        }
    }

private:
    QByteArray dossier_;
    bool monte_ = false;
};
} // namespace

// "&Sauvegarde" qui échoue (fichier trop gros, disque plein) : la boîte avec la cause, data.prg
// tel qu'il était, les exports non écrits, le programme toujours modifié : "&Quitter" demande.
TEST(EcritureAtomique, SauvegardeRateeDitLaCauseEtNePerdRien) {
    struct Cas {
        const char* cause;
        bool disquePlein;
    };
    for (const Cas& c : {Cas{"Fichier trop gros.", false}, Cas{"Disque plein.", true}}) {
        Scenario s;
        const DisquePlein tmpfs(s.dossier.Chemin());
        if (c.disquePlein && !tmpfs.Monte()) {
            std::cout << "disque plein non essayé : il faut root pour monter un tmpfs\n";
            continue;
        }
        s.Joue("> demarre\n> clic CmdHigh\n");
        const QByteArray avant = s.dossier.Lit("data.prg");
        QString vu;
        if (c.disquePlein) {
            tmpfs.Remplit();
            vu = s.Joue("> boite Ok\n> menu SauvegardeFichier\n");
        } else {
            const LimiteTaille limite(1000);
            vu = s.Joue("> boite Ok\n> menu SauvegardeFichier\n");
        }
        EXPECT_TRUE(vu.contains(QStringLiteral("critique Ok : « ** SAUVEGARDE IMPOSSIBLE "
                                               "**\\r\\n\\r\\n<dossier>/data.prg\\r\\n") +
                                c.cause + " » -> Ok"))
            << vu.toStdString();
        EXPECT_EQ(s.dossier.Lit("data.prg"), avant) << c.cause;
        EXPECT_FALSE(s.dossier.Existe("DataUc.FCB")) << c.cause;
        vu = s.Joue("> boite Aucun\n> quitte\n");
        EXPECT_TRUE(vu.contains("« Voulez-vous sauvegarder ? » -> Aucun\n  fenêtre restée ouverte"))
            << vu.toStdString();
    }
}
