#include "support/FenetreTest.h"
#include "model/Programme.h"

QByteArray JourAvec(std::initializer_list<std::pair<int, int>> segments) {
    QByteArray jour = JourVide();
    for (const auto& [debut, fin] : segments)
        for (int s = debut; s < fin; ++s) jour[s] = '1';
    return jour;
}
