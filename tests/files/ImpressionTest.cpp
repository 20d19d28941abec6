// La semaine imprimée : une page A4 par zone, lue en texte par pdftotext quand il est là.
#include "support/Scenario.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
// Pages d'un PDF de Qt : un objet "/Type /Page" chacune.
int PagesPdf(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}
} // namespace

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
    const QByteArray pdf = s.dossier.Lit("semaine.pdf");
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PagesPdf(pdf), 3);
    EXPECT_EQ(PagesPdf(s.dossier.Lit("imprime.pdf")), 3);
#ifdef GC_PDFTOTEXT
    QProcess extraction;
    extraction.start(QStringLiteral(GC_PDFTOTEXT), {s.dossier.Fichier("semaine.pdf"), "-"});
    ASSERT_TRUE(extraction.waitForFinished(10000));
    const QStringList pages = QString::fromUtf8(extraction.readAllStandardOutput()).split('\f');
    ASSERT_GE(pages.size(), 3);
    // Heures de confort du programme livré, du lundi au vendredi puis le week-end, comptées à la
    // main dans data/data.prg ; pdftotext rend une ligne par texte posé.
    const char* const attendus[3][6] = {
        {"Zone 0 — Identifiant 4660 — Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C",
         "6H30-8H30 17H30-22H30\n", "Confort : 7 h 00\n", "7H30-23H00\n", "Confort : 15 h 30\n",
         "Confort : 66 h 00 / semaine"},
        {"Zone 1 — Identifiant 17219", "6H00-7H30 20H30-22H30\n", "Confort : 3 h 30\n",
         "8H00-10H00 20H00-23H00\n", "Confort : 5 h 00\n", "Confort : 27 h 30 / semaine"},
        {"Zone 2 — Identifiant 50311", "6H00-8H00 18H30-21H00\n", "Confort : 4 h 30\n",
         "7H30-11H00 18H00-21H30\n", "Confort : 7 h 00\n", "Confort : 36 h 30 / semaine"},
    };
    for (int z = 0; z < 3; ++z) {
        const QString& page = pages[z];
        EXPECT_TRUE(
            page.startsWith("GESTION CHAUFFAGE -VK472- V1.50 — data.prg — 01/12/2026 14:05"))
            << page.left(80).toStdString();
        for (int i : {0, 5}) EXPECT_TRUE(page.contains(QString::fromUtf8(attendus[z][i]))) << z;
        for (int i = 1; i < 5; ++i)
            EXPECT_EQ(page.count(QString::fromUtf8(attendus[z][i])), i < 3 ? 5 : 2)
                << attendus[z][i];
    }
#endif
}
