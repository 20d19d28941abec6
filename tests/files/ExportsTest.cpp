#include "files/Exports.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace {
// Les lignes du fichier, chacune finie par CR LF.
QByteArrayList Lignes(const QByteArray& fichier) {
    QByteArrayList lignes = fichier.split('\n');
    EXPECT_TRUE(lignes.takeLast().isEmpty());
    for (QByteArray& l : lignes) EXPECT_TRUE(l.endsWith('\r') && !l.chopped(1).contains('\r'));
    for (QByteArray& l : lignes) l.chop(1);
    return lignes;
}
QByteArray Octets(std::initializer_list<int> valeurs, int zeros = 0) {
    QByteArray ligne;
    for (int v : valeurs) ligne += QByteArray::number(v) + ',';
    return ligne + QByteArray("0,").repeated(zeros);
}
} // namespace

TEST(ExportFcb, IdentifiantsTemperaturesOctetsEtSommes) {
    Programme p;
    p.IdentZone = {4660, 70000, -2}; // 16 bits bas, poids fort d'abord, complément à deux
    RemetParDefaut(p);
    p.TempZone[1] = {198, 128, 140, -5};
    p.ProgJour[1][0][0] = '1';                       // premier créneau, 0h00
    p.ProgJour[1][6][143] = '1';                     // dernier créneau, 23h50
    p.ProgJour[1][3][7] = p.ProgJour[1][3][8] = '1'; // dernier bit d'un octet, premier du suivant
    // La queue ne compte pas, tout autre caractère que "1" vaut éco ; jours court, vide, long.
    p.ProgJour[0][0] = QByteArray(NbCreneaux, '2') + "1111";
    p.ProgJour[0][1] = "1x1 1";
    p.ProgJour[0][2] = QByteArray();
    p.ProgJour[0][3] = QByteArray(300, '1');
    for (QByteArray& jour : p.ProgJour[2]) jour = QByteArray(LongueurJour, '1');
    QByteArrayList attendu(27, Octets({}, 18));
    const QByteArray plein = QByteArray("255,").repeated(18);
    attendu[0] = Octets({18, 52, 169, 165, 140, 145});
    attendu[2] = Octets({128 + 32 + 8}, 17);
    attendu[4] = plein;
    attendu[8] = " 4758 "; // somme des octets de la zone
    attendu[9] = Octets({17, 112, 198, 128, 140, -5});
    attendu[10] = Octets({128}, 17);
    attendu[13] = Octets({1, 128}, 16);
    attendu[16] = Octets({}, 17) + "1,";
    attendu[17] = " 258 ";
    attendu[18] = Octets({255, 254, 169, 165, 140, 145});
    for (int d = 19; d < 26; ++d) attendu[d] = plein;
    attendu[26] = " 32130 ";
    const QByteArrayList l = Lignes(ExportFcb(p));
    ASSERT_EQ(l.size(), 27);
    for (int i = 0; i < 27; ++i) EXPECT_EQ(l[i], attendu[i]) << "ligne " << i;
}

TEST(ExportXls, LignesDe144Valeurs) {
    Programme p;
    RemetParDefaut(p);
    p.ProgJour[0][0][0] = '1';
    p.ProgJour[2][6][143] = '1';
    p.ProgJour[1][2] = "1x1";                                // court : éco au-delà
    p.ProgJour[1][3] = QByteArray(NbCreneaux, '0') + "1111"; // la queue ne sort pas
    // Ordre zone puis jour : la ligne 7 z + d est le jour d de la zone z.
    const QByteArray zero = "\"0\",", un = "\"1\",";
    QByteArrayList attendu(21, zero.repeated(144));
    attendu[0] = un + zero.repeated(143);
    attendu[9] = un + zero + un + zero.repeated(141);
    attendu[20] = zero.repeated(143) + un;
    EXPECT_EQ(Lignes(ExportXls(p)), attendu);
}
