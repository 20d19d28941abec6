#pragma once
// Banc des tests de fenêtre : dossier du programme temporaire, plateforme scriptée,
// la vraie fenêtre (hors écran).
#include "files/PanneauFichier.h"
#include "link/PanneauLiaison.h"
#include "model/Textes.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Controles.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"
#include "zone/PanneauZone.h"

#include <QAbstractButton>
#include <QAction>
#include <functional>

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
    Document& Doc() { return fenetre->Doc(); }
    const Programme& Prog() { return fenetre->Doc().Prog(); }
    // Un contrôle de la fenêtre, par son nom ("HScroll1", "ShTemp(12)").
    template <typename T = QWidget> T* Controle(const QString& nom) {
        T* controle = fenetre->findChild<T*>(nom);
        EXPECT_NE(controle, nullptr) << nom.toStdString();
        return controle;
    }
    // Une commande de menu, par son nom ("Nouveau", "COM(2)").
    QAction* Action(const QString& nom) {
        QAction* action = fenetre->findChild<QAction*>(nom);
        EXPECT_NE(action, nullptr) << nom.toStdString();
        return action;
    }
    // Choisie dans son menu, comme à la main : rien ne se passe si elle est grisée.
    void Choisit(const QString& nom) { Action(nom)->trigger(); }
    BarreDefilement* Barre(const QString& nom) { return Controle<BarreDefilement>(nom); }
    // Réglée comme à la main : son traitement tourne s'il y a un changement.
    void Regle(const QString& nom, int valeur) { Barre(nom)->ChangeValeur(valeur); }
    void Clique(const QString& nom) { Controle<QAbstractButton>(nom)->click(); }
    // Change le programme comme le ferait un fichier relu, sans rien montrer : zone et jour
    // restent, le programme n'est plus modifié.
    void Pose(const std::function<void(Programme&)>& change) {
        Programme p = Prog();
        change(p);
        const int zone = Doc().Zone(), jour = Doc().Jour();
        Doc().Charge(p);
        Doc().ChoisitZone(zone);
        Doc().ChoisitJour(jour);
    }
    // Une vraie édition : le programme est modifié.
    void ChangeIdentifiant(int zone, qint32 identifiant) {
        const int avant = Doc().Zone();
        Doc().ChoisitZone(zone);
        Doc().ChangeIdentifiant(identifiant);
        Doc().ChoisitZone(avant);
    }
    void PoseJour(int zone, int jour, const QByteArray& chaine) {
        Pose([&](Programme& p) { p.ProgJour[zone][jour] = chaine; });
    }

    DossierTest dossier;
    PlateformeFactice plateforme;
    std::unique_ptr<FenetrePrincipale> fenetre;
};

// Jour de 148 caractères avec le confort sur les créneaux [debut, fin).
QByteArray JourAvec(std::initializer_list<std::pair<int, int>> segments);
