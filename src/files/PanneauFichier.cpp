// Lecture et sauvegarde du fichier programme, effacement de tout le programme,
// fichiers annexes.
#include "files/PanneauFichier.h"
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "files/ImpressionSemaine.h"
#include "files/VerrouFichier.h"
#include "model/Document.h"
#include "model/Textes.h"
#include "plateforme/Controles.h"
#include "plateforme/DossierDonnees.h"
#include "plateforme/EcritureAtomique.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/Plateforme.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

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

QByteArray Empreinte(const QByteArray& octets) {
    return QCryptographicHash::hash(octets, QCryptographicHash::Sha256);
}

// Le dossier du fichier ouvert : le PDF y part, à côté du programme qu'il montre.
QString DossierDuFichier(const QString& chemin, const QString& dossierProgramme) {
    return chemin.isEmpty() ? dossierProgramme : QFileInfo(chemin).absolutePath();
}

// Vide quand il n'y a pas de fichier ordinaire (un tube bloquerait la lecture).
QByteArray EmpreinteFichier(const QString& chemin) {
    if (!QFileInfo(chemin).isFile()) return {};
    const auto contenu = LitContenuFichierProgramme(chemin);
    // Trop gros ou illisible : ce n'est plus ce que nous avons lu ou écrit.
    return contenu ? Empreinte(*contenu) : QByteArrayLiteral("?");
}

} // namespace

PanneauFichier::PanneauFichier(Document& document, Plateforme& plateforme, QMenu* menu,
                               QObject* parent)
    : QObject(parent), doc_(document), plateforme_(plateforme),
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

PanneauFichier::~PanneauFichier() = default;

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
    emit Titre(TitreAvecFichier(TitreVersion, montre) +
               (LectureSeule() ? QStringLiteral(" (lecture seule)") : QString()));
}

bool PanneauFichier::LectureSeule() const {
    return verrou_ && verrou_->TenuAilleurs();
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

bool PanneauFichier::PrendFichierDemarrage(const QString& fichier) {
    if (fichier.isEmpty()) {
        cheminFichier_ = QDir::toNativeSeparators(plateforme_.DossierProgramme()) +
                         QDir::separator() + QStringLiteral("data.prg");
    } else {
        cheminFichier_ = CheminGarde(QFileInfo(fichier).absoluteFilePath());
        cheminMajuscules_ = true;
    }
    verrou_ = VerrouPourOuvrir(cheminFichier_);
    return verrou_ != nullptr;
}

bool PanneauFichier::LectureDemarrage(const QString& fichier) {
    return LitAvecReprise([this, &fichier] {
        const StatutLecture issue = LitFichierCourant();
        if (issue == StatutLecture::Lu && !fichier.isEmpty()) RetientRecent(cheminFichier_, true);
        return issue;
    });
}

StatutLecture PanneauFichier::LitFichierCourant() {
    // Lu à part, pris seulement si tout est bon : un échec laisse le programme intact.
    const auto contenu = LitContenuFichierProgramme(cheminFichier_);
    const ResultatLecture lu = contenu ? LireFichierProgramme(*contenu) : ResultatLecture{};
    // Ce qui a été lu, pour savoir à la sauvegarde si quelqu'un l'a changé depuis.
    empreinte_ = contenu ? Empreinte(*contenu) : QByteArray();
    luSousAutreFenetre_ = LectureSeule();
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
    return StatutLecture::Lu;
}

bool PanneauFichier::ProposeSauvegarde() {
    if (!doc_.Modifie()) return true;
    const Bouton reponse =
        plateforme_.Message(QStringLiteral("Voulez-vous sauvegarder ?"), Boutons::OuiNon,
                            Icone::Exclamation, QStringLiteral("INFO"));
    // Boîte fermée sans réponse, ou sauvegarde ratée : rien n'est perdu. Seul un vrai "Non"
    // jette les changements.
    if (reponse == Bouton::Non) return true;
    return reponse == Bouton::Oui && SauveFichier();
}

void PanneauFichier::LectureData_Click() {
    // Avant le dialogue : c'est la première chose que l'utilisateur attend.
    if (!ProposeSauvegarde()) return;
    LitAvecReprise([this]() -> std::optional<StatutLecture> {
        for (;;) {
            const QString choisi = plateforme_.DialogueOuvrir(
                plateforme_.DossierProgramme(), FiltreOuvrir,
                DossierDuFichier(cheminFichier_, plateforme_.DossierProgramme()));
            if (EstAnnule(choisi)) return std::nullopt;
            if (!choisi.toUpper().contains(QLatin1String(".PRG"))) continue;

            return LitChoisi(choisi);
        }
    });
}

std::unique_ptr<VerrouFichier> PanneauFichier::VerrouPourOuvrir(const QString& chemin) {
    if (verrou_ && verrou_->Concerne(chemin)) return std::move(verrou_);
    auto verrou = std::make_unique<VerrouFichier>(chemin);
    if (verrou->TenuAilleurs() &&
        plateforme_.Message(QStringLiteral("Le fichier %1 est déjà ouvert dans une autre fenêtre "
                                           "du programme. Voulez-vous l'ouvrir en lecture seule ?")
                                .arg(QFileInfo(chemin).fileName()),
                            Boutons::OuiNon, Icone::Exclamation, TitreCourt) != Bouton::Oui)
        return nullptr;
    return verrou;
}

std::optional<StatutLecture> PanneauFichier::LitChoisi(const QString& choisi) {
    auto verrou = VerrouPourOuvrir(choisi);
    if (!verrou) return std::nullopt;
    const QString cheminAvant = cheminFichier_;
    const bool majusculesAvant = cheminMajuscules_;
    const QByteArray empreinteAvant = empreinte_;
    const bool sousAutreFenetreAvant = luSousAutreFenetre_;
    cheminFichier_ = CheminGarde(choisi);
    cheminMajuscules_ = true;
    std::swap(verrou, verrou_);
    const StatutLecture issue = LitFichierCourant();
    if (issue != StatutLecture::Lu) {
        // Fichier refusé ou illisible : il ne devient pas celui que "Sauvegarde"
        // écraserait, et l'ancien reste verrouillé.
        cheminFichier_ = cheminAvant;
        cheminMajuscules_ = majusculesAvant;
        empreinte_ = empreinteAvant;
        luSousAutreFenetre_ = sousAutreFenetreAvant;
        std::swap(verrou, verrou_);
    } else {
        RetientRecent(choisi, true);
    }
    return issue;
}

void PanneauFichier::LectureRecente(const QString& chemin) {
    if (const QFileInfo infos(chemin); !infos.isFile()) {
        // Un dossier ou un tube venu à sa place n'a pas effacé le fichier : on le dit.
        plateforme_.Message(QStringLiteral("Le fichier %1 %2 : il est retiré des "
                                           "fichiers récents.")
                                .arg(chemin, infos.exists()
                                                 ? QStringLiteral("n'est plus un fichier ordinaire")
                                                 : QStringLiteral("n'existe plus")),
                            Boutons::Ok, Icone::Exclamation, TitreCourt);
        RetientRecent(chemin, false);
        return;
    }
    OuvreFichier(chemin);
}

bool PanneauFichier::OuvreFichier(const QString& chemin) {
    return ProposeSauvegarde() && LitAvecReprise([&] { return LitChoisi(chemin); });
}

namespace {
const QString CleRecents = QStringLiteral("FichiersRecents");
constexpr int NbRecents = 5;

// Les réglages là où QSettings("gestion-chauffage", "gestion-chauffage") les met, mais
// seulement si c'est un fichier (ou rien encore) : QSettings lit dès sa construction, et un
// tube l'y bloquerait pour toujours ; un dossier ou un périphérique n'est pas à lui.
QString CheminReglages() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/gestion-chauffage/gestion-chauffage.conf");
}

std::unique_ptr<QSettings> Reglages() {
    const QFileInfo infos(CheminReglages());
    if (infos.exists() && !infos.isFile()) return nullptr;
    return std::make_unique<QSettings>(infos.filePath(), QSettings::IniFormat);
}
} // namespace

namespace {
// Mêmes clés, mêmes valeurs ; en listes, car une liste d'un seul nom se relit en texte.
bool MemesReglages(const QSettings& a, const QSettings& b) {
    if (a.allKeys() != b.allKeys()) return false;
    for (const QString& cle : a.allKeys())
        if (a.value(cle).toStringList() != b.value(cle).toStringList()) return false;
    return true;
}
} // namespace

void PanneauFichier::RetientRecent(const QString& chemin, bool garde) {
    const QString cible = CheminReglages();
    const QFileInfo infos(cible);
    const auto reglages = Reglages(); // nul : un tube, un dossier… à leur place, jamais touché
    const auto retiens = [&](QStringList recents) {
        const QString absolu = QFileInfo(chemin).absoluteFilePath();
        recents.removeAll(absolu);
        if (garde) recents.prepend(absolu);
        return recents.mid(0, NbRecents);
    };
    QStringList recents;
    if (reglages)
        recents = retiens(recentsNonEcrits_.value_or(reglages->value(CleRecents).toStringList()));
    bool ecrit = false;
    if (reglages && QDir().mkpath(infos.path())) {
        // Le verrou de QSettings lui-même : deux fenêtres qui retiennent ensemble ne s'effacent
        // pas l'une l'autre. Tenu trop longtemps, on écrit quand même.
        QLockFile verrou(cible + QStringLiteral(".lock"));
        verrou.tryLock(3000);
        // QSettings remplace son fichier lui-même, sans ce qu'une sauvegarde garde
        // (propriétaire, droits, liens) : il écrit une copie, à côté, que la porte d'écriture
        // du programme pose. Relue sous un autre nom : une écriture coupée en route (disque
        // plein, "ulimit -f"), que QSettings ne dit pas toujours, ne passe pas pour faite.
        QTemporaryDir brouillon(infos.path() + QStringLiteral("/.reglages-XXXXXX"));
        const QString copie = brouillon.filePath(QStringLiteral("ecrits.conf"));
        const QString relue = brouillon.filePath(QStringLiteral("relus.conf"));
        if (brouillon.isValid() && (!infos.exists() || QFile::copy(cible, copie))) {
            QSettings ecrits(copie, QSettings::IniFormat);
            // Lus sous le verrou : ce qu'une autre fenêtre vient d'écrire compte.
            if (!recentsNonEcrits_) recents = retiens(ecrits.value(CleRecents).toStringList());
            ecrits.setValue(CleRecents, recents);
            ecrits.sync();
            QFile lue(copie);
            ecrit = ecrits.status() == QSettings::NoError && QFile::copy(copie, relue) &&
                    MemesReglages(ecrits, QSettings(relue, QSettings::IniFormat)) &&
                    lue.open(QIODevice::ReadOnly) &&
                    EcritFichierAtomique(cible, lue.readAll()).isEmpty();
        }
    }
    if (reglages) recentsNonEcrits_ = ecrit ? std::nullopt : std::optional(recents);
    if (!ecrit)
        MontreEchecEcriture(plateforme_, QStringLiteral("** ECRITURE IMPOSSIBLE **"),
                            QDir::toNativeSeparators(cible),
                            QStringLiteral("Les fichiers récents n'ont pas pu y être retenus."));
    MontreRecents();
}

void PanneauFichier::AjouteRecents(QMenu* menu) {
    recents_ = menu->addMenu(QStringLiteral("Fichiers récents"));
    recents_->setObjectName(QStringLiteral("FichiersRecents"));
    // Relus à chaque ouverture du menu : une autre fenêtre a pu en retenir.
    connect(menu, &QMenu::aboutToShow, this, &PanneauFichier::MontreRecents);
    MontreRecents();
}

void PanneauFichier::MontreRecents() {
    if (!recents_) return;
    recents_->clear();
    const auto reglages = Reglages();
    // Un fichier de réglages écrit à la main peut en tenir plus.
    const QStringList recents =
        !reglages ? QStringList()
                  : recentsNonEcrits_.value_or(reglages->value(CleRecents).toStringList())
                        .mid(0, NbRecents);
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

bool PanneauFichier::RemplacementAccepte(const QString& chemin) {
    const auto demande = [&](const QString& texte) {
        return plateforme_.Message(texte.arg(QFileInfo(chemin).fileName()), Boutons::OuiNon,
                                   Icone::Exclamation, TitreCourt) == Bouton::Oui;
    };
    // Un fichier abîmé reste peut-être réparable : il n'est pas écrasé en silence.
    if (chemin == cheminIllisible_)
        return !QFileInfo(chemin).isFile() ||
               demande(QStringLiteral("Le fichier %1 n'a pas pu être lu. "
                                      "Voulez-vous le remplacer ?"));
    // Changé depuis sa lecture ou notre dernière écriture (un autre programme, une fenêtre
    // d'une autre machine) : la dernière sauvegarde ne l'emporte pas sans qu'on le sache.
    // Disparu depuis, il n'y a rien à perdre.
    const QByteArray surDisque = EmpreinteFichier(chemin);
    if (chemin != cheminFichier_ || surDisque.isEmpty() || surDisque == empreinte_) return true;
    return demande(luSousAutreFenetre_
                       ? QStringLiteral("Le fichier %1 a été modifié par une autre fenêtre du "
                                        "programme depuis sa lecture. Voulez-vous le remplacer ?")
                       : QStringLiteral("Le fichier %1 a été modifié par un autre programme "
                                        "depuis sa lecture. Voulez-vous le remplacer ?"));
}

bool PanneauFichier::EcritProgramme(const QString& chemin, bool remplacementAccepte) {
    // Une édition encore ouverte est écrite finie, et "modifié" ne la perd pas de vue.
    doc_.FermeEditionLongue();
    // Sous le nom d'un export ou d'un journal, le programme serait aussitôt écrasé par lui.
    if (EstFichierDuProgramme(chemin, plateforme_.DossierProgramme())) {
        MontreEchecEcriture(plateforme_, QStringLiteral("** SAUVEGARDE IMPOSSIBLE **"), chemin,
                            QStringLiteral("Le programme écrit lui-même ce fichier : "
                                           "choisissez un autre nom."));
        return false;
    }
    if (!remplacementAccepte && !RemplacementAccepte(chemin)) return false;
    // Écriture atomique : en cas d'échec, l'ancien fichier reste tel quel.
    const QByteArray octets = EcrireFichierProgramme(doc_.Prog(), TitreVersion);
    if (!EcritFichierEntier(plateforme_, chemin, octets,
                            QStringLiteral("** SAUVEGARDE IMPOSSIBLE **")))
        return false;
    // Les deux appelants en font aussitôt le fichier courant.
    empreinte_ = Empreinte(octets);
    luSousAutreFenetre_ = false;
    if (chemin == cheminIllisible_) cheminIllisible_.clear();
    RetientRecent(chemin, true);
    return true;
}

bool PanneauFichier::ReprendVerrou() {
    if (!LectureSeule()) return true;
    if (!verrou_->Reprend()) return false;
    AfficheTitreFichier();
    return true;
}

bool PanneauFichier::SauvegardePermise() {
    if (ReprendVerrou()) return true;
    plateforme_.Message(QStringLiteral("Le fichier %1 est ouvert en lecture seule : une autre "
                                       "fenêtre du programme le tient. Pour garder vos "
                                       "changements, utilisez « Sauver comme .. ».")
                            .arg(QFileInfo(cheminFichier_).fileName()),
                        Boutons::Ok, Icone::Exclamation, TitreCourt);
    return false;
}

bool PanneauFichier::SauveFichier() {
    // En cas d'échec, le titre reste aussi tel quel.
    if (!SauvegardePermise() || !TemperaturesSauvables() || !EcritProgramme(cheminFichier_, false))
        return false;
    AfficheTitreFichier();
    doc_.MarqueEnregistre();
    EcritExports(true);
    return true;
}

void PanneauFichier::SauverComme_Click() {
    // Refusé avant le dialogue : inutile de choisir un nom pour un fichier qui ne s'écrira pas.
    if (!TemperaturesSauvables()) return;
    const QString choisi = plateforme_.DialogueSauver(
        plateforme_.DossierProgramme(), FiltreSauver,
        DossierDuFichier(cheminFichier_, plateforme_.DossierProgramme()));
    if (EstAnnule(choisi)) return;
    // Un nom tapé sans aucune extension prend ".PRG", sans quoi "&Lecture" le refuserait ;
    // toute autre extension reste telle quelle.
    QString chemin = CheminGarde(choisi);
    if (!QFileInfo(chemin).fileName().contains(QLatin1Char('.'))) chemin += QStringLiteral(".PRG");
    // Un fichier qu'une autre fenêtre tient n'est pas écrasé sous ses pieds.
    std::unique_ptr<VerrouFichier> verrou;
    if (!verrou_ || !verrou_->Concerne(chemin)) verrou = std::make_unique<VerrouFichier>(chemin);
    if (verrou ? verrou->TenuAilleurs() : !ReprendVerrou()) {
        plateforme_.Message(QStringLiteral("Le fichier %1 est ouvert dans une autre fenêtre du "
                                           "programme. Choisissez un autre nom.")
                                .arg(QFileInfo(chemin).fileName()),
                            Boutons::Ok, Icone::Exclamation, TitreCourt);
        return;
    }
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
    if (verrou) verrou_ = std::move(verrou);
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
    doc_.Efface();
}

namespace {
// Le nom montré en titre des pages : celui du fichier courant, "data.prg" par défaut.
QString NomFichierMontre(const QString& chemin) {
    return chemin.isEmpty() ? QStringLiteral("data.prg") : QFileInfo(chemin).fileName();
}
} // namespace

void PanneauFichier::Imprimer_Click() {
    const QString dossier = DossierDuFichier(cheminFichier_, plateforme_.DossierProgramme());
    const auto [imprimante, fichier] = plateforme_.DialogueImprimer(QDir(dossier).filePath(
        QFileInfo(NomFichierMontre(cheminFichier_)).completeBaseName() + QStringLiteral(".pdf")));
    // Dans un fichier : le même PDF qu'"Exporter en PDF…", le dialogue a déjà demandé s'il
    // fallait remplacer un fichier existant.
    if (!fichier.isEmpty()) return EcritPdf(fichier, false);
    if (!imprimante) return;
    if (!ImprimeSemaines(*imprimante, doc_.Prog(), NomFichierMontre(cheminFichier_),
                         plateforme_.Maintenant()))
        plateforme_.Message(QStringLiteral("** IMPRESSION IMPOSSIBLE **"), Boutons::Ok,
                            Icone::Critique, TitreCourt);
}

void PanneauFichier::ExporterPdf_Click() {
    const QString filtre = QStringLiteral("*.pdf");
    const QString dossier = DossierDuFichier(cheminFichier_, plateforme_.DossierProgramme());
    QString choisi = plateforme_.DialogueSauver(dossier, filtre, dossier);
    if (choisi.compare(filtre, Qt::CaseInsensitive) == 0) return;
    // Toujours un ".pdf" : un nom tapé sans lui ne remplace pas un programme du même nom.
    if (!choisi.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        choisi += QLatin1String(".pdf");
    EcritPdf(choisi, true);
}

void PanneauFichier::EcritPdf(const QString& choisi, bool demandeRemplacement) {
    const QString entete = QStringLiteral("** ECRITURE IMPOSSIBLE **");
    // Ni un programme nommé .pdf, ni un tube ou un périphérique : refusés avant toute question.
    if (const QString refus = RefusCiblePdf(choisi); !refus.isEmpty()) {
        MontreEchecEcriture(plateforme_, entete, choisi, refus);
        return;
    }
    // Le dialogue ne demande rien (DontConfirmOverwrite) : la question n'est posée qu'ici.
    if (demandeRemplacement && QFileInfo(choisi).isFile() &&
        plateforme_.Message(QStringLiteral("Le fichier %1 existe déjà. "
                                           "Voulez-vous le remplacer ?")
                                .arg(QFileInfo(choisi).fileName()),
                            Boutons::OuiNon, Icone::Exclamation, TitreCourt) != Bouton::Oui)
        return;
    const QString cause =
        ExportePdf(choisi, doc_.Prog(), NomFichierMontre(cheminFichier_), plateforme_.Maintenant());
    if (!cause.isEmpty()) MontreEchecEcriture(plateforme_, entete, choisi, cause);
}
