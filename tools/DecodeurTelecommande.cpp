#include "DecodeurTelecommande.h"

#include <QDate>
#include <array>

namespace {
// Disposition de la trame : "R", trois zones de 134 octets (bloc A : 64 + "F" + somme ;
// bloc B : 62 + somme de section + "F" + somme), puis les réglages (64 + "F" + somme).
constexpr int TailleZone = 134;
constexpr int DebutReglages = 1 + 3 * TailleZone;
constexpr int FinsAvecPause[6] = {67, 134, 201, 268, 335, 402};

const char* const NomsJours[7] = {"Lundi",    "Mardi",  "Mercredi", "Jeudi",
                                  "Vendredi", "Samedi", "Dimanche"};
constexpr std::array NomsSemaine{"?",        "Dimanche", "Lundi",    "Mardi",
                                 "Mercredi", "Jeudi",    "Vendredi", "Samedi"};
constexpr std::array NomsTemperatures{"Confort", "ECO", "Hors Gel", "EJP"};
constexpr std::array NomsHorloge{"seconde", "minute", "heure", "jour de semaine",
                                 "jour",    "mois",   "année"};
constexpr std::array MinHorloge{0, 0, 0, 1, 1, 1, 0};
constexpr std::array MaxHorloge{59, 59, 23, 7, 31, 12, 99};

quint8 Octet(const QByteArray& t, int rang) {
    return static_cast<quint8>(t.at(rang));
}

quint16 Mot(const QByteArray& t, int rang) { // poids faible d'abord
    return static_cast<quint16>(Octet(t, rang) | Octet(t, rang + 1) << 8);
}

quint16 Somme(const QByteArray& octets) {
    quint32 somme = 0;
    for (char c : octets) somme += static_cast<quint8>(c);
    return static_cast<quint16>(somme);
}

QString Hex2(quint8 v) {
    return QStringLiteral("0x") + QString::number(v, 16).toUpper().rightJustified(2, '0');
}

QString Hex4(quint16 v) {
    return QStringLiteral("0x") + QString::number(v, 16).toUpper().rightJustified(4, '0');
}

QString NomBloc(int bloc) {
    if (bloc == 7) return QStringLiteral("bloc 7 (réglages)");
    return QStringLiteral("bloc %1 (zone %2, %3)")
        .arg(bloc)
        .arg((bloc - 1) / 2)
        .arg(bloc % 2 ? QStringLiteral("A") : QStringLiteral("B"));
}

// Les 126 octets de programme d'une zone, sans les "F" ni les sommes.
QByteArray ProgrammeZone(const QByteArray& t, int zone) {
    const int debut = 1 + TailleZone * zone;
    return t.mid(debut, 64) + t.mid(debut + 67, 62);
}

int Decimal(quint8 bcd, bool* ok = nullptr) {
    const int haut = bcd >> 4, bas = bcd & 0x0F;
    if (ok) *ok = haut <= 9 && bas <= 9;
    return haut * 10 + bas;
}

QString AnomalieHorloge(const QByteArray& horloge) {
    std::array<int, 7> v{};
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        v[i] = Decimal(Octet(horloge, i), &ok);
        if (!ok)
            return QStringLiteral("horloge : %1 %2 n'est pas en décimal codé binaire")
                .arg(QString::fromUtf8(NomsHorloge[i]), Hex2(Octet(horloge, i)));
        if (v[i] < MinHorloge[i] || v[i] > MaxHorloge[i])
            return QStringLiteral("horloge : %1 %2 hors plage")
                .arg(QString::fromUtf8(NomsHorloge[i]))
                .arg(v[i]);
    }
    const QDate date(2000 + v[6], v[5], v[4]);
    if (!date.isValid())
        return QStringLiteral("horloge : date %1/%2/%3 invalide").arg(v[4]).arg(v[5]).arg(v[6]);
    const int attendu = date.dayOfWeek() % 7 + 1; // 1 = dimanche
    if (v[3] != attendu)
        return QStringLiteral("horloge : jour de semaine %1 pour le %2, attendu %3 (1 = dimanche)")
            .arg(v[3])
            .arg(date.toString(QStringLiteral("dd/MM/yyyy")))
            .arg(attendu);
    return QString();
}

QString AnomalieReglages(const QByteArray& reglages) {
    for (int z = 0; z < 3; ++z) {
        for (int t = 0; t < 4; ++t) {
            const quint8 demiDegres = Octet(reglages, 9 + 8 * z + t);
            if (demiDegres > 70)
                return QStringLiteral("zone %1 : température %2 de %3 demi-degrés, hors 0..35 °C")
                    .arg(z)
                    .arg(QString::fromUtf8(NomsTemperatures[t]))
                    .arg(demiDegres);
        }
        for (int t = 4; t < 8; ++t)
            if (Octet(reglages, 9 + 8 * z + t) != 0)
                return QStringLiteral("zone %1 : octet %2 après les températures non nul")
                    .arg(z)
                    .arg(t - 3);
    }
    for (int i = 33; i < 62; ++i)
        if (Octet(reglages, i) != 0)
            return QStringLiteral("octet de remplissage %1 non nul").arg(i - 32);
    return QString();
}
} // namespace

QString HeureCreneau(int creneau) {
    return QStringLiteral("%1H%2").arg(creneau / 6).arg(creneau % 6 * 10, 2, 10, QChar('0'));
}

QStringList DecodeurTelecommande::Recoit(quint8 octet, qint64 instantMs) {
    QStringList lignes = Avance(instantMs);
    if (!enTrame_) {
        if (octet == 'T') {
            ++reponses_;
            return lignes << QStringLiteral("Test de liaison \"T\" reçu : 2 BEEP");
        }
        if (octet != 'R')
            return lignes << QStringLiteral("Octet %1 hors trame : ignoré").arg(Hex2(octet));
        enTrame_ = true;
        trame_ = QByteArray(1, 'R');
        defaut_.clear();
        dernier_ = instantMs;
        return lignes << QStringLiteral("Programmation : début de trame \"R\"");
    }

    const int rang = static_cast<int>(trame_.size());
    for (int k = 0; k < 6 && rang < LongueurTrame; ++k) {
        if (rang - 1 != FinsAvecPause[k]) continue;
        const qint64 ecart = instantMs - dernier_;
        lignes << QStringLiteral("  pause après le bloc %1 : %2 ms").arg(k + 1).arg(ecart);
        if (ecart < PauseMinimaleMs)
            Defaut(QStringLiteral("pause trop courte après le %1 : %2 ms")
                       .arg(NomBloc(k + 1))
                       .arg(ecart));
    }
    trame_.append(static_cast<char>(octet));
    dernier_ = instantMs;
    if (rang < LongueurTrame) lignes << Controle(rang);
    return lignes;
}

QStringList DecodeurTelecommande::Avance(qint64 instantMs) {
    if (!enTrame_) return {};
    const qint64 silence = instantMs - dernier_;
    if ((trame_.size() >= LongueurTrame && silence >= SilenceFinMs) || silence >= SilenceAbandonMs)
        return Juge();
    return {};
}

void DecodeurTelecommande::Defaut(const QString& raison) {
    if (defaut_.isEmpty()) defaut_ = raison;
}

QStringList DecodeurTelecommande::Controle(int rang) {
    if (!defaut_.isEmpty()) return {}; // une seule anomalie compte : les suivantes en découlent
    QStringList lignes;
    const auto verifieF = [&](int bloc) {
        if (Octet(trame_, rang) != 'F')
            Defaut(QStringLiteral("%1 : fin de bloc %2 au lieu de \"F\"")
                       .arg(NomBloc(bloc), Hex2(Octet(trame_, rang))));
    };
    const auto verifieSomme = [&](int bloc, const QString& quoi, quint16 attendue) {
        const quint16 recue = Mot(trame_, rang - 1);
        if (recue != attendue)
            Defaut(QStringLiteral("%1 : %2 reçue %3, attendue %4")
                       .arg(NomBloc(bloc), quoi, Hex4(recue), Hex4(attendue)));
        else
            lignes << QStringLiteral("  %1 : %2 %3 correcte").arg(NomBloc(bloc), quoi, Hex4(recue));
    };
    const QString sommeBloc = QStringLiteral("somme du bloc");
    const QString sommeSection = QStringLiteral("somme de section");

    if (rang < DebutReglages) {
        const int zone = (rang - 1) / TailleZone;
        const int debut = 1 + TailleZone * zone;
        const int a = 2 * zone + 1, b = 2 * zone + 2;
        switch (rang - debut) {
        case 64:
            verifieF(a);
            break;
        case 66:
            verifieSomme(a, sommeBloc, Somme(trame_.mid(debut, 64)));
            break;
        case 130:
            verifieSomme(b, sommeSection, Somme(ProgrammeZone(trame_, zone)));
            break;
        case 131:
            verifieF(b);
            break;
        case 133:
            verifieSomme(b, sommeBloc, Somme(trame_.mid(debut + 67, 64)));
            break;
        default:
            break;
        }
    } else {
        const QByteArray reglages = trame_.mid(DebutReglages);
        switch (rang - DebutReglages) {
        case 6:
            Defaut(AnomalieHorloge(reglages));
            break;
        case 61:
            Defaut(AnomalieReglages(reglages));
            break;
        case 63:
            verifieSomme(7, sommeSection, Somme(reglages.left(62)));
            break;
        case 64:
            verifieF(7);
            break;
        case 66:
            verifieSomme(7, sommeBloc, Somme(reglages.left(64)));
            break;
        default:
            break;
        }
    }
    if (!defaut_.isEmpty()) lignes << QStringLiteral("  ANOMALIE : ") + defaut_;
    return lignes;
}

QStringList DecodeurTelecommande::Juge() {
    const int n = static_cast<int>(trame_.size());
    if (n < LongueurTrame)
        Defaut(QStringLiteral("trame incomplète : %1 octets sur %2").arg(n).arg(LongueurTrame));
    else if (n > LongueurTrame)
        Defaut(QStringLiteral("trame trop longue : %1 octets au lieu de %2")
                   .arg(n)
                   .arg(LongueurTrame));
    QStringList lignes{QStringLiteral("  longueur : %1 octets").arg(n)};
    if (n >= LongueurTrame) lignes << DecodeTrame(trame_.left(LongueurTrame));
    lignes << (defaut_.isEmpty() ? QStringLiteral("2 BEEP -> PROG. OK")
                                 : QStringLiteral("6 Beep -> DEFAUT DIALOGUE : ") + defaut_);
    ++reponses_;
    enTrame_ = false;
    trame_.clear();
    return lignes;
}

QStringList DecodeTrame(const QByteArray& trame) {
    QStringList lignes;
    if (trame.size() < DecodeurTelecommande::LongueurTrame) return lignes;
    const QByteArray reglages = trame.mid(DebutReglages);
    for (int z = 0; z < 3; ++z) {
        lignes << QStringLiteral("Zone %1 :").arg(z);
        const QByteArray programme = ProgrammeZone(trame, z);
        for (int d = 0; d < 7; ++d) {
            QStringList segments;
            int debut = -1;
            for (int s = 0; s <= 144; ++s) {
                const bool confort =
                    s < 144 && (Octet(programme, 18 * d + s / 8) >> (7 - s % 8) & 1);
                if (confort && debut < 0) debut = s;
                if (!confort && debut >= 0) {
                    segments << HeureCreneau(debut) + '-' + HeureCreneau(s);
                    debut = -1;
                }
            }
            lignes << QStringLiteral("  %1 : %2")
                          .arg(QString::fromUtf8(NomsJours[d]), -8)
                          .arg(segments.isEmpty() ? QStringLiteral("éco toute la journée")
                                                  : segments.join(' '));
        }
        QStringList temperatures;
        for (int t = 0; t < 4; ++t)
            temperatures << QStringLiteral("%1 %2 °C")
                                .arg(QString::fromUtf8(NomsTemperatures[t]))
                                .arg(Octet(reglages, 9 + 8 * z + t) / 2.0);
        lignes << QStringLiteral("  Températures : ") + temperatures.join(QStringLiteral(", "));
    }
    const quint16 identifiant = static_cast<quint16>(Octet(reglages, 7) << 8 | Octet(reglages, 8));
    lignes << QStringLiteral("Identifiant : %1 (%2)").arg(identifiant).arg(Hex4(identifiant));
    std::array<int, 7> v{};
    for (int i = 0; i < 7; ++i) v[i] = Decimal(Octet(reglages, i));
    const int jourSemaine = v[3] >= 1 && v[3] <= 7 ? v[3] : 0;
    lignes << QStringLiteral("Date et heure : %1 %2/%3/20%4 %5:%6:%7")
                  .arg(QString::fromUtf8(NomsSemaine[jourSemaine]))
                  .arg(v[4], 2, 10, QChar('0'))
                  .arg(v[5], 2, 10, QChar('0'))
                  .arg(v[6], 2, 10, QChar('0'))
                  .arg(v[2], 2, 10, QChar('0'))
                  .arg(v[1], 2, 10, QChar('0'))
                  .arg(v[0], 2, 10, QChar('0'));
    return lignes;
}
