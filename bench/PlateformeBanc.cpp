#include "PlateformeBanc.h"

namespace {
class PortAbsent : public PortSerie {
public:
    bool Ouvre(int) override { return false; }
    bool EstOuvert() const override { return false; }
    void Ferme() override {}
    bool Ecrit(const QByteArray&) override { return false; }
    QString Erreur() const override { return QStringLiteral("pas de port sur le banc"); }
};
} // namespace

PlateformeBanc::PlateformeBanc() : port_(std::make_unique<PortAbsent>()) {}
PlateformeBanc::~PlateformeBanc() = default;

Bouton PlateformeBanc::Message(const QString&, Boutons boutons, Icone, const QString&) {
    switch (boutons) {
    case Boutons::OuiNon:
        return Bouton::Oui;
    case Boutons::AbandonnerRecommencerIgnorer:
        return Bouton::Ignorer;
    default:
        return Bouton::Ok;
    }
}

QDateTime PlateformeBanc::Maintenant() {
    return QDateTime(QDate(2024, 3, 4), QTime(7, 30));
}
