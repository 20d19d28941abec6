#include "support/PlateformeFactice.h"

namespace {
const char* const NomsBoutons[] = {"Ok",         "Annuler",     "Oui",     "Non",
                                   "Abandonner", "Recommencer", "Ignorer", "Aucun"};
} // namespace

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
    Dialogues.push_back({ouvrir, dossier, nom});
    if (Noms.empty()) return nom;
    const QString rendu = Noms.front();
    Noms.pop_front();
    return rendu;
}

double PlateformeFactice::Aleatoire() {
    if (Tirages.empty()) return 0.5;
    const double v = Tirages.front();
    Tirages.pop_front();
    return v;
}
