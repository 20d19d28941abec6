#include "ui/Historique.h"
#include "model/Document.h"
#include "plateforme/Controles.h"

#include <QAction>
#include <QMenu>

// Un pas : le programme avant et après l'édition. Seul ce qui diffère entre les deux est
// remis, si bien qu'annuler ne touche à rien d'autre (jours d'une zone validés depuis).
class Historique::Pas : public QUndoCommand {
public:
    Pas(Historique& historique, const QString& nom, Programme avant, Programme apres,
        quint64 versionAvant, quint64 versionApres)
        : QUndoCommand(nom), h_(historique), avant_(std::move(avant)), apres_(std::move(apres)),
          versionAvant_(versionAvant), versionApres_(versionApres) {}
    void undo() override { h_.Applique(apres_, avant_, versionAvant_); }
    void redo() override {
        // Poussé une fois l'édition faite : le premier "refaire" n'a rien à faire.
        if (std::exchange(premier_, false)) return;
        h_.Applique(avant_, apres_, versionApres_);
    }

private:
    Historique& h_;
    Programme avant_;
    Programme apres_;
    quint64 versionAvant_;
    quint64 versionApres_;
    bool premier_ = true;
};

Historique::Historique(Document& document, QMenu* menu, QObject* parent)
    : QObject(parent), doc_(document), pile_(this),
      Annuler(AjouteAction(menu, "Annuler", QStringLiteral("Annuler"))),
      Retablir(AjouteAction(menu, "Retablir", QStringLiteral("Rétablir"))) {
    Annuler->setShortcut(QKeySequence::Undo);
    Retablir->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // Une édition encore ouverte devient d'abord son pas : défaire au milieu d'elle, c'est
    // la défaire, et rien ne s'empile pendant que la pile défait.
    connect(Annuler, &QAction::triggered, this, [this] {
        doc_.FermeEditionLongue();
        pile_.undo();
    });
    connect(Retablir, &QAction::triggered, this, [this] {
        doc_.FermeEditionLongue();
        pile_.redo();
    });
    connect(&pile_, &QUndoStack::indexChanged, this, [this] { MetAJourCommandes(); });

    connect(&doc_, &Document::Editee, this,
            [this](const QString& nom, const Programme& avant, const Programme& apres,
                   quint64 depuis, quint64 vers) {
                if (!applique_) pile_.push(new Pas(*this, nom, avant, apres, depuis, vers));
            });
    // Lu ou effacé : plus rien à défaire.
    connect(&doc_, &Document::ProgrammeRemplace, this, [this] {
        pile_.clear();
        MetAJourCommandes();
    });
    MetAJourCommandes();
}

Historique::~Historique() {
    // La pile se vide en mourant : ni le document ni les commandes n'existent peut-être plus.
    disconnect(&pile_, nullptr, this, nullptr);
}

void Historique::Gele(bool gele) {
    gele_ = gele;
    MetAJourCommandes();
}

void Historique::MetAJourCommandes() {
    const auto libelle = [](const QString& verbe, bool possible, const QString& nom) {
        return possible ? QStringLiteral("%1 « %2 »").arg(verbe, nom) : verbe;
    };
    Annuler->setText(libelle(QStringLiteral("Annuler"), pile_.canUndo(), pile_.undoText()));
    Retablir->setText(libelle(QStringLiteral("Rétablir"), pile_.canRedo(), pile_.redoText()));
    Annuler->setEnabled(!gele_ && pile_.canUndo());
    Retablir->setEnabled(!gele_ && pile_.canRedo());
}

void Historique::Applique(const Programme& depuis, const Programme& vers, quint64 version) {
    applique_ = true;
    doc_.Retablit(depuis, vers, version);
    // Montrer le premier changement : son jour, sinon sa zone.
    int zone = -1, jour = -1;
    for (int z = 0; z < NbZones && zone < 0; ++z) {
        for (int d = 0; d < NbJours && jour < 0; ++d)
            if (depuis.ProgJour[z][d] != vers.ProgJour[z][d]) jour = d;
        if (jour >= 0 || depuis.TempZone[z] != vers.TempZone[z] ||
            depuis.IdentZone[z] != vers.IdentZone[z])
            zone = z;
    }
    if (zone >= 0) emit Retabli(zone, jour);
    applique_ = false;
}
