#pragma once
#include "model/Jour.h"
#include "model/Programme.h"

#include <initializer_list>
#include <utility>

// Jour de 148 caractères avec le confort sur les créneaux [debut, fin).
inline QByteArray JourAvec(std::initializer_list<std::pair<int, int>> segments) {
    QByteArray jour = JourVide();
    for (const auto& [debut, fin] : segments)
        for (int s = debut; s < fin; ++s) jour[s] = '1';
    return jour;
}

inline bool operator==(const BarreSegment& a, const BarreSegment& b) {
    return a.debut == b.debut && a.largeur == b.largeur;
}
