// La semaine imprimée : une page A4 par zone, lue en texte par pdftotext quand il est là.
#include "support/Scenario.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(Impression, SemaineImprimeeEtEnPdf) {
    // Annulés, rien ; sans ".pdf", il est ajouté (le programme "semaine" ne serait pas écrasé) ;
    // un dossier à la place du PDF : rien n'est écrit, et on le dit.
    Scenario s;
    const QString vu = s.Joue(QStringLiteral("> demarre\n> dialogue *.PDF\n> menu ExporterPdf\n"
                                             "> menu Imprimer\n> dialogue semaine\n"
                                             "> menu ExporterPdf\n> imprime imprime.pdf\n"
                                             "> menu Imprimer\n> dossier dossier.pdf\n"
                                             "> dialogue dossier.pdf\n> boite Ok\n"
                                             "> menu ExporterPdf\n"));
    EXPECT_TRUE(vu.contains("« Impossible d'écrire <dossier>/dossier.pdf » -> Ok"))
        << vu.toStdString();
    EXPECT_EQ(QDir(s.dossier.Chemin()).entryList({"*.pdf"}, QDir::Files),
              QStringList({"imprime.pdf", "semaine.pdf"}));
    // Un objet "/Type /Page" par page d'un PDF de Qt.
    for (const char* nom : {"imprime.pdf", "semaine.pdf"})
        EXPECT_EQ(
            QString::fromLatin1(s.dossier.Lit(nom)).count(QRegularExpression("/Type\\s*/Page\\b")),
            3)
            << nom;
#ifdef GC_PDFTOTEXT
    // Heures de confort du programme livré et totaux de la semaine, comptés à la main dans
    // data/data.prg (voir le fichier attendu).
    QProcess extraction;
    extraction.start(QStringLiteral(GC_PDFTOTEXT), {s.dossier.Fichier("semaine.pdf"), "-"});
    ASSERT_TRUE(extraction.waitForFinished(10000));
    EXPECT_EQ(extraction.readAllStandardOutput().toStdString(),
              DonneeTest(QStringLiteral("semaine-imprimee.txt")).toStdString());
#endif
}
