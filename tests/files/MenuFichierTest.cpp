// Le menu "&Fichier" dans la vraie fenêtre : un programme modifié n'est jamais remplacé sans
// question, un fichier refusé ou impossible à écrire ne prend ni ne perd rien.
#include "files/PanneauFichier.h"
#include "support/Banc.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
// L'exemple livré, l'EJP de la zone 0 (ou l'identifiant) remplacé.
QByteArray Exemple(const QByteArray& ejp, const QByteArray& identifiant = "4660") {
    return ProgrammeExemple().replace(" 4660 169,165,140,145,",
                                      ' ' + identifiant + " 169,165,140," + ejp + ',');
}

// Les entrées du dossier : "/" après un dossier, "|" après ce qui n'est pas un fichier.
QString Contenu(const Banc& b) {
    QStringList vus;
    for (const QFileInfo& f :
         QDir(b.dossier.Chemin())
             .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        vus << f.fileName() + (f.isDir() ? "/" : f.isFile() ? "" : "|");
    return vus.join(' ');
}

constexpr auto Oui = Bouton::Oui, Non = Bouton::Non, Ok = Bouton::Ok;
const QString Remplacer = QStringLiteral(". Voulez-vous le remplacer ? -> ");
} // namespace

TEST(MenuFichier, DemarrageEtSortie) {
    Banc b;
    b.Demarre();
    EXPECT_TRUE(b.fenetre->close()) << "rien de changé : quitter ne demande rien";
    // Absent : non conforme.
    QFile::remove(b.dossier.Fichier("data.prg"));
    b.plateforme.Reponses = {Bouton::Abandonner};
    b.Demarre({}, false);
    EXPECT_EQ(b.Boites(), "Fichier non conforme,  -> Abandonner");
    // Températures à 0 : ni "&Sauvegarde" ni "&Lecture" après elle ; le fichier illisible n'est
    // remplacé qu'avec l'accord, une fois : ensuite il est le nôtre.
    const QByteArray illisible = "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 199,165,140,145\r\n";
    b.dossier.Ecrit("data.prg", illisible);
    b.plateforme.Reponses = {Bouton::Ignorer, Non};
    b.Demarre({}, false);
    b.Clic("CmdHigh");
    b.plateforme.Reponses = {Ok, Oui, Ok, Non, Oui};
    b.Menu("SauvegardeFichier");
    b.Menu("LectureData");
    b.Pose([](Programme& p) { p.TempZone.fill(TemperaturesParDefaut); });
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), illisible);
    b.Menu("SauvegardeFichier");
    b.Menu("SauvegardeFichier");
    const QString froid = "Zone 0 : température « Confort » hors limites (0 à 35 °C). Corrigez-la "
                          "avant la sauvegarde. -> Ok";
    const QString illu = "Le fichier data.prg n'a pas pu être lu" + Remplacer;
    EXPECT_EQ(b.Boites(), "Fichier non conforme,  -> Ignorer\nVoulez-vous effacer les données en "
                          "mémoire ? -> Non\n" +
                              froid + "\nVoulez-vous sauvegarder ? -> Oui\n" + froid + '\n' + illu +
                              "Non\n" + illu + "Oui");
    EXPECT_EQ(Contenu(b), "DataUc.FCB DataUc.xls data.prg");
    // Quitter après un changement : Échap garde la fenêtre, Oui écrit et ferme.
    b.Demarre();
    b.Barre("VScroll3(3)", 146);
    b.plateforme.Reponses = {Bouton::Aucun};
    EXPECT_FALSE(b.fenetre->close());
    b.plateforme.Reponses = {Oui};
    EXPECT_TRUE(b.fenetre->close());
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    // Lancé sur un fichier : lu comme par "&Lecture" ; refusé, il reste courant.
    b.dossier.Ecrit("maison.prg", Exemple("145", "1234"));
    b.Demarre(b.dossier.Fichier("maison.prg"), false);
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith("/MAISON.PRG"));
    EXPECT_EQ(b.Doc().Prog().IdentZone[0], 1234);
    b.dossier.Ecrit("abime.prg", "VK472\r\n 1 199");
    b.plateforme.Reponses = {Bouton::Ignorer, Oui, Non};
    b.Demarre(b.dossier.Fichier("abime.prg"), false);
    b.Menu("SauvegardeFichier");
    EXPECT_TRUE(b.Boites().endsWith("Le fichier abime.prg n'a pas pu être lu" + Remplacer + "Non"));
    EXPECT_EQ(b.dossier.Lit("abime.prg"), "VK472\r\n 1 199");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
}

TEST(MenuFichier, SauvegardesEtSauverComme) {
    Banc b;
    b.Demarre();
    // Changé sur le disque depuis la lecture : la sauvegarde demande (Non : rien n'écrit).
    b.Barre("VScroll3(3)", 146);
    b.dossier.Ecrit("data.prg", Exemple("145", "1234"));
    b.plateforme.Reponses = {Non, Oui};
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("145", "1234"));
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    EXPECT_EQ(b.Boites(), QString("Le fichier data.prg a été modifié par un autre programme depuis "
                                  "sa lecture" +
                                  Remplacer + "Non\n")
                                  .repeated(2)
                                  .chopped(4) +
                              "Oui");
    // "Sauver comme .." : un nom sans extension prend ".PRG", un fichier existant n'est remplacé
    // qu'après "Oui", seul "DataUc.FCB" part (dossier du programme) ; "&Sauvegarde" suit la copie.
    QDir(b.dossier.Chemin()).mkdir("ailleurs");
    QFile::remove(b.dossier.Fichier("DataUc.xls"));
    const QString copie = b.dossier.Fichier("ailleurs/Ma copie");
    b.plateforme.Noms = {copie, copie, copie};
    b.plateforme.Reponses = {Non, Oui};
    b.Barre("VScroll3(3)", 147);
    b.Menu("SauverComme");
    b.Barre("VScroll3(3)", 148);
    b.Menu("SauverComme");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG"), Exemple("147"));
    b.Menu("SauverComme");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG"), Exemple("148"));
    EXPECT_EQ(
        b.dossier.Lit("DataUc.FCB"),
        DonneeTest("exemple.FCB").replace("18,52,169,165,140,145,", "18,52,169,165,140,148,"));
    EXPECT_EQ(Contenu(b), "DataUc.FCB ailleurs/ data.prg");
    b.Barre("VScroll3(3)", 149);
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG"), Exemple("149"));
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    // Export impossible (un dossier) : le programme est écrit, "DataUc.xls" pas tenté.
    QFile::remove(b.dossier.Fichier("DataUc.FCB"));
    QFile::remove(b.dossier.Fichier("DataUc.xls"));
    QDir(b.dossier.Chemin()).mkdir("DataUc.FCB");
    b.Barre("VScroll3(3)", 150);
    b.plateforme.Reponses = {Ok};
    b.Boites();
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.Boites(),
              "** ECRITURE IMPOSSIBLE **\r\n\r\n<d>/DataUc.FCB\r\nC'est un dossier. -> Ok");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG"), Exemple("150"));
    EXPECT_EQ(Contenu(b), "DataUc.FCB/ ailleurs/ data.prg");
    // Impossible à écrire (un périphérique plein, un dossier absent, un dossier) : ni le nom du
    // fichier courant, ni le titre, ni "modifié" ne changent. En root, le test prend son propre
    // périphérique : une écriture fautive remplacerait le vrai /dev/full.
    QString plein = QStringLiteral("/dev/full");
    if (::geteuid() == 0 && ::mknod(QFile::encodeName(b.dossier.Fichier("full")).constData(),
                                    S_IFCHR | 0666, makedev(1, 7)) == 0)
        plein = b.dossier.Fichier("full");
    ASSERT_TRUE(QFile::link(plein, b.dossier.Fichier("plein.prg")));
    QDir(b.dossier.Chemin()).mkdir("rep.prg");
    b.Barre("VScroll3(3)", 151);
    const QString titre = b.fenetre->windowTitle();
    for (const auto& [nom, cause] : {std::pair{"plein.prg", "Ce n'est pas un fichier ordinaire."},
                                     {"absent/x.prg", "Fichier ou dossier introuvable."},
                                     {"rep.prg", "C'est un dossier."}}) {
        b.plateforme.Noms = {b.dossier.Fichier(nom)};
        b.plateforme.Reponses = {Ok};
        b.Menu("SauverComme");
        EXPECT_EQ(b.Boites(), QString("** SAUVEGARDE IMPOSSIBLE **\r\n\r\n<d>/%1\r\n%2 -> Ok")
                                  .arg(QLatin1String(nom), QLatin1String(cause)));
        EXPECT_EQ(b.fenetre->Fichiers().CheminFichier(), copie + ".PRG") << nom;
        EXPECT_EQ(b.fenetre->windowTitle(), titre) << nom;
        EXPECT_TRUE(b.Doc().Modifie()) << nom;
    }
    struct stat infos {};
    EXPECT_TRUE(::stat(QFile::encodeName(plein).constData(), &infos) == 0 &&
                S_ISCHR(infos.st_mode));
}

TEST(MenuFichier, LecturesRefuseesOuAnnuleesNePerdentRien) {
    Banc b;
    b.dossier.Ecrit("notes.txt", "x");
    b.dossier.Ecrit("essai.Prg", Exemple("145", "1234"));
    b.dossier.Ecrit("casse.prg", "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n");
    b.dossier.Ecrit("etranger.prg", "GESTION vk472\r\n 1 169,165,140,145\r\n");
    QDir(b.dossier.Chemin()).mkdir("rep.prg");
    b.Demarre();
    b.Barre("VScroll3(3)", 146);
    const QString titre = b.fenetre->windowTitle(), dossier = Contenu(b);
    const auto lit = [&b](std::initializer_list<const char*> noms,
                          std::initializer_list<Bouton> reponses,
                          const char* menu = "LectureData") {
        for (const char* nom : noms)
            b.plateforme.Noms.push_back(*nom == '*' ? QString(nom) : b.dossier.Fichier(nom));
        b.plateforme.Reponses = reponses;
        b.Menu(menu);
    };
    // Annulés, refusés (absent, dossier, étranger, illisible), ou un nom pris par un export :
    // le programme modifié, son historique, le fichier courant et le dossier restent.
    lit({"*.prg"}, {Non});
    lit({"*.PRG"}, {}, "SauverComme");
    lit({"absent.prg", "rep.prg"}, {Non, Bouton::Recommencer, Bouton::Abandonner});
    lit({"etranger.prg"}, {Non, Ok});
    lit({"casse.prg"}, {Non, Bouton::Ignorer, Non});
    lit({"DataUc.xls"}, {Ok}, "SauverComme");
    const QString nonConforme = "\nFichier non conforme,  -> ";
    EXPECT_EQ(b.Boites(),
              "Voulez-vous sauvegarder ? -> Non\nVoulez-vous sauvegarder ? -> Non" + nonConforme +
                  "Recommencer" + nonConforme +
                  "Abandonner\nVoulez-vous sauvegarder ? -> Non\n** FICHIER INCOMPATIBLE AVEC "
                  "L'APPLICATION **  -> Ok\nVoulez-vous sauvegarder ? -> Non" +
                  nonConforme +
                  "Ignorer\nVoulez-vous effacer les données en mémoire ? -> Non\n** SAUVEGARDE "
                  "IMPOSSIBLE **\r\n\r\n<d>/DataUc.xls\r\nLe programme écrit lui-même ce fichier : "
                  "choisissez un autre nom. -> Ok");
    EXPECT_EQ(b.fenetre->windowTitle(), titre);
    EXPECT_EQ(Contenu(b), dossier);
    EXPECT_TRUE(b.Doc().Modifie());
    EXPECT_EQ(b.W<QAction>("Annuler")->text(), "Annuler « Température EJP »");
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    // Sans ".PRG", quelle qu'en soit la casse, le dialogue revient ; Recommencer aussi.
    lit({"notes.txt", "casse.prg", "essai.Prg"}, {Bouton::Recommencer});
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith("Fichier:  " + b.dossier.Chemin().toUpper() +
                                                  "/ESSAI.PRG"));
    EXPECT_EQ(b.Doc().Prog().IdentZone[0], 1234);
    EXPECT_FALSE(b.Doc().Modifie());
}

TEST(MenuFichier, FichiersRecents) {
    // Le dernier ouvert en tête ; devenu dossier, retiré.
    Banc b;
    for (const char* nom : {"f1.prg", "f2.prg", "f3.prg"}) b.dossier.Ecrit(nom, ProgrammeExemple());
    b.Demarre();
    for (const char* nom : {"f1.prg", "f2.prg", "f3.prg"}) {
        b.plateforme.Noms = {b.dossier.Fichier(nom)};
        b.Menu("LectureData");
    }
    b.Menu("Recent(2)");
    QFile::remove(b.dossier.Fichier("f3.prg"));
    QDir(b.dossier.Chemin()).mkdir("f3.prg");
    b.plateforme.Reponses = {Ok};
    b.Menu("Recent(1)");
    EXPECT_EQ(b.Boites(), "Le fichier <d>/f3.prg n'est plus un fichier ordinaire : il est retiré "
                          "des fichiers récents. -> Ok");
    QStringList recents;
    for (const QAction* a : b.W<QMenu>("FichiersRecents")->actions()) recents << a->text();
    EXPECT_EQ(recents.join(" | ").replace(b.dossier.Chemin(), "<d>"),
              "&1 <d>/f1.prg | &2 <d>/f2.prg");
}

// Des tubes nommés à la place des fichiers : refusés sans bloquer la fenêtre (configuration
// ignorée : COM1) ; l'export ou le journal refusé n'empêche pas d'écrire le reste.
TEST(MenuFichier, TubesALaPlaceDesFichiers) {
    Banc b;
    for (const char* nom : {"data.prg", "VK472.CFG", "tube.prg", "DataUc.FCB"})
        ASSERT_TRUE(CreeTube(b.dossier.Fichier(nom)));
    b.plateforme.Reponses = {Bouton::Ignorer, Oui};
    b.Demarre({}, false);
    EXPECT_TRUE(b.W<QAction>("COM(0)")->isChecked());
    b.plateforme.Noms = {b.dossier.Fichier("tube.prg"), b.dossier.Fichier("copie.prg")};
    b.plateforme.Reponses = {Bouton::Abandonner, Ok};
    b.Menu("LectureData");
    b.Menu("SauverComme");
    EXPECT_TRUE(b.Boites().endsWith("Fichier non conforme,  -> Abandonner\n** ECRITURE IMPOSSIBLE "
                                    "**\r\n\r\n<d>/DataUc.FCB\r\nCe n'est pas un fichier "
                                    "ordinaire. -> Ok"));
    EXPECT_EQ(Contenu(b), "DataUc.FCB| VK472.CFG| copie.prg data.prg| tube.prg|");
    QFile::remove(b.dossier.Fichier("DataUc.FCB"));
    ASSERT_TRUE(CreeTube(b.dossier.Fichier("TESTTRANSF.Asc")));
    b.plateforme.Reponses = {Ok, Ok, Ok, Ok};
    b.Menu("ProgrammeTelecommande");
    EXPECT_TRUE(b.Boites().endsWith("** FIN DE TRANSMISSION ** -> Ok\n** ECRITURE IMPOSSIBLE "
                                    "**\r\n\r\n<d>/TESTTRANSF.Asc\r\nCe n'est pas un fichier "
                                    "ordinaire. -> Ok"));
    EXPECT_EQ(b.dossier.Lit("TESTTRANS.ASC").size(), 480);
}
