#pragma once
// Un jour en 18 octets, huit créneaux par octet, le premier créneau sur le bit de poids fort.
// Partagé par la transmission et l'export "DataUc.FCB".
#include <QByteArray>
#include <array>

constexpr int NbOctetsJour = 18;

// Seuls les caractères 1..144 comptent ; tout autre caractère que "1" vaut 0.
std::array<quint8, NbOctetsJour> OctetsJour(const QByteArray& jour);
