// Lecture et sauvegarde du fichier programme, effacement de tout le programme,
// fichiers annexes.
#include "files/EcritureAtomique.h"
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "model/Textes.h"
#include "plateforme/FichierOrdinaire.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"
#include "zone/PanneauZone.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {
// Rend le contenu, ou rien quand le fichier manque, ne se lit pas, est trop gros ou n'est pas
// un fichier ordinaire (un tube bloquerait la fenêtre).
std::optional<QByteArray> LitFichier(const QString& chemin) {
    QFile fichier(chemin);
    if (!OuvreFichierOrdinaire(fichier, QIODevice::ReadOnly)) return std::nullopt;
    // Lecture bornée : le fichier peut grandir pendant qu'on le lit.
    QByteArray contenu = fichier.read(TailleMaxFichierProgramme + 1);
    if (contenu.size() > TailleMaxFichierProgramme || fichier.error() != QFile::NoError)
        return std::nullopt;
    return contenu;
}
} // namespace

void FenetrePrincipale::AfficheTitreFichier() {
    // Un chemin choisi au dialogue est montré en majuscules, comme le programme l'a toujours
    // fait ; on l'ouvre et l'écrit tel quel (système de fichiers sensible à la casse).
    const QString montre = cheminMajuscules_ ? cheminFichier_.toUpper() : cheminFichier_;
    setWindowTitle(TitreAvecFichier(TitreVersion, montre));
}

bool FenetrePrincipale::LectureFichier() {
    return LitFichierCourant() != StatutLecture::NonConforme;
}

StatutLecture FenetrePrincipale::LitFichierCourant() {
    if (cheminFichier_.isEmpty())
        cheminFichier_ = QDir::toNativeSeparators(Plate().DossierProgramme()) + QDir::separator() +
                         QStringLiteral("data.prg");

    // Lu à part, pris seulement si tout est bon : un échec laisse le programme intact.
    const auto contenu = LitFichier(cheminFichier_);
    const ResultatLecture lu = contenu ? LireFichierProgramme(*contenu) : ResultatLecture{};
    if (lu.statut != StatutLecture::Lu)
        cheminIllisible_ = cheminFichier_;
    else if (cheminIllisible_ == cheminFichier_)
        cheminIllisible_.clear();
    if (lu.statut == StatutLecture::Incompatible) {
        Plate().Message(QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "),
                        Boutons::Ok, Icone::Critique, TitreCourt);
        return lu.statut;
    }
    if (lu.statut != StatutLecture::Lu) return lu.statut;

    AfficheTitreFichier();
    doc_.Charge(lu.programme);
    semaine_->AfficheEcran();
    semaine_->AfficheJour();
    semaine_->ChoisitJourAffiche(0);
    zone_->MontreIdentifiant();
    zone_->ChargeTemperatures();
    semaine_->PlaceCurseur(0);
    semaine_->DeplaceCurseur();
    return StatutLecture::Lu;
}

bool FenetrePrincipale::TemperaturesSauvables() {
    // Le fichier ne se relirait pas (après un démarrage qui n'a rien lu, tout est à 0) :
    // même texte que la vérification avant une transmission.
    const auto fautive = ChercheTemperatureHorsLimites(doc_.Prog());
    if (!fautive) return true;
    Plate().Message(TexteTemperatureHorsLimites(*fautive) +
                        QStringLiteral(" Corrigez-la avant la sauvegarde."),
                    Boutons::Ok, Icone::Critique, TitreCourt);
    return false;
}

bool FenetrePrincipale::EcritProgramme(const QString& chemin, bool remplacementAccepte) {
    // Un fichier abîmé reste peut-être réparable : il n'est pas écrasé en silence.
    if (!remplacementAccepte && chemin == cheminIllisible_ && QFileInfo(chemin).isFile() &&
        Plate().Message(QStringLiteral("Le fichier %1 n'a pas pu être lu. "
                                       "Voulez-vous le remplacer ?")
                            .arg(QFileInfo(chemin).fileName()),
                        Boutons::OuiNon, Icone::Exclamation, TitreCourt) != Bouton::Oui)
        return false;
    // Écriture atomique : en cas d'échec, l'ancien fichier reste tel quel.
    if (!EcritFichierEntier(Plate(), chemin, EcrireFichierProgramme(doc_.Prog(), TitreVersion),
                            QStringLiteral("** SAUVEGARDE IMPOSSIBLE **")))
        return false;
    if (chemin == cheminIllisible_) cheminIllisible_.clear();
    return true;
}

bool FenetrePrincipale::SauveFichier() {
    // En cas d'échec, le titre reste aussi tel quel.
    if (!TemperaturesSauvables() || !EcritProgramme(cheminFichier_, false)) return false;
    AfficheTitreFichier();
    doc_.MarqueEnregistre();
    EcritExports(true);
    return true;
}

bool FenetrePrincipale::EcritExports(bool avecXls) {
    // Toujours dans le dossier du programme, où que soit le fichier programme.
    const QDir dossier(Plate().DossierProgramme());
    const auto ecrit = [&](const QString& nom, const QByteArray& octets) {
        return EcritFichierEntier(Plate(), QDir::toNativeSeparators(dossier.filePath(nom)), octets,
                                  QStringLiteral("** ECRITURE IMPOSSIBLE **"));
    };
    if (!ecrit(NomExportFcb, ExportFcb(doc_.Prog()))) return false;
    return !avecXls || ecrit(NomExportXls, ExportXls(doc_.Prog()));
}

void FenetrePrincipale::EffaceData() {
    if (Plate().Message(QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                        Boutons::OuiNon, Icone::Critique, TitreCourt) != Bouton::Oui)
        return;
    semaine_->DecocheSegments();
    semaine_->CacheSegments();
    doc_.Efface();
    semaine_->AfficheEcran();
    zone_->ChargeTemperatures();
    // AfficheEcran passe en zone 0, lundi, sans toucher aux sélecteurs : ils suivent ici,
    // sinon le jour nommé et rouge ne serait plus celui que la commande suivante édite.
    if (zone_->ZoneAffichee() != 0)
        zone_->ChoisitZoneAffichee(0);
    else
        semaine_->AfficheJour();
}
