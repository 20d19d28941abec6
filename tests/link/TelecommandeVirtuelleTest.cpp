// Le décodeur de la télécommande virtuelle, nourri de la trame écrite en clair (une faute commune
// à l'émetteur passerait). L'outil lui-même : sans-ecran.sh.
#include "DecodeurTelecommande.h"
#include "link/TrameProgramme.h"
#include "support/Dossier.h"
#include "support/Impression.h"

#include <gtest/gtest.h>
#include <map>

namespace {
const QString Ok = QStringLiteral("2 BEEP -> PROG. OK");

struct Envoi {
    QByteArray octets;
    std::map<int, int> pauses; // rang du dernier octet d'un bloc -> silence qui suit (ms)
};

Envoi Exemple() {
    const TrameEcrite trame = LitTrameEcrite(QStringLiteral("trame-lundi-6h-8h.txt"));
    Envoi envoi{trame.octets, {}};
    for (int rang : trame.pauses) envoi.pauses[rang] = 200;
    return envoi;
}

// Chaque bloc arrive d'un coup, puis son silence ; un silence à la fin, long par défaut.
QStringList Ecoute(DecodeurTelecommande& d, const Envoi& envoi,
                   qint64 silence = DecodeurTelecommande::SilenceAbandonMs) {
    static qint64 t = 1000; // l'horloge du décodeur ne recule jamais
    QStringList lignes;
    for (int i = 0; i < envoi.octets.size(); ++i) {
        lignes << d.Recoit(static_cast<quint8>(envoi.octets[i]), t);
        const auto pause = envoi.pauses.find(i);
        if (pause != envoi.pauses.end()) t += pause->second;
    }
    t += silence;
    lignes << d.Avance(t);
    return lignes;
}

// Une abîmure de donnees/anomalies-telecommande.txt.
void Abime(Envoi& e, const QStringList& mots) {
    if (mots[0] == QLatin1String("coupe")) {
        e.octets.chop(1);
    } else if (mots[0] == QLatin1String("ajoute")) {
        e.octets.append('F');
    } else if (mots[0] == QLatin1String("pause")) {
        for (auto& [rang, silence] : e.pauses)
            if (mots[1] == QLatin1String("*") || mots[1].toInt() == rang) silence = mots[2].toInt();
    } else {
        const QStringList octet = mots[0].split('=');
        e.octets[octet[0].toInt()] = static_cast<char>(octet[1].toInt(nullptr, 16));
    }
}

} // namespace

TEST(DecodeurTelecommande, BonneTrameDecodeeEtJugee) {
    DecodeurTelecommande d;
    // Ce que la télécommande lit de l'exemple, relu à la main contre la trame.
    const QStringList exemple = Ecoute(d, Exemple());
    const std::pair<const char*, qsizetype> vues[] = {
        {"  Lundi    : 6H00-8H00", 1},
        {"  Températures : Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C", 3},
        {"Date et heure : Mardi 01/12/2026 14:05:09", 1},
        {"2 BEEP -> PROG. OK", 1}};
    for (const auto& [ligne, fois] : vues)
        EXPECT_EQ(exemple.count(QString::fromUtf8(ligne)), fois) << ligne;
    // Jugée dès le silence de fin, pas après ; 35 °C admis, un confort dès 0H00, un autre
    // jusqu'à 24H00, l'horloge à ses plus hautes valeurs (trame de l'émetteur).
    Programme p;
    RemetParDefaut(p);
    p.TempZone[2][3] = 198;
    p.ProgJour[0][0].replace(0, 9, "111111111");
    p.ProgJour[0][1].replace(138, 6, "111111");
    Envoi envoi = Exemple();
    envoi.octets = OctetsTrame(TrameZones(p)) +
                   OctetsTrame(BlocReglages(p, 4660, QDateTime({2028, 12, 31}, {23, 59, 58})));
    const QStringList lignes = Ecoute(d, envoi, DecodeurTelecommande::SilenceFinMs);
    EXPECT_TRUE(lignes.contains(QStringLiteral("Date et heure : Dimanche 31/12/2028 23:59:58")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("  Lundi    : 0H00-1H30")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("  Mardi    : 23H00-24H00")));
    EXPECT_EQ(lignes.last(), Ok) << lignes.join('\n').toStdString();
}

TEST(DecodeurTelecommande, ChaqueAnomalieDonneSixBipsPuisLaTrameSuivantePasse) {
    const QStringList cas = CasDeTable(QStringLiteral("anomalies-telecommande.txt"));
    ASSERT_EQ(cas.size(), 16);
    for (const QString& ligne : cas) {
        const QString raison = ligne.section(QLatin1String(" | "), 1);
        Envoi envoi = Exemple();
        Abime(envoi, ligne.section(QLatin1String(" | "), 0, 0).split(' '));
        DecodeurTelecommande d;
        const QStringList lignes = Ecoute(d, envoi);
        // Le verdict (les bips) est la dernière ligne ; puis la télécommande repart de zéro.
        EXPECT_EQ(lignes.last(), raison == "OK" ? Ok : "6 Beep -> DEFAUT DIALOGUE : " + raison)
            << lignes.join('\n').toStdString();
        EXPECT_EQ(Ecoute(d, Exemple()).last(), Ok) << ligne.toStdString();
    }
}
