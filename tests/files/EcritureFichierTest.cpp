#include "files/EcritureAtomique.h"
#include "files/FichierProgramme.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"

#include <QByteArrayList>
#include <QFile>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>

namespace {
const QString Titre = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");
}

TEST(EcritureFichierProgramme, OctetsExactsEtAllerRetour) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, -12, 0};
    p.ProgJour[1][6] = "01";
    p.TempZone[2][3] = -3;
    const QByteArray jour = '"' + QByteArray(148, '0') + '"';
    const QByteArray semaine = QList<QByteArray>(7, jour).join(',');
    const QByteArray ecrit = EcrireFichierProgramme(p, Titre);
    EXPECT_EQ(ecrit, Titre.toLatin1() + "\r\n" + " 4660 169,165,140,145," + semaine + "\r\n" +
                         "-12 169,165,140,145," + QList<QByteArray>(6, jour).join(',') +
                         ",\"01\"\r\n" + " 0 169,165,140,-3," + semaine + "\r\n");

    p.IdentZone = {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 65535};
    p.ProgJour[0][0] = QByteArray(144, '1');
    p.ProgJour[2][4] = QByteArray(300, '1');
    const QByteArray ecrit2 = EcrireFichierProgramme(p, QStringLiteral("x VK472"));
    const ResultatLecture lu = LireFichierProgramme(ecrit2);
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
    EXPECT_EQ(EcrireFichierProgramme(lu.programme, QStringLiteral("x VK472")), ecrit2);
}

TEST(TitreAvecFichier, TrenteDerniersCaracteres) {
    const QString debut = Titre + QString(36, QLatin1Char(' ')) + "Fichier:  ";
    EXPECT_EQ(TitreAvecFichier(Titre, "/tmp/a.prg"), debut + "/tmp/a.prg");
    EXPECT_EQ(TitreAvecFichier(Titre, "/un/chemin/bien/plus/long/que/trente/data.prg"),
              debut + "/plus/long/que/trente/data.prg");
}

// Root passe outre les droits : ce test tourne sans droits par "EcritureSansDroits" (ctest).
TEST(EcritureAtomique, DossierEnLectureSeuleFichierModifiable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits";
    DossierTest dossier;
    dossier.Ecrit("data.prg", "ancien contenu, plus long que le nouveau");
    dossier.Ecrit("fige.prg", "fige");
    const auto droits = [&](const QString& nom, QFile::Permissions p) {
        return QFile::setPermissions(nom.isEmpty() ? dossier.Chemin() : dossier.Fichier(nom), p);
    };
    ASSERT_TRUE(droits("fige.prg", QFile::ReadOwner));
    ASSERT_TRUE(droits("", QFile::ReadOwner | QFile::ExeOwner));
    PlateformeFactice plateforme(dossier.Chemin());
    const QString entete = QStringLiteral("** SAUVEGARDE IMPOSSIBLE **");
    // Pas de fichier temporaire possible à côté : écrit en place.
    EXPECT_TRUE(EcritFichierEntier(plateforme, dossier.Fichier("data.prg"), "nouveau", entete));
    EXPECT_EQ(dossier.Lit("data.prg"), "nouveau");
    // Ni un nouveau fichier, ni un fichier en lecture seule : la cause en français.
    for (const auto& [nom, cause] : {std::pair{"neuf.prg", "Accès refusé."},
                                     std::pair{"fige.prg", "Fichier en lecture seule."}}) {
        plateforme.AttendBoite(entete + "\r\n\r\n" + dossier.Fichier(nom) + "\r\n" + cause,
                               Bouton::Ok);
        EXPECT_FALSE(EcritFichierEntier(plateforme, dossier.Fichier(nom), "x", entete));
    }
    EXPECT_EQ(dossier.Lit("fige.prg"), "fige");
    EXPECT_FALSE(dossier.Existe("neuf.prg"));
    ASSERT_TRUE(droits("", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}
