#include "files/FichierProgramme.h"
#include "model/OctetsJour.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {
const QByteArray Titre = "GESTION CHAUFFAGE -VK472- V1.50";

// Jours décalés d'une zone à l'autre, plus quelques jours gardés tels quels : long, court,
// vide, autres caractères.
Programme Exemple() {
    Programme p;
    const qint32 idents[3] = {4660, -7, 70000};
    for (int z = 0; z < NbZones; ++z) {
        p.IdentZone[z] = idents[z];
        p.TempZone[z] = {169, 165, 140, static_cast<qint16>(145 + z)};
        for (int d = 0; d < NbJours; ++d) {
            p.ProgJour[z][d] = JourVide();
            for (int s = 6 * d; s < 6 * d + 10 + z; ++s) p.ProgJour[z][d][s] = '1';
        }
    }
    p.ProgJour[0][6] = QByteArray(200, '1');
    p.ProgJour[1][3] = "0101";
    p.ProgJour[2][6] = QByteArray();
    p.ProgJour[2][5] = "01x2 ;-)";
    return p;
}
QByteArray Ecrit(const Programme& p) {
    return EcrireFichierProgramme(p, QString::fromLatin1(Titre));
}
// Les 37 champs, séparés comme on veut.
QByteArray Champs(const Programme& p, const QByteArray& separateur) {
    QList<QByteArray> champs{Titre};
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
} // namespace

TEST(LectureFichierProgramme, DispositionsEquivalentes) {
    const Programme p = Exemple();
    const QByteArray canonique = Ecrit(p);
    // Après le 37e champ, rien n'est lu : fin de fichier DOS, zéros, autres contrôles.
    for (const QByteArray& contenu :
         {canonique, Champs(p, "\r\n"), Champs(p, ","), Champs(p, "\n"), Champs(p, " ,  "),
          canonique + "du texte en trop, 12, \"ignoré\"\r\n", canonique.chopped(2),
          canonique + '\x1A', canonique + QByteArray(300, '\0'),
          canonique.chopped(2) + QByteArray("\x1A\x01\x7F\x00\xFF\"x", 7)}) {
        const ResultatLecture lu = LireFichierProgramme(contenu);
        ASSERT_EQ(lu.statut, StatutLecture::Lu) << contenu.left(80).toStdString();
        EXPECT_EQ(lu.programme, p);
    }
}

TEST(LectureFichierProgramme, MarqueDuPremierChamp) {
    const QByteArray suite = Ecrit(Exemple()).mid(Titre.size());
    EXPECT_EQ(Statut("autre texte VK472 autour" + suite), StatutLecture::Lu);
    EXPECT_EQ(Statut("\"VK472\"" + suite), StatutLecture::Lu);
    EXPECT_EQ(Statut("gestion chauffage -vk472-" + suite), StatutLecture::Incompatible);
    // La marque doit être dans le premier champ, pas plus loin sur la ligne.
    EXPECT_EQ(Statut("GESTION,VK472" + suite), StatutLecture::Incompatible);
    EXPECT_EQ(Statut(""), StatutLecture::NonConforme);
}

TEST(LectureFichierProgramme, FichiersNonConformes) {
    const Programme p = Exemple();
    const QByteArray bon = Ecrit(p);
    const auto jour = [&](int z, int d) { return '"' + p.ProgJour[z][d] + '"'; };
    const QList<QByteArray> mauvais{
        bon.left(bon.lastIndexOf(',')),                     // 36 champs
        bon.left(bon.indexOf('\n') + 1),                    // titre seul
        QByteArray(bon).replace(" 4660 ", " 4x60 "),        // pas un nombre
        QByteArray(bon).replace(" 4660 ", " 2147483648 "),  // trop grand pour 32 bits
        QByteArray(bon).replace("169,165", "32768,165"),    // trop grand pour 16 bits
        QByteArray(bon).replace("169,165", "169,,165"),     // champ numérique vide
        QByteArray(bon).replace(" 4660 169", " 4660 12.5"), // pas un entier
        QByteArray(bon).replace(" 4660 ", " 4660.5 "),      // pas un entier, même dans les bornes
        bon.left(bon.lastIndexOf('"')),                     // guillemet jamais refermé
        QByteArray(bon).replace(" 4660 ", QByteArray(" 46\0"
                                                     "60 ",
                                                     6)), // zéro dans un nombre
        QByteArray(bon).replace("169,165", "169\x1A,165"),
        bon + QByteArray(TailleMaxFichierProgramme, ' '), // plus de 1 Mio
        Champs(p, QByteArray(3000, '\n')), // champs dispersés sur des milliers de lignes
        // Trouvés par le fuzzing : un guillemet dans un jour décalait les champs une fois
        // le programme sauvegardé.
        QByteArray(bon).replace(jour(0, 0), "00\"11"),
        QByteArray(bon).replace(jour(0, 0), "0000\""),
        QByteArray(bon).replace(jour(2, 5), "\"0000\"1111\""),
    };
    for (const QByteArray& contenu : mauvais)
        EXPECT_EQ(Statut(contenu), StatutLecture::NonConforme) << contenu.left(60).toStdString();
}

TEST(LectureFichierProgramme, CaracteresDeControleDansUnJourGardesEnEco) {
    Programme p = Exemple();
    p.ProgJour[0][2] = QByteArray("1\x00\x01\t\x1A\x7F"
                                  "1",
                                  7) +
                       QByteArray(141, '0');
    p.ProgJour[2][6] = QByteArray("\r\n\x1A", 3);
    const ResultatLecture lu = LireFichierProgramme(Ecrit(p));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
    EXPECT_EQ(OctetsJour(lu.programme.ProgJour[0][2])[0], 0x82); // seuls les "1" en confort
}

TEST(LectureFichierProgramme, TemperaturesHorsBornes) {
    Programme p = Exemple();
    // Zone 0 : chargée dans les barres 128..198, le fichier est refusé.
    for (qint16 t : {127, 199, -1}) {
        Programme q = p;
        q.TempZone[0][2] = t;
        EXPECT_EQ(Statut(Ecrit(q)), StatutLecture::NonConforme) << t;
    }
    // Zones 1 et 2 : acceptées, la fenêtre les ramène dans les bornes à l'affichage.
    p.TempZone[1][0] = 250;
    p.TempZone[2][1] = 12;
    const ResultatLecture lu = LireFichierProgramme(Ecrit(p));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
}

TEST(LectureFichierProgramme, JoursLongsEtTailleMaximale) {
    // 1 Mio pile avec une marque courte était accepté, mais la sauvegarde (titre complet)
    // dépassait la limite et ne se relisait plus.
    QByteArray pile = "VK472" + Ecrit(Exemple()).mid(Titre.size());
    pile.insert(pile.indexOf('"') + 1, QByteArray(TailleMaxFichierProgramme - pile.size(), '0'));
    EXPECT_EQ(Statut(pile), StatutLecture::NonConforme);
    // Des jours longs mais raisonnables restent entiers, et tous longs à la fois se relisent.
    Programme p = Exemple();
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = QByteArray(40000, '1');
    const ResultatLecture lu = LireFichierProgramme(Ecrit(p));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
}
