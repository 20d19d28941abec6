#pragma once
// Les deux vues d'un jour : la chaîne de créneaux et ses segments de confort.
// Code pur : aucune fenêtre ; la validation du jour est dans model/Jour.h.
#include "model/Jour.h"

#include <QByteArray>
#include <QString>

// Texte des heures des segments : "   (7H00-9H30)     (17H00-22H00)     ".
QString TexteSegments(const QByteArray& jour);
