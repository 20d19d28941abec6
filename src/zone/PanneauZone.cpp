#include "zone/PanneauZone.h"
#include "model/Document.h"
#include "model/Textes.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Controles.h"
#include "plateforme/Plateforme.h"
#include "zone/Identifiant.h"
#include "zone/Temperatures.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

PanneauZone::PanneauZone(Document& document, Plateforme& plateforme,
                         const ControlesNommes& controles, QObject* parent)
    : QObject(parent), doc_(document), plateforme_(plateforme),
      VScrollZone(controles.Prend<BarreDefilement>("VScrollZone")),
      TextZone(controles.Prend<QLineEdit>("TextZone")),
      TextID(controles.Prend<QLineEdit>("TextID")) {
    static const QColor fonds[NbTemperatures] = {QColor(0, 255, 0), QColor(0, 192, 192),
                                                 QColor(255, 255, 0), QColor(192, 0, 192)};
    for (int t = 0; t < NbTemperatures; ++t) {
        VScroll3[t] = controles.Prend<BarreDefilement>(NomIndexe("VScroll3", t));
        VScroll3[t]->MontreValeur(TemperatureMin);
        Text2[t] = controles.Prend<QLineEdit>(NomIndexe("Text2", t));
        Colore(Text2[t], QPalette::Base, fonds[t]);
        connect(VScroll3[t], &BarreDefilement::Change, this, [this, t] { VScroll3_Change(t); });
        for (QWidget* controle :
             {static_cast<QWidget*>(VScroll3[t]), static_cast<QWidget*>(Text2[t])})
            controle->setAccessibleName(NomTemperature(t));
        VScroll3[t]->installEventFilter(this);
        Text2[t]->installEventFilter(this);
        connect(Text2[t], &QLineEdit::returnPressed, this, [this, t] { Champ_Valide(t); });
    }
    TextID->installEventFilter(this);
    TextID->setAccessibleName(QStringLiteral("Identifiant radio"));
    VScrollZone->setAccessibleName(QStringLiteral("Zone"));
    TextZone->setAccessibleName(QStringLiteral("Zone éditée"));
    // Lue dès l'ouverture, avant tout changement de zone.
    VScrollZone->setAccessibleDescription(QStringLiteral("Zone %1").arg(doc_.Zone()));
    connect(TextID, &QLineEdit::returnPressed, this, [this] { Champ_Valide(ChampIdentifiant); });
    connect(VScrollZone, &BarreDefilement::Change, this, [this] { VScrollZone_Change(); });
    connect(&doc_, &Document::ZoneChoisie, this, &PanneauZone::MontreZoneChoisie);
    connect(&doc_, &Document::TemperaturesChangees, this, [this](int zone) {
        if (zone == doc_.Zone()) MontreTemperatures();
    });
    connect(&doc_, &Document::IdentifiantChange, this, [this](int zone) {
        if (zone == doc_.Zone()) MontreIdentifiant();
    });
    // Effacé, le programme garde ses identifiants : leur case reste telle quelle.
    connect(&doc_, &Document::ProgrammeRemplace, this, [this](Document::Remplacement comment) {
        MontreTemperatures();
        if (comment == Document::Remplacement::Lu) MontreIdentifiant();
    });
    connect(controles.Prend<QPushButton>("CmdID"), &QPushButton::clicked, this,
            [this] { CmdID_Click(); });
}

void PanneauZone::VScroll3_Change(int Index) {
    const auto change = [this, Index] {
        doc_.ChangeTemperature(doc_.Zone(), Index, static_cast<qint16>(VScroll3[Index]->Valeur()));
    };
    // Pas à pas d'une barre tenue : le même pas que l'appui.
    if (appui_ >= 0 && doc_.ProprietaireEditionLongue() == VScroll3[appui_])
        doc_.Poursuit(change);
    else
        change();
    // Une valeur que les règles ramènent, ou refusée : la barre revient à celle du document.
    MontreTemperatures();
}

void PanneauZone::MontreTemperatures() {
    for (int t = 0; t < NbTemperatures; ++t) {
        const qint16 valeur = doc_.TemperatureMontree(doc_.Zone(), t);
        VScroll3[t]->MontreValeur(valeur);
        Text2[t]->setText(TexteTemperature(valeur));
        VScroll3[t]->setAccessibleDescription(Text2[t]->text().trimmed());
    }
}

void PanneauZone::MontreIdentifiant() {
    TextID->setText(QString::number(doc_.Prog().IdentZone[doc_.Zone()]));
}

void PanneauZone::VScrollZone_Change() {
    // Même sur la zone déjà choisie (barre tirée de 0 à 3), tout le changement se fait ;
    // le document n'en dit rien, la barre et le numéro sont remis ici.
    const int zone = VScrollZone->Valeur();
    doc_.ChoisitZone(zone == NbZones ? 0 : zone);
    MontreZoneChoisie();
}

void PanneauZone::MontreZoneChoisie() {
    VScrollZone->MontreValeur(doc_.Zone());
    TextZone->setText(QString::number(doc_.Zone()));
    VScrollZone->setAccessibleDescription(QStringLiteral("Zone %1").arg(doc_.Zone()));
    MontreTemperatures();
    MontreIdentifiant();
}

void PanneauZone::CmdID_Click() {
    if (plateforme_.Message(QStringLiteral("Voulez-vous changer l'Identificateur de la zone?"),
                            Boutons::OuiNon, Icone::Critique,
                            QStringLiteral("CONFIGURATION")) != Bouton::Oui)
        return;
    const auto edition = doc_.OuvreEdition(QStringLiteral("ID"));
    const int z = doc_.Zone();
    std::array<qint32, NbZones> identifiants = doc_.Prog().IdentZone;
    identifiants[z] = TireIdentifiant(plateforme_.Aleatoire());
    doc_.ChangeIdentifiant(z, ResoutCollision(identifiants, z));
    TextID->setText(NombreColonneSigne(doc_.Prog().IdentZone[z]));
}

QLineEdit* PanneauZone::Champ(int Index) const {
    return Index < NbTemperatures ? Text2[Index] : TextID;
}

void PanneauZone::Champ_DblClick(int Index) {
    QLineEdit* texte = Champ(Index);
    // La saisie ne change rien avant Entrée ; toute autre commande la prend d'abord comme
    // Entrée (ce qui est tapé n'est pas perdu), Échap seul y renonce.
    doc_.OuvreEditionLongue(QString(), texte, [this, Index] { Champ_Ferme(Index); });
    texte->setReadOnly(false);
    texte->setText(Index == ChampIdentifiant
                       ? QString::number(doc_.Prog().IdentZone[doc_.Zone()])
                       : NombreColonneSigne(
                             (doc_.TemperatureMontree(doc_.Zone(), Index) - TemperatureMin) / 2.0)
                             .trimmed());
    texte->selectAll();
    texte->setFocus();
}

void PanneauZone::Champ_Abandonne(int Index) {
    Champ(Index)->setReadOnly(true);
    if (Index == ChampIdentifiant)
        MontreIdentifiant();
    else
        MontreTemperatures();
}

void PanneauZone::Champ_Valide(int Index) {
    if (doc_.ProprietaireEditionLongue() == Champ(Index))
        doc_.FermeEditionLongue();
    else
        Champ_Ferme(Index);
}

void PanneauZone::Champ_Ferme(int Index) {
    QLineEdit* texte = Champ(Index);
    if (texte->isReadOnly()) return;
    const QString tape = texte->text();
    Champ_Abandonne(Index);
    if (Index == ChampIdentifiant) {
        // Un foyer qui réinstalle garde l'identifiant que ses radiateurs ont appris.
        const IdentifiantLu lu = LitIdentifiant(tape, doc_.Prog().IdentZone, doc_.Zone());
        if (lu.valeur < 0) {
            plateforme_.Message(lu.raison, Boutons::Ok, Icone::Exclamation, TitreCourt);
            return;
        }
        const auto edition = doc_.OuvreEdition(QStringLiteral("ID"));
        doc_.ChangeIdentifiant(doc_.Zone(), lu.valeur);
        return MontreIdentifiant();
    }
    const TemperatureLue lue = LitTemperature(tape);
    if (lue.valeur < 0) {
        plateforme_.Message(lue.raison, Boutons::Ok, Icone::Exclamation, TitreCourt);
        return;
    }
    // Comme la barre réglée à la main : mêmes règles d'ordre.
    doc_.ChangeTemperature(doc_.Zone(), Index, static_cast<qint16>(lue.valeur));
}

bool PanneauZone::eventFilter(QObject* objet, QEvent* evenement) {
    for (int i = 0; i <= ChampIdentifiant; ++i) {
        if (objet != Champ(i)) continue;
        // Pendant sa destruction, la case n'est plus qu'un QWidget : plus rien à y lire.
        if (!qobject_cast<QLineEdit*>(objet)) return false;
        const int touche =
            evenement->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(evenement)->key() : 0;
        // Sans souris, Entrée ou F2 sur la case ouvre la saisie comme le double clic.
        const bool ouvre =
            touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_F2;
        if (evenement->type() == QEvent::MouseButtonDblClick || (ouvre && Champ(i)->isReadOnly())) {
            Champ_DblClick(i);
            return true;
        }
        const bool echap = touche == Qt::Key_Escape;
        if (!Champ(i)->isReadOnly() && (echap || evenement->type() == QEvent::FocusOut)) {
            // Échap renonce ; quitter la case garde ce qui est tapé, comme Entrée.
            if (echap) Champ_Abandonne(i);
            Champ_Valide(i);
        }
        return echap;
    }
    // Flèche tenue ou curseur tiré (bouton gauche, ou celui du milieu qui y saute) : tous les
    // pas jusqu'au relâchement ne font qu'une édition.
    const auto t = std::find(VScroll3.begin(), VScroll3.end(), objet) - VScroll3.begin();
    const auto type = evenement->type();
    if (t >= NbTemperatures ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease))
        return false;
    const int bouton = static_cast<QMouseEvent*>(evenement)->button();
    if (type == QEvent::MouseButtonPress &&
        (bouton == Qt::LeftButton || bouton == Qt::MiddleButton) && VScroll3[t]->isEnabled()) {
        const int index = static_cast<int>(t);
        doc_.OuvreEditionLongue(QStringLiteral("Température ") + NomTemperature(index), VScroll3[t],
                                [this, index] { LacheBarre(index); });
        appui_ = index;
        boutonAppui_ = bouton;
    } else if (type == QEvent::MouseButtonRelease && bouton == boutonAppui_ && appui_ == t &&
               doc_.ProprietaireEditionLongue() == VScroll3[t]) {
        doc_.FermeEditionLongue();
    }
    return false;
}

void PanneauZone::LacheBarre(int Index) {
    // Fermée par une autre commande, la barre ne continue pas de défiler seule.
    VScroll3[Index]->ArreteRepetition();
    appui_ = -1;
}
