// La semaine imprimée : une page A4 par zone, lue en texte par pdftotext quand il est là.
#include "support/Banc.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

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
