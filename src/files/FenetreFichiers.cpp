// Lecture et sauvegarde du fichier programme, effacement de tout le programme.
#include "files/FichierProgramme.h"
#include "ui/FenetrePrincipale.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSaveFile>
#include <optional>

namespace {
// Rend le contenu, ou rien quand le fichier manque, ne se lit pas ou est trop gros.
std::optional<QByteArray> LitFichier(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return std::nullopt;
    // Un fichier spécial (tube, périphérique) n'a pas de taille : on borne la lecture.
    QByteArray contenu = fichier.read(TailleMaxFichierProgramme + 1);
    if (contenu.size() > TailleMaxFichierProgramme || fichier.error() != QFile::NoError)
        return std::nullopt;
    return contenu;
}
} // namespace

void FenetrePrincipale::AfficheTitreFichier() {
    setWindowTitle(TitreAvecFichier(Etat.TitreApplication, Etat.CheminFichier));
}

bool FenetrePrincipale::LectureFichier() {
    Etat.MiseAJour = QStringLiteral("ON");
    if (Etat.CheminFichier.isEmpty())
        Etat.CheminFichier = QDir::toNativeSeparators(Plate().DossierProgramme()) +
                             QDir::separator() + QStringLiteral("data.prg");

    // Lu à part, pris seulement si tout est bon : un échec laisse le programme intact.
    const auto contenu = LitFichier(Etat.CheminFichier);
    const ResultatLecture lu = contenu ? LireFichierProgramme(*contenu) : ResultatLecture{};
    if (lu.statut == StatutLecture::Incompatible) {
        Plate().Message(QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "),
                        Boutons::Ok, Icone::Critique, TitreCourt);
        Etat.MiseAJour = QStringLiteral("OFF");
        return true;
    }
    if (lu.statut != StatutLecture::Lu) {
        Etat.MiseAJour = QStringLiteral("OFF");
        return false;
    }

    AfficheTitreFichier();
    for (int z = 0; z < NbZones; ++z) {
        Prog.IdentZone[z] = lu.programme.IdentZone[z];
        Prog.TempZone[z] = lu.programme.TempZone[z];
        for (int d = 0; d < NbJours; ++d) Prog.ProgJour[z][d] = lu.programme.ProgJour[z][d];
    }
    Etat.MiseAJour = QStringLiteral("OFF");
    Etat.ZoneCourante = 0;
    Etat.DonneesModifiees = QStringLiteral("N");
    AfficheEcran();
    AfficheJour();
    Etat.JourPrecedent = 0;
    VScJour->ChangeValeur(0);
    TextID->setText(QString::number(Prog.IdentZone[0]));
    ChargeTemperatures();
    HScroll1->ChangeValeur(0);
    DeplaceCurseur();
    return true;
}

bool FenetrePrincipale::SauveFichier() {
    // Écriture atomique : en cas d'échec, l'ancien fichier reste tel quel.
    QSaveFile fichier(Etat.CheminFichier);
    const QByteArray octets = EcrireFichierProgramme(Prog, Etat.TitreApplication);
    const bool ecrit = fichier.open(QIODevice::WriteOnly) &&
                       fichier.write(octets) == octets.size() && fichier.commit();
    if (!ecrit) {
        Plate().Message(QStringLiteral("** SAUVEGARDE IMPOSSIBLE **\r\n\r\n") + Etat.CheminFichier +
                            QStringLiteral("\r\n") + fichier.errorString(),
                        Boutons::Ok, Icone::Critique, TitreCourt);
        return false;
    }
    AfficheTitreFichier();
    Etat.DonneesModifiees = QStringLiteral("N");
    EcritExports(true);
    return true;
}

void FenetrePrincipale::EffaceData() {
    if (Plate().Message(QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                        Boutons::OuiNon, Icone::Critique, TitreCourt) != Bouton::Oui)
        return;
    if (ChkVisuHoraire->isChecked()) {
        ChkVisuHoraire->setChecked(false);
        ChkVisuHoraire_Click();
    }
    VisuProgramme->hide();
    for (auto& zone : Etat.NbSegJour) zone.fill(0);
    RemetParDefaut(Prog);
    MarqueModifie();
    Etat.ZoneCourante = 0;
    AfficheEcran();
    ChargeTemperatures();
}
