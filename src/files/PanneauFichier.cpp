// Lecture et sauvegarde du fichier programme, effacement de tout le programme,
// fichiers annexes.
#include "files/PanneauFichier.h"
#include "files/EcritureAtomique.h"
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "files/ImpressionSemaine.h"
#include "model/Document.h"
#include "model/Textes.h"
#include "plateforme/Controles.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/Plateforme.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QSettings>

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

PanneauFichier::PanneauFichier(Document& document, Plateforme& plateforme, QMenu* menu,
                               EcranFichier ecran, QObject* parent)
    : QObject(parent), doc_(document), plateforme_(plateforme), ecran_(std::move(ecran)),
      Nouveau(AjouteAction(menu, "Nouveau", QStringLiteral("&Nouveau"))),
      LectureData(AjouteAction(menu, "LectureData", QStringLiteral("&Lecture"))),
      SauvegardeFichier(AjouteAction(menu, "SauvegardeFichier", QStringLiteral("&Sauvegarde"))),
      SauverComme(AjouteAction(menu, "SauverComme", QStringLiteral("Sauver comme .."))),
      Imprimer((menu->addSeparator(), AjouteAction(menu, "Imprimer", QStringLiteral("Imprimer…")))),
      ExporterPdf(AjouteAction(menu, "ExporterPdf", QStringLiteral("Exporter en PDF…"))) {
    connect(Nouveau, &QAction::triggered, this, [this] { EffaceData(); });
    connect(LectureData, &QAction::triggered, this, [this] { LectureData_Click(); });
    connect(SauvegardeFichier, &QAction::triggered, this, [this] { SauveFichier(); });
    connect(SauverComme, &QAction::triggered, this, [this] { SauverComme_Click(); });
    connect(Imprimer, &QAction::triggered, this, [this] { Imprimer_Click(); });
    connect(ExporterPdf, &QAction::triggered, this, [this] { ExporterPdf_Click(); });
}

void PanneauFichier::Gele(bool gele) {
    gele_ = gele;
    if (recents_) recents_->setEnabled(!gele && !recents_->isEmpty());
    for (QAction* action :
         {Nouveau, LectureData, SauvegardeFichier, SauverComme, Imprimer, ExporterPdf})
        Bascule(action, !gele);
}

void PanneauFichier::AfficheTitreFichier() {
    // Un chemin choisi au dialogue est montré en majuscules, comme le programme l'a toujours
    // fait ; on l'ouvre et l'écrit tel quel (système de fichiers sensible à la casse).
    const QString montre = cheminMajuscules_ ? cheminFichier_.toUpper() : cheminFichier_;
    ecran_.Titre(TitreAvecFichier(TitreVersion, montre));
}

bool PanneauFichier::LitAvecReprise(const std::function<std::optional<StatutLecture>()>& lit) {
    for (;;) {
        const auto issue = lit();
        if (!issue) return false;
        if (*issue != StatutLecture::NonConforme) return true;
        const Bouton reponse =
            plateforme_.Message(QStringLiteral("Fichier non conforme, "),
                                Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt);
        if (reponse == Bouton::Recommencer) continue;
        if (reponse != Bouton::Ignorer) return false;
        EffaceData();
        return true;
    }
}

bool PanneauFichier::LectureDemarrage(const QString& fichier) {
    if (!fichier.isEmpty()) {
        cheminFichier_ = CheminGarde(QFileInfo(fichier).absoluteFilePath());
        cheminMajuscules_ = true;
    }
    return LitAvecReprise([this, &fichier] {
        const StatutLecture issue = LitFichierCourant();
        if (issue == StatutLecture::Lu && !fichier.isEmpty()) RetientRecent(cheminFichier_, true);
        return issue;
    });
}

StatutLecture PanneauFichier::LitFichierCourant() {
    if (cheminFichier_.isEmpty())
        cheminFichier_ = QDir::toNativeSeparators(plateforme_.DossierProgramme()) +
                         QDir::separator() + QStringLiteral("data.prg");

    // Lu à part, pris seulement si tout est bon : un échec laisse le programme intact.
    const auto contenu = LitContenuFichierProgramme(cheminFichier_);
    const ResultatLecture lu = contenu ? LireFichierProgramme(*contenu) : ResultatLecture{};
    if (lu.statut != StatutLecture::Lu)
        cheminIllisible_ = cheminFichier_;
    else if (cheminIllisible_ == cheminFichier_)
        cheminIllisible_.clear();
    if (lu.statut == StatutLecture::Incompatible) {
        plateforme_.Message(QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "),
                            Boutons::Ok, Icone::Critique, TitreCourt);
        return lu.statut;
    }
    if (lu.statut != StatutLecture::Lu) return lu.statut;

    AfficheTitreFichier();
    doc_.Charge(lu.programme);
    ecran_.ApresLecture();
    return StatutLecture::Lu;
}

void PanneauFichier::LectureData_Click() {
    const bool lu = LitAvecReprise([this]() -> std::optional<StatutLecture> {
        for (;;) {
            const QString choisi =
                plateforme_.DialogueOuvrir(plateforme_.DossierProgramme(), FiltreOuvrir);
            if (EstAnnule(choisi)) return std::nullopt;
            if (!choisi.toUpper().contains(QLatin1String(".PRG"))) continue;

            return LitChoisi(choisi);
        }
    });
    if (lu) ecran_.ApresMenuLecture();
}

StatutLecture PanneauFichier::LitChoisi(const QString& choisi) {
    const QString cheminAvant = cheminFichier_;
    const bool majusculesAvant = cheminMajuscules_;
    cheminFichier_ = CheminGarde(choisi);
    cheminMajuscules_ = true;
    const StatutLecture issue = LitFichierCourant();
    if (issue != StatutLecture::Lu) {
        // Fichier refusé ou illisible : il ne devient pas celui que "Sauvegarde"
        // écraserait.
        cheminFichier_ = cheminAvant;
        cheminMajuscules_ = majusculesAvant;
    } else {
        RetientRecent(choisi, true);
    }
    return issue;
}

void PanneauFichier::LectureRecente(const QString& chemin) {
    if (!QFileInfo(chemin).isFile()) {
        plateforme_.Message(QStringLiteral("Le fichier %1 n'existe plus : il est retiré des "
                                           "fichiers récents.")
                                .arg(chemin),
                            Boutons::Ok, Icone::Exclamation, TitreCourt);
        RetientRecent(chemin, false);
        return;
    }
    if (LitAvecReprise([&]() -> std::optional<StatutLecture> { return LitChoisi(chemin); }))
        ecran_.ApresMenuLecture();
}

namespace {
const QString NomReglages = QStringLiteral("gestion-chauffage");
const QString CleRecents = QStringLiteral("FichiersRecents");
constexpr int NbRecents = 5;
} // namespace

void PanneauFichier::RetientRecent(const QString& chemin, bool garde) {
    QSettings reglages(NomReglages, NomReglages);
    QStringList recents = reglages.value(CleRecents).toStringList();
    const QString absolu = QFileInfo(chemin).absoluteFilePath();
    recents.removeAll(absolu);
    if (garde) recents.prepend(absolu);
    while (recents.size() > NbRecents) recents.removeLast();
    reglages.setValue(CleRecents, recents);
    MontreRecents();
}

void PanneauFichier::AjouteRecents(QMenu* menu) {
    recents_ = menu->addMenu(QStringLiteral("Fichiers récents"));
    recents_->setObjectName(QStringLiteral("FichiersRecents"));
    MontreRecents();
}

void PanneauFichier::MontreRecents() {
    if (!recents_) return;
    recents_->clear();
    const QSettings reglages(NomReglages, NomReglages);
    const QStringList recents = reglages.value(CleRecents).toStringList();
    for (int i = 0; i < recents.size(); ++i) {
        QAction* action = recents_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(recents[i])));
        action->setObjectName(QStringLiteral("Recent(%1)").arg(i));
        connect(action, &QAction::triggered, this,
                [this, chemin = recents[i]] { LectureRecente(chemin); });
    }
    recents_->setEnabled(!recents.isEmpty() && !gele_);
}

bool PanneauFichier::TemperaturesSauvables() {
    // Le fichier ne se relirait pas (après un démarrage qui n'a rien lu, tout est à 0) :
    // même texte que la vérification avant une transmission.
    const auto fautive = ChercheTemperatureHorsLimites(doc_.Prog());
    if (!fautive) return true;
    plateforme_.Message(TexteTemperatureHorsLimites(*fautive) +
                            QStringLiteral(" Corrigez-la avant la sauvegarde."),
                        Boutons::Ok, Icone::Critique, TitreCourt);
    return false;
}

bool PanneauFichier::EcritProgramme(const QString& chemin, bool remplacementAccepte) {
    // Un fichier abîmé reste peut-être réparable : il n'est pas écrasé en silence.
    if (!remplacementAccepte && chemin == cheminIllisible_ && QFileInfo(chemin).isFile() &&
        plateforme_.Message(QStringLiteral("Le fichier %1 n'a pas pu être lu. "
                                           "Voulez-vous le remplacer ?")
                                .arg(QFileInfo(chemin).fileName()),
                            Boutons::OuiNon, Icone::Exclamation, TitreCourt) != Bouton::Oui)
        return false;
    // Écriture atomique : en cas d'échec, l'ancien fichier reste tel quel.
    if (!EcritFichierEntier(plateforme_, chemin, EcrireFichierProgramme(doc_.Prog(), TitreVersion),
                            QStringLiteral("** SAUVEGARDE IMPOSSIBLE **")))
        return false;
    if (chemin == cheminIllisible_) cheminIllisible_.clear();
    RetientRecent(chemin, true);
    return true;
}

bool PanneauFichier::SauveFichier() {
    // En cas d'échec, le titre reste aussi tel quel.
    if (!TemperaturesSauvables() || !EcritProgramme(cheminFichier_, false)) return false;
    AfficheTitreFichier();
    doc_.MarqueEnregistre();
    EcritExports(true);
    return true;
}

void PanneauFichier::SauverComme_Click() {
    // Refusé avant le dialogue : inutile de choisir un nom pour un fichier qui ne s'écrira pas.
    if (!TemperaturesSauvables()) return;
    const QString choisi = plateforme_.DialogueSauver(plateforme_.DossierProgramme(), FiltreSauver);
    if (EstAnnule(choisi)) return;
    // Un nom tapé sans aucune extension prend ".PRG", sans quoi "&Lecture" le refuserait ;
    // toute autre extension reste telle quelle.
    QString chemin = CheminGarde(choisi);
    if (!QFileInfo(chemin).fileName().contains(QLatin1Char('.'))) chemin += QStringLiteral(".PRG");
    // Un fichier existant n'est remplacé qu'après accord (Échap : non). Un dossier ou un tube
    // n'est pas un fichier à remplacer : l'écriture le refuse avec sa boîte.
    const bool remplace = QFileInfo(chemin).isFile();
    if (remplace &&
        plateforme_.Message(QStringLiteral("Le fichier %1 existe déjà. "
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

bool PanneauFichier::EcritExports(bool avecXls) {
    // Toujours dans le dossier du programme, où que soit le fichier programme.
    const QDir dossier(plateforme_.DossierProgramme());
    const auto ecrit = [&](const QString& nom, const QByteArray& octets) {
        return EcritFichierEntier(plateforme_, QDir::toNativeSeparators(dossier.filePath(nom)),
                                  octets, QStringLiteral("** ECRITURE IMPOSSIBLE **"));
    };
    if (!ecrit(NomExportFcb, ExportFcb(doc_.Prog()))) return false;
    return !avecXls || ecrit(NomExportXls, ExportXls(doc_.Prog()));
}

void PanneauFichier::EffaceData() {
    if (plateforme_.Message(QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                            Boutons::OuiNon, Icone::Critique, TitreCourt) != Bouton::Oui)
        return;
    ecran_.AvantEffacement();
    doc_.Efface();
    ecran_.ApresEffacement();
}

namespace {
// Le nom montré en titre des pages : celui du fichier courant, "data.prg" par défaut.
QString NomFichierMontre(const QString& chemin) {
    return chemin.isEmpty() ? QStringLiteral("data.prg") : QFileInfo(chemin).fileName();
}
} // namespace

void PanneauFichier::Imprimer_Click() {
    const auto imprimante = plateforme_.DialogueImprimer();
    if (!imprimante) return;
    if (!ImprimeSemaines(*imprimante, doc_.Prog(), NomFichierMontre(cheminFichier_),
                         plateforme_.Maintenant()))
        plateforme_.Message(QStringLiteral("** IMPRESSION IMPOSSIBLE **"), Boutons::Ok,
                            Icone::Critique, TitreCourt);
}

void PanneauFichier::ExporterPdf_Click() {
    const QString filtre = QStringLiteral("*.pdf");
    QString choisi = plateforme_.DialogueSauver(plateforme_.DossierProgramme(), filtre);
    if (choisi.compare(filtre, Qt::CaseInsensitive) == 0) return;
    // Toujours un ".pdf" : un nom tapé sans lui ne remplace pas un programme du même nom.
    if (!choisi.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        choisi += QLatin1String(".pdf");
    if (!ExportePdf(choisi, doc_.Prog(), NomFichierMontre(cheminFichier_),
                    plateforme_.Maintenant()))
        plateforme_.Message(QStringLiteral("Impossible d'écrire ") + choisi, Boutons::Ok,
                            Icone::Critique, TitreCourt);
}
