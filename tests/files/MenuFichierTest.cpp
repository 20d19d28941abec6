// Le menu "&Fichier" dans la vraie fenêtre, et la porte d'écriture dessous : rien n'est remplacé
// sans question ; ratée, une écriture ne perd rien ; faite, elle garde tout ; réglages, PDF.
#include "files/PanneauFichier.h"
#include "plateforme/EcritureAtomique.h"
#include "support/Banc.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <acl/libacl.h>
#include <csignal>
#include <cstring>
#include <sys/acl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {
QByteArray Exemple(const QByteArray& ejp, const QByteArray& identifiant = "4660") {
    return ProgrammeExemple().replace(" 4660 169,165,140,145,",
                                      ' ' + identifiant + " 169,165,140," + ejp + ',');
}
// Les entrées du dossier : "/" après un dossier, "|" après ce qui n'est pas un fichier.
QString Contenu(const Banc& b) {
    QStringList vus;
    const auto filtre = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& f : QDir(b.dossier.Chemin()).entryInfoList(filtre, QDir::Name))
        vus << f.fileName() + (f.isDir() ? "/" : f.isFile() ? "" : "|");
    return vus.join(' ');
}
// Les noms rendus par les dialogues ("*..." : annulé), les réponses des boîtes, puis le menu.
void Choisit(Banc& b, std::initializer_list<const char*> noms, std::vector<Bouton> reponses,
             const char* menu = nullptr) {
    for (const char* nom : noms)
        b.plateforme.Noms.push_back(*nom == '*' ? QString(nom) : b.dossier.Fichier(nom));
    b.plateforme.Reponses.assign(reponses.begin(), reponses.end());
    if (menu) b.Menu(menu);
}
// Au-delà de "plafond" octets, une écriture échoue (EFBIG, comme un disque plein).
template <typename F, typename... A> auto SousPlafond(rlim_t plafond, F&& f, A&&... a) {
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{plafond, avant.rlim_max};
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    const auto rendu = f(std::forward<A>(a)...);
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal);
    return rendu;
}
// Ce qu'un remplacement doit garder : propriétaire, droits, ACL (le masque compris : les droits
// du groupe n'y gagnent rien), attribut étendu user.gc.
std::string CeQuIlTient(const QString& chemin) {
    const QByteArray c = QFile::encodeName(chemin);
    struct stat infos {};
    if (::stat(c, &infos) != 0) return "absent";
    char valeur[16] = {};
    ::getxattr(c, "user.gc", valeur, sizeof valeur - 1);
    std::string tient = std::to_string(infos.st_uid) + ':' + std::to_string(infos.st_gid) + ' ' +
                        std::to_string(infos.st_mode & 07777) + " user.gc=" + valeur + ' ';
    if (acl_t acl = ::acl_get_file(c, ACL_TYPE_ACCESS)) {
        char* texte = ::acl_to_any_text(acl, nullptr, ',', 0);
        tient += texte ? texte : "";
        ::acl_free(texte);
        ::acl_free(acl);
    }
    return tient;
}
constexpr auto Oui = Bouton::Oui, Non = Bouton::Non, Ok = Bouton::Ok;
} // namespace

TEST(MenuFichier, RienNEstPerduAuDemarrageALaSortieNiALaLecture) {
    // Températures à 0 : ni sauvé ni relu ; l'illisible remplacé après accord, une fois.
    Banc b;
    const QByteArray illisible = "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 199,165,140,145\r\n";
    b.dossier.Ecrit("data.prg", illisible);
    Choisit(b, {}, {Bouton::Ignorer, Non});
    b.Demarre({}, false);
    b.Clic("CmdHigh");
    Choisit(b, {}, {Ok, Oui, Ok, Non, Oui}, "SauvegardeFichier");
    b.Menu("LectureData");
    b.Pose([](Programme& p) { p.TempZone.fill(TemperaturesParDefaut); });
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), illisible);
    b.Menu("SauvegardeFichier");
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.Boites().count("Le fichier data.prg n'a pas pu être lu."), 2);
    EXPECT_EQ(Contenu(b), "DataUc.FCB DataUc.xls data.prg");
    // Quitter : sans changement, rien n'est demandé ; après, Échap garde la fenêtre, Oui écrit.
    b.Demarre();
    EXPECT_TRUE(b.fenetre->close());
    b.Demarre();
    b.Barre("VScroll3(3)", 146);
    Choisit(b, {}, {Bouton::Aucun, Oui});
    EXPECT_TRUE(!b.fenetre->close() && b.fenetre->close());
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    // Lancé sur un fichier : lu comme par "&Lecture".
    b.dossier.Ecrit("maison.prg", Exemple("145", "1234"));
    b.dossier.Ecrit("essai.Prg", Exemple("145", "4321"));
    b.dossier.Ecrit("casse.prg", "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n");
    b.dossier.Ecrit("etranger.prg", "GESTION vk472\r\n 1 169,165,140,145\r\n");
    QDir(b.dossier.Chemin()).mkdir("rep.prg");
    b.Demarre(b.dossier.Fichier("maison.prg"), false);
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith("/MAISON.PRG") &&
                b.Doc().Prog().IdentZone[0] == 1234);
    b.Barre("VScroll3(3)", 146);
    const QString titre = b.fenetre->windowTitle(), dossier = Contenu(b);
    // Annulés, refusés (absent, dossier, étranger, illisible, nom d'un export) : rien ne change.
    const char* lit = "LectureData";
    Choisit(b, {"*.prg"}, {Non}, lit);
    Choisit(b, {"*.PRG"}, {}, "SauverComme");
    Choisit(b, {"absent.prg", "rep.prg"}, {Non, Bouton::Recommencer, Bouton::Abandonner}, lit);
    Choisit(b, {"etranger.prg"}, {Non, Ok}, lit);
    Choisit(b, {"casse.prg"}, {Non, Bouton::Ignorer, Non}, lit);
    Choisit(b, {"DataUc.xls"}, {Oui, Ok}, "SauverComme");
    EXPECT_TRUE(b.fenetre->windowTitle() == titre && Contenu(b) == dossier && b.Doc().Modifie());
    EXPECT_EQ(b.W<QAction>("Annuler")->text(), "Annuler « Température EJP »");
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("maison.prg"), Exemple("146", "1234"));
    // Sans ".PRG", quelle qu'en soit la casse, le dialogue revient ; Recommencer aussi.
    Choisit(b, {"notes.txt", "casse.prg", "essai.Prg"}, {Bouton::Recommencer}, lit);
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith(b.dossier.Chemin().toUpper() + "/ESSAI.PRG"));
    EXPECT_TRUE(b.Doc().Prog().IdentZone[0] == 4321 && !b.Doc().Modifie());
}

TEST(MenuFichier, SauvegardesEtSauverComme) {
    Banc b;
    b.Demarre();
    // Changé sur le disque depuis la lecture : la sauvegarde demande (Non : rien n'écrit).
    b.Barre("VScroll3(3)", 146);
    b.dossier.Ecrit("data.prg", Exemple("145", "1234"));
    Choisit(b, {}, {Non, Oui}, "SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("145", "1234"));
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    EXPECT_TRUE(b.Boites().contains("data.prg a été modifié par un autre programme"));
    // ".PRG" ajouté, remplacé après "Oui", "DataUc.FCB" seul ; "&Sauvegarde" suit la copie.
    QDir(b.dossier.Chemin()).mkdir("ailleurs");
    QFile::remove(b.dossier.Fichier("DataUc.xls"));
    Choisit(b, {"ailleurs/Ma copie", "ailleurs/Ma copie", "ailleurs/Ma copie"}, {Non, Oui});
    for (const auto& [ejp, ecrit] : {std::pair{147, "147"}, {148, "147"}, {149, "149"}}) {
        b.Barre("VScroll3(3)", ejp);
        b.Menu("SauverComme");
        EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG"), Exemple(ecrit)) << ejp;
    }
    EXPECT_EQ(Contenu(b), "DataUc.FCB ailleurs/ data.prg");
    b.Barre("VScroll3(3)", 150);
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG") + b.dossier.Lit("data.prg"),
              Exemple("150") + Exemple("146"));
    // Impossible à écrire : rien ne change (root : notre /dev/full, qu'une faute remplacerait).
    QString plein = QStringLiteral("/dev/full");
    if (::geteuid() == 0 && ::mknod(QFile::encodeName(b.dossier.Fichier("full")).constData(),
                                    S_IFCHR | 0666, makedev(1, 7)) == 0)
        plein = b.dossier.Fichier("full");
    ASSERT_TRUE(QFile::link(plein, b.dossier.Fichier("plein.prg")));
    QDir(b.dossier.Chemin()).mkdir("rep.prg");
    b.Barre("VScroll3(3)", 152);
    const QString titre = b.fenetre->windowTitle();
    for (const auto& [nom, cause] : {std::pair{"plein.prg", "Ce n'est pas un fichier ordinaire."},
                                     {"absent/x.prg", "Fichier ou dossier introuvable."},
                                     {"rep.prg", "C'est un dossier."}}) {
        Choisit(b, {nom}, {Ok}, "SauverComme");
        EXPECT_TRUE(b.Boites().endsWith(cause + QString(" -> Ok"))) << nom;
        EXPECT_EQ(b.fenetre->Fichiers().CheminFichier(),
                  b.dossier.Fichier("ailleurs/Ma copie.PRG"));
        EXPECT_TRUE(b.fenetre->windowTitle() == titre && b.Doc().Modifie()) << nom;
    }
    // PDF et impression partent du dossier du programme lu ou sauvé ailleurs.
    Choisit(b, {"*.pdf"}, {}, "ExporterPdf");
    b.Menu("Imprimer");
    const auto& d = b.plateforme.Dialogues;
    EXPECT_EQ(d.end()[-2].dossier + ' ' + d.back().dossier + '/' + d.back().nom,
              b.dossier.Fichier("ailleurs") + ' ' + b.dossier.Fichier("ailleurs/Ma copie.pdf"));
}

TEST(MenuFichier, FichiersRecents) {
    // Le dernier en tête, cinq au plus ; devenu dossier, retiré. Réglages écrits en place (lien).
    Banc b;
    const QString reglages = QSettings("gestion-chauffage", "gestion-chauffage").fileName(),
                  lien = reglages + "2";
    QSettings(reglages, QSettings::IniFormat)
        .setValue("FichiersRecents", QStringList{"/1", "/2", "/3", "/4", "/5", "/6"});
    ASSERT_EQ(::link(QFile::encodeName(reglages), QFile::encodeName(lien)), 0);
    b.Demarre();
    EXPECT_EQ(b.W<QMenu>("FichiersRecents")->actions().size(), 5);
    for (const char* nom : {"f1.prg", "f2.prg", "f3.prg"}) {
        b.dossier.Ecrit(nom, ProgrammeExemple());
        Choisit(b, {nom}, {}, "LectureData");
    }
    b.Menu("Recent(2)");
    QFile::remove(b.dossier.Fichier("f3.prg"));
    QDir(b.dossier.Chemin()).mkdir("f3.prg");
    Choisit(b, {}, {Ok}, "Recent(1)");
    QStringList recents;
    for (const QAction* a : b.W<QMenu>("FichiersRecents")->actions()) recents << a->text();
    recents << QSettings(lien, QSettings::IniFormat).value("FichiersRecents").toStringList();
    EXPECT_EQ(recents.join(' ').replace(b.dossier.Chemin(), "<d>"),
              "&1 <d>/f1.prg &2 <d>/f2.prg &3 /1 &4 /2 <d>/f1.prg <d>/f2.prg /1 /2");
    QFile::remove(lien);
    // Coupée par "ulimit -f" : l'ancienne liste reste sur le disque, la nouvelle dans la session.
    const QByteArray autre = QByteArray(200, 'n') + ".prg",
                     longs = "[General]\nFichiersRecents=/" + QByteArray(900, 'a') + '\n';
    b.dossier.Ecrit(reglages, longs);
    b.dossier.Ecrit(autre, ProgrammeExemple());
    SousPlafond(1024, [&] { return Choisit(b, {autre.constData()}, {Ok}, "LectureData"), 0; });
    EXPECT_EQ(b.dossier.Lit(reglages), longs);
    EXPECT_EQ(b.W<QAction>("Recent(0)")->text(), "&1 " + b.dossier.Fichier(autre));
}

// Des tubes à la place des fichiers et des réglages : refusés sans bloquer (COM1, aucun récent) ;
// un export ou un journal refusé n'empêche pas d'écrire le reste.
TEST(MenuFichier, TubesALaPlaceDesFichiers) {
    Banc b;
    const QString reglages = QSettings("gestion-chauffage", "gestion-chauffage").fileName();
    QFile::remove(reglages);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(reglages).path()) && CreeTube(reglages));
    for (const char* nom : {"data.prg", "VK472.CFG", "tube.prg", "DataUc.FCB", "TESTTRANSF.Asc"})
        ASSERT_TRUE(CreeTube(b.dossier.Fichier(nom)));
    Choisit(b, {"tube.prg", "copie.prg"}, {Bouton::Ignorer, Oui, Bouton::Abandonner, Ok, Ok});
    b.Demarre({}, false);
    EXPECT_TRUE(b.W<QAction>("COM(0)")->isChecked());
    b.Menu("LectureData");
    b.Menu("SauverComme");
    Choisit(b, {}, {Ok, Ok, Ok, Ok}, "ProgrammeTelecommande");
    EXPECT_EQ(Contenu(b),
              "DataUc.FCB| TESTTRANS.ASC TESTTRANSF.Asc| VK472.CFG| copie.prg data.prg| "
              "tube.prg|");
    EXPECT_EQ(b.dossier.Lit("copie.prg").size(), 3264);
    EXPECT_FALSE(b.W<QMenu>("FichiersRecents")->isEnabled());
    QFile::remove(reglages); // le prochain banc lirait ce tube
}

// Annulés, rien ; ".pdf" ajouté ; un PDF remplacé après un Oui, un programme jamais, même
// seulement nommé .Prg. Une page A4 par zone, lue par pdftotext et pdftoppm s'ils sont là.
TEST(Impression, SemaineImprimeeEtEnPdf) {
    Banc b;
    b.Demarre();
    b.plateforme.Impressions = {"", b.dossier.Fichier("imprime.pdf"),
                                "fichier:" + b.dossier.Fichier("abime.Prg"),
                                "fichier:" + b.dossier.Fichier("fichier.pdf")};
    Choisit(b, {"*.PDF"}, {}, "ExporterPdf");
    b.Menu("Imprimer");
    Choisit(b, {"semaine"}, {}, "ExporterPdf");
    b.Menu("Imprimer");
    for (const char* nom : {"vieux.pdf", "remplace.pdf", "abime.Prg"})
        b.dossier.Ecrit(nom, "ancien");
    Choisit(b, {"vieux.pdf"}, {Non}, "ExporterPdf");
    Choisit(b, {"remplace.pdf"}, {Oui}, "ExporterPdf");
    Choisit(b, {}, {Ok}, "Imprimer");
    b.Menu("Imprimer");
    EXPECT_EQ(b.dossier.Lit("vieux.pdf") + b.dossier.Lit("abime.Prg"), "ancienancien");
    EXPECT_EQ(Contenu(b),
              "abime.Prg data.prg fichier.pdf imprime.pdf remplace.pdf semaine.pdf vieux.pdf");
    for (const char* nom : {"fichier.pdf", "imprime.pdf", "remplace.pdf", "semaine.pdf"})
        EXPECT_EQ(b.dossier.Lit(nom).count("/Type /Page\n"), 3) << nom;
    // Comptés à la main dans data/data.prg, chaque ligne une fois ; des autres zones, l'en-tête.
    QProcess extraction;
    extraction.start(QStringLiteral("pdftotext"),
                     {"-layout", b.dossier.Fichier("semaine.pdf"), "-"});
    ASSERT_TRUE(extraction.waitForFinished(10000));
    QStringList lignes;
    for (const QString& l : QString::fromUtf8(extraction.readAllStandardOutput()).split('\n'))
        if (!l.simplified().isEmpty() && !lignes.contains(l.simplified()) &&
            (lignes.size() < 13 || l.contains("Identifiant")))
            lignes << l.simplified();
    EXPECT_EQ(lignes.join('\n').toStdString() + '\n',
              DonneeTest(QStringLiteral("semaine-imprimee.txt")).toStdString());
    // À 29,5 mm sous la marge, les 25 lignes des heures du lundi ; toutes les 6 h, plus épaisses.
    QProcess rendu;
    rendu.start(QStringLiteral("pdftoppm"),
                {"-r", "300", "-gray", "-f", "1", "-l", "1", b.dossier.Fichier("semaine.pdf")});
    ASSERT_TRUE(rendu.waitForFinished(20000));
    const QImage image = QImage::fromData(rendu.readAllStandardOutput(), "PGM");
    QString rangee, epaisseurs;
    for (int x = 0; x < image.width(); ++x)
        rangee += qGray(image.pixel(x, (10 + 29.5) / 25.4 * 300)) < 128 ? 'E' : ' ';
    for (const QString& trait : rangee.split(' ', Qt::SkipEmptyParts))
        epaisseurs += trait.size() > 3 ? 'E' : '.';
    EXPECT_EQ(epaisseurs, "E.....E.....E.....E.....E");
    // À 31,5 mm, les barres de confort du lundi, millimètre par millimètre depuis le bord.
    QString confort;
    for (int mm = 0; mm < 297; ++mm)
        confort +=
            qGray(image.pixel((mm + 0.5) / 25.4 * 300, (10 + 31.5) / 25.4 * 300)) < 250 ? '#' : '.';
    EXPECT_EQ(confort, QString(100, '.') + QString(20, '#') + QString(90, '.') + QString(50, '#') +
                           QString(37, '.')); // 6H30-8H30, 17H30-22H30 : 10 mm l'heure
}

// Sans temporaire possible à côté : écrit en place. Sans droits par "EcritureSansDroits".
TEST(EcritureAtomique, DossierEnLectureSeuleFichierModifiable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien contenu, plus long que le nouveau");
    dossier.Ecrit("fige.prg", "fige");
    dossier.Ecrit("muet.prg", "muet, qu'on écrit sans le lire");
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("fige.prg"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("muet.prg"), QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(dossier.Chemin(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier("data.prg"), "nouveau"), QString());
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier("fige.prg"), "x"), "Fichier en lecture seule.");
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier("muet.prg"), "y"), QString());
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("muet.prg"), QFile::ReadOwner));
    EXPECT_EQ(dossier.Lit("data.prg") + dossier.Lit("fige.prg") + dossier.Lit("muet.prg"),
              "nouveaufigey");
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
    for (const char* nom : {"dur.prg", "tient.prg", "a-root.prg"}) dossier.Ecrit(nom, "ancien");
    acl_t acl = ::acl_from_text("u::rw-,u:65534:rw-,g::r--,m::rw-,o::---");
    ASSERT_EQ(::link(c("dur.prg"), c("dur-2.prg")) +
                  ::acl_set_file(c("tient.prg"), ACL_TYPE_ACCESS, acl) +
                  ::setxattr(c("tient.prg"), "user.gc", "oui", 3, 0) +
                  (moi == 0 ? ::chown(c("tient.prg"), nobody, nobody) : 0) +
                  ::symlink("absent.prg", c("lien.prg")) + ::chmod(c("a-root.prg"), 0666) +
                  ::chmod(c("."), 0777),
              0)
        << std::strerror(errno);
    ::acl_free(acl);
    const QByteArray octets(4096, 'n');
    // Écrit sous un nom, relu sous l'autre, par un autre compte (sous root seulement).
    for (const auto& [nom, autre, ecrivain] : {std::tuple{"dur.prg", "dur-2.prg", moi},
                                               {"tient.prg", "tient.prg", moi},
                                               {"lien.prg", "absent.prg", moi},
                                               {"a-root.prg", "a-root.prg", nobody}}) {
        if (ecrivain != moi && moi != 0) continue;
        SCOPED_TRACE(nom);
        const std::string avant = CeQuIlTient(dossier.Fichier(autre));
        const QString chemin = dossier.Fichier(nom);
        if (ecrivain == moi) {
            EXPECT_EQ(SousPlafond(4096, EcritFichierAtomique, chemin, octets + 'x'),
                      "Fichier trop gros.");
            EXPECT_EQ(dossier.Lit(autre), avant == "absent" ? "" : "ancien");
            EXPECT_EQ(CeQuIlTient(dossier.Fichier(autre)), avant);
        }
        EXPECT_EQ(::seteuid(ecrivain), 0);
        EXPECT_EQ(SousPlafond(4096, EcritFichierAtomique, chemin, octets), QString());
        EXPECT_EQ(::seteuid(moi), 0);
        EXPECT_EQ(dossier.Lit(nom) + dossier.Lit(autre), octets + octets);
        EXPECT_TRUE(avant == "absent" || CeQuIlTient(dossier.Fichier(autre)) == avant);
    }
    EXPECT_TRUE(QFileInfo(dossier.Fichier("lien.prg")).isSymLink());
    EXPECT_EQ(QDir(dossier.Chemin()).entryList({".*"}, QDir::Files | QDir::Hidden | QDir::System),
              QStringList());
    // Un nom permis, de 255 octets, s'écrit aussi : son temporaire n'est pas plus long.
    EXPECT_EQ(EcritFichierAtomique(dossier.Fichier(QString(251, 'b') + ".prg"), "x"), QString());
}
