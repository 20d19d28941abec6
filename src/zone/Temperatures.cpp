#include "zone/Temperatures.h"
#include "model/Programme.h"

#include <algorithm>
#include <cmath>

QString NombreColonneSigne(double nombre) {
    // QString::number ignore la langue : le séparateur reste un point.
    QString chiffres = QString::number(std::fabs(nombre), 'f', 6);
    while (chiffres.endsWith(QLatin1Char('0'))) chiffres.chop(1);
    if (chiffres.endsWith(QLatin1Char('.'))) chiffres.chop(1);
    if (chiffres.startsWith(QLatin1String("0."))) chiffres.remove(0, 1);
    if (chiffres.isEmpty()) chiffres = QStringLiteral("0");
    const bool negatif = nombre < 0 && chiffres != QLatin1String("0");
    return (negatif ? QStringLiteral("-") : QStringLiteral(" ")) + chiffres;
}

QString TexteTemperature(int valeur) {
    return NombreColonneSigne((valeur - TemperatureMin) / 2.0) + QStringLiteral("°C");
}

TemperatureLue LitTemperature(const QString& texte) {
    QString nombre = texte.trimmed();
    if (nombre.endsWith(QStringLiteral("°C"))) nombre.chop(2);
    nombre = nombre.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool lu = false;
    const double degres = nombre.toDouble(&lu);
    if (!lu || !std::isfinite(degres))
        return {-1, QStringLiteral("« %1 » n'est pas une température.").arg(texte)};
    if (degres < 0 || degres > 35)
        return {-1, QStringLiteral("« %1 » : la température va de 0 à 35 °C.").arg(texte)};
    if (std::fmod(degres * 2, 1.0) != 0)
        return {-1, QStringLiteral("« %1 » : la température se règle par demi-degré.").arg(texte)};
    return {TemperatureMin + static_cast<int>(degres * 2), {}};
}
