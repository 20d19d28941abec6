#include "plateforme/BoiteHoraires.h"
#include "model/Horaires.h"
#include "model/Textes.h"

#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace {
const struct {
    const char* nom;
    const char* texte;
    int premier, dernier;
} Recopies[] = {
    {"LunVen", "&Lun–Ven", 0, 4}, {"SamDim", "&Sam–Dim", 5, 6}, {"Tous", "&Tous", 0, 6}};
} // namespace

BoiteHoraires::BoiteHoraires(const LignesSemaine& lignes, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BoiteHoraires"));
    setWindowTitle(QStringLiteral("Horaires de la semaine"));
    auto* colonne = new QVBoxLayout(this);
    auto* grille = new QGridLayout;
    const QStringList noms = NomsDesJours();
    for (int d = 0; d < NbJours; ++d) {
        grille->addWidget(new QLabel(noms[d], this), d, 0);
        lignes_[d] = new QLineEdit(lignes[d], this);
        lignes_[d]->setObjectName(QStringLiteral("Horaires(%1)").arg(d));
        lignes_[d]->setAccessibleName(noms[d]);
        lignes_[d]->setMinimumWidth(260);
        grille->addWidget(lignes_[d], d, 1);
        raisons_[d] = new QLabel(this);
        raisons_[d]->setObjectName(QStringLiteral("Raison(%1)").arg(d));
        QPalette rouge = raisons_[d]->palette();
        rouge.setColor(QPalette::WindowText, QColor(192, 0, 0));
        raisons_[d]->setPalette(rouge);
        raisons_[d]->setMinimumWidth(260);
        raisons_[d]->setWordWrap(true); // une raison longue se lit en entier
        grille->addWidget(raisons_[d], d, 2);
        lignes_[d]->installEventFilter(this);
        connect(lignes_[d], &QLineEdit::textChanged, this, &BoiteHoraires::Verifie);
    }
    colonne->addLayout(grille);

    // La ligne choisie recopiée d'un clic sur un groupe de jours ; le bouton nomme la source.
    auto* copies = new QHBoxLayout;
    static_assert(std::size(Recopies) == std::tuple_size_v<decltype(recopies_)>);
    for (std::size_t r = 0; r < recopies_.size(); ++r) {
        recopies_[r] = new QPushButton(this);
        recopies_[r]->setObjectName(QLatin1String(Recopies[r].nom));
        recopies_[r]->setAutoDefault(false);
        copies->addWidget(recopies_[r]);
        connect(recopies_[r], &QPushButton::clicked, this, [this, r] {
            const QString texte = lignes_[source_]->text();
            for (int d = Recopies[r].premier; d <= Recopies[r].dernier; ++d)
                lignes_[d]->setText(texte);
        });
    }
    copies->addStretch();
    colonne->addLayout(copies);
    ChoisitSource(0);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = boutons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonne->addWidget(boutons);
    Verifie();
    lignes_[0]->setFocus();
}

void BoiteHoraires::Verifie() {
    bool toutes = true;
    for (int d = 0; d < NbJours; ++d) {
        const QString raison = LitHoraires(lignes_[d]->text()).raison;
        raisons_[d]->setText(raison);
        lignes_[d]->setAccessibleDescription(raison); // lue avec la ligne, sans chercher
        toutes = toutes && raison.isEmpty();
    }
    ok_->setEnabled(toutes);
}

void BoiteHoraires::ChoisitSource(int jour) {
    source_ = jour;
    const QString nom = NomsDesJours().at(jour);
    for (std::size_t r = 0; r < recopies_.size(); ++r)
        recopies_[r]->setText(QString::fromUtf8(Recopies[r].texte) + QStringLiteral(" ← ") + nom);
}

bool BoiteHoraires::eventFilter(QObject* objet, QEvent* evenement) {
    const auto ligne = std::find(lignes_.begin(), lignes_.end(), objet);
    if (ligne == lignes_.end()) return QDialog::eventFilter(objet, evenement);
    if (evenement->type() == QEvent::FocusIn) {
        ChoisitSource(static_cast<int>(ligne - lignes_.begin()));
        entreeParClic_ = static_cast<QFocusEvent*>(evenement)->reason() == Qt::MouseFocusReason;
    } else if (evenement->type() == QEvent::MouseButtonRelease && entreeParClic_) {
        // Le clic qui entre dans une ligne la sélectionne toute : ce qu'on tape la remplace.
        // Un glissé garde sa sélection ; un clic de plus, dans la ligne, place le curseur.
        entreeParClic_ = false;
        if (static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton &&
            !(*ligne)->hasSelectedText())
            (*ligne)->selectAll();
    }
    return QDialog::eventFilter(objet, evenement);
}

LignesSemaine BoiteHoraires::Lignes() const {
    LignesSemaine lignes;
    for (int d = 0; d < NbJours; ++d) lignes[d] = lignes_[d]->text();
    return lignes;
}
