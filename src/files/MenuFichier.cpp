// Menu "Fichier" : nouveau, lecture, sauvegarde, sauver comme.
#include "files/FichierProgramme.h"
#include "ui/FenetrePrincipale.h"

namespace {
const QString FiltreOuvrir = QStringLiteral("*.prg");
const QString FiltreSauver = QStringLiteral("*.PRG");

// Le dialogue rend le nom proposé tel quel quand on l'annule.
bool EstAnnule(const QString& choisi) {
    return choisi.toUpper() == QLatin1String("*.PRG");
}

// Le programme a toujours gardé le chemin en majuscules ; ce n'est sans danger que sous
// Windows. Ailleurs le chemin exact est gardé, et seul le titre le montre en majuscules.
QString CheminGarde(const QString& choisi) {
#ifdef Q_OS_WIN
    return choisi.toUpper();
#else
    return choisi;
#endif
}
} // namespace

void FenetrePrincipale::Nouveau_Click() {
    EffaceData();
}

void FenetrePrincipale::LectureData_Click() {
    for (;;) {
        const QString choisi = Plate().DialogueOuvrir(Plate().DossierProgramme(), FiltreOuvrir);
        if (EstAnnule(choisi)) return;
        if (!choisi.toUpper().contains(QLatin1String(".PRG"))) continue;

        const QString cheminAvant = Etat.CheminFichier;
        const bool majusculesAvant = cheminMajuscules_;
        Etat.CheminFichier = CheminGarde(choisi);
        cheminMajuscules_ = true;
        const StatutLecture issue = LitFichierCourant();
        if (issue == StatutLecture::Lu) break;

        // Fichier refusé ou illisible : il ne devient pas celui que "Sauvegarde" écraserait.
        Etat.CheminFichier = cheminAvant;
        cheminMajuscules_ = majusculesAvant;
        if (issue == StatutLecture::Incompatible) break;

        const Bouton reponse =
            Plate().Message(QStringLiteral("Fichier non conforme, "),
                            Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt);
        if (reponse == Bouton::Recommencer) continue;
        if (reponse != Bouton::Ignorer) return;
        EffaceData();
        break;
    }
    VScrollZone->ChangeValeur(0);
    VisuDataProgramme();
}

void FenetrePrincipale::SauvegardeFichier_Click() {
    SauveFichier();
}

void FenetrePrincipale::SauverComme_Click() {
    // Refusé avant le dialogue : inutile de choisir un nom pour un fichier qui ne s'écrira pas.
    if (!TemperaturesSauvables()) return;
    const QString choisi = Plate().DialogueSauver(Plate().DossierProgramme(), FiltreSauver);
    if (EstAnnule(choisi)) return;
    // Aucune extension ajoutée, pas de question avant d'écraser. Le fichier courant ne
    // change qu'une fois le nouveau fichier écrit.
    const QString chemin = CheminGarde(choisi);
    if (!EcritProgramme(chemin, false)) return;
    Etat.CheminFichier = chemin;
    cheminMajuscules_ = true;
    AfficheTitreFichier();
    Etat.DonneesModifiees = QStringLiteral("N");
    // Seul "DataUc.FCB" : "Sauver comme .." n'a jamais écrit "DataUc.xls".
    EcritExports(false);
}
