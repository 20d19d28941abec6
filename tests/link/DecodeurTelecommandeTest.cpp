// Le décodeur de la télécommande virtuelle, nourri de trames horodatées.
#include "DecodeurTelecommande.h"
#include "link/TrameProgramme.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace {
const QString Ok = QStringLiteral("2 BEEP -> PROG. OK");
const QString Defaut = QStringLiteral("6 Beep -> DEFAUT DIALOGUE : ");

struct Envoi {
    QByteArray octets;
    std::set<int> pauses; // rangs après lesquels l'émetteur souffle
};

Envoi Emission(bool lundiProgramme = false) {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, 2, 3};
    if (lundiProgramme)
        for (int s = 0; s < LongueurJour; ++s)
            if ((s >= 36 && s < 48) || (s >= 105 && s < 132)) p.ProgJour[0][0][s] = '1';
    const Trame trame = TrameProgramme(p, 0, QDateTime(QDate(2026, 12, 1), QTime(14, 5, 9)));
    Envoi envoi{OctetsTrame(trame), {}};
    for (int i = 0; i < static_cast<int>(trame.size()); ++i)
        if (trame[i].pause) envoi.pauses.insert(i);
    return envoi;
}

// Un bloc arrive d'un coup, puis la pause ; un long silence à la fin.
QStringList Ecoute(DecodeurTelecommande& d, const Envoi& envoi, int pauseMs = 200) {
    static qint64 t = 1000; // l'horloge du décodeur ne recule jamais
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

TEST(DecodeurTelecommande, BonneTrameDecodeeEtJugee) {
    DecodeurTelecommande d;
    EXPECT_EQ(d.Recoit('T', 0), QStringList{QStringLiteral("Test de liaison \"T\" reçu : 2 BEEP")});
    const QStringList lignes = Ecoute(d, Emission(true));
    EXPECT_EQ(lignes.last(), Ok) << lignes.join('\n').toStdString();
    EXPECT_EQ(d.Reponses(), 2);
    for (const char* attendu :
         {"  Lundi    : 6H00-8H00 17H30-22H00", "  Mardi    : éco toute la journée",
          "  Températures : Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C",
          "Identifiant : 4660 (0x1234)", "Date et heure : Mardi 01/12/2026 14:05:09",
          // 0x010E (6H00-8H00) + 0x036D (17H30-22H00) ; bloc B : 0x7B + 0x04.
          "  bloc 2 (zone 0, B) : somme du bloc 0x007F correcte"})
        EXPECT_TRUE(lignes.contains(QString::fromUtf8(attendu))) << attendu;
    EXPECT_EQ(lignes.filter(QStringLiteral("pause après")).size(), 6);
}

TEST(DecodeurTelecommande, ChaqueAnomalieDonneSixBipsPuisLaTrameSuivantePasse) {
    struct Cas {
        const char* raison;
        std::function<void(QByteArray&)> abime;
        int pauseMs = 200;
    };
    const Cas cas[] = {
        {"bloc 3 (zone 1, A) : somme du bloc reçue 0x0000, attendue 0x0001",
         [](QByteArray& o) { o[1 + 134 + 5] = 1; }},
        {"bloc 2 (zone 0, B) : fin de bloc 0x47 au lieu de \"F\"",
         [](QByteArray& o) { o[1 + 131] = 'G'; }},
        {"bloc 6 (zone 2, B) : somme de section reçue 0x0100, attendue 0x0000",
         [](QByteArray& o) { o[1 + 268 + 130] = 1; }},
        {"horloge : minute 0x3B n'est pas en décimal codé binaire",
         [](QByteArray& o) { o[404] = 0x3B; }},
        {"horloge : jour de semaine 2 pour le 01/12/2026, attendu 3 (1 = dimanche)",
         [](QByteArray& o) { o[406] = 2; }},
        {"zone 1 : température ECO de 80 demi-degrés, hors 0..35 °C",
         [](QByteArray& o) { o[403 + 9 + 8 + 1] = 80; }},
        {"octet de remplissage 3 non nul", [](QByteArray& o) { o[403 + 35] = 7; }},
        {"trame incomplète : 469 octets sur 470", [](QByteArray& o) { o.chop(1); }},
        {"trame trop longue : 471 octets au lieu de 470", [](QByteArray& o) { o.append('F'); }},
        {"pas de pause après le bloc 1 (zone 0, A) (0 ms)", [](QByteArray&) {}, 0},
    };
    for (const Cas& c : cas) {
        Envoi envoi = Emission();
        c.abime(envoi.octets);
        DecodeurTelecommande d;
        const QStringList lignes = Ecoute(d, envoi, c.pauseMs);
        EXPECT_EQ(Verdict(lignes), Defaut + QString::fromUtf8(c.raison))
            << lignes.join('\n').toStdString();
        EXPECT_FALSE(d.DerniereTrameBonne());
        EXPECT_EQ(Verdict(Ecoute(d, Emission())), Ok) << c.raison;
        EXPECT_TRUE(d.DerniereTrameBonne());
    }
}
