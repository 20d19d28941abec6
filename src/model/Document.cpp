#include "model/Document.h"

#include <QtGlobal>
#include <utility>

Document::Document(QObject* parent) : QObject(parent) {}

void Document::ChoisitZone(int zone) {
    if (Choisit(zone_, zone, NbZones)) emit ZoneChoisie(zone_);
}

void Document::ChoisitJour(int jour) {
    if (Choisit(jour_, jour, NbJours)) emit JourChoisi(jour_);
}

bool Document::Choisit(int& choix, int valeur, int nombre) {
    valeur = qBound(0, valeur, nombre - 1);
    if (valeur == choix) return false;
    FermeEditionEtrangere();
    choix = valeur;
    return true;
}

void Document::OuvreEditionLongue(const QString& nom, const QObject* proprietaire,
                                  std::function<void()> fermeture) {
    FermeEditionLongue();
    EditionLongue longue{std::nullopt, proprietaire, std::move(fermeture)};
    if (!nom.isEmpty()) longue.edition.emplace(*this, nom);
    longue_.emplace(std::move(longue));
}

void Document::FermeEditionLongue() {
    if (!longue_) return;
    // Détachée d'abord : ce que la fermeture change s'ajoute au pas encore ouvert, sans
    // rouvrir de fermeture.
    EditionLongue longue = std::move(*longue_);
    longue_.reset();
    if (longue.fermeture) longue.fermeture();
}

void Document::Poursuit(const std::function<void()>& suite) {
    ++poursuite_;
    suite();
    --poursuite_;
}

void Document::ChangeVersion(quint64 version, quint64 enregistree) {
    version_ = version;
    versionEnregistree_ = enregistree;
}

void Document::MarqueEditee() {
    if (editions_ > 0 && versionNeuve_) return;
    versionNeuve_ = editions_ > 0;
    ChangeVersion(++derniereVersion_, versionEnregistree_);
}

bool Document::JourChange(const QByteArray& avant, int zone, int jour, bool edition) {
    if (prog_.ProgJour[zone][jour] == avant) return false;
    if (edition) MarqueEditee();
    return true;
}

bool Document::EditeJour(int zone, int jour, const std::function<void(QByteArray&)>& edition) {
    if (Tenu() || zone < 0 || zone >= NbZones || jour < 0 || jour >= NbJours) return false;
    QByteArray& edite = prog_.ProgJour[zone][jour];
    const QByteArray avant = edite;
    edition(edite);
    nbSegments_[zone][jour] = static_cast<int>(::ValideJour(edite).size());
    JourChange(avant, zone, jour, true);
    return true;
}

Document::Edition::Edition(Document& document, const QString& nom) : document_(&document) {
    document_->FermeEditionEtrangere();
    if (document_->editions_++ > 0) return;
    document_->nomEdition_ = nom;
    document_->avantEdition_ = document_->prog_;
    document_->versionAvantEdition_ = document_->version_;
    document_->versionNeuve_ = false;
}

Document::Edition::~Edition() {
    if (!document_ || --document_->editions_ > 0) return;
    Document& d = *document_;
    // Copie : un abonné peut ouvrir une autre édition pendant le signal.
    const Programme avant = std::exchange(d.avantEdition_, Programme());
    const bool neuve = std::exchange(d.versionNeuve_, false);
    // Rien de changé au bout du compte : la version d'avant revient.
    if (avant == d.prog_) {
        if (neuve) d.ChangeVersion(d.versionAvantEdition_, d.versionEnregistree_);
        return;
    }
    // Seule la coupe d'un neuvième segment a changé le jour : c'est encore une édition.
    if (!neuve) d.ChangeVersion(++d.derniereVersion_, d.versionEnregistree_);
    emit d.Editee(d.nomEdition_, avant, d.prog_, d.versionAvantEdition_, d.version_);
}

bool Document::Retablit(const Programme& depuis, const Programme& vers, quint64 version) {
    FermeEditionEtrangere();
    if (Tenu()) return false;
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) {
            if (depuis.ProgJour[z][d] == vers.ProgJour[z][d]) continue;
            QByteArray& jour = prog_.ProgJour[z][d];
            jour = vers.ProgJour[z][d];
            QByteArray compte = jour;
            nbSegments_[z][d] = static_cast<int>(::ValideJour(compte).size());
        }
        for (int t = 0; t < NbTemperatures; ++t)
            if (depuis.TempZone[z][t] != vers.TempZone[z][t])
                prog_.TempZone[z][t] = vers.TempZone[z][t];
        if (depuis.IdentZone[z] != vers.IdentZone[z]) prog_.IdentZone[z] = vers.IdentZone[z];
    }
    ChangeVersion(version, versionEnregistree_);
    return true;
}

bool Document::EcritCreneaux(int curseur, char valeur, int nombre) {
    const Edition edition(*this, QStringLiteral("Créneaux"));
    return EditeJour(zone_, jour_,
                     [&](QByteArray& jour) { ::EcritCreneaux(jour, curseur, valeur, nombre); });
}

bool Document::RemplaceJour(const QByteArray& jour) {
    return RemplaceJour(zone_, jour_, jour);
}

bool Document::RemplaceJour(int zone, int jour, const QByteArray& contenu) {
    const Edition edition(*this, QStringLiteral("Jour"));
    return EditeJour(zone, jour, [&](QByteArray& edite) { edite = contenu; });
}

bool Document::ChangeTemperature(int reglage, qint16 valeur) {
    if (Tenu() || reglage < 0 || reglage >= NbTemperatures) return false;
    const Edition edition(*this, QStringLiteral("Température"));
    qint16& stockee = prog_.TempZone[zone_][reglage];
    if (stockee != valeur) {
        stockee = valeur;
        MarqueEditee();
    }
    return true;
}

bool Document::ChangeIdentifiant(qint32 identifiant) {
    if (Tenu()) return false;
    const Edition edition(*this, QStringLiteral("Identifiant"));
    if (prog_.IdentZone[zone_] != identifiant) {
        prog_.IdentZone[zone_] = identifiant;
        MarqueEditee();
    }
    return true;
}

std::vector<BarreSegment> Document::ValideJour(int jour) {
    if (Tenu() || jour < 0 || jour >= NbJours) return {};
    QByteArray& chaine = prog_.ProgJour[zone_][jour];
    const QByteArray avant = chaine;
    std::vector<BarreSegment> barres = ::ValideJour(chaine);
    nbSegments_[zone_][jour] = static_cast<int>(barres.size());
    JourChange(avant, zone_, jour, false);
    return barres;
}

bool Document::RameneTemperatures() {
    if (Tenu()) return false;
    bool ramenee = false;
    for (qint16& valeur : prog_.TempZone[zone_]) {
        const auto bornee =
            static_cast<qint16>(qBound<int>(TemperatureMin, valeur, TemperatureMax));
        ramenee = ramenee || bornee != valeur;
        valeur = bornee;
    }
    // Le programme n'est plus celui du fichier : "Quitter" doit le dire.
    if (ramenee) MarqueEditee();
    return true;
}

bool Document::CompleteJours() {
    if (Tenu()) return false;
    CompleteJoursCourts(prog_);
    return true;
}

bool Document::Charge(const Programme& lu) {
    FermeEditionLongue();
    if (Tenu()) return false;
    prog_ = lu;
    ++derniereVersion_;
    ChangeVersion(derniereVersion_, derniereVersion_);
    emit ProgrammeRemplace();
    return true;
}

bool Document::Efface() {
    FermeEditionLongue();
    if (Tenu()) return false;
    RemetParDefaut(prog_);
    for (auto& zone : nbSegments_) zone.fill(0);
    // Effacer compte toujours, même un programme déjà vide : ni lu ni écrit tel quel.
    ChangeVersion(++derniereVersion_, versionEnregistree_);
    emit ProgrammeRemplace();
    return true;
}

void Document::MarqueEnregistre() {
    ChangeVersion(version_, version_);
}
