#pragma once
// Le programme de test : confort et éco alternent tous les un à quatre créneaux,
// le même pour les trois zones ; le jeudi reprend le mercredi.
#include "model/Programme.h"

#include <QByteArray>
#include <array>

// Les sept jours de 144 caractères, lundi d'abord.
std::array<QByteArray, NbJours> MotifsTest();
