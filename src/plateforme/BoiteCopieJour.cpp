#include "plateforme/BoiteCopieJour.h"
#include "model/Textes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

BoiteCopieJour::BoiteCopieJour(int zone, int jour, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BoiteCopieJour"));
    setWindowTitle(QStringLiteral("Copier le jour vers…"));
    auto* colonne = new QVBoxLayout(this);

    auto* cadreJours = new QGroupBox(QStringLiteral("Jours"), this);
    auto* grille = new QGridLayout(cadreJours);
    const QStringList noms = NomsDesJours();
    for (int d = 0; d < NbJours; ++d) {
        jours_[d] = new QCheckBox(noms[d], cadreJours);
        jours_[d]->setObjectName(QStringLiteral("Jour(%1)").arg(d));
        jours_[d]->setChecked(d == jour);
        grille->addWidget(jours_[d], d, 0);
    }
    const struct {
        const char* nom;
        const char* texte;
        int premier, dernier;
    } raccourcis[] = {
        {"LunVen", "Lun–Ven", 0, 4}, {"SamDim", "Sam–Dim", 5, 6}, {"Tous", "Tous", 0, 6}};
    for (int r = 0; r < 3; ++r) {
        auto* bouton = new QPushButton(QString::fromUtf8(raccourcis[r].texte), cadreJours);
        bouton->setObjectName(QLatin1String(raccourcis[r].nom));
        bouton->setAutoDefault(false);
        grille->addWidget(bouton, r, 1);
        connect(bouton, &QPushButton::clicked, this,
                [this, p = raccourcis[r].premier, d = raccourcis[r].dernier] { CocheJours(p, d); });
    }
    colonne->addWidget(cadreJours);

    auto* cadreZones = new QGroupBox(QStringLiteral("Zones"), this);
    auto* ligne = new QHBoxLayout(cadreZones);
    for (int z = 0; z < NbZones; ++z) {
        zones_[z] = new QCheckBox(QStringLiteral("Zone %1").arg(z), cadreZones);
        zones_[z]->setObjectName(QStringLiteral("Zone(%1)").arg(z));
        zones_[z]->setChecked(z == zone);
        ligne->addWidget(zones_[z]);
    }
    colonne->addWidget(cadreZones);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    colonne->addWidget(boutons);
}

void BoiteCopieJour::CocheJours(int premier, int dernier) {
    for (int d = 0; d < NbJours; ++d) jours_[d]->setChecked(d >= premier && d <= dernier);
}

CiblesCopie BoiteCopieJour::Cibles() const {
    CiblesCopie cibles;
    for (int d = 0; d < NbJours; ++d) cibles.jours[d] = jours_[d]->isChecked();
    for (int z = 0; z < NbZones; ++z) cibles.zones[z] = zones_[z]->isChecked();
    return cibles;
}
