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
                         const ControlesNommes& controles, LigneDuTempsZone ligne, QObject* parent)
    : QObject(parent), doc_(document), plateforme_(plateforme), ligne_(std::move(ligne)),
      VScrollZone(controles.Prend<BarreDefilement>("VScrollZone")),
      TextZone(controles.Prend<QLineEdit>("TextZone")),
      TextID(controles.Prend<QLineEdit>("TextID")) {
    static const QColor fonds[NbTemperatures] = {QColor(0, 255, 0), QColor(0, 192, 192),
                                                 QColor(255, 255, 0), QColor(192, 0, 192)};
    for (int t = 0; t < NbTemperatures; ++t) {
        VScroll3[t] = controles.Prend<BarreDefilement>(NomIndexe("VScroll3", t));
        VScroll3[t]->ChangeValeur(TemperatureMin);
        Text2[t] = controles.Prend<QLineEdit>(NomIndexe("Text2", t));
        Colore(Text2[t], QPalette::Base, fonds[t]);
        connect(VScroll3[t], &BarreDefilement::Change, this, [this, t] { VScroll3_Change(t); });
        VScroll3[t]->installEventFilter(this);
        Text2[t]->installEventFilter(this);
        connect(Text2[t], &QLineEdit::returnPressed, this, [this, t] { Champ_Valide(t); });
    }
    TextID->installEventFilter(this);
    connect(TextID, &QLineEdit::returnPressed, this, [this] { Champ_Valide(ChampIdentifiant); });
    connect(VScrollZone, &BarreDefilement::Change, this, [this] { VScrollZone_Change(); });
    connect(&doc_, &Document::ZoneChoisie, this, &PanneauZone::MontreZoneChoisie);
    connect(controles.Prend<QPushButton>("CmdID"), &QPushButton::clicked, this,
            [this] { CmdID_Click(); });
}

void PanneauZone::PlaceHauteursBarres() {
    // Toute la semaine d'un coup : confort sur les barres vertes, éco sur les bandes.
    ligne_.PlaceHauteurs(HauteurBarre(VScroll3[0]->Valeur()), HauteurBarre(VScroll3[1]->Valeur()));
}

void PanneauZone::VScroll3_Change(int Index) {
    // Pas à pas d'une barre tenue : le même pas que l'appui.
    if (appui_ >= 0 && doc_.ProprietaireEditionLongue() == VScroll3[appui_])
        return doc_.Poursuit([this, Index] { ReglageTemperature(Index); });
    ReglageTemperature(Index);
}

void PanneauZone::ReglageTemperature(int Index) {
    const auto edition = doc_.OuvreEdition(QStringLiteral("Température ") + NomTemperature(Index));
    auto v = [this](int t) { return VScroll3[t]->Valeur(); };
    // Confort >= éco >= hors gel ; chaque réglage relance ce traitement, imbriqué.
    if (Index == 0 && v(0) < v(1)) VScroll3[1]->ChangeValeur(v(0));
    if (Index == 1 && v(1) > v(0)) VScroll3[1]->ChangeValeur(v(0));
    if (v(2) > v(1)) VScroll3[2]->ChangeValeur(v(1));
    PlaceHauteursBarres();
    const auto valeur = static_cast<qint16>(v(Index));
    Text2[Index]->setText(TexteTemperature(valeur));
    doc_.ChangeTemperature(Index, valeur);
}

void PanneauZone::ChargeTemperatures() {
    // Barres muettes pendant le chargement : les règles d'ordre, lancées sur un écran
    // à moitié chargé, écraseraient les valeurs de la nouvelle zone.
    for (int t = 0; t < NbTemperatures; ++t)
        VScroll3[t]->MontreValeur(doc_.Prog().TempZone[doc_.Zone()][t]);
    for (int t = 0; t < NbTemperatures; ++t)
        Text2[t]->setText(TexteTemperature(VScroll3[t]->Valeur()));
    PlaceHauteursBarres();
}

void PanneauZone::AfficheTemperature() {
    // Hors de 128..198 (possible depuis un fichier pour les zones 1 et 2), la valeur
    // gardée est ramenée à celle que montre la barre, donc sauvée et transmise.
    doc_.RameneTemperatures();
    ChargeTemperatures();
    MontreIdentifiant();
}

void PanneauZone::MontreIdentifiant() {
    TextID->setText(QString::number(doc_.Prog().IdentZone[doc_.Zone()]));
}

void PanneauZone::ChoisitZone(int zone) {
    if (zone != doc_.Zone()) ChangeZone(zone);
}

void PanneauZone::VScrollZone_Change() {
    // Même sur la zone déjà choisie (barre tirée de 0 à 3), tout le changement se fait.
    const int zone = VScrollZone->Valeur();
    ChangeZone(zone == NbZones ? 0 : zone);
}

void PanneauZone::ChangeZone(int zone) {
    // Redemandée telle quelle (barre poussée à 3), la zone ne change pas dans le document, qui
    // n'en dit rien : la barre et le numéro sont remis ici.
    if (zone == doc_.Zone())
        MontreZoneChoisie();
    else
        doc_.ChoisitZone(zone);
    ligne_.AvantTemperatures();
    AfficheTemperature();
    ligne_.ApresTemperatures();
}

void PanneauZone::MontreZoneChoisie() {
    VScrollZone->MontreValeur(doc_.Zone());
    TextZone->setText(QString::number(doc_.Zone()));
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
    doc_.ChangeIdentifiant(ResoutCollision(identifiants, z));
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
    texte->setText(
        Index == ChampIdentifiant
            ? QString::number(doc_.Prog().IdentZone[doc_.Zone()])
            : NombreColonneSigne((VScroll3[Index]->Valeur() - TemperatureMin) / 2.0).trimmed());
    texte->selectAll();
    texte->setFocus();
}

void PanneauZone::Champ_Abandonne(int Index) {
    Champ(Index)->setReadOnly(true);
    if (Index == ChampIdentifiant)
        MontreIdentifiant();
    else
        Text2[Index]->setText(TexteTemperature(VScroll3[Index]->Valeur()));
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
        doc_.ChangeIdentifiant(lu.valeur);
        return MontreIdentifiant();
    }
    const TemperatureLue lue = LitTemperature(tape);
    if (lue.valeur < 0) {
        plateforme_.Message(lue.raison, Boutons::Ok, Icone::Exclamation, TitreCourt);
        return;
    }
    // Comme la barre réglée à la main : règles d'ordre, barres, texte, enregistrement.
    VScroll3[Index]->ChangeValeur(lue.valeur);
}

bool PanneauZone::eventFilter(QObject* objet, QEvent* evenement) {
    for (int i = 0; i <= ChampIdentifiant; ++i) {
        if (objet != Champ(i)) continue;
        // Pendant sa destruction, la case n'est plus qu'un QWidget : plus rien à y lire.
        if (!qobject_cast<QLineEdit*>(objet)) return false;
        if (evenement->type() == QEvent::MouseButtonDblClick) {
            Champ_DblClick(i);
            return true;
        }
        const bool echap = evenement->type() == QEvent::KeyPress &&
                           static_cast<QKeyEvent*>(evenement)->key() == Qt::Key_Escape;
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
