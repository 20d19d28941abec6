#pragma once
// Banc des tests de fenêtre : dossier du programme temporaire, plateforme scriptée,
// la vraie fenêtre (hors écran).
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"
#include "ui/FenetrePrincipale.h"

#include <gtest/gtest.h>
#include <memory>

class FenetreTest : public testing::Test {
protected:
    FenetreTest() : plateforme(dossier.Chemin()) {}

    // Pose "data.prg" (l'exemple livré par défaut) puis démarre la fenêtre.
    void Demarre(const QByteArray& programme = ProgrammeExemple()) {
        if (!programme.isNull()) dossier.Ecrit("data.prg", programme);
        DemarreSansFichier();
    }
    // Démarre sans toucher au dossier (les boîtes attendues doivent être annoncées avant).
    void DemarreSansFichier() {
        fenetre = std::make_unique<FenetrePrincipale>(plateforme);
        fenetre->Demarre();
    }
    FenetrePrincipale& F() { return *fenetre; }

    DossierTest dossier;
    PlateformeFactice plateforme;
    std::unique_ptr<FenetrePrincipale> fenetre;
};

// Jour de 148 caractères avec le confort sur les créneaux [debut, fin).
QByteArray JourAvec(std::initializer_list<std::pair<int, int>> segments);
