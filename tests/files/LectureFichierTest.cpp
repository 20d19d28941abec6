// Lecture du fichier programme : seules comptent la marque et les 37 champs, sinon non conforme.
// limites.prg (valeurs hors bornes, jours de toute longueur) s'écrit et s'exporte comme en clair.
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "model/OctetsJour.h"
#include "model/Textes.h"
#include "support/Dossier.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

TEST(FichierProgramme, LuEcritEtExporteAuxLimites) {
    const QByteArray bon = DonneeTest(QStringLiteral("limites.prg"));
    const Programme p = LireFichierProgramme(bon).programme;
    EXPECT_EQ(EcrireFichierProgramme(p, TitreVersion), bon);
    EXPECT_EQ(ExportFcb(p), DonneeTest(QStringLiteral("limites.FCB")));
    EXPECT_EQ(ExportXls(p), DonneeTest(QStringLiteral("limites.xls")));
    // Aux bornes de 32 bits, et zéro avec son blanc de signe.
    const QByteArray bornes = QByteArray(bon)
                                  .replace(" 4660 ", "-2147483648 ")
                                  .replace(" 70000 ", " 2147483647 ")
                                  .replace("-2 ", " 0 ");
    EXPECT_EQ(EcrireFichierProgramme(LireFichierProgramme(bornes).programme, TitreVersion), bornes);
    // Séparateurs changés ; après le 37e champ, rien n'est lu : fin de fichier DOS, zéros, etc.
    const auto separes = [&bon](const char* avant, const QByteArray& apres) {
        return QByteArray(bon).replace(avant, apres);
    };
    for (const QByteArray& contenu :
         {separes("\r\n", ","), separes(",", "\r\n"), separes("\r\n", "\n"), separes(",", " ,  "),
          bon + "du texte en trop, 12, \"ignoré\"\r\n", bon.chopped(2), bon + '\x1A',
          bon + QByteArray(300, '\0'), bon.chopped(2) + QByteArray("\x1A\x01\x7F\x00\xFF\"x", 7)}) {
        const ResultatLecture lu = LireFichierProgramme(contenu);
        EXPECT_TRUE(lu.statut == StatutLecture::Lu && lu.programme == p)
            << contenu.left(80).toStdString();
    }
    const QByteArrayList statuts{"Lu", "Incompatible", "NonConforme"}; // ordre de StatutLecture
    const QStringList cas = CasDeTable(QStringLiteral("lecture-limites.txt"));
    ASSERT_GE(cas.size(), 12);
    for (const QString& ligne : cas) {
        QByteArrayList c = ligne.toUtf8().split('|'); // statut | texte | remplacé par
        ASSERT_EQ(c.size(), 3) << ligne.toStdString();
        for (QByteArray& champ : c) champ = QByteArray::fromPercentEncoding(champ.trimmed());
        ASSERT_TRUE(bon.contains(c[1])) << ligne.toStdString();
        const StatutLecture lu = LireFichierProgramme(QByteArray(bon).replace(c[1], c[2])).statut;
        EXPECT_EQ(statuts.value(static_cast<int>(lu)), c[0]) << ligne.toStdString();
    }
    // Vide, 36 champs, guillemet jamais refermé, 1 Mio et 1 octet, champs sur 3000 lignes, 1 Mio
    // pile avec une marque courte (sa sauvegarde, au titre complet, ne se relirait plus).
    QByteArray pile = "VK472" + bon.mid(bon.indexOf('\r'));
    pile.insert(pile.indexOf('"') + 1, QByteArray(TailleMaxFichierProgramme - pile.size(), '0'));
    for (const QByteArray& contenu :
         {QByteArray(), bon.left(bon.lastIndexOf(',')), bon.left(bon.lastIndexOf('"')),
          bon + QByteArray(1024 * 1024 + 1 - bon.size(), ' '), separes(",", QByteArray(3000, '\n')),
          pile})
        EXPECT_EQ(LireFichierProgramme(contenu).statut, StatutLecture::NonConforme)
            << contenu.left(60).toStdString();
    // Tous les jours à la plus longue longueur lue, (1 Mio - 4096) / 21 - 3, et des contrôles
    // (NUL, SOH, TAB, fin DOS, DEL) : éco ; sauvé, il se relit encore. Un de plus n'est pas lu.
    Programme q = p;
    for (auto& zone : q.ProgJour) zone.fill(QByteArray(49734, '1'));
    q.ProgJour[0][2] = QByteArray::fromHex("310001091A7F31") + QByteArray(141, '0');
    q.ProgJour[2][6] = QByteArray("\r\n\x1A", 3);
    const ResultatLecture lu = LireFichierProgramme(EcrireFichierProgramme(q, TitreVersion));
    EXPECT_TRUE(lu.statut == StatutLecture::Lu && lu.programme == q);
    EXPECT_EQ(OctetsJour(lu.programme.ProgJour[0][2])[0], 0x82);
    q.ProgJour[1][4] += '1';
    EXPECT_EQ(LireFichierProgramme(EcrireFichierProgramme(q, TitreVersion)).statut,
              StatutLecture::NonConforme);
}
