#include "model/Programme.h"

QByteArray JourVide() {
    return QByteArray(LongueurJour, '0');
}

void CompleteJoursCourts(Programme& programme) {
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) {
            QByteArray& jour = programme.ProgJour[z][d];
            if (jour.size() < LongueurJour) jour.append(LongueurJour - jour.size(), '0');
        }
}

void RemetParDefaut(Programme& programme) {
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) programme.ProgJour[z][d] = JourVide();
        for (int t = 0; t < NbTemperatures; ++t)
            programme.TempZone[z][t] = TemperaturesParDefaut[t];
    }
}
