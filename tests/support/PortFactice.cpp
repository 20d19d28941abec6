#include "support/PortFactice.h"

bool PortFactice::Ouvre(int numero) {
    Ouvertures.push_back(numero);
    if (RefusOuverture) {
        erreur_ = *RefusOuverture;
        ouvert_ = false;
        return false;
    }
    erreur_.clear();
    ouvert_ = true;
    return true;
}

bool PortFactice::Ecrit(const QByteArray& octets) {
    for (const char c : octets) {
        if (!ouvert_ || (PerteAuOctet && static_cast<int>(Remis.size()) >= *PerteAuOctet)) {
            erreur_ = ErreurPerte;
            ouvert_ = false;
            return false;
        }
        Remis.push_back({static_cast<quint8>(c), horloge_.ms});
    }
    return true;
}

QByteArray PortFactice::Octets() const {
    QByteArray octets;
    for (const OctetRemis& r : Remis) octets += static_cast<char>(r.octet);
    return octets;
}
