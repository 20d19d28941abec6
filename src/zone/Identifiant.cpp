#include "zone/Identifiant.h"

#include <cmath>

qint32 TireIdentifiant(double r) {
    // Un tirage hors de [0, 1) ne doit pas sortir de la plage des identifiants.
    if (!(r >= 0.0)) r = 0.0;
    const qint32 tire = static_cast<qint32>(std::floor(r * 65535.0));
    return tire > 65534 ? 65534 : tire;
}

qint32 ResoutCollision(const std::array<qint32, 3>& identifiants, int zone) {
    static constexpr int Ordre[3][2] = {{1, 2}, {0, 2}, {1, 0}};
    qint64 id = identifiants[zone];
    for (int i = 0; i < 2;) {
        if (id == identifiants[Ordre[zone][i]]) {
            id += 15;
            i = 0;
        } else {
            ++i;
        }
    }
    return static_cast<qint32>(id);
}
