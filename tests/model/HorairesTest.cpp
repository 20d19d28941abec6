// Les heures de confort tapées en clair (donnees/horaires.txt) : lignes acceptées ou refusées.
#include "model/Horaires.h"
#include "support/Dossier.h"
#include "support/Jours.h"

#include <gtest/gtest.h>

TEST(Horaires, LignesAccepteesEtRefusees) {
    const QStringList cas = CasDeTable(QStringLiteral("horaires.txt"));
    ASSERT_EQ(cas.size(), 11);
    for (const QString& ligne : cas) {
        const QString tapee = ligne.section(QLatin1String("=>"), 0, 0).trimmed();
        const QString attendu = ligne.section(QLatin1String("=>"), 1).trimmed();
        const QString raison = attendu.section(QStringLiteral("refusée : "), 1);
        QByteArray jour; // nul : refusée
        if (raison.isEmpty()) {
            jour = JourVide();
            for (const QString& creneaux : attendu.split(' ', Qt::SkipEmptyParts)) {
                const int debut = creneaux.section('-', 0, 0).toInt();
                const int fin = creneaux.section('-', 1).toInt();
                jour.replace(debut, fin - debut, QByteArray(fin - debut, '1'));
            }
        }
        const LigneHoraires lue = LitHoraires(tapee);
        EXPECT_EQ(lue.jour, jour) << tapee.toStdString();
        EXPECT_EQ(lue.raison, raison) << tapee.toStdString();
    }
    // Un jour entier (les jours ordinaires se voient dans editionrapide.txt).
    EXPECT_EQ(TexteHoraires(JourAvec({{0, 144}})), QStringLiteral("0H00-24H00"));
}
