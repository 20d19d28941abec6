#include "files/Exports.h"
#include "model/Jour.h"
#include "model/OctetsJour.h"

namespace {
const QByteArray FinLigne = QByteArrayLiteral("\r\n");

void AjouteNombre(QByteArray& sortie, qint64 valeur) {
    sortie += QByteArray::number(valeur);
    sortie += ',';
}
} // namespace

QByteArray ExportFcb(const Programme& programme) {
    QByteArray sortie;
    for (int z = 0; z < NbZones; ++z) {
        // Seuls les 16 bits bas de l'identifiant partent, poids fort d'abord.
        const auto ident = static_cast<quint32>(programme.IdentZone[z]);
        AjouteNombre(sortie, (ident >> 8) & 0xFFu);
        AjouteNombre(sortie, ident & 0xFFu);
        for (const qint16 temperature : programme.TempZone[z]) AjouteNombre(sortie, temperature);
        sortie += FinLigne;

        int somme = 0;
        for (int d = 0; d < NbJours; ++d) {
            for (const quint8 octet : OctetsJour(programme.ProgJour[z][d])) {
                AjouteNombre(sortie, octet);
                somme += octet;
            }
            sortie += FinLigne;
        }
        sortie += ' ' + QByteArray::number(somme) + ' ' + FinLigne;
    }
    return sortie;
}

QByteArray ExportXls(const Programme& programme) {
    QByteArray sortie;
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) {
            const QByteArray& jour = programme.ProgJour[z][d];
            // Un jour trop court (lu tel quel) compte en éco au-delà de sa fin.
            for (int s = 0; s < NbCreneaux; ++s)
                sortie +=
                    EstConfort(jour, s) ? QByteArrayLiteral("\"1\",") : QByteArrayLiteral("\"0\",");
            sortie += FinLigne;
        }
    }
    return sortie;
}
