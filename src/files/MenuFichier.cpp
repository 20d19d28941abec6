// Menu "Fichier" : nouveau, lecture, sauvegarde, sauver comme.
#include "files/FichierProgramme.h"
#include "model/Textes.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"
#include "zone/PanneauZone.h"

#include <QFileInfo>

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

        const QString cheminAvant = cheminFichier_;
        const bool majusculesAvant = cheminMajuscules_;
        cheminFichier_ = CheminGarde(choisi);
        cheminMajuscules_ = true;
        const StatutLecture issue = LitFichierCourant();
        if (issue == StatutLecture::Lu) break;

        // Fichier refusé ou illisible : il ne devient pas celui que "Sauvegarde" écraserait.
        cheminFichier_ = cheminAvant;
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
    zone_->ChoisitZoneAffichee(0);
    semaine_->VisuDataProgramme();
}

void FenetrePrincipale::SauvegardeFichier_Click() {
    SauveFichier();
}

void FenetrePrincipale::SauverComme_Click() {
    // Refusé avant le dialogue : inutile de choisir un nom pour un fichier qui ne s'écrira pas.
    if (!TemperaturesSauvables()) return;
    const QString choisi = Plate().DialogueSauver(Plate().DossierProgramme(), FiltreSauver);
    if (EstAnnule(choisi)) return;
    // Un nom tapé sans aucune extension prend ".PRG", sans quoi "&Lecture" le refuserait ;
    // toute autre extension reste telle quelle.
    QString chemin = CheminGarde(choisi);
    if (!QFileInfo(chemin).fileName().contains(QLatin1Char('.'))) chemin += QStringLiteral(".PRG");
    // Un fichier existant n'est remplacé qu'après accord (Échap : non). Un dossier ou un tube
    // n'est pas un fichier à remplacer : l'écriture le refuse avec sa boîte.
    const bool remplace = QFileInfo(chemin).isFile();
    if (remplace && Plate().Message(QStringLiteral("Le fichier %1 existe déjà. "
                                                   "Voulez-vous le remplacer ?")
                                        .arg(QFileInfo(chemin).fileName()),
                                    Boutons::OuiNon, Icone::Exclamation, TitreCourt) != Bouton::Oui)
        return;
    // Le fichier courant ne change qu'une fois le nouveau fichier écrit.
    if (!EcritProgramme(chemin, remplace)) return;
    cheminFichier_ = chemin;
    cheminMajuscules_ = true;
    AfficheTitreFichier();
    doc_.MarqueEnregistre();
    // Seul "DataUc.FCB" : "Sauver comme .." n'a jamais écrit "DataUc.xls".
    EcritExports(false);
}
