#include "files/FichierProgramme.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {
const QByteArray Titre = "GESTION CHAUFFAGE -VK472- V1.50";

Programme Exemple() {
    Programme p;
    const qint32 idents[3] = {4660, -7, 70000};
    for (int z = 0; z < NbZones; ++z) {
        p.IdentZone[z] = idents[z];
        p.TempZone[z] = {169, 165, 140, static_cast<qint16>(145 + z)};
        for (int d = 0; d < NbJours; ++d) {
            QByteArray jour = JourVide();
            for (int s = 6 * d; s < 6 * d + 10 + z; ++s) jour[s] = '1';
            p.ProgJour[z][d] = jour;
        }
    }
    return p;
}

// Les 37 champs de l'exemple, séparés comme on veut.
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
    const QByteArray canonique = EcrireFichierProgramme(p, QString::fromLatin1(Titre));
    for (const QByteArray& contenu :
         {canonique, Champs(p, "\r\n"), Champs(p, ","), Champs(p, "\n"), Champs(p, " ,  "),
          canonique + "du texte en trop, 12, \"ignoré\"\r\n", canonique.chopped(2)}) {
        const ResultatLecture lu = LireFichierProgramme(contenu);
        ASSERT_EQ(lu.statut, StatutLecture::Lu) << contenu.left(80).toStdString();
        EXPECT_EQ(lu.programme, p);
    }
}

TEST(LectureFichierProgramme, MarqueDuPremierChamp) {
    QByteArray contenu = EcrireFichierProgramme(Exemple(), QString::fromLatin1(Titre));
    EXPECT_EQ(Statut("autre texte VK472 autour" + contenu.mid(Titre.size())), StatutLecture::Lu);
    EXPECT_EQ(Statut("\"VK472\"" + contenu.mid(Titre.size())), StatutLecture::Lu);
    EXPECT_EQ(Statut("gestion chauffage -vk472-" + contenu.mid(Titre.size())),
              StatutLecture::Incompatible);
    // La marque doit être dans le premier champ, pas plus loin sur la ligne.
    EXPECT_EQ(Statut("GESTION,VK472" + contenu.mid(Titre.size())), StatutLecture::Incompatible);
    EXPECT_EQ(Statut(""), StatutLecture::NonConforme);
}

TEST(LectureFichierProgramme, JoursGardesTelsQuels) {
    Programme p = Exemple();
    p.ProgJour[0][0] = QByteArray(200, '1');
    p.ProgJour[1][3] = "0101";
    p.ProgJour[2][6] = QByteArray();
    p.ProgJour[2][5] = "01x2 ;-)";
    const ResultatLecture lu =
        LireFichierProgramme(EcrireFichierProgramme(p, QString::fromLatin1(Titre)));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme, p);
}

TEST(LectureFichierProgramme, FichiersNonConformes) {
    const Programme p = Exemple();
    const QByteArray bon = EcrireFichierProgramme(p, QString::fromLatin1(Titre));
    const QByteArray zone0 = bon.left(bon.indexOf('\n') + 1);
    QList<QByteArray> mauvais{
        bon.left(bon.lastIndexOf(',')),                     // 36 champs
        zone0,                                              // titre seul
        QByteArray(bon).replace(" 4660 ", " 4x60 "),        // pas un nombre
        QByteArray(bon).replace(" 4660 ", " 2147483648 "),  // trop grand pour 32 bits
        QByteArray(bon).replace("169,165", "32768,165"),    // trop grand pour 16 bits
        QByteArray(bon).replace("169,165", "169,,165"),     // champ numérique vide
        QByteArray(bon).replace(" 4660 169", " 4660 12.5"), // pas un entier
        bon.left(bon.lastIndexOf('"')),                     // guillemet jamais refermé
        QByteArray(bon).replace("0000", QByteArray("00\0"
                                                   "0",
                                                   4)), // binaire
        QByteArray(bon).insert(100, '\x01'),
        bon + QByteArray(TailleMaxFichierProgramme, ' '), // plus de 1 Mio
        Champs(p, QByteArray(3000, '\n')), // champs dispersés sur des milliers de lignes
    };
    for (const QByteArray& contenu : mauvais)
        EXPECT_EQ(Statut(contenu), StatutLecture::NonConforme) << contenu.left(60).toStdString();
}

TEST(LectureFichierProgramme, TemperaturesHorsBornes) {
    Programme p = Exemple();
    // Zone 0 : chargée dans les barres 128..198, le fichier est refusé.
    for (qint16 t : {127, 199, -1}) {
        Programme q = p;
        q.TempZone[0][2] = t;
        EXPECT_EQ(Statut(EcrireFichierProgramme(q, QString::fromLatin1(Titre))),
                  StatutLecture::NonConforme)
            << t;
    }
    // Zones 1 et 2 : acceptées, la fenêtre les ramène dans les bornes à l'affichage.
    p.TempZone[1][0] = 250;
    p.TempZone[2][1] = 12;
    const ResultatLecture lu =
        LireFichierProgramme(EcrireFichierProgramme(p, QString::fromLatin1(Titre)));
    ASSERT_EQ(lu.statut, StatutLecture::Lu);
    EXPECT_EQ(lu.programme.TempZone[1][0], 250);
    EXPECT_EQ(lu.programme.TempZone[2][1], 12);
}
