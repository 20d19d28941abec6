#include "plateforme/Controles.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

namespace {
QWidget* Cree(const DescriptionControle& d, QWidget* parent) {
    switch (d.genre) {
    case Genre::Cadre: {
        auto* cadre = new QFrame(parent);
        cadre->setFrameShape(QFrame::NoFrame);
        return cadre;
    }
    case Genre::CadreTitre:
        return new QGroupBox(d.texte, parent);
    case Genre::Etiquette: {
        // Texte en haut à gauche : un contrôle chevauche parfois le bas de l'étiquette.
        auto* etiquette = new QLabel(d.texte, parent);
        etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etiquette;
    }
    case Genre::Texte: {
        auto* texte = new QLineEdit(d.texte, parent);
        // Zones d'affichage : taper dedans ne changerait rien.
        texte->setReadOnly(true);
        return texte;
    }
    case Genre::Bouton:
        return new QPushButton(d.texte, parent);
    case Genre::Case:
        return new QCheckBox(d.texte, parent);
    case Genre::BarreV:
    case Genre::BarreH:
        return nullptr; // créées ensuite, avec leurs bornes
    case Genre::Progression:
        return new QProgressBar(parent);
    }
    return nullptr;
}
} // namespace

ControlesNommes ConstruitControles(QWidget* centre, const std::vector<DescriptionControle>& table,
                                   const std::vector<BornesBarre>& barres) {
    ControlesNommes controles;
    QHash<QString, const DescriptionControle*> descriptions;
    for (const DescriptionControle& d : table) {
        descriptions.insert(d.nom, &d);
        QWidget* parent = d.parent.isEmpty() ? centre : controles.Prend<QWidget>(d.parent);
        QWidget* controle = Cree(d, parent);
        if (!controle) continue;
        controle->setObjectName(d.nom);
        if (!d.infobulle.isEmpty()) controle->setToolTip(d.infobulle);
        PlaceTwips(controle, d.gauche, d.haut, d.largeur, d.hauteur);
        controles.Ajoute(d.nom, controle);
    }
    for (const BornesBarre& b : barres) {
        const DescriptionControle& d = *descriptions.value(b.nom);
        const auto sens = d.genre == Genre::BarreH ? Qt::Horizontal : Qt::Vertical;
        auto* barre = new BarreDefilement(sens, b.min, b.max, controles.Prend<QWidget>(d.parent));
        barre->setObjectName(d.nom);
        PlaceTwips(barre, d.gauche, d.haut, d.largeur, d.hauteur);
        controles.Ajoute(d.nom, barre);
    }
    return controles;
}

QString NomIndexe(const char* nom, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(nom)).arg(index);
}

void Colore(QWidget* controle, QPalette::ColorRole role, const QColor& couleur) {
    QPalette palette = controle->palette();
    palette.setColor(role, couleur);
    controle->setPalette(palette);
    controle->setAutoFillBackground(true);
}

QAction* AjouteAction(QMenu* menu, const char* nom, const QString& texte) {
    QAction* action = menu->addAction(texte);
    action->setObjectName(QLatin1String(nom));
    return action;
}
