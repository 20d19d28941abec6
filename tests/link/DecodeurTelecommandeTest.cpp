// Le décodeur de la télécommande virtuelle, nourri de trames horodatées.
#include "DecodeurTelecommande.h"
#include "link/TrameProgramme.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {
const QDateTime MardiPremierDecembre(QDate(2026, 12, 1), QTime(14, 5, 9));
const QString Ok = QStringLiteral("2 BEEP -> PROG. OK");
const QString Defaut = QStringLiteral("6 Beep -> DEFAUT DIALOGUE : ");

Programme Exemple() {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, 2, 3};
    QByteArray lundi = JourVide();
    for (int s = 36; s < 48; ++s) lundi[s] = '1';
    for (int s = 105; s < 132; ++s) lundi[s] = '1';
    p.ProgJour[0][0] = lundi;
    return p;
}

struct Envoi {
    QByteArray octets;
    std::set<int> pauses; // rangs après lesquels l'émetteur souffle
};

Envoi Emission(const Programme& p = Exemple()) {
    const Trame trame = TrameProgramme(p, 0, MardiPremierDecembre);
    Envoi envoi{OctetsTrame(trame), {}};
    for (int i = 0; i < static_cast<int>(trame.size()); ++i)
        if (trame[i].pause) envoi.pauses.insert(i);
    return envoi;
}

// Un bloc arrive d'un coup, puis 200 ms de pause ; un long silence à la fin.
QStringList Ecoute(DecodeurTelecommande& d, const Envoi& envoi, qint64& t, int pauseMs = 200) {
    QStringList lignes;
    for (int i = 0; i < envoi.octets.size(); ++i) {
        lignes << d.Recoit(static_cast<quint8>(envoi.octets[i]), t);
        if (envoi.pauses.count(i)) t += pauseMs;
    }
    t += DecodeurTelecommande::SilenceAbandonMs;
    lignes << d.Avance(t);
    return lignes;
}

QString Verdict(const QStringList& lignes) {
    for (const QString& l : lignes)
        if (l.startsWith(QLatin1String("2 BEEP")) || l.startsWith(QLatin1String("6 Beep")))
            return l;
    return QString();
}
} // namespace

TEST(DecodeurTelecommande, BonneTrameVerifieeDecodeeEtJugee) {
    DecodeurTelecommande d;
    qint64 t = 1000;
    const QStringList lignes = Ecoute(d, Emission(), t);
    EXPECT_EQ(Verdict(lignes), Ok) << lignes.join('\n').toStdString();
    EXPECT_EQ(lignes.last(), Ok);
    EXPECT_EQ(d.Reponses(), 1);
    EXPECT_TRUE(d.DerniereTrameBonne());
    for (const char* attendu :
         {"  Lundi    : 6H00-8H00 17H30-22H00", "  Mardi    : éco toute la journée",
          "  Températures : Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C",
          "Identifiant : 4660 (0x1234)", "Date et heure : Mardi 01/12/2026 14:05:09",
          // 0x010E (6H00-8H00) + 0x036D (17H30-22H00) ; bloc B : 0x7B + 0x04.
          "  bloc 1 (zone 0, A) : somme du bloc 0x047B correcte",
          "  bloc 2 (zone 0, B) : somme de section 0x047B correcte",
          "  bloc 2 (zone 0, B) : somme du bloc 0x007F correcte",
          "  bloc 7 (réglages) : somme du bloc 0x02CB correcte", "  longueur : 470 octets"})
        EXPECT_TRUE(lignes.contains(QString::fromUtf8(attendu))) << attendu << "\n"
                                                                 << lignes.join('\n').toStdString();
    for (int k = 1; k <= 6; ++k)
        EXPECT_TRUE(lignes.contains(QStringLiteral("  pause après le bloc %1 : 200 ms").arg(k)));
    EXPECT_EQ(lignes.filter(QStringLiteral("pause après")).size(), 6);
}

TEST(DecodeurTelecommande, JugementApresUnCourtSilenceSeulement) {
    DecodeurTelecommande d;
    const Envoi envoi = Emission();
    qint64 t = 0;
    for (int i = 0; i < envoi.octets.size(); ++i) {
        EXPECT_TRUE(Verdict(d.Recoit(static_cast<quint8>(envoi.octets[i]), t)).isEmpty());
        if (envoi.pauses.count(i)) t += 200;
    }
    EXPECT_TRUE(d.Avance(t + DecodeurTelecommande::SilenceFinMs - 1).isEmpty());
    EXPECT_EQ(Verdict(d.Avance(t + DecodeurTelecommande::SilenceFinMs)), Ok);
}

TEST(DecodeurTelecommande, TestDeLiaisonEtOctetsHorsTrame) {
    DecodeurTelecommande d;
    EXPECT_EQ(d.Recoit('T', 0), QStringList{QStringLiteral("Test de liaison \"T\" reçu : 2 BEEP")});
    EXPECT_EQ(d.Recoit(0x41, 10), QStringList{QStringLiteral("Octet 0x41 hors trame : ignoré")});
    EXPECT_EQ(d.Reponses(), 1);
}

TEST(DecodeurTelecommande, ChaqueAnomalieDonneSixBips) {
    struct Cas {
        const char* raison;
        std::function<void(Envoi&)> abime;
        int pauseMs = 200;
    };
    const Cas cas[] = {
        {"bloc 3 (zone 1, A) : somme du bloc reçue 0x0000, attendue 0x0001",
         [](Envoi& e) { e.octets[1 + 134 + 5] = 1; }},
        {"bloc 2 (zone 0, B) : fin de bloc 0x47 au lieu de \"F\"",
         [](Envoi& e) { e.octets[1 + 131] = 'G'; }},
        {"bloc 6 (zone 2, B) : somme de section reçue 0x0100, attendue 0x0000",
         [](Envoi& e) { e.octets[1 + 268 + 130] = 1; }},
        {"horloge : minute 0x3B n'est pas en décimal codé binaire",
         [](Envoi& e) { e.octets[404] = 0x3B; }},
        {"horloge : jour de semaine 2 pour le 01/12/2026, attendu 3 (1 = dimanche)",
         [](Envoi& e) { e.octets[406] = 2; }},
        {"zone 1 : température ECO de 80 demi-degrés, hors 0..35 °C",
         [](Envoi& e) { e.octets[403 + 9 + 8 + 1] = 80; }},
        {"octet de remplissage 3 non nul", [](Envoi& e) { e.octets[403 + 35] = 7; }},
        {"trame incomplète : 469 octets sur 470", [](Envoi& e) { e.octets.chop(1); }},
        {"trame trop longue : 471 octets au lieu de 470", [](Envoi& e) { e.octets.append('F'); }},
        {"pas de pause après le bloc 1 (zone 0, A) (0 ms)", [](Envoi&) {}, 0},
    };
    for (const Cas& c : cas) {
        Programme vide;
        RemetParDefaut(vide);
        Envoi envoi = Emission(vide);
        c.abime(envoi);
        DecodeurTelecommande d;
        qint64 t = 0;
        const QStringList lignes = Ecoute(d, envoi, t, c.pauseMs);
        EXPECT_EQ(Verdict(lignes), Defaut + QString::fromUtf8(c.raison))
            << lignes.join('\n').toStdString();
        EXPECT_FALSE(d.DerniereTrameBonne());
        EXPECT_EQ(d.Reponses(), 1);
    }
}

TEST(DecodeurTelecommande, UneTrameAbimeeNeGenePasLaSuivante) {
    DecodeurTelecommande d;
    qint64 t = 0;
    Envoi abimee = Emission();
    abimee.octets[10] ^= 0x10;
    EXPECT_TRUE(Verdict(Ecoute(d, abimee, t)).startsWith(Defaut));
    EXPECT_EQ(Verdict(Ecoute(d, Emission(), t)), Ok);
    EXPECT_EQ(d.Reponses(), 2);
    EXPECT_TRUE(d.DerniereTrameBonne());
}

TEST(DecodeurTelecommande, HeuresDesCreneaux) {
    EXPECT_EQ(HeureCreneau(0), QStringLiteral("0H00"));
    EXPECT_EQ(HeureCreneau(105), QStringLiteral("17H30"));
    EXPECT_EQ(HeureCreneau(144), QStringLiteral("24H00"));
}
