#include "model/Programme.h"
#include "model/Jour.h"

QByteArray JourVide() {
    return QByteArray(LongueurJour, '0');
}

void CompleteJoursCourts(Programme& programme) {
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) {
            CompleteJour(programme.ProgJour[z][d]);
        }
}

void RemetParDefaut(Programme& programme) {
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) programme.ProgJour[z][d] = JourVide();
        for (int t = 0; t < NbTemperatures; ++t)
            programme.TempZone[z][t] = TemperaturesParDefaut[t];
    }
}

std::optional<TemperatureHorsLimites> ChercheTemperatureHorsLimites(const Programme& programme) {
    for (int z = 0; z < NbZones; ++z)
        for (int t = 0; t < NbTemperatures; ++t) {
            const qint16 valeur = programme.TempZone[z][t];
            if (valeur < TemperatureMin || valeur > TemperatureMax)
                return TemperatureHorsLimites{z, t, valeur};
        }
    return std::nullopt;
}

QString NomTemperature(int reglage) {
    static const char* const Noms[NbTemperatures] = {"Confort", "ECO", "Hors Gel", "EJP"};
    return QLatin1String(Noms[reglage]);
}

QString TexteTemperatureHorsLimites(const TemperatureHorsLimites& fautive) {
    return QStringLiteral("Zone %1 : température « %2 » hors limites (0 à 35 °C).")
        .arg(fautive.zone)
        .arg(NomTemperature(fautive.reglage));
}
