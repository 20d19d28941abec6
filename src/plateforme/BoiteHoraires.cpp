#include "plateforme/BoiteHoraires.h"
#include "model/Horaires.h"
#include "model/Textes.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
        connect(lignes_[d], &QLineEdit::textChanged, this, &BoiteHoraires::Verifie);
    }
    colonne->addLayout(grille);

    auto* copies = new QHBoxLayout;
    const struct {
        const char* nom;
        const char* texte;
        int source, premier, dernier;
    } recopies[] = {{"LunVen", "Lun–Ven ← Lundi", 0, 1, 4},
                    {"SamDim", "Sam–Dim ← Samedi", 5, 6, 6}};
    for (const auto& r : recopies) {
        auto* bouton = new QPushButton(QString::fromUtf8(r.texte), this);
        bouton->setObjectName(QLatin1String(r.nom));
        bouton->setAutoDefault(false);
        copies->addWidget(bouton);
        connect(bouton, &QPushButton::clicked, this,
                [this, r] { Recopie(r.source, r.premier, r.dernier); });
    }
    copies->addStretch();
    colonne->addLayout(copies);

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
        toutes = toutes && raison.isEmpty();
    }
    ok_->setEnabled(toutes);
}

void BoiteHoraires::Recopie(int source, int premier, int dernier) {
    for (int d = premier; d <= dernier; ++d) lignes_[d]->setText(lignes_[source]->text());
}

LignesSemaine BoiteHoraires::Lignes() const {
    LignesSemaine lignes;
    for (int d = 0; d < NbJours; ++d) lignes[d] = lignes_[d]->text();
    return lignes;
}
