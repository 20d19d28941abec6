#include "timeline/Trait.h"
#include "model/Horaires.h"
#include "model/Jour.h"
#include "model/Textes.h"

Trait::Trait(Document& document, int jour, int debut, bool confort)
    : doc_(document), zone_(document.Zone()), jour_(jour), debut_(debut), confort_(confort),
      premier_(jour), dernier_(jour) {
    for (int d = 0; d < NbJours; ++d) avant_[d] = doc_.Prog().ProgJour[zone_][d];
}

QByteArray Trait::Peint(int jour) const {
    QByteArray contenu = avant_[jour];
    if (jour >= premier_ && jour <= dernier_ && nombre_ > 0)
        EcritCreneaux(contenu, depuis_, confort_ ? '1' : '0', nombre_);
    return contenu;
}

void Trait::Peint(int vise, int fin) {
    depuis_ = qMin(debut_, fin);
    nombre_ = qAbs(fin - debut_);
    const int anciens[2] = {premier_, dernier_};
    premier_ = qMin(jour_, vise);
    dernier_ = qMax(jour_, vise);
    for (int d = qMin(premier_, anciens[0]); d <= qMax(dernier_, anciens[1]); ++d)
        doc_.RemplaceJour(zone_, d, Peint(d));
}

bool Trait::FaitNeuvieme() const {
    if (!confort_) return false;
    for (int d = premier_; d <= dernier_; ++d)
        if (CompteSegments(Peint(d)) > NbSegmentsMax) return true;
    return false;
}

void Trait::Reprend() {
    for (int d = premier_; d <= dernier_; ++d) doc_.RemplaceJour(zone_, d, avant_[d]);
}

QString Trait::Periode() const {
    const QStringList noms = NomsDesJours();
    const QString jours = premier_ == dernier_
                              ? noms.value(premier_)
                              : noms.value(premier_) + QStringLiteral(" à ") + noms.value(dernier_);
    return QStringLiteral("%1 %2 → %3")
        .arg(jours, TexteHeure(depuis_), TexteHeure(depuis_ + nombre_));
}
