#include "support/PlateformeFactice.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <gtest/gtest.h>

const char* const NomsBoutons[NbBoutons] = {"Ok",         "Annuler",     "Oui",     "Non",
                                            "Abandonner", "Recommencer", "Ignorer", "Aucun"};

namespace {
// La prochaine réponse prévue, à défaut celle qui ne change rien.
template <typename T> T Suivant(std::deque<T>& file, T defaut = T{}) {
    if (file.empty()) return defaut;
    T suivant = std::move(file.front());
    file.pop_front();
    return suivant;
}
} // namespace

Bouton PlateformeFactice::Message(const QString& texte, Boutons boutons, Icone, const QString&) {
    if (PendantBoite) PendantBoite();
    const bool prevue = !Reponses.empty();
    // Une boîte que le test n'attendait pas le fait échouer, même s'il ne regarde pas les boîtes.
    if (!prevue) ADD_FAILURE() << "boîte imprévue : « " << texte.toStdString() << " »";
    const Bouton reponse = Suivant(Reponses, Bouton::Aucun);
    // Et une réponse qu'elle n'offre pas.
    const std::vector<Bouton> offerts[] = {
        {Bouton::Ok},
        {Bouton::Ok, Bouton::Annuler},
        {Bouton::Oui, Bouton::Non},
        {Bouton::Abandonner, Bouton::Recommencer, Bouton::Ignorer}};
    const std::vector<Bouton>& offert = offerts[static_cast<int>(boutons)];
    if (reponse != Bouton::Aucun &&
        std::find(offert.begin(), offert.end(), reponse) == offert.end())
        ADD_FAILURE() << "réponse absente de la boîte « " << texte.toStdString() << " »";
    Boites.push_back({texte, prevue ? QLatin1String(NomsBoutons[static_cast<int>(reponse)])
                                    : QStringLiteral("imprévue")});
    return reponse;
}

QString PlateformeFactice::Dialogue(const QString& dossier, const QString& nom) {
    Dialogues.push_back({dossier, nom});
    return Suivant(Noms, nom);
}

std::optional<CiblesCopie> PlateformeFactice::DialogueCopieJour(int, int) {
    return Suivant(Copies);
}

std::optional<LignesSemaine> PlateformeFactice::DialogueHoraires(const LignesSemaine& lignes) {
    LignesMontrees = lignes;
    return Suivant(Horaires);
}

Plateforme::ChoixImpression PlateformeFactice::DialogueImprimer(const QString& pdfPropose) {
    const QString pdf = Suivant(Impressions);
    Dialogues.push_back({QFileInfo(pdfPropose).path(), QFileInfo(pdfPropose).fileName()});
    if (pdf.startsWith(QLatin1String("fichier:"))) return {nullptr, pdf.mid(8)};
    return {pdf.isEmpty() ? nullptr : std::make_unique<QPdfWriter>(pdf), QString()};
}

double PlateformeFactice::Aleatoire() {
    return Suivant(Tirages, 0.5);
}
