// Le menu "&Fichier" dans la vraie fenêtre : un programme modifié n'est jamais remplacé sans
// question, un fichier refusé ou impossible à écrire ne prend ni ne perd rien ; réglages, PDF.
#include "files/PanneauFichier.h"
#include "support/Banc.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
// L'exemple livré, l'EJP de la zone 0 (et son identifiant) remplacé.
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
QString DossierReglages() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/gestion-chauffage";
}
constexpr auto Oui = Bouton::Oui, Non = Bouton::Non, Ok = Bouton::Ok;
} // namespace

TEST(MenuFichier, RienNEstPerduAuDemarrageALaSortieNiALaLecture) {
    // Températures à 0 : ni "&Sauvegarde" ni "&Lecture" après elle ; le fichier illisible n'est
    // remplacé qu'avec l'accord, une fois : ensuite il est le nôtre.
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
    EXPECT_FALSE(b.fenetre->close());
    EXPECT_TRUE(b.fenetre->close());
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    // Lancé sur un fichier : lu comme par "&Lecture".
    b.dossier.Ecrit("maison.prg", Exemple("145", "1234"));
    b.dossier.Ecrit("notes.txt", "x");
    b.dossier.Ecrit("essai.Prg", Exemple("145", "4321"));
    b.dossier.Ecrit("casse.prg", "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n");
    b.dossier.Ecrit("etranger.prg", "GESTION vk472\r\n 1 169,165,140,145\r\n");
    QDir(b.dossier.Chemin()).mkdir("rep.prg");
    b.Demarre(b.dossier.Fichier("maison.prg"), false);
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith("/MAISON.PRG") &&
                b.Doc().Prog().IdentZone[0] == 1234);
    b.Barre("VScroll3(3)", 146);
    const QString titre = b.fenetre->windowTitle(), dossier = Contenu(b);
    // Annulés, refusés (absent, dossier, étranger, illisible), ou sous le nom d'un export : le
    // programme modifié, le fichier courant et le dossier restent.
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
    // "Sauver comme .." : un nom sans extension prend ".PRG", un fichier existant n'est remplacé
    // qu'après "Oui", seul "DataUc.FCB" part (dossier du programme) ; "&Sauvegarde" suit la copie.
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
    // Impossible à écrire : fichier courant, titre et "modifié" restent. En root, un
    // périphérique à nous : une écriture fautive remplacerait le vrai /dev/full.
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
    // Le dernier ouvert en tête, cinq au plus (même écrits à la main) ; devenu dossier, retiré.
    // Un second lien dur vers les réglages voit la liste écrite : ils ne sont pas remplacés.
    Banc b;
    const QString reglages = DossierReglages() + "/gestion-chauffage.conf", lien = reglages + "2";
    QSettings(reglages, QSettings::IniFormat)
        .setValue("FichiersRecents", QStringList{"/1", "/2", "/3", "/4", "/5", "/6"});
    QFile::remove(lien);
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
    // Coupée au-delà de "ulimit -f", l'écriture ne passe pas pour faite : l'ancienne liste reste
    // sur le disque, la nouvelle dans la session.
    const QByteArray autre = QByteArray(200, 'n') + ".prg",
                     longs = "[General]\nFichiersRecents=/" + QByteArray(900, 'a') + '\n';
    QFile f(reglages);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(longs) == longs.size());
    f.close();
    b.dossier.Ecrit(autre, ProgrammeExemple());
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{1024, avant.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    Choisit(b, {autre.constData()}, {Ok}, "LectureData");
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly) && f.readAll() == longs);
    EXPECT_EQ(b.W<QAction>("Recent(0)")->text(), "&1 " + b.dossier.Fichier(autre));
}

// Des tubes nommés à la place des fichiers et des réglages : refusés sans bloquer la fenêtre
// (configuration ignorée : COM1 ; réglages ignorés : aucun fichier récent) ; l'export ou le
// journal refusé n'empêche pas d'écrire le reste.
TEST(MenuFichier, TubesALaPlaceDesFichiers) {
    Banc b;
    const QString reglages = DossierReglages() + "/gestion-chauffage.conf";
    QFile::remove(reglages);
    ASSERT_TRUE(QDir().mkpath(DossierReglages()) && CreeTube(reglages));
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

// La semaine imprimée : une page A4 par zone, lue en texte par pdftotext quand il est là.
TEST(Impression, SemaineImprimeeEtEnPdf) {
    // Annulés, rien ; ".pdf" ajouté ; un PDF remplacé après un Oui, un programme jamais, même
    // seulement nommé .Prg (nommé .pdf, un dossier, un tube : à la ligne de commande).
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
    EXPECT_EQ(
        QDir(b.dossier.Chemin()).entryList({"*.pdf"}, QDir::Files),
        QStringList({"fichier.pdf", "imprime.pdf", "remplace.pdf", "semaine.pdf", "vieux.pdf"}));
    // Un objet "/Type /Page" par page d'un PDF de Qt.
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
    for (const char* nom : {"fichier.pdf", "imprime.pdf", "remplace.pdf", "semaine.pdf"})
        EXPECT_EQ(QString::fromLatin1(b.dossier.Lit(nom)).count(page), 3) << nom;
#ifdef GC_PDFTOTEXT
    // Heures et totaux comptés à la main dans data/data.prg ; des autres zones, leur en-tête.
    QProcess extraction;
    extraction.start(QStringLiteral(GC_PDFTOTEXT),
                     {"-layout", b.dossier.Fichier("semaine.pdf"), "-"});
    ASSERT_TRUE(extraction.waitForFinished(10000));
    QStringList lignes;
    for (const QString& l : QString::fromUtf8(extraction.readAllStandardOutput()).split('\n'))
        if (!l.simplified().isEmpty() && (lignes.size() < 18 || l.contains("Identifiant")))
            lignes << l.simplified();
    EXPECT_EQ(lignes.join('\n').toStdString() + '\n',
              DonneeTest(QStringLiteral("semaine-imprimee.txt")).toStdString());
    // Vue à 300 ppp, la rangée de pixels à 29,5 mm sous la marge coupe les 25 lignes des heures
    // au-dessus des barres du lundi ; celles de 0h, 6h, 12h, 18h et 24h plus épaisses.
    QProcess rendu;
    rendu.start(QStringLiteral(GC_PDFTOPPM),
                {"-r", "300", "-gray", "-f", "1", "-l", "1", b.dossier.Fichier("semaine.pdf")});
    ASSERT_TRUE(rendu.waitForFinished(20000));
    const QImage image = QImage::fromData(rendu.readAllStandardOutput(), "PGM");
    QString epaisseurs;
    for (int x = 0, noirs = 0; x <= image.width(); ++x) {
        if (x < image.width() && qGray(image.pixel(x, (10 + 29.5) / 25.4 * 300)) < 128) {
            ++noirs;
        } else if (noirs > 0) {
            epaisseurs += noirs > 3 ? 'E' : '.';
            noirs = 0;
        }
    }
    EXPECT_EQ(epaisseurs, "E.....E.....E.....E.....E");
#endif
}
