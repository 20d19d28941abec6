#include "model/Document.h"

#include <QtGlobal>
#include <utility>

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

bool Document::JourChange(const QByteArray& avant, int jour, bool edition) {
    if (prog_.ProgJour[zone_][jour] == avant) return false;
    if (edition) MarqueModifie(true);
    emit JourModifie(zone_, jour);
    return true;
}

bool Document::EditeJour(const std::function<void(QByteArray&)>& edition) {
    if (Tenu()) return false;
    const QByteArray avant = Edite();
    edition(Edite());
    nbSegments_[zone_][jour_] = static_cast<int>(::ValideJour(Edite()).size());
    JourChange(avant, jour_, true);
    return true;
}

Document::Edition::Edition(Document& document, const QString& nom) : document_(&document) {
    if (document_->editions_++ > 0) return;
    document_->nomEdition_ = nom;
    document_->avantEdition_ = document_->prog_;
}

Document::Edition::~Edition() {
    if (!document_ || --document_->editions_ > 0) return;
    // Copie : un abonné peut ouvrir une autre édition pendant le signal.
    const Programme avant = std::exchange(document_->avantEdition_, Programme());
    if (avant != document_->prog_)
        emit document_->Editee(document_->nomEdition_, avant, document_->prog_);
}

bool Document::Retablit(const Programme& depuis, const Programme& vers) {
    if (Tenu()) return false;
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) {
            if (depuis.ProgJour[z][d] == vers.ProgJour[z][d]) continue;
            QByteArray& jour = prog_.ProgJour[z][d];
            jour = vers.ProgJour[z][d];
            QByteArray compte = jour;
            nbSegments_[z][d] = static_cast<int>(::ValideJour(compte).size());
            emit JourModifie(z, d);
        }
        for (int t = 0; t < NbTemperatures; ++t) {
            if (depuis.TempZone[z][t] == vers.TempZone[z][t]) continue;
            prog_.TempZone[z][t] = vers.TempZone[z][t];
            emit TemperatureModifiee(z, t);
        }
        if (depuis.IdentZone[z] == vers.IdentZone[z]) continue;
        prog_.IdentZone[z] = vers.IdentZone[z];
        emit IdentifiantModifie(z);
    }
    return true;
}

bool Document::EcritCreneaux(int curseur, char valeur, int nombre) {
    const Edition edition(*this, QStringLiteral("Créneaux"));
    return EditeJour([&](QByteArray& jour) { ::EcritCreneaux(jour, curseur, valeur, nombre); });
}

bool Document::RemplaceJour(const QByteArray& jour) {
    const Edition edition(*this, QStringLiteral("Jour"));
    return EditeJour([&](QByteArray& edite) { edite = jour; });
}

bool Document::ChangeTemperature(int reglage, qint16 valeur) {
    if (Tenu() || reglage < 0 || reglage >= NbTemperatures) return false;
    const Edition edition(*this, QStringLiteral("Température"));
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
    const Edition edition(*this, QStringLiteral("Identifiant"));
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
    JourChange(avant, jour, false);
    return barres;
}

bool Document::RameneTemperatures() {
    if (Tenu()) return false;
    for (int t = 0; t < NbTemperatures; ++t) {
        qint16& valeur = prog_.TempZone[zone_][t];
        const auto ramenee =
            static_cast<qint16>(qBound<int>(TemperatureMin, valeur, TemperatureMax));
        if (ramenee == valeur) continue;
        valeur = ramenee;
        emit TemperatureModifiee(zone_, t);
    }
    return true;
}

bool Document::CompleteJours() {
    if (Tenu()) return false;
    CompleteJoursCourts(prog_);
    return true;
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
