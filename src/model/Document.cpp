#include "model/Document.h"

#include <QtGlobal>
#include <utility>

Document::Document(QObject* parent) : QObject(parent) {}

qint16 Document::TemperatureMontree(int zone, int reglage) const {
    return static_cast<qint16>(
        qBound<int>(TemperatureMin, prog_.TempZone.at(zone).at(reglage), TemperatureMax));
}

void Document::ChoisitZone(int zone) {
    if (Choisit(zone_, zone, NbZones)) emit ZoneChoisie(zone_);
    RameneTemperatures(zone_);
    PlaceCurseur(0);
    ChoisitJour(0);
}

void Document::ChoisitJour(int jour) {
    if (Choisit(jour_, jour, NbJours)) emit JourChoisi(jour_);
}

void Document::PlaceCurseur(int curseur) {
    if (Choisit(curseur_, curseur, NbCreneaux + 1)) emit CurseurPlace(curseur_);
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
    // Une édition ne fait qu'une version, dès son premier changement (versionNeuve_ n'est
    // vrai que pendant une édition).
    if (versionNeuve_) return;
    versionNeuve_ = editions_ > 0;
    ChangeVersion(++derniereVersion_, versionEnregistree_);
}

bool Document::SignaleJour(const QByteArray& avant, int zone, int jour, bool edition) {
    if (prog_.ProgJour[zone][jour] == avant) return false;
    if (edition) MarqueEditee();
    emit JourChange(zone, jour);
    return true;
}

bool Document::EditeJour(int zone, int jour, const std::function<void(QByteArray&)>& edition) {
    if (Tenu() || !Valide(zone, jour)) return false;
    QByteArray& edite = prog_.ProgJour[zone][jour];
    const QByteArray avant = edite;
    edition(edite);
    nbSegments_[zone][jour] = static_cast<int>(::ValideJour(edite).size());
    SignaleJour(avant, zone, jour, true);
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
    ChangeVersion(version, versionEnregistree_);
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) {
            if (depuis.ProgJour[z][d] == vers.ProgJour[z][d]) continue;
            QByteArray& jour = prog_.ProgJour[z][d];
            const QByteArray avant = std::exchange(jour, vers.ProgJour[z][d]);
            nbSegments_[z][d] = static_cast<int>(BarresJour(jour).size());
            SignaleJour(avant, z, d, false);
        }
        if (depuis.TempZone[z] != vers.TempZone[z] && prog_.TempZone[z] != vers.TempZone[z]) {
            prog_.TempZone[z] = vers.TempZone[z];
            emit TemperaturesChangees(z);
        }
        if (depuis.IdentZone[z] != vers.IdentZone[z] && prog_.IdentZone[z] != vers.IdentZone[z]) {
            prog_.IdentZone[z] = vers.IdentZone[z];
            emit IdentifiantChange(z);
        }
    }
    return true;
}

bool Document::EcritCreneaux(int zone, int jour, int curseur, char valeur, int nombre) {
    const Edition edition(*this, QStringLiteral("Créneaux"));
    return EditeJour(zone, jour,
                     [&](QByteArray& edite) { ::EcritCreneaux(edite, curseur, valeur, nombre); });
}

bool Document::RemplaceJour(int zone, int jour, const QByteArray& contenu) {
    const Edition edition(*this, QStringLiteral("Jour"));
    return EditeJour(zone, jour, [&](QByteArray& edite) { edite = contenu; });
}

bool Document::ChangeTemperature(int zone, int reglage, qint16 valeur) {
    if (Tenu() || !Valide(zone, 0) || reglage < 0 || reglage >= NbTemperatures) return false;
    const Edition edition(*this, QStringLiteral("Température ") + NomTemperature(reglage));
    auto& t = prog_.TempZone[zone];
    const auto avant = t;
    valeur = static_cast<qint16>(qBound<int>(TemperatureMin, valeur, TemperatureMax));
    if (t[reglage] == valeur) return true;
    t[reglage] = valeur;
    if (reglage <= 1 && t[1] > t[0]) t[1] = t[0];
    if (t[2] > t[1]) t[2] = t[1];
    if (t == avant) return true;
    MarqueEditee();
    emit TemperaturesChangees(zone);
    return true;
}

bool Document::ChangeIdentifiant(int zone, qint32 identifiant) {
    if (Tenu() || !Valide(zone, 0)) return false;
    const Edition edition(*this, QStringLiteral("Identifiant"));
    if (prog_.IdentZone[zone] != identifiant) {
        prog_.IdentZone[zone] = identifiant;
        MarqueEditee();
        emit IdentifiantChange(zone);
    }
    return true;
}

std::vector<BarreSegment> Document::ValideJour(int zone, int jour) {
    if (Tenu() || !Valide(zone, jour)) return {};
    QByteArray& chaine = prog_.ProgJour[zone][jour];
    const QByteArray avant = chaine;
    std::vector<BarreSegment> barres = ::ValideJour(chaine);
    nbSegments_[zone][jour] = static_cast<int>(barres.size());
    SignaleJour(avant, zone, jour, false);
    return barres;
}

void Document::RameneTemperatures(int zone) {
    if (Tenu()) return;
    auto& t = prog_.TempZone[zone];
    const auto avant = t;
    for (int r = 0; r < NbTemperatures; ++r) t[r] = TemperatureMontree(zone, r);
    if (t == avant) return;
    // Le programme n'est plus celui du fichier : "Quitter" doit le dire.
    MarqueEditee();
    emit TemperaturesChangees(zone);
}

void Document::CompleteJours() {
    if (!Tenu()) CompleteJoursCourts(prog_);
}

void Document::RevientAuDebut(bool curseurAZero) {
    // Une autre zone est toute reprise, curseur compris ; la même garde son curseur à
    // l'effacement.
    if (zone_ != 0)
        ChoisitZone(0);
    else if (curseurAZero)
        PlaceCurseur(0);
    ChoisitJour(0);
}

bool Document::Charge(const Programme& lu) {
    FermeEditionLongue();
    if (Tenu()) return false;
    prog_ = lu;
    ++derniereVersion_;
    ChangeVersion(derniereVersion_, derniereVersion_);
    RevientAuDebut(true);
    emit ProgrammeRemplace(Remplacement::Lu);
    return true;
}

bool Document::Efface() {
    FermeEditionLongue();
    if (Tenu()) return false;
    RemetParDefaut(prog_);
    for (auto& zone : nbSegments_) zone.fill(0);
    // Effacer compte toujours, même un programme déjà vide : ni lu ni écrit tel quel.
    ChangeVersion(++derniereVersion_, versionEnregistree_);
    RevientAuDebut(false);
    emit ProgrammeRemplace(Remplacement::Efface);
    return true;
}

void Document::MarqueEnregistre() {
    ChangeVersion(version_, version_);
}
