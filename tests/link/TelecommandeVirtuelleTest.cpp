// Le décodeur de la télécommande virtuelle, nourri de la trame écrite en clair (une faute commune
// à l'émetteur passerait). L'outil lui-même : sans-ecran.sh.
#include "DecodeurTelecommande.h"
#include "link/TrameProgramme.h"
#include "support/Dossier.h"

#include <gtest/gtest.h>
#include <map>

namespace {
const QString Ok = QStringLiteral("2 BEEP -> PROG. OK");

// L'exemple : chaque bloc arrive d'un coup, puis son silence (ms, par rang de son dernier octet).
struct Envoi {
    Envoi() {
        const TrameEcrite trame = LitTrameEcrite(QStringLiteral("trame-lundi-6h-8h.txt"));
        octets = trame.octets;
        for (int rang : trame.pauses) pauses[rang] = 200;
    }
    QByteArray octets;
    std::map<int, int> pauses;
};

QStringList Ecoute(DecodeurTelecommande& d, const Envoi& envoi,
                   qint64 silence = DecodeurTelecommande::SilenceAbandonMs) {
    static qint64 t = 1000; // l'horloge du décodeur ne recule jamais
    QStringList lignes;
    for (int i = 0; i < envoi.octets.size(); ++i) {
        lignes << d.Recoit(static_cast<quint8>(envoi.octets[i]), t);
        t += envoi.pauses.count(i) ? envoi.pauses.at(i) : 0;
    }
    lignes << d.Avance(t += silence);
    return lignes;
}
} // namespace

TEST(DecodeurTelecommande, BonneTrameDecodeeEtJugee) {
    DecodeurTelecommande d;
    const QStringList exemple = Ecoute(d, Envoi());
    const std::pair<const char*, qsizetype> vues[] = {
        {"  Lundi    : 6H00-8H00", 1},
        {"  Températures : Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C", 3},
        {"Date et heure : Mardi 01/12/2026 14:05:09", 1},
        {"2 BEEP -> PROG. OK", 1}};
    for (const auto& [ligne, fois] : vues)
        EXPECT_EQ(exemple.count(QString::fromUtf8(ligne)), fois) << ligne;
    // Jugée dès le silence de fin ; 35 °C, 0H00, 24H00 et l'horloge au plus haut admis.
    Programme p = ProgrammeLundi();
    p.TempZone[2][3] = 198;
    p.ProgJour[0][0].replace(0, 9, "111111111");
    p.ProgJour[0][1].replace(138, 6, "111111");
    Envoi envoi;
    envoi.octets = OctetsTrame(TrameZones(p)) +
                   OctetsTrame(BlocReglages(p, 4660, QDateTime({2028, 12, 31}, {23, 59, 58})));
    const QStringList lignes = Ecoute(d, envoi, DecodeurTelecommande::SilenceFinMs);
    EXPECT_TRUE(lignes.contains(QStringLiteral("Date et heure : Dimanche 31/12/2028 23:59:58")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("  Lundi    : 0H00-1H30 6H00-8H00")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("  Mardi    : 23H00-24H00")));
    EXPECT_EQ(lignes.last(), Ok) << lignes.join('\n').toStdString();
}

// Le verdict (les bips) est la dernière ligne ; puis la télécommande repart de zéro.
TEST(DecodeurTelecommande, ChaqueAnomalieDonneSixBipsPuisLaTrameSuivantePasse) {
    const QStringList cas = CasDeTable(QStringLiteral("anomalies-telecommande.txt"));
    ASSERT_EQ(cas.size(), 17);
    for (const QString& ligne : cas) {
        const QStringList mots = ligne.section(" | ", 0, 0).split(' ');
        const QString raison = ligne.section(" | ", 1);
        Envoi e;
        if (mots[0] == "coupe")
            e.octets.chop(1);
        else if (mots[0] == "ajoute")
            e.octets.append('F');
        else if (mots[0] != "pause")
            e.octets[mots[0].section('=', 0, 0).toInt()] =
                static_cast<char>(mots[0].section('=', 1).toInt(nullptr, 16));
        for (auto& [rang, silence] : e.pauses)
            if (mots[0] == "pause" && (mots[1] == "*" || mots[1].toInt() == rang))
                silence = mots[2].toInt();
        DecodeurTelecommande d;
        EXPECT_EQ(Ecoute(d, e).last(),
                  raison == "OK" ? Ok : "6 Beep -> DEFAUT DIALOGUE : " + raison)
            << ligne.toStdString();
        EXPECT_EQ(Ecoute(d, Envoi()).last(), Ok) << ligne.toStdString();
    }
}
