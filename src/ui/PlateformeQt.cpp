#include "ui/PlateformeQt.h"
#include "link/PortSerieQt.h"
#include "ui/DossierDonnees.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>
#include <random>

namespace {
struct CorrespondanceBouton {
    Bouton bouton;
    QMessageBox::StandardButton standard;
    const char* texte;
};
// Textes posés à la main : la traduction de Qt n'a pas toujours ceux du programme.
const CorrespondanceBouton Correspondances[] = {
    {Bouton::Ok, QMessageBox::Ok, "OK"},
    {Bouton::Annuler, QMessageBox::Cancel, "Annuler"},
    {Bouton::Oui, QMessageBox::Yes, "Oui"},
    {Bouton::Non, QMessageBox::No, "Non"},
    {Bouton::Abandonner, QMessageBox::Abort, "Abandonner"},
    {Bouton::Recommencer, QMessageBox::Retry, "Recommencer"},
    {Bouton::Ignorer, QMessageBox::Ignore, "Ignorer"},
};

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
        QDialog::closeEvent(evenement);
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
    const int choisi = boite.exec();
    if (boite.FermeeSansChoix()) return Bouton::Aucun;
    for (const auto& c : Correspondances)
        if (choisi == c.standard) return c.bouton;
    return Bouton::Aucun;
}

QString PlateformeQt::DialogueOuvrir(const QString& dossier, const QString& nom) {
    const QString choisi =
        QFileDialog::getOpenFileName(parent_, QString(), QDir(dossier).filePath(nom), nom);
    return choisi.isEmpty() ? nom : choisi;
}

QString PlateformeQt::DialogueSauver(const QString& dossier, const QString& nom) {
    const QString choisi =
        QFileDialog::getSaveFileName(parent_, QString(), QDir(dossier).filePath(nom), nom, nullptr,
                                     QFileDialog::DontConfirmOverwrite);
    return choisi.isEmpty() ? nom : choisi;
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
    if (dossier_.isEmpty())
        dossier_ =
            DossierDonnees(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                           [](const QString& dossier) { return QFileInfo(dossier).isWritable(); });
    return dossier_;
}

PortSerie& PlateformeQt::Port() {
    return *port_;
}

void ChargeTraductions() {
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* module : {"qtbase_fr", "qtserialport_fr"}) {
        auto* traduction = new QTranslator(qApp);
        if (traduction->load(QLatin1String(module), dossier))
            QCoreApplication::installTranslator(traduction);
        else
            delete traduction;
    }
}
