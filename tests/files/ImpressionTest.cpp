// La semaine imprimée : une page A4 par zone, lue en texte par pdftotext quand il est là.
#include "support/Scenario.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(Impression, SemaineImprimeeEtEnPdf) {
    // Annulés, rien ; sans ".pdf", il est ajouté ; un PDF existant n'est remplacé qu'après un
    // Oui, un programme, même nommé .pdf, jamais (un dossier, un tube : à la ligne de commande).
    Scenario s;
    const QString vu = s.Joue(QStringLiteral(
        "> demarre\n> dialogue *.PDF\n> menu ExporterPdf\n> menu Imprimer\n"
        "> dialogue semaine\n> menu ExporterPdf\n> imprime imprime.pdf\n> menu Imprimer\n"
        "> ecrit vieux.pdf ancien\n> dialogue vieux.pdf\n> boite Non\n> menu ExporterPdf\n"
        "> ecrit remplace.pdf ancien\n> dialogue remplace.pdf\n> boite Oui\n> menu ExporterPdf\n"
        "> ecrit prog.pdf \"GESTION CHAUFFAGE -VK472- V1.50\"\\r\\n 1\n> dialogue prog.pdf\n"
        "> boite Ok\n> menu ExporterPdf\n"
        // Imprimer dans un fichier : le même PDF.
        "> imprime fichier:<dossier>/fichier.pdf\n> menu Imprimer\n"
        // Un programme lu ailleurs : PDF et impression partent de son dossier, pas de celui du
        // programme.
        "> dossier ailleurs\n> ecrit ailleurs/maison.PRG @exemple 4660 1234\n"
        "> dialogue ailleurs/maison.PRG\n> menu LectureData\n> dialogue *.pdf\n"
        "> menu ExporterPdf\n> menu Imprimer\n"));
    for (const char* attendu :
         {"dialogue sauver <dossier>/ailleurs « *.pdf »",
          "dialogue impression <dossier>/ailleurs « maison.pdf »",
          "vieux.pdf existe déjà. Voulez-vous le remplacer ? » -> Non",
          "remplace.pdf existe déjà. Voulez-vous le remplacer ? » -> Oui",
          "IMPOSSIBLE **\\r\\n\\r\\n<dossier>/prog.pdf\\r\\nC'est un fichier programme"})
        EXPECT_TRUE(vu.contains(QString::fromUtf8(attendu))) << attendu << "\n" << vu.toStdString();
    EXPECT_EQ(vu.count(QStringLiteral("boîte")), 3) << vu.toStdString();
    EXPECT_EQ(s.dossier.Lit("vieux.pdf"), "ancien");
    EXPECT_TRUE(s.dossier.Lit("prog.pdf").startsWith("\"GESTION"));
    EXPECT_EQ(QDir(s.dossier.Chemin()).entryList({"*.pdf"}, QDir::Files),
              QStringList({"fichier.pdf", "imprime.pdf", "prog.pdf", "remplace.pdf", "semaine.pdf",
                           "vieux.pdf"}));
    // Un objet "/Type /Page" par page d'un PDF de Qt.
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
    for (const char* nom : {"fichier.pdf", "imprime.pdf", "remplace.pdf", "semaine.pdf"})
        EXPECT_EQ(QString::fromLatin1(s.dossier.Lit(nom)).count(page), 3) << nom;
#ifdef GC_PDFTOTEXT
    // Heures de confort et totaux de la semaine comptés à la main dans data/data.prg, lus
    // comme la page (blancs réduits).
    QProcess extraction;
    extraction.start(QStringLiteral(GC_PDFTOTEXT),
                     {"-layout", s.dossier.Fichier("semaine.pdf"), "-"});
    ASSERT_TRUE(extraction.waitForFinished(10000));
    QStringList lignes;
    for (const QString& l : QString::fromUtf8(extraction.readAllStandardOutput()).split('\n'))
        if (!l.simplified().isEmpty()) lignes << l.simplified();
    EXPECT_EQ(lignes.join('\n').toStdString() + '\n',
              DonneeTest(QStringLiteral("semaine-imprimee.txt")).toStdString());
#endif
}
