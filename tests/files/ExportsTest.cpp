#include "files/Exports.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {
// Lignes du fichier, en vérifiant que chacune finit par CR LF et rien d'autre.
QByteArrayList Lignes(const QByteArray& fichier) {
    EXPECT_TRUE(fichier.endsWith("\r\n"));
    QByteArrayList lignes = fichier.split('\n');
    lignes.removeLast();
    for (QByteArray& l : lignes) {
        EXPECT_TRUE(l.endsWith('\r'));
        l.chop(1);
        EXPECT_FALSE(l.contains('\r'));
    }
    return lignes;
}

// n octets "v," à la suite.
QByteArray Octets(std::initializer_list<int> valeurs) {
    QByteArray ligne;
    for (int v : valeurs) ligne += QByteArray::number(v) + ',';
    return ligne;
}
QByteArray Repete(int valeur, int n) {
    QByteArray ligne;
    for (int i = 0; i < n; ++i) ligne += QByteArray::number(valeur) + ',';
    return ligne;
}

Programme Efface(std::array<qint32, NbZones> identifiants = {0, 0, 0}) {
    Programme p;
    p.IdentZone = identifiants;
    RemetParDefaut(p);
    return p;
}
} // namespace

TEST(ExportFcb, ProgrammeEfface) {
    const QByteArrayList lignes = Lignes(ExportFcb(Efface({4660, 70000, -2})));
    ASSERT_EQ(lignes.size(), 27);
    // Seuls les 16 bits bas de l'identifiant, poids fort d'abord, en complément à deux.
    EXPECT_EQ(lignes[0], Octets({18, 52, 169, 165, 140, 145}));
    EXPECT_EQ(lignes[9], Octets({17, 112, 169, 165, 140, 145}));
    EXPECT_EQ(lignes[18], Octets({255, 254, 169, 165, 140, 145}));
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 1; d <= NbJours; ++d) EXPECT_EQ(lignes[9 * z + d], Repete(0, 18));
        EXPECT_EQ(lignes[9 * z + 8], " 0 ");
    }
}

TEST(ExportFcb, PremierEtDernierCreneauEtSomme) {
    Programme p = Efface();
    p.ProgJour[1][0][0] = '1';   // premier créneau, 0h00
    p.ProgJour[1][6][143] = '1'; // dernier créneau, 23h50
    p.ProgJour[1][3][7] = '1';   // dernier bit du premier octet
    p.ProgJour[1][3][8] = '1';   // premier bit du deuxième
    p.TempZone[1] = {198, 128, 140, -5};
    const QByteArrayList lignes = Lignes(ExportFcb(p));
    ASSERT_EQ(lignes.size(), 27);
    EXPECT_EQ(lignes[9], Octets({0, 0, 198, 128, 140, -5}));
    EXPECT_EQ(lignes[10], Octets({128}) + Repete(0, 17));
    EXPECT_EQ(lignes[13], Octets({1, 128}) + Repete(0, 16));
    EXPECT_EQ(lignes[16], Repete(0, 17) + Octets({1}));
    EXPECT_EQ(lignes[17], " 258 ");
    // Les autres zones n'en sont pas touchées.
    EXPECT_EQ(lignes[8], " 0 ");
    EXPECT_EQ(lignes[26], " 0 ");
}

TEST(ExportFcb, ToutConfortEtAutresCaracteres) {
    Programme p = Efface();
    for (QByteArray& jour : p.ProgJour[2]) jour = QByteArray(LongueurJour, '1');
    // La queue (caractères 145 à 148) ne compte pas, tout autre caractère que "1" vaut éco.
    p.ProgJour[0][0] = QByteArray(NbCreneaux, '2') + "1111";
    p.ProgJour[0][1] = "1x1 1";              // jour court, lu tel quel
    p.ProgJour[0][2] = QByteArray();         // jour vide (abandon au démarrage)
    p.ProgJour[0][3] = QByteArray(300, '1'); // jour trop long : 144 créneaux seulement
    const QByteArrayList lignes = Lignes(ExportFcb(p));
    ASSERT_EQ(lignes.size(), 27);
    for (int d = 1; d <= NbJours; ++d) EXPECT_EQ(lignes[18 + d], Repete(255, 18));
    EXPECT_EQ(lignes[26], " 32130 ");
    EXPECT_EQ(lignes[1], Repete(0, 18));
    EXPECT_EQ(lignes[2], Octets({128 + 32 + 8}) + Repete(0, 17));
    EXPECT_EQ(lignes[3], Repete(0, 18));
    EXPECT_EQ(lignes[4], Repete(255, 18));
    EXPECT_EQ(lignes[8], " " + QByteArray::number(168 + 18 * 255) + " ");
}

TEST(ExportXls, LignesDe144Valeurs) {
    Programme p = Efface({1, 2, 3});
    p.ProgJour[0][0][0] = '1';
    p.ProgJour[2][6][143] = '1';
    p.ProgJour[1][2] = "1x1";                                // court : éco au-delà
    p.ProgJour[1][3] = QByteArray(NbCreneaux, '0') + "1111"; // la queue ne sort pas
    const QByteArrayList lignes = Lignes(ExportXls(p));
    ASSERT_EQ(lignes.size(), 21);
    const QByteArray zero = "\"0\",", un = "\"1\",";
    for (const QByteArray& l : lignes) EXPECT_EQ(l.size(), 576);
    EXPECT_EQ(lignes[0], un + zero.repeated(143));
    EXPECT_EQ(lignes[20], zero.repeated(143) + un);
    EXPECT_EQ(lignes[9], un + zero + un + zero.repeated(141));
    EXPECT_EQ(lignes[10], zero.repeated(144));
    // Ordre zone puis jour : la ligne 7 z + d est le jour d de la zone z.
    int uns = 0;
    for (const QByteArray& l : lignes) uns += l.count(un);
    EXPECT_EQ(uns, 4);
}

TEST(ExportXls, ToutConfort) {
    Programme p = Efface();
    for (auto& zone : p.ProgJour)
        for (QByteArray& jour : zone) jour = QByteArray(LongueurJour, '1');
    const QByteArray tout = QByteArray("\"1\",").repeated(144) + "\r\n";
    EXPECT_EQ(ExportXls(p), tout.repeated(21));
}
