// Entrées trouvées par le fuzzing du lecteur de fichier programme (fuzz/).
// Règle vérifiée : tout programme accepté se sauvegarde en un fichier qui se relit identique.
#include "files/FichierProgramme.h"
#include "support/Dossier.h"

#include <gtest/gtest.h>

namespace {
const QString Titre = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");

// Le programme d'exemple avec son n-ième jour (0 = lundi de la zone 0) remplacé par `jour`,
// écrit tel quel.
QByteArray ExempleAvecJour(int n, const QByteArray& jour) {
    QByteArray contenu = ProgrammeExemple();
    qsizetype debut = contenu.indexOf('"');
    for (int i = 0; i < n; ++i) debut = contenu.indexOf('"', contenu.indexOf('"', debut + 1) + 1);
    const qsizetype fin = contenu.indexOf('"', debut + 1);
    return contenu.replace(debut, fin - debut + 1, jour);
}

void VerifieRelectureFidele(const QByteArray& contenu) {
    const ResultatLecture lu = LireFichierProgramme(contenu);
    if (lu.statut != StatutLecture::Lu) return;
    const QByteArray sauve = EcrireFichierProgramme(lu.programme, Titre);
    const ResultatLecture relu = LireFichierProgramme(sauve);
    ASSERT_EQ(relu.statut, StatutLecture::Lu) << "sauvegarde de " << sauve.size() << " octets";
    EXPECT_TRUE(relu.programme == lu.programme);
}
} // namespace

TEST(FuzzRegression, GuillemetDansUnJourRefuse) {
    ASSERT_EQ(LireFichierProgramme(ProgrammeExemple()).statut, StatutLecture::Lu);
    // Un jour non entre guillemets qui en contient un était accepté ; sauvegardé entre
    // guillemets, il coupait le champ et décalait tous les suivants.
    for (const QByteArray& jour : {QByteArray("00\"11"), QByteArray("0000\"")}) {
        const QByteArray contenu = ExempleAvecJour(0, jour);
        EXPECT_EQ(LireFichierProgramme(contenu).statut, StatutLecture::NonConforme) << jour.data();
        VerifieRelectureFidele(contenu);
    }
    // Texte collé après le guillemet fermant du samedi de la zone 2 : il devenait le
    // dimanche, terminé par un guillemet.
    const QByteArray colle = ExempleAvecJour(19, "\"0000\"1111\"");
    EXPECT_EQ(LireFichierProgramme(colle).statut, StatutLecture::NonConforme);
    VerifieRelectureFidele(colle);
}

TEST(FuzzRegression, FichierDeLaTailleMaximaleSeRelitApresSauvegarde) {
    // Marque courte et jour énorme : 1 Mio pile était accepté, mais la sauvegarde (titre
    // complet) dépassait la limite et ne se relisait plus.
    QByteArray contenu = ProgrammeExemple();
    contenu.replace(0, contenu.indexOf('\r'), "VK472");
    const qsizetype debut = contenu.indexOf('"') + 1;
    contenu.insert(debut, QByteArray(TailleMaxFichierProgramme - contenu.size(), '0'));
    ASSERT_EQ(contenu.size(), TailleMaxFichierProgramme);
    EXPECT_EQ(LireFichierProgramme(contenu).statut, StatutLecture::NonConforme);
    VerifieRelectureFidele(contenu);

    // Des jours longs mais raisonnables restent entiers, et tous longs à la fois se relisent.
    QByteArray longs = ProgrammeExemple();
    for (qsizetype p = longs.indexOf('"'); p >= 0; p = longs.indexOf('"', p + 1)) {
        const qsizetype fin = longs.indexOf('"', p + 1);
        longs.replace(p + 1, fin - p - 1, QByteArray(40000, '1'));
        p += 40001;
    }
    const ResultatLecture lu = LireFichierProgramme(longs);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme.ProgJour[2][6].size(), 40000);
    VerifieRelectureFidele(longs);
}
