#include "plateforme/PlateformeQt.h"
#include "plateforme/BoiteCopieJour.h"
#include "plateforme/BoiteHoraires.h"
#include "plateforme/DossierDonnees.h"
#include "plateforme/PortSerieQt.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTranslator>
#include <QUrl>
#include <random>

#ifdef GC_XCB
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace {
struct CorrespondanceBouton {
    Bouton bouton;
    QMessageBox::StandardButton standard;
    const char* texte;
};
// Textes posés à la main : la traduction de Qt n'a pas toujours ceux du programme. Oui et Non
// répondent à leur lettre, soulignée, comme sur le bureau (QMessageBox les prend sans Alt).
const CorrespondanceBouton Correspondances[] = {
    {Bouton::Ok, QMessageBox::Ok, "OK"},
    {Bouton::Annuler, QMessageBox::Cancel, "Annuler"},
    {Bouton::Oui, QMessageBox::Yes, "&Oui"},
    {Bouton::Non, QMessageBox::No, "&Non"},
    {Bouton::Abandonner, QMessageBox::Abort, "Abandonner"},
    {Bouton::Recommencer, QMessageBox::Retry, "Recommencer"},
    {Bouton::Ignorer, QMessageBox::Ignore, "Ignorer"},
};

// Une boîte au titre vide n'a pas de titre : Qt en mettrait un à sa place (le nom de
// l'application dans la barre de titre, le texte de la boîte pour les aides techniques).
const char* const ProprieteSansTitre = "boiteSansTitre";

class BoiteSansTitreAccessible : public QAccessibleWidget {
public:
    explicit BoiteSansTitreAccessible(QWidget* boite)
        : QAccessibleWidget(boite, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text genre) const override {
        const auto* boite = static_cast<const QMessageBox*>(widget());
        switch (genre) {
        case QAccessible::Name:
            return QString();
        case QAccessible::Value:
            return boite->text();
        default:
            return QAccessibleWidget::text(genre);
        }
    }
};

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet) {
    if (classe != QLatin1String("QMessageBox") || !objet->property(ProprieteSansTitre).toBool())
        return nullptr;
    return new BoiteSansTitreAccessible(static_cast<QWidget*>(objet));
}

void EffaceTitre(QMessageBox& boite) {
    static const bool fabrique = [] {
        QAccessible::installFactory(FabriqueAccessible);
        return true;
    }();
    Q_UNUSED(fabrique);
    boite.setProperty(ProprieteSansTitre, true);
#ifdef GC_XCB
    // Sous X11, la barre de titre lit _NET_WM_NAME, que Qt remplit du nom de l'application
    // quand le titre est vide : on le vide après la création de la fenêtre native.
    // Hors écran, Qt peut offrir l'interface X11 sans connexion derrière.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connexion = x11 ? x11->connection() : nullptr;
    if (!connexion) return;
    const auto atome = [connexion](const char* nom) {
        xcb_intern_atom_reply_t* reponse = xcb_intern_atom_reply(
            connexion, xcb_intern_atom(connexion, 0, static_cast<quint16>(std::strlen(nom)), nom),
            nullptr);
        const xcb_atom_t trouve = reponse ? reponse->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reponse);
        return trouve;
    };
    const xcb_atom_t nom = atome("_NET_WM_NAME");
    const xcb_atom_t utf8 = atome("UTF8_STRING");
    if (nom == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE) return;
    xcb_change_property(connexion, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(boite.winId()),
                        nom, utf8, 8, 0, nullptr);
    xcb_flush(connexion);
#endif
}

QMessageBox::StandardButtons Standards(Boutons boutons) {
    switch (boutons) {
    case Boutons::Ok:
        return QMessageBox::Ok;
    case Boutons::OkAnnuler:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Boutons::OuiNon:
        return QMessageBox::Yes | QMessageBox::No;
    case Boutons::AbandonnerRecommencerIgnorer:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// Qt prend "Non" (ou "Abandonner") pour bouton d'échappement : Échap et la case de fermeture
// répondraient à la place de l'utilisateur. Ici, elles referment la boîte sans choix.
class BoiteMessage : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool FermeeSansChoix() const { return sansChoix_; }

protected:
    void keyPressEvent(QKeyEvent* evenement) override {
        if (!evenement->matches(QKeySequence::Cancel)) {
            QMessageBox::keyPressEvent(evenement);
            return;
        }
        sansChoix_ = true;
        reject();
    }
    void closeEvent(QCloseEvent* evenement) override {
        if (!clickedButton()) sansChoix_ = true;
        // Pas QMessageBox::closeEvent : il choisirait le bouton d'échappement.
        QDialog::closeEvent(evenement); // NOLINT(bugprone-parent-virtual-call)
    }

private:
    bool sansChoix_ = false;
};
} // namespace

PlateformeQt::PlateformeQt()
    : port_(std::make_unique<PortSerieQt>([this] { return DossierProgramme(); })) {}

PlateformeQt::~PlateformeQt() = default;

Bouton PlateformeQt::Message(const QString& texte, Boutons boutons, Icone icone,
                             const QString& titre) {
    BoiteMessage boite(parent_);
    boite.setText(texte);
    boite.setWindowTitle(titre);
    boite.setIcon(icone == Icone::Critique      ? QMessageBox::Critical
                  : icone == Icone::Exclamation ? QMessageBox::Warning
                                                : QMessageBox::NoIcon);
    boite.setStandardButtons(Standards(boutons));
    for (const auto& c : Correspondances)
        if (QAbstractButton* b = boite.button(c.standard)) b->setText(QString::fromUtf8(c.texte));
    if (titre.isEmpty()) EffaceTitre(boite);
    const int choisi = boite.exec();
    if (boite.FermeeSansChoix()) return Bouton::Aucun;
    for (const auto& c : Correspondances)
        if (choisi == c.standard) return c.bouton;
    return Bouton::Aucun;
}

namespace {
// Comme QFileDialog::getOpenFileName et getSaveFileName, plus la barre latérale. Le dialogue du
// bureau, quand Qt en prend un, a la sienne et ignore celle-ci.
QString DialogueFichier(QWidget* parent, bool ouvrir, const QString& dossier, const QString& nom,
                        const QString& dossierFichier) {
    QFileDialog dialogue(parent, QString(), QDir(dossier).filePath(nom), nom);
    dialogue.setFileMode(ouvrir ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogue.setAcceptMode(ouvrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // La question de remplacer est posée par le programme, après le dialogue.
    if (!ouvrir) dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    QList<QUrl> laterale = dialogue.sidebarUrls();
    for (const QString& offert :
         {dossierFichier, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        const QUrl url = QUrl::fromLocalFile(QDir::cleanPath(offert));
        if (!offert.isEmpty() && QFileInfo(offert).isDir() && !laterale.contains(url))
            laterale << url;
    }
    dialogue.setSidebarUrls(laterale);
    if (dialogue.exec() != QDialog::Accepted) return nom;
    return dialogue.selectedFiles().value(0, nom);
}
} // namespace

QString PlateformeQt::DialogueOuvrir(const QString& dossier, const QString& nom,
                                     const QString& dossierFichier) {
    return DialogueFichier(parent_, true, dossier, nom, dossierFichier);
}

QString PlateformeQt::DialogueSauver(const QString& dossier, const QString& nom,
                                     const QString& dossierFichier) {
    return DialogueFichier(parent_, false, dossier, nom, dossierFichier);
}

std::optional<CiblesCopie> PlateformeQt::DialogueCopieJour(int zone, int jour) {
    BoiteCopieJour dialogue(zone, jour, parent_);
    if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
    return dialogue.Cibles();
}

std::optional<LignesSemaine> PlateformeQt::DialogueHoraires(const LignesSemaine& lignes) {
    BoiteHoraires dialogue(lignes, parent_);
    if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
    return dialogue.Lignes();
}

Plateforme::ChoixImpression PlateformeQt::DialogueImprimer(const QString& pdfPropose) {
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Un nom de sortie en .pdf ferait choisir "Imprimer dans un fichier" d'emblée : l'imprimante
    // par défaut, s'il y en a une, reste le premier choix.
    imprimante->setOutputFileName(pdfPropose);
    imprimante->setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialogue(imprimante.get(), parent_);
    if (dialogue.exec() != QDialog::Accepted) return {};
    // Qt écrirait le fichier lui-même, par-dessus n'importe quoi (un programme compris).
    if (!imprimante->outputFileName().isEmpty()) return {nullptr, imprimante->outputFileName()};
    return {std::move(imprimante), QString()};
}

QDateTime PlateformeQt::Maintenant() {
    return QDateTime::currentDateTime();
}

double PlateformeQt::Aleatoire() {
    // Nouvelle graine prise sur l'horloge à chaque tirage.
    std::mt19937_64 generateur(
        static_cast<std::uint64_t>(QDateTime::currentDateTime().toMSecsSinceEpoch()) ^
        static_cast<std::uint64_t>(std::random_device{}()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generateur);
}

QString PlateformeQt::DossierProgramme() {
    // Choisi une fois pour toute la session : tous les fichiers vont au même endroit.
    if (dossier_.isEmpty()) dossier_ = DossierDonneesDuProgramme();
    return dossier_;
}

PortSerie& PlateformeQt::Port() {
    return *port_;
}

std::vector<PeripheriqueSerie> PlateformeQt::PeripheriquesSeries() {
    return DetectePeripheriques();
}

void PlateformeQt::SurveillePorts(std::function<void()> change) {
    surveillance_ = std::make_unique<SurveillancePorts>(std::move(change));
}

bool PlateformeQt::OuvreDocument(const QString& chemin) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

void ChargeTraductions() {
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* module : {"qtbase_fr", "qtserialport_fr"}) {
        // Sous QCoreApplication aussi (ligne de commande) : pas de qApp, qui suppose une fenêtre.
        auto* traduction = new QTranslator(QCoreApplication::instance());
        if (traduction->load(QLatin1String(module), dossier))
            QCoreApplication::installTranslator(traduction);
        else
            delete traduction;
    }
}
