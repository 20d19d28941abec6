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

int HauteurBarre(int valeur) {
    return std::max(72, 8 * (valeur - TemperatureMin));
}
