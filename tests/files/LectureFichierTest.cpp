// La lecture en liste du fichier programme : seules comptent la marque et la suite des
// 37 champs ; tout le reste le rend non conforme, sans rien en prendre.
#include "files/FichierProgramme.h"
#include "model/OctetsJour.h"
#include "support/Dossier.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {
const QByteArray Titre = "GESTION CHAUFFAGE -VK472- V1.50";

QByteArray Ecrit(const Programme& p) {
    return EcrireFichierProgramme(p, QString::fromLatin1(Titre));
}
// Les 37 champs, séparés comme on veut.
QByteArray Champs(const Programme& p, const QByteArray& separateur) {
    QByteArrayList champs{Titre};
    for (int z = 0; z < NbZones; ++z) {
        champs << QByteArray::number(p.IdentZone[z]);
        for (qint16 t : p.TempZone[z]) champs << QByteArray::number(t);
        for (int d = 0; d < NbJours; ++d) champs << '"' + p.ProgJour[z][d] + '"';
    }
    return champs.join(separateur) + separateur;
}
StatutLecture Statut(const QByteArray& contenu) {
    return LireFichierProgramme(contenu).statut;
}

class LectureFichierProgramme : public testing::Test {
protected:
    const QByteArray bon = DonneeTest(QStringLiteral("limites.prg"));
    const Programme p = LireFichierProgramme(bon).programme;
};
} // namespace

TEST_F(LectureFichierProgramme, DispositionsEquivalentes) {
    ASSERT_EQ(p.IdentZone[0], 4660);
    // Après le 37e champ, rien n'est lu : fin de fichier DOS, zéros, autres contrôles.
    for (const QByteArray& contenu :
         {Champs(p, "\r\n"), Champs(p, ","), Champs(p, "\n"), Champs(p, " ,  "),
          bon + "du texte en trop, 12, \"ignoré\"\r\n", bon.chopped(2), bon + '\x1A',
          bon + QByteArray(300, '\0'), bon.chopped(2) + QByteArray("\x1A\x01\x7F\x00\xFF\"x", 7)}) {
        const ResultatLecture lu = LireFichierProgramme(contenu);
        ASSERT_EQ(lu.statut, StatutLecture::Lu) << contenu.left(80).toStdString();
        EXPECT_EQ(lu.programme, p);
    }
    // Dans un jour, les caractères de contrôle restent tels quels et valent éco.
    Programme q = p;
    q.ProgJour[0][2] = QByteArray("1\x00\x01\t\x1A\x7F"
                                  "1",
                                  7) +
                       QByteArray(141, '0');
    q.ProgJour[2][6] = QByteArray("\r\n\x1A", 3);
    const ResultatLecture lu = LireFichierProgramme(Ecrit(q));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, q);
    EXPECT_EQ(OctetsJour(lu.programme.ProgJour[0][2])[0], 0x82);
}

TEST_F(LectureFichierProgramme, MarqueDuPremierChamp) {
    const QByteArray suite = bon.mid(Titre.size());
    EXPECT_EQ(Statut("autre texte VK472 autour" + suite), StatutLecture::Lu);
    EXPECT_EQ(Statut("\"VK472\"" + suite), StatutLecture::Lu);
    EXPECT_EQ(Statut("gestion chauffage -vk472-" + suite), StatutLecture::Incompatible);
    // La marque doit être dans le premier champ, pas plus loin sur la ligne.
    EXPECT_EQ(Statut("GESTION,VK472" + suite), StatutLecture::Incompatible);
    EXPECT_EQ(Statut(""), StatutLecture::NonConforme);
}

TEST_F(LectureFichierProgramme, FichiersNonConformes) {
    const auto remplace = [this](const char* avant, const QByteArray& apres) {
        return QByteArray(bon).replace(avant, apres);
    };
    const QByteArrayList mauvais{
        bon.left(bon.lastIndexOf(',')),     // 36 champs
        bon.left(bon.indexOf('\n') + 1),    // titre seul
        remplace(" 4660 ", " 4x60 "),       // pas un nombre
        remplace(" 4660 ", " 2147483648 "), // trop grand pour 32 bits
        remplace(" 4660 ", "-2147483649 "),
        remplace("169,165", "32768,165"),    // trop grand pour 16 bits
        remplace("169,165", "169,,165"),     // champ numérique vide
        remplace(" 4660 169", " 4660 12.5"), // pas un entier
        remplace(" 4660 ", " 4660.5 "),      // pas un entier, même dans les bornes
        bon.left(bon.lastIndexOf('"')),      // guillemet jamais refermé
        remplace(" 4660 ", QByteArray(" 46\0"
                                      "60 ",
                                      6)), // zéro dans un nombre
        remplace("169,165", "169\x1A,165"),
        // Zone 0 : chargée dans les barres 128..198 ; les autres zones sont ramenées ensuite.
        remplace("169,165,140,145", "169,165,127,145"),
        remplace("169,165,140,145", "169,165,140,199"),
        remplace("169,165,140,145", "-1,165,140,145"),
        bon + QByteArray(1024 * 1024 + 1 - bon.size(), ' '), // 1 Mio et 1 octet
        Champs(p, QByteArray(3000, '\n')), // champs dispersés sur des milliers de lignes
        // Trouvés par le fuzzing : un guillemet dans un jour décalait les champs une fois
        // le programme sauvegardé.
        remplace("\"1x1 1\"", "00\"11"),
        remplace("\"1x1 1\"", "0000\""),
        remplace("\"1x1 1\"", "\"0000\"1111\""),
    };
    for (const QByteArray& contenu : mauvais)
        EXPECT_EQ(Statut(contenu), StatutLecture::NonConforme) << contenu.left(60).toStdString();
    // Les mêmes températures limites passent : 128 et 198.
    EXPECT_EQ(Statut(remplace("169,165,140,145", "128,165,140,198")), StatutLecture::Lu);
}

TEST_F(LectureFichierProgramme, JoursLongsEtTailleMaximale) {
    // 1 Mio pile avec une marque courte était accepté, mais la sauvegarde (titre complet)
    // dépassait la limite et ne se relisait plus.
    QByteArray pile = "VK472" + bon.mid(Titre.size());
    pile.insert(pile.indexOf('"') + 1, QByteArray(TailleMaxFichierProgramme - pile.size(), '0'));
    EXPECT_EQ(Statut(pile), StatutLecture::NonConforme);
    // Des jours longs mais raisonnables restent entiers, et tous longs à la fois se relisent.
    Programme q = p;
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) q.ProgJour[z][d] = QByteArray(40000, '1');
    const ResultatLecture lu = LireFichierProgramme(Ecrit(q));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, q);
}
