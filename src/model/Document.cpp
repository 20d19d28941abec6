#include "model/Document.h"

#include <QtGlobal>

Document::Document(QObject* parent) : QObject(parent) {}

void Document::ChoisitZone(int zone) {
    zone_ = qBound(0, zone, NbZones - 1);
}

void Document::ChoisitJour(int jour) {
    jour_ = qBound(0, jour, NbJours - 1);
}

void Document::MarqueModifie(bool modifie) {
    if (modifie_ == modifie) return;
    modifie_ = modifie;
    emit ModifieChange(modifie_);
}

bool Document::JourChange(const QByteArray& avant, int jour) {
    if (prog_.ProgJour[zone_][jour] == avant) return false;
    MarqueModifie(true);
    emit JourModifie(zone_, jour);
    return true;
}

bool Document::EcritCreneaux(int curseur, char valeur, int nombre) {
    if (Tenu()) return false;
    const QByteArray avant = Edite();
    ::EcritCreneaux(Edite(), curseur, valeur, nombre);
    JourChange(avant, jour_);
    return true;
}

bool Document::RemplaceJour(const QByteArray& jour) {
    if (Tenu()) return false;
    const QByteArray avant = Edite();
    Edite() = jour;
    JourChange(avant, jour_);
    return true;
}

bool Document::ChangeTemperature(int reglage, qint16 valeur) {
    if (Tenu() || reglage < 0 || reglage >= NbTemperatures) return false;
    qint16& stockee = prog_.TempZone[zone_][reglage];
    if (stockee != valeur) {
        stockee = valeur;
        MarqueModifie(true);
        emit TemperatureModifiee(zone_, reglage);
    }
    return true;
}

bool Document::ChangeIdentifiant(qint32 identifiant) {
    if (Tenu()) return false;
    if (prog_.IdentZone[zone_] != identifiant) {
        prog_.IdentZone[zone_] = identifiant;
        MarqueModifie(true);
        emit IdentifiantModifie(zone_);
    }
    return true;
}

std::vector<BarreSegment> Document::ValideJour(int jour) {
    if (Tenu() || jour < 0 || jour >= NbJours) return {};
    QByteArray& chaine = prog_.ProgJour[zone_][jour];
    const QByteArray avant = chaine;
    std::vector<BarreSegment> barres = ::ValideJour(chaine);
    nbSegments_[zone_][jour] = static_cast<int>(barres.size());
    JourChange(avant, jour);
    return barres;
}

bool Document::Charge(const Programme& lu) {
    if (Tenu()) return false;
    prog_ = lu;
    zone_ = 0;
    MarqueModifie(false);
    emit ProgrammeRemplace();
    return true;
}

bool Document::Efface() {
    if (Tenu()) return false;
    RemetParDefaut(prog_);
    for (auto& zone : nbSegments_) zone.fill(0);
    zone_ = 0;
    MarqueModifie(true);
    emit ProgrammeRemplace();
    return true;
}

void Document::MarqueEnregistre() {
    MarqueModifie(false);
}
