// Le décodeur de la télécommande virtuelle, nourri de la trame écrite en clair dans les
// données de test (et non tirée de l'émetteur : une faute commune passerait).
#include "DecodeurTelecommande.h"
#include "link/TrameProgramme.h"
#include "support/Dossier.h"
#include "support/Impression.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {
const QString Ok = QStringLiteral("2 BEEP -> PROG. OK");
const QString Defaut = QStringLiteral("6 Beep -> DEFAUT DIALOGUE : ");

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
} // namespace

TEST(DecodeurTelecommande, BonneTrameDecodeeEtJugee) {
    DecodeurTelecommande d;
    EXPECT_EQ(d.Recoit('T', 0), QStringList{QStringLiteral("Test de liaison \"T\" reçu : 2 BEEP")});
    // Tout ce que la télécommande affiche de l'exemple, relu à la main contre la trame.
    EXPECT_EQ(Ecoute(d, Exemple()).join('\n') + '\n',
              QString::fromUtf8(DonneeTest(QStringLiteral("telecommande-lundi-6h-8h.txt"))));
    EXPECT_EQ(d.Reponses(), 2);
    // Jugée dès le silence de fin, pas après ; un samedi (7) nommé, 35 °C admis.
    Envoi samedi = Exemple();
    Programme p;
    RemetParDefaut(p);
    p.TempZone[2][3] = 198;
    samedi.octets = samedi.octets.left(403) +
                    OctetsTrame(BlocReglages(p, 4660, QDateTime(QDate(2026, 12, 5), QTime(8, 0))));
    const QStringList lignes = Ecoute(d, samedi, DecodeurTelecommande::SilenceFinMs);
    EXPECT_TRUE(lignes.contains(QStringLiteral("Date et heure : Samedi 05/12/2026 08:00:00")));
    EXPECT_EQ(lignes.last(), Ok) << lignes.join('\n').toStdString();
}

TEST(DecodeurTelecommande, ChaqueAnomalieDonneSixBipsPuisLaTrameSuivantePasse) {
    struct Cas {
        const char* raison; // nul : trame bonne
        std::function<void(Envoi&)> abime;
    };
    // Rangs : "R" 0 ; zone z de 1 + 134 z (bloc A 64 + "F" + somme, bloc B 62 + section + "F"
    // + somme) ; réglages de 403.
    const Cas cas[] = {
        {"bloc 1 (zone 0, A) : somme du bloc reçue 0x010F, attendue 0x010E",
         [](Envoi& e) { e.octets[66] = 0x0F; }},
        {"bloc 3 (zone 1, A) : somme du bloc reçue 0x0000, attendue 0x0001",
         [](Envoi& e) { e.octets[1 + 134 + 5] = 1; }},
        {"bloc 2 (zone 0, B) : fin de bloc 0x47 au lieu de \"F\"",
         [](Envoi& e) { e.octets[1 + 131] = 'G'; }},
        {"bloc 6 (zone 2, B) : somme de section reçue 0x0100, attendue 0x0000",
         [](Envoi& e) { e.octets[1 + 268 + 130] = 1; }},
        {"bloc 7 (réglages) : somme du bloc reçue 0x02CC, attendue 0x02CB",
         [](Envoi& e) { e.octets[468] = 0xCC; }},
        {"horloge : minute 0x3B n'est pas en décimal codé binaire",
         [](Envoi& e) { e.octets[404] = 0x3B; }},
        {"horloge : minute 0xA0 n'est pas en décimal codé binaire",
         [](Envoi& e) { e.octets[404] = 0xA0; }},
        {"horloge : jour de semaine 2 pour le 01/12/2026, attendu 3 (1 = dimanche)",
         [](Envoi& e) { e.octets[406] = 2; }},
        {"horloge : heure 24 hors plage", [](Envoi& e) { e.octets[405] = 0x24; }},
        {"horloge : jour 32 hors plage", [](Envoi& e) { e.octets[407] = 0x32; }},
        {"zone 1 : température Confort de 80 demi-degrés, hors 0..35 °C",
         [](Envoi& e) { e.octets[403 + 9 + 8] = 80; }},
        {"zone 2 : température EJP de 71 demi-degrés, hors 0..35 °C",
         [](Envoi& e) { e.octets[403 + 9 + 16 + 3] = 71; }},
        {"octet de remplissage 3 non nul", [](Envoi& e) { e.octets[403 + 35] = 7; }},
        {"trame incomplète : 469 octets sur 470", [](Envoi& e) { e.octets.chop(1); }},
        {"trame trop longue : 471 octets au lieu de 470", [](Envoi& e) { e.octets.append('F'); }},
        // Une pause oubliée, une pause trop courte, puis la plus courte admise.
        {"pause trop courte après le bloc 4 (zone 1, B) : 0 ms",
         [](Envoi& e) { e.pauses.erase(268); }},
        {"pause trop courte après le bloc 1 (zone 0, A) : 150 ms",
         [](Envoi& e) {
             for (auto& pause : e.pauses) pause.second = 150;
         }},
        {"pause trop courte après le bloc 6 (zone 2, B) : 189 ms",
         [](Envoi& e) { e.pauses[402] = 189; }},
        {nullptr,
         [](Envoi& e) {
             for (auto& pause : e.pauses) pause.second = 190;
         }},
    };
    for (const Cas& c : cas) {
        Envoi envoi = Exemple();
        c.abime(envoi);
        DecodeurTelecommande d;
        const QStringList lignes = Ecoute(d, envoi);
        const QString attendu = c.raison ? Defaut + QString::fromUtf8(c.raison) : Ok;
        // Le verdict (les bips) est la dernière ligne.
        EXPECT_EQ(lignes.last(), attendu) << lignes.join('\n').toStdString();
        EXPECT_EQ(d.DerniereTrameBonne(), c.raison == nullptr) << attendu.toStdString();
        EXPECT_EQ(Ecoute(d, Exemple()).last(), Ok) << attendu.toStdString();
        EXPECT_TRUE(d.DerniereTrameBonne());
    }
}
