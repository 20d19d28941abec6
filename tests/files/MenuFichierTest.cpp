// Le menu "&Fichier" dans la vraie fenêtre : un programme modifié n'est jamais remplacé sans
// question, un fichier refusé ou impossible à écrire ne prend ni ne perd rien ; réglages, PDF.
#include "files/PanneauFichier.h"
#include "support/Banc.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
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
    for (const QFileInfo& f :
         QDir(b.dossier.Chemin())
             .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        vus << f.fileName() + (f.isDir() ? "/" : f.isFile() ? "" : "|");
    return vus.join(' ');
}
void Choisit(Banc& b, std::initializer_list<const char*> noms, std::vector<Bouton> reponses) {
    for (const char* nom : noms)
        b.plateforme.Noms.push_back(*nom == '*' ? QString(nom) : b.dossier.Fichier(nom));
    b.plateforme.Reponses.assign(reponses.begin(), reponses.end());
}
constexpr auto Oui = Bouton::Oui, Non = Bouton::Non, Ok = Bouton::Ok;
const QString Sauver = QStringLiteral("Voulez-vous sauvegarder ? -> "),
              NonConforme = QStringLiteral("Fichier non conforme,  -> ");
} // namespace

TEST(MenuFichier, RienNEstPerduAuDemarrageNiALaSortie) {
    // Températures à 0 : ni "&Sauvegarde" ni "&Lecture" après elle ; le fichier illisible n'est
    // remplacé qu'avec l'accord, une fois : ensuite il est le nôtre.
    Banc b;
    const QByteArray illisible = "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 199,165,140,145\r\n";
    b.dossier.Ecrit("data.prg", illisible);
    Choisit(b, {}, {Bouton::Ignorer, Non});
    b.Demarre({}, false);
    b.Clic("CmdHigh");
    Choisit(b, {}, {Ok, Oui, Ok, Non, Oui});
    b.Menu("SauvegardeFichier");
    b.Menu("LectureData");
    b.Pose([](Programme& p) { p.TempZone.fill(TemperaturesParDefaut); });
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), illisible);
    b.Menu("SauvegardeFichier");
    b.Menu("SauvegardeFichier");
    const QString froid = "Zone 0 : température « Confort » hors limites (0 à 35 °C). Corrigez-la "
                          "avant la sauvegarde. -> Ok\n";
    const QString remplacer =
        "Le fichier data.prg n'a pas pu être lu. Voulez-vous le remplacer ? -> ";
    EXPECT_EQ(b.Boites(), NonConforme +
                              "Ignorer\nVoulez-vous effacer les données en mémoire ? -> "
                              "Non\n" +
                              froid + Sauver + "Oui\n" + froid + remplacer + "Non\n" + remplacer +
                              "Oui");
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
    // Lancé sur un fichier : lu comme par "&Lecture" ; refusé, il reste courant.
    b.dossier.Ecrit("maison.prg", Exemple("145", "1234"));
    b.Demarre(b.dossier.Fichier("maison.prg"), false);
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith("/MAISON.PRG"));
    EXPECT_EQ(b.Doc().Prog().IdentZone[0], 1234);
    b.dossier.Ecrit("abime.prg", "VK472");
    Choisit(b, {}, {Bouton::Ignorer, Oui, Non});
    b.Demarre(b.dossier.Fichier("abime.prg"), false);
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("abime.prg") + b.dossier.Lit("data.prg"), "VK472" + Exemple("146"));
}

TEST(MenuFichier, SauvegardesEtSauverComme) {
    Banc b;
    b.Demarre();
    // Changé sur le disque depuis la lecture : la sauvegarde demande (Non : rien n'écrit).
    b.Barre("VScroll3(3)", 146);
    b.dossier.Ecrit("data.prg", Exemple("145", "1234"));
    Choisit(b, {}, {Non, Oui});
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("145", "1234"));
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    EXPECT_TRUE(b.Boites().startsWith("Le fichier data.prg a été modifié par un autre programme "
                                      "depuis sa lecture. Voulez-vous le remplacer ? -> Non\n"));
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
    EXPECT_EQ(b.Boites(), "Le fichier Ma copie.PRG existe déjà. Voulez-vous le remplacer ? -> Non\n"
                          "Le fichier Ma copie.PRG existe déjà. Voulez-vous le remplacer ? -> Oui");
    EXPECT_EQ(Contenu(b), "DataUc.FCB ailleurs/ data.prg");
    b.Barre("VScroll3(3)", 150);
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG") + b.dossier.Lit("data.prg"),
              Exemple("150") + Exemple("146"));
    // Export impossible (un dossier) : le programme est écrit, "DataUc.xls" pas tenté.
    QFile::remove(b.dossier.Fichier("DataUc.FCB"));
    QFile::remove(b.dossier.Fichier("DataUc.xls"));
    QDir(b.dossier.Chemin()).mkdir("DataUc.FCB");
    b.Barre("VScroll3(3)", 151);
    Choisit(b, {}, {Ok});
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("ailleurs/Ma copie.PRG"), Exemple("151"));
    EXPECT_EQ(Contenu(b), "DataUc.FCB/ ailleurs/ data.prg");
    // Impossible à écrire (un périphérique plein, un dossier absent, un dossier) : ni le fichier
    // courant, ni le titre, ni "modifié" ne changent. En root, le test prend son propre
    // périphérique : une écriture fautive remplacerait le vrai /dev/full.
    QString plein = QStringLiteral("/dev/full");
    if (::geteuid() == 0 && ::mknod(QFile::encodeName(b.dossier.Fichier("full")).constData(),
                                    S_IFCHR | 0666, makedev(1, 7)) == 0)
        plein = b.dossier.Fichier("full");
    ASSERT_TRUE(QFile::link(plein, b.dossier.Fichier("plein.prg")));
    QDir(b.dossier.Chemin()).mkdir("rep.prg");
    b.Barre("VScroll3(3)", 152);
    const QString titre = b.fenetre->windowTitle();
    b.Boites();
    for (const char* nom : {"plein.prg", "absent/x.prg", "rep.prg"}) {
        Choisit(b, {nom}, {Ok});
        b.Menu("SauverComme");
        EXPECT_EQ(b.fenetre->Fichiers().CheminFichier(),
                  b.dossier.Fichier("ailleurs/Ma copie.PRG"));
        EXPECT_TRUE(b.fenetre->windowTitle() == titre && b.Doc().Modifie()) << nom;
    }
    EXPECT_EQ(b.Boites(), "** SAUVEGARDE IMPOSSIBLE **\r\n\r\n<d>/plein.prg\r\nCe n'est pas un "
                          "fichier ordinaire. -> Ok\n** SAUVEGARDE IMPOSSIBLE **\r\n\r\n<d>/absent/"
                          "x.prg\r\nFichier ou dossier introuvable. -> Ok\n** SAUVEGARDE "
                          "IMPOSSIBLE **\r\n\r\n<d>/rep.prg\r\nC'est un dossier. -> Ok");
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
    // Annulés, refusés (absent, dossier, étranger, illisible), ou sous le nom d'un export : le
    // programme modifié, son historique, le fichier courant et le dossier restent.
    const auto lit = [&b](std::initializer_list<const char*> noms, std::vector<Bouton> reponses,
                          const char* menu = "LectureData") {
        Choisit(b, noms, reponses);
        b.Menu(menu);
    };
    lit({"*.prg"}, {Non});
    lit({"*.PRG"}, {}, "SauverComme");
    lit({"absent.prg", "rep.prg"}, {Non, Bouton::Recommencer, Bouton::Abandonner});
    lit({"etranger.prg"}, {Non, Ok});
    lit({"casse.prg"}, {Non, Bouton::Ignorer, Non});
    lit({"DataUc.xls"}, {Ok}, "SauverComme");
    EXPECT_EQ(b.Boites(), Sauver + "Non\n" + Sauver + "Non\n" + NonConforme + "Recommencer\n" +
                              NonConforme + "Abandonner\n" + Sauver +
                              "Non\n** FICHIER INCOMPATIBLE AVEC L'APPLICATION **  -> Ok\n" +
                              Sauver + "Non\n" + NonConforme +
                              "Ignorer\nVoulez-vous effacer les données en mémoire ? -> Non\n** "
                              "SAUVEGARDE IMPOSSIBLE **\r\n\r\n<d>/DataUc.xls\r\nLe programme "
                              "écrit lui-même ce fichier : choisissez un autre nom. -> Ok");
    EXPECT_TRUE(b.fenetre->windowTitle() == titre && Contenu(b) == dossier && b.Doc().Modifie());
    EXPECT_EQ(b.W<QAction>("Annuler")->text(), "Annuler « Température EJP »");
    b.Menu("SauvegardeFichier");
    EXPECT_EQ(b.dossier.Lit("data.prg"), Exemple("146"));
    // Sans ".PRG", quelle qu'en soit la casse, le dialogue revient ; Recommencer aussi.
    lit({"notes.txt", "casse.prg", "essai.Prg"}, {Bouton::Recommencer});
    EXPECT_TRUE(b.fenetre->windowTitle().endsWith(b.dossier.Chemin().toUpper() + "/ESSAI.PRG"));
    EXPECT_TRUE(b.Doc().Prog().IdentZone[0] == 1234 && !b.Doc().Modifie());
}

TEST(MenuFichier, FichiersRecents) {
    // Le dernier ouvert en tête ; devenu dossier, retiré.
    Banc b;
    b.Demarre();
    for (const char* nom : {"f1.prg", "f2.prg", "f3.prg"}) {
        b.dossier.Ecrit(nom, ProgrammeExemple());
        Choisit(b, {nom}, {});
        b.Menu("LectureData");
    }
    b.Menu("Recent(2)");
    QFile::remove(b.dossier.Fichier("f3.prg"));
    QDir(b.dossier.Chemin()).mkdir("f3.prg");
    Choisit(b, {}, {Ok});
    b.Menu("Recent(1)");
    EXPECT_EQ(b.Boites(), "Le fichier <d>/f3.prg n'est plus un fichier ordinaire : il est retiré "
                          "des fichiers récents. -> Ok");
    QStringList recents;
    for (const QAction* a : b.W<QMenu>("FichiersRecents")->actions()) recents << a->text();
    EXPECT_EQ(recents.join(' ').replace(b.dossier.Chemin(), "<d>"), "&1 <d>/f1.prg &2 <d>/f2.prg");
}

// Des tubes nommés à la place des fichiers : refusés sans bloquer la fenêtre (configuration
// ignorée : COM1) ; l'export ou le journal refusé n'empêche pas d'écrire le reste.
TEST(MenuFichier, TubesALaPlaceDesFichiers) {
    Banc b;
    for (const char* nom : {"data.prg", "VK472.CFG", "tube.prg", "DataUc.FCB", "TESTTRANSF.Asc"})
        ASSERT_TRUE(CreeTube(b.dossier.Fichier(nom)));
    Choisit(b, {"tube.prg", "copie.prg"}, {Bouton::Ignorer, Oui, Bouton::Abandonner, Ok});
    b.Demarre({}, false);
    EXPECT_TRUE(b.W<QAction>("COM(0)")->isChecked());
    b.Menu("LectureData");
    b.Menu("SauverComme");
    b.Boites();
    b.plateforme.Reponses = {Ok, Ok, Ok, Ok};
    b.Menu("ProgrammeTelecommande");
    EXPECT_EQ(Contenu(b),
              "DataUc.FCB| TESTTRANS.ASC TESTTRANSF.Asc| VK472.CFG| copie.prg data.prg| "
              "tube.prg|");
    EXPECT_EQ(b.dossier.Lit("copie.prg").size(), 3264);
    EXPECT_EQ(b.dossier.Lit("TESTTRANS.ASC").size(), 480);
    EXPECT_TRUE(
        b.Boites().endsWith("<d>/TESTTRANSF.Asc\r\nCe n'est pas un fichier ordinaire. -> Ok"));
}

// Réglages (fichiers récents) : un tube à leur place est ignoré sans attendre (QSettings
// attendrait un écrivain) ; lui ou un fichier à la place de leur dossier : non écrits, la boîte
// le dit. Le menu n'en montre jamais plus de cinq.
TEST(Reglages, CeQuiNEstPasUnFichierEstIgnoreSansAttendre) {
    const QString dossier =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/gestion-chauffage");
    const QString chemin = dossier + QStringLiteral("/gestion-chauffage.conf");
    for (const bool tube : {true, false}) {
        Banc b;
        QFile::remove(chemin);
        QDir().rmdir(dossier);
        ASSERT_TRUE(tube ? QDir().mkpath(dossier) && CreeTube(chemin)
                         : QFile(dossier).open(QIODevice::WriteOnly));
        ::alarm(20); // bloqué, tué au lieu d'attendre sans fin
        b.Demarre();
        b.plateforme.Noms = {b.dossier.Fichier("copie.prg")};
        b.plateforme.Reponses = {Bouton::Ok};
        b.Menu("SauverComme");
        ::alarm(0);
        // Réglages ignorés : aucun fichier récent ; non écrits : ceux de la session restent.
        EXPECT_EQ(b.W<QMenu>("FichiersRecents")->isEnabled(), !tube);
        EXPECT_TRUE(b.dossier.Existe("copie.prg"));
        EXPECT_EQ(b.Boites(), "** ECRITURE IMPOSSIBLE **\r\n\r\n" + chemin +
                                  "\r\nLes fichiers récents n'ont pas pu y être retenus. -> Ok");
        EXPECT_FALSE(QFileInfo(chemin).isFile());
        QFile::remove(chemin); // le prochain banc lirait ce tube
        QFile::remove(dossier);
    }
    Banc b;
    ASSERT_TRUE(QDir().mkpath(dossier));
    QFile sept(chemin);
    ASSERT_TRUE(sept.open(QIODevice::WriteOnly));
    sept.write(
        "[General]\nFichiersRecents=/1.prg, /2.prg, /3.prg, /4.prg, /5.prg, /6.prg, /7.prg\n");
    sept.close();
    // Un second lien dur vers les réglages voit la liste écrite : le fichier n'est pas remplacé.
    const QString lien = dossier + QStringLiteral("/lien.conf");
    QFile::remove(lien);
    ASSERT_EQ(::link(QFile::encodeName(chemin), QFile::encodeName(lien)), 0);
    b.Demarre();
    EXPECT_EQ(b.W<QMenu>("FichiersRecents")->actions().size(), 5);
    b.plateforme.Noms = {b.dossier.Fichier("copie.prg")};
    b.Menu("SauverComme");
    const auto lit = [](const QString& c) {
        QFile f(c);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray ecrits = lit(lien);
    EXPECT_EQ(ecrits, "[General]\nFichiersRecents=" + b.dossier.Fichier("copie.prg").toUtf8() +
                          ", /1.prg, /2.prg, /3.prg, /4.prg\n");
    QFile::remove(lien);
    // Coupée au-delà de "ulimit -f", l'écriture ne passe pas pour faite : l'ancienne liste reste
    // sur le disque, la nouvelle dans la session.
    const QString autre = QString(200, 'n') + QStringLiteral(".prg");
    const QByteArray longs = "[General]\nFichiersRecents=/" + QByteArray(230, 'a') + ", /" +
                             QByteArray(230, 'b') + ", /" + QByteArray(230, 'c') + ", /" +
                             QByteArray(230, 'd') + '\n';
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(longs) == longs.size());
    f.close();
    b.dossier.Ecrit(autre, ProgrammeExemple());
    b.plateforme.Noms = {b.dossier.Fichier(autre)};
    b.plateforme.Reponses = {Ok};
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit avant{};
    ::getrlimit(RLIMIT_FSIZE, &avant);
    const rlimit limite{1024, avant.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
    b.Menu("LectureData");
    ::setrlimit(RLIMIT_FSIZE, &avant);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(b.Boites(), "** ECRITURE IMPOSSIBLE **\r\n\r\n" + chemin +
                              "\r\nLes fichiers récents n'ont pas pu y être retenus. -> Ok");
    EXPECT_EQ(lit(chemin), longs);
    EXPECT_EQ(b.W<QAction>("Recent(0)")->text(), "&1 " + b.dossier.Fichier(autre));
}

// La semaine imprimée : une page A4 par zone, lue en texte par pdftotext quand il est là.
TEST(Impression, SemaineImprimeeEtEnPdf) {
    // Annulés, rien ; sans ".pdf", il est ajouté ; un PDF existant n'est remplacé qu'après un
    // Oui ; un programme jamais, qu'il soit nommé .pdf ou seulement nommé .Prg (illisible), ni
    // par l'export ni par l'impression dans un fichier (un dossier, un tube : à la ligne de
    // commande).
    Banc b;
    b.Demarre();
    const auto exporte = [&b](const QString& nom, std::initializer_list<Bouton> reponses = {}) {
        b.plateforme.Noms = {nom.startsWith('*') ? nom : b.dossier.Fichier(nom)};
        b.plateforme.Reponses = reponses;
        b.Menu("ExporterPdf");
    };
    const auto imprime = [&b](const QString& pdf, std::initializer_list<Bouton> reponses = {}) {
        if (!pdf.isEmpty()) b.plateforme.Impressions = {pdf};
        b.plateforme.Reponses = reponses;
        b.Menu("Imprimer");
    };
    exporte("*.PDF");
    imprime({});
    exporte("semaine");
    imprime(b.dossier.Fichier("imprime.pdf"));
    for (const char* nom : {"vieux.pdf", "remplace.pdf", "abime.Prg"})
        b.dossier.Ecrit(nom, "ancien");
    b.dossier.Ecrit("prog.pdf", "\"GESTION CHAUFFAGE -VK472- V1.50\"\r\n 1");
    exporte("vieux.pdf", {Bouton::Non});
    exporte("remplace.pdf", {Bouton::Oui});
    exporte("prog.pdf", {Bouton::Ok});
    imprime("fichier:" + b.dossier.Fichier("abime.Prg"), {Bouton::Ok});
    imprime("fichier:" + b.dossier.Fichier("fichier.pdf"));
    const QString programme = "\r\nC'est un fichier programme : le PDF ne le remplace pas. -> Ok";
    EXPECT_EQ(b.Boites(), "Le fichier vieux.pdf existe déjà. Voulez-vous le remplacer ? -> Non\n"
                          "Le fichier remplace.pdf existe déjà. Voulez-vous le remplacer ? -> Oui\n"
                          "** ECRITURE IMPOSSIBLE **\r\n\r\n<d>/prog.pdf" +
                              programme + "\n** ECRITURE IMPOSSIBLE **\r\n\r\n<d>/abime.Prg" +
                              programme);
    EXPECT_EQ(b.dossier.Lit("vieux.pdf"), "ancien");
    EXPECT_EQ(b.dossier.Lit("abime.Prg"), "ancien");
    EXPECT_TRUE(b.dossier.Lit("prog.pdf").startsWith("\"GESTION"));
    EXPECT_EQ(QDir(b.dossier.Chemin()).entryList({"*.pdf"}, QDir::Files),
              QStringList({"fichier.pdf", "imprime.pdf", "prog.pdf", "remplace.pdf", "semaine.pdf",
                           "vieux.pdf"}));
    // Un programme lu ailleurs : PDF et impression partent de son dossier.
    const QString ailleurs = b.dossier.Fichier("ailleurs");
    ASSERT_TRUE(QDir().mkpath(ailleurs));
    ASSERT_TRUE(QFile::copy(b.dossier.Fichier("data.prg"), ailleurs + "/maison.PRG"));
    b.plateforme.Noms = {ailleurs + "/maison.PRG"};
    b.Menu("LectureData");
    exporte("*.pdf");
    EXPECT_EQ(b.plateforme.Dialogues.back().dossier, ailleurs);
    imprime({});
    EXPECT_EQ(b.plateforme.Dialogues.back().dossier + "/" + b.plateforme.Dialogues.back().nom,
              ailleurs + "/maison.pdf");
    // Un objet "/Type /Page" par page d'un PDF de Qt.
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
    for (const char* nom : {"fichier.pdf", "imprime.pdf", "remplace.pdf", "semaine.pdf"})
        EXPECT_EQ(QString::fromLatin1(b.dossier.Lit(nom)).count(page), 3) << nom;
#ifdef GC_PDFTOTEXT
    // Heures de confort et totaux de la semaine comptés à la main dans data/data.prg, lus
    // comme la page (blancs réduits) ; des autres zones, leur en-tête.
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
#endif
}
