#include "support/PlateformeFactice.h"

#include <QFileInfo>
#include <QPdfWriter>

const char* const NomsBoutons[NbBoutons] = {"Ok",         "Annuler",     "Oui",     "Non",
                                            "Abandonner", "Recommencer", "Ignorer", "Aucun"};

Bouton PlateformeFactice::Message(const QString& texte, Boutons boutons, Icone icone,
                                  const QString& titre) {
    Boites.push_back({texte, boutons, icone, titre, QStringLiteral("imprévue")});
    if (Reponses.empty()) return Bouton::Aucun; // la réponse qui ne change rien
    const Bouton reponse = Reponses.front();
    Reponses.pop_front();
    Boites.back().reponse = QLatin1String(NomsBoutons[static_cast<int>(reponse)]);
    return reponse;
}

QString PlateformeFactice::Dialogue(bool ouvrir, const QString& dossier, const QString& nom) {
    Dialogues.push_back(
        {ouvrir ? QStringLiteral("ouvrir") : QStringLiteral("sauver"), dossier, nom});
    if (Noms.empty()) return nom;
    const QString rendu = Noms.front();
    Noms.pop_front();
    return rendu;
}

namespace {
template <typename T> T Suivant(std::deque<T>& file) {
    if (file.empty()) return T{};
    T suivant = std::move(file.front());
    file.pop_front();
    return suivant;
}
} // namespace

std::optional<CiblesCopie> PlateformeFactice::DialogueCopieJour(int, int) {
    Dialogues.push_back({QStringLiteral("copie du jour"), QString(), QString()});
    return Suivant(Copies);
}

std::optional<LignesSemaine> PlateformeFactice::DialogueHoraires(const LignesSemaine& lignes) {
    LignesMontrees = lignes;
    Dialogues.push_back({QStringLiteral("horaires de la semaine"), QString(), QString()});
    return Suivant(Horaires);
}

std::unique_ptr<QPagedPaintDevice> PlateformeFactice::DialogueImprimer() {
    const QString pdf = Suivant(Impressions);
    Dialogues.push_back({QStringLiteral("impression"), QString(), QFileInfo(pdf).fileName()});
    return pdf.isEmpty() ? nullptr : std::make_unique<QPdfWriter>(pdf);
}

double PlateformeFactice::Aleatoire() {
    if (Tirages.empty()) return 0.5;
    const double v = Tirages.front();
    Tirages.pop_front();
    return v;
}
