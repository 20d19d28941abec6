#include "model/Horaires.h"
#include "model/Jour.h"
#include "model/Programme.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

QString TexteHeure(int position) {
    return QStringLiteral("%1H%2")
        .arg(position / 6)
        .arg(10 * (position % 6), 2, 10, QLatin1Char('0'));
}

namespace {
// Position 0..144 d'une heure tapée, ou la raison du refus.
std::optional<int> LitHeure(const QString& texte, QString& raison) {
    static const QRegularExpression forme(QStringLiteral("^(\\d{1,2})(?:[hH:.](\\d{2})?)?$"));
    const auto lue = forme.match(texte);
    const int heures = lue.captured(1).toInt(), minutes = lue.captured(2).toInt();
    if (!lue.hasMatch() || minutes >= 60) {
        raison = QStringLiteral("« %1 » n'est pas une heure").arg(texte);
        return std::nullopt;
    }
    if (heures * 60 + minutes > 24 * 60) {
        raison = QStringLiteral("« %1 » dépasse 24H00").arg(texte);
        return std::nullopt;
    }
    if (minutes % 10 != 0) {
        raison = QStringLiteral("« %1 » n'est pas sur les dix minutes").arg(texte);
        return std::nullopt;
    }
    return heures * 6 + minutes / 10;
}
} // namespace

QString TexteHoraires(const QByteArray& jour) {
    QStringList periodes;
    for (const BarreSegment& barre : BarresJour(jour))
        periodes << TexteHeure(barre.debut) + QLatin1Char('-') +
                        TexteHeure(barre.debut + barre.largeur);
    return periodes.join(QLatin1Char(' '));
}

QString TexteLuJour(const QByteArray& jour) {
    QStringList periodes;
    for (const BarreSegment& barre : BarresJour(jour))
        periodes << QStringLiteral("de %1 à %2")
                        .arg(TexteHeure(barre.debut), TexteHeure(barre.debut + barre.largeur));
    if (periodes.isEmpty()) return QStringLiteral("éco toute la journée");
    if (periodes == QStringList{QStringLiteral("de 0H00 à 24H00")})
        return QStringLiteral("confort toute la journée");
    const QString dernier = periodes.takeLast();
    return QStringLiteral("confort ") + (periodes.isEmpty() ? dernier
                                                            : periodes.join(QStringLiteral(", ")) +
                                                                  QStringLiteral(" et ") + dernier);
}

LigneHoraires LitHoraires(const QString& ligne) {
    // Les tirets peuvent être entourés de blancs ; les périodes séparées de blancs,
    // virgules ou points-virgules.
    QString normale = ligne;
    normale.replace(QRegularExpression(QStringLiteral("\\s*[-–]\\s*")), QStringLiteral("-"));
    const QStringList periodes =
        normale.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    std::vector<std::pair<int, int>> lues;
    QString raison;
    for (const QString& periode : periodes) {
        const QStringList bornes = periode.split(QLatin1Char('-'));
        if (bornes.size() != 2)
            return {{}, QStringLiteral("« %1 » : il faut un début et une fin").arg(periode)};
        const auto debut = LitHeure(bornes[0], raison);
        if (!debut) return {{}, raison};
        const auto fin = LitHeure(bornes[1], raison);
        if (!fin) return {{}, raison};
        if (*fin <= *debut)
            return {{}, QStringLiteral("« %1 » finit avant de commencer").arg(periode)};
        lues.emplace_back(*debut, *fin);
    }
    std::sort(lues.begin(), lues.end());
    for (size_t i = 1; i < lues.size(); ++i)
        if (lues[i].first < lues[i - 1].second)
            return {{},
                    QStringLiteral("%1-%2 chevauche %3-%4")
                        .arg(TexteHeure(lues[i - 1].first), TexteHeure(lues[i - 1].second),
                             TexteHeure(lues[i].first), TexteHeure(lues[i].second))};
    QByteArray jour(LongueurJour, '0');
    for (const auto& [debut, fin] : lues) EcritCreneaux(jour, debut, '1', fin - debut);
    // Deux périodes qui se touchent ne font qu'un segment : on compte après écriture.
    const int segments = CompteSegments(jour);
    if (segments > NbSegmentsMax)
        return {{}, QStringLiteral("%1 périodes : huit au plus").arg(segments)};
    return {jour, {}};
}
