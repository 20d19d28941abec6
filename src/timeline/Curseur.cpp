#include "timeline/Curseur.h"
#include "model/Horaires.h"

#include <algorithm>
#include <cmath>

int PositionSouris(double x) {
    // Échelle 65.42 et non 66 : le curseur dérive d'un créneau au plus vers la droite du
    // jour. Gardée, pour qu'un clic tombe sur le créneau que l'utilisateur connaît ;
    // l'arrondi est celui au pair le plus proche.
    const double v = std::clamp(144.0 - (9555.0 - x) / 65.42, 0.0, double(PositionMax));
    return static_cast<int>(std::nearbyint(v));
}

QString TexteHeureCurseur(int position) {
    return QLatin1Char(' ') + TexteHeure(position);
}
