#include "support/PlateformeFactice.h"

#include "plateforme/PortSerieQt.h"
#include <QPdfWriter>

#include <gtest/gtest.h>

QString Decrit(const BoiteVue& b) {
    return QStringLiteral("[%1] boutons=%2 icone=%3 titre=[%4]")
        .arg(b.texte)
        .arg(static_cast<int>(b.boutons))
        .arg(static_cast<int>(b.icone))
        .arg(b.titre);
}

PlateformeFactice::PlateformeFactice(const QString& dossierProgramme)
    : dossier_(dossierProgramme), maintenant_(QDate(2026, 12, 1), QTime(14, 5, 9)),
      port_(std::make_unique<PortSerieQt>([this] { return dossier_; })),
      minuterie_(std::make_unique<MinuterieQt>()) {}

PlateformeFactice::~PlateformeFactice() {
    for (const Attente& a : boitesAttendues_)
        ADD_FAILURE() << "Boîte attendue jamais montrée : " << a.texte.toStdString();
    for (const QString& d : dialogues_)
        ADD_FAILURE() << "Dialogue attendu jamais montré, réponse " << d.toStdString();
}

void PlateformeFactice::AttendBoite(const QString& texte, Bouton reponse) {
    boitesAttendues_.push_back({std::nullopt, texte, reponse});
}

void PlateformeFactice::AttendBoite(const BoiteVue& attendue, Bouton reponse) {
    boitesAttendues_.push_back({attendue, attendue.texte, reponse});
}

void PlateformeFactice::AttendBoiteDebut(const QString& debut, Bouton reponse) {
    boitesAttendues_.push_back({std::nullopt, debut, reponse, true});
}

void PlateformeFactice::AttendDialogue(const QString& nomRendu) {
    dialogues_.push_back(nomRendu);
}

void PlateformeFactice::AttendAleatoire(double valeur) {
    aleatoires_.push_back(valeur);
}

void PlateformeFactice::ChangePort(std::unique_ptr<PortSerie> port) {
    port_ = std::move(port);
}

Bouton PlateformeFactice::Message(const QString& texte, Boutons boutons, Icone icone,
                                  const QString& titre) {
    const BoiteVue vue{texte, boutons, icone, titre};
    Boites.push_back(vue);
    if (boitesAttendues_.empty()) {
        ADD_FAILURE() << "Boîte imprévue : " << Decrit(vue).toStdString();
        return Bouton::Aucun; // la réponse qui ne change rien
    }
    const Attente attente = boitesAttendues_.front();
    boitesAttendues_.pop_front();
    if (attente.debutSeulement)
        EXPECT_TRUE(texte.startsWith(attente.texte)) << Decrit(vue).toStdString();
    else
        EXPECT_EQ(texte.toStdString(), attente.texte.toStdString());
    if (attente.complete) {
        EXPECT_EQ(static_cast<int>(boutons), static_cast<int>(attente.complete->boutons))
            << Decrit(vue).toStdString();
        EXPECT_EQ(static_cast<int>(icone), static_cast<int>(attente.complete->icone))
            << Decrit(vue).toStdString();
        EXPECT_EQ(titre.toStdString(), attente.complete->titre.toStdString());
    }
    if (PendantBoite) PendantBoite(vue);
    return attente.reponse;
}

QString PlateformeFactice::Dialogue(bool ouvrir, const QString& dossier, const QString& nom) {
    Dialogues.push_back({ouvrir, dossier, nom});
    if (dialogues_.empty()) {
        ADD_FAILURE() << "Dialogue imprévu sur " << nom.toStdString();
        return nom;
    }
    const QString rendu = dialogues_.front();
    dialogues_.pop_front();
    return rendu;
}

QString PlateformeFactice::DialogueOuvrir(const QString& dossier, const QString& nom) {
    return Dialogue(true, dossier, nom);
}

QString PlateformeFactice::DialogueSauver(const QString& dossier, const QString& nom) {
    return Dialogue(false, dossier, nom);
}

namespace {
// La réponse annoncée au prochain dialogue ; un dialogue imprévu fait échouer le test.
template <typename T> T Suivant(std::deque<T>& attendus, const char* dialogue) {
    if (attendus.empty()) return ADD_FAILURE() << "Dialogue imprévu : " << dialogue, T{};
    T suivant = std::move(attendus.front());
    attendus.pop_front();
    return suivant;
}
} // namespace

std::optional<CiblesCopie> PlateformeFactice::DialogueCopieJour(int, int) {
    return Suivant(copies_, "copie du jour");
}

std::optional<LignesSemaine> PlateformeFactice::DialogueHoraires(const LignesSemaine& lignes) {
    LignesMontrees = lignes;
    return Suivant(horaires_, "horaires de la semaine");
}

std::unique_ptr<QPagedPaintDevice> PlateformeFactice::DialogueImprimer() {
    const QString pdf = Suivant(impressions_, "impression");
    return pdf.isEmpty() ? nullptr : std::make_unique<QPdfWriter>(pdf);
}

double PlateformeFactice::Aleatoire() {
    if (aleatoires_.empty()) {
        ADD_FAILURE() << "Tirage aléatoire imprévu";
        return 0.5;
    }
    const double v = aleatoires_.front();
    aleatoires_.pop_front();
    return v;
}
