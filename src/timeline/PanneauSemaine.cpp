#include "timeline/PanneauSemaine.h"
#include "model/Document.h"
#include "model/Horaires.h"
#include "model/Textes.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Controles.h"
#include "plateforme/Plateforme.h"
#include "plateforme/Twips.h"
#include "timeline/Curseur.h"
#include "timeline/Segments.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

namespace {
// Rangées de la semaine, noms des jours et étiquettes d'heures, placés à la main.
constexpr std::array HautsRangees{705, 1515, 2370, 3180, 4035, 4860, 5700};
constexpr std::array HautsJours{930, 1740, 2580, 3405, 4245, 5070, 5895};
constexpr std::array GauchesHeures{1800, 2160, 2600, 2980, 3360, 3760,  4175,  4560,
                                   4980, 5350, 5760, 6150, 6550, 6940,  7350,  7750,
                                   8160, 8540, 8930, 9250, 9630, 10060, 10450, 10815};

// Rectangle plein : barre de confort ou bande éco.
QFrame* Rectangle(QWidget* parent, const QString& nom, const QColor& couleur) {
    auto* forme = new QFrame(parent);
    forme->setObjectName(nom);
    Colore(forme, QPalette::Window, couleur);
    return forme;
}

QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(nom);
    etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etiquette;
}

int BoutonSouris(Qt::MouseButton bouton) {
    switch (bouton) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

// Au-delà, en pixels, un appui devient un trait : en deçà, c'est l'appui de toujours.
constexpr int SeuilTrait = 4;

// Les barres posent sur une même ligne, à 600 twips du haut de la rangée.
constexpr int BaseBarres = 600;

void PlaceHauteur(QWidget* barre, int hauteur) {
    const QRectF r = TwipsDe(barre);
    PlaceTwips(barre, r.left(), BaseBarres - hauteur, r.width(), hauteur);
}
} // namespace

PanneauSemaine::PanneauSemaine(Document& document, Plateforme& plateforme,
                               const ControlesNommes& controles, QWidget* Frame1)
    : QObject(Frame1), doc_(document), plateforme_(plateforme),
      HScroll1(controles.Prend<BarreDefilement>("HScroll1")),
      VScJour(controles.Prend<BarreDefilement>("VScJour")),
      Text1(controles.Prend<QLineEdit>("Text1")),
      VisuProgramme(controles.Prend<QLineEdit>("VisuProgramme")),
      ChkVisuHoraire(controles.Prend<QCheckBox>("ChkVisuHoraire")) {
    HScroll1->ChangePas(1, 5); // flèche : dix minutes ; page : cinquante minutes
    Colore(VisuProgramme, QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    // La case "Affichage Segments Horaires" part décochée : le texte des segments est caché.
    VisuProgramme->hide();
    ConstruitGraphique(Frame1);

    connect(ChkVisuHoraire, &QCheckBox::clicked, this, [this] { ChkVisuHoraire_Click(); });
    connect(HScroll1, &BarreDefilement::Change, this, [this] { HScroll1_Change(); });
    connect(VScJour, &BarreDefilement::Change, this, [this] { VScJour_Change(); });
    connect(&doc_, &Document::JourChoisi, this, &PanneauSemaine::MontreJour);
    connect(&doc_, &Document::CurseurPlace, this, &PanneauSemaine::DeplaceCurseur);
    connect(&doc_, &Document::JourChange, this, [this](int zone, int jour) {
        if (zone != doc_.Zone()) return;
        DessineJour(jour, BarresJour(doc_.Prog().ProgJour[zone][jour]));
        if (jour == doc_.Jour() && ChkVisuHoraire->isChecked()) VisuDataProgramme();
    });
    connect(&doc_, &Document::TemperaturesChangees, this, [this](int zone) {
        if (zone == doc_.Zone()) PlaceHauteurs();
    });
    // Une autre zone : toute la semaine, le jour choisi ne change que s'il n'était pas lundi.
    connect(&doc_, &Document::ZoneChoisie, this, [this] {
        AfficheJour();
        AfficheEcran();
        PlaceHauteurs();
        VisuDataProgramme();
    });
    connect(&doc_, &Document::ProgrammeRemplace, this, &PanneauSemaine::RemplaceProgramme);
}

void PanneauSemaine::ConstruitGraphique(QWidget* Frame1) {
    const QColor vert(0, 255, 0), cyanPale(128, 255, 255);
    for (int d = 0; d < NbJours; ++d) {
        auto* rangee = new QFrame(Frame1);
        rangee->setObjectName(NomIndexe("FrameTemp", d));
        rangee->setFrameShape(QFrame::Box);
        PlaceTwips(rangee, 1410, HautsRangees[d], 9960, 690);
        rangee->installEventFilter(this);
        rangee->setAccessibleName(NomsDesJours().value(d));
        FrameTemp[d] = rangee;
        Shape1[d] = Rectangle(rangee, NomIndexe("Shape1", d), cyanPale);
        PlaceTwips(Shape1[d], 90, 405, 9550, 105);
        for (int j = 0; j < NbSegmentsMax; ++j) {
            QFrame* barre = Rectangle(rangee, NomIndexe("ShTemp", 8 * d + j), vert);
            PlaceTwips(barre, 90, 315, 66, 195);
            barre->hide();
            ShTemp[8 * d + j] = barre;
        }
    }
    QFont policeJours(QStringLiteral("Times New Roman"));
    policeJours.setPointSizeF(9);
    for (int d = 0; d < NbJours; ++d) {
        Label2[d] = Etiquette(Frame1, NomIndexe("Label2", d), QString());
        Label2[d]->setFont(policeJours);
        Label2[d]->setAutoFillBackground(true);
        PlaceTwips(Label2[d], 360, HautsJours[d], 870, 330);
        Label2[d]->installEventFilter(this);
    }
    for (int h = 1; h <= 24; ++h) {
        auto* heure = Etiquette(Frame1, NomIndexe("LblHeure", h), QStringLiteral("%1H").arg(h));
        // Largeur dessinée pour une police bitmap étroite : un point de moins pour que "10H"
        // tienne.
        QFont petite = heure->font();
        petite.setPointSizeF(7);
        heure->setFont(petite);
        PlaceTwips(heure, GauchesHeures[h - 1], 480, h >= 20 ? 375 : 255, 255);
        LblHeure[h] = heure;
    }
    for (int i = 25; i >= 0; --i) {
        auto* ligne = new QFrame(Frame1);
        ligne->setObjectName(NomIndexe("Marqueur", i));
        PlaceTwips(ligne, i == 25 ? 1500 : 1500 + 396 * i, 700, 50, 5700);
        if (i == 0) {
            Colore(ligne, QPalette::Window, QApplication::palette().color(QPalette::WindowText));
        } else {
            ligne->setFrameShape(QFrame::Box);
            Colore(ligne, QPalette::Window, QApplication::palette().color(QPalette::Button));
        }
        ligne->setCursor(Qt::PointingHandCursor);
        ligne->installEventFilter(this);
        Marqueur[i] = ligne;
    }
    QFont policeHeure(QStringLiteral("Times New Roman"));
    policeHeure.setPointSizeF(14.25);
    policeHeure.setBold(true);
    for (int i = 0; i < 2; ++i) {
        auto* etiquette = new QLabel(QStringLiteral("0H00"), Frame1);
        etiquette->setObjectName(NomIndexe("HeureProg", i));
        etiquette->setFont(policeHeure);
        etiquette->setToolTip(QStringLiteral("Heure du marqueur"));
        etiquette->setAlignment(Qt::AlignCenter);
        PlaceTwips(etiquette, 1050, i == 0 ? 320 : 6480, 1020, 375);
        HeureProg[i] = etiquette;
    }
    // Deux filets décoratifs encadrant le graphique.
    const int hautsFilets[2] = {255, 6420};
    for (int i = 0; i < 2; ++i) {
        auto* filet = new QFrame(Frame1);
        filet->setObjectName(NomIndexe("Line1", i));
        filet->setFrameShape(QFrame::HLine);
        PlaceTwips(filet, 360, hautsFilets[i], 11160, 30);
        Line1[i] = filet;
    }
    Marqueur[0]->setAccessibleName(QStringLiteral("Curseur horaire"));
    HScroll1->setAccessibleName(QStringLiteral("Curseur horaire"));
    VScJour->setAccessibleName(QStringLiteral("Jour"));
    Text1->setAccessibleName(QStringLiteral("Jour édité"));
    Frame1->setAccessibleName(QStringLiteral("Semaine"));
    Marqueur[0]->raise();
    HeureProg[0]->raise();
    HeureProg[1]->raise();
}

void PanneauSemaine::NommeJours() {
    const QStringList noms = NomsDesJours();
    for (int d = 0; d < NbJours; ++d) Label2[d]->setText(noms[d]);
}

void PanneauSemaine::ColoreFond(QColor fond) {
    fond_ = fond;
    for (QLabel* jour : Label2) {
        QPalette palette = jour->palette();
        palette.setColor(QPalette::Window, fond_);
        jour->setPalette(palette);
    }
}

// Le jour courant sur fond rouge, les autres sur le fond normal ; toujours les sept.
void PanneauSemaine::AfficheJour() {
    for (int i = 0; i < NbJours; ++i) {
        QPalette palette = Label2[i]->palette();
        palette.setColor(QPalette::Window, i == doc_.Jour() ? QColor(255, 0, 0) : fond_);
        Label2[i]->setPalette(palette);
    }
}

void PanneauSemaine::ValideJour(int jour) {
    DessineJour(jour, doc_.ValideJour(doc_.Zone(), jour));
}

void PanneauSemaine::DessineJour(int jour, const std::vector<BarreSegment>& barres) {
    FrameTemp[jour]->setAccessibleDescription(TexteLuJour(doc_.Prog().ProgJour[doc_.Zone()][jour]));
    if (jour == doc_.Jour()) DitJour();
    for (int j = 0; j < NbSegmentsMax; ++j) {
        QFrame* barre = ShTemp[NbSegmentsMax * jour + j];
        if (j >= static_cast<int>(barres.size())) {
            barre->hide();
            continue;
        }
        // Le haut et la hauteur suivent les températures : on ne touche qu'à l'horizontale.
        const QRectF r = TwipsDe(barre);
        PlaceTwips(barre, GaucheBarre(barres[j].debut), r.top(),
                   TwipsParCreneau * barres[j].largeur, r.height());
        barre->show();
    }
}

void PanneauSemaine::VisuDataProgramme() {
    VisuProgramme->setText(TexteSegments(doc_.JourEdite()));
    if (ChkVisuHoraire->isChecked()) VisuProgramme->show();
}

void PanneauSemaine::AfficheEcran() {
    for (int d = NbJours - 1; d >= 0; --d) ValideJour(d);
}

void PanneauSemaine::RemplaceProgramme(Document::Remplacement comment) {
    // Effacé : la case des segments décochée, leur texte caché.
    if (comment == Document::Remplacement::Efface) {
        ChkVisuHoraire->setChecked(false);
        VisuProgramme->hide();
    }
    AfficheJour();
    AfficheEcran();
    PlaceHauteurs();
    DeplaceCurseur();
    VisuDataProgramme();
}

void PanneauSemaine::DeplaceCurseur() {
    const int c = doc_.Curseur();
    HScroll1->MontreValeur(c);
    DeplaceTwips(Marqueur[0], GaucheCurseur(c), TwipsDe(Marqueur[0]).top());
    const QString heure = TexteHeureCurseur(c);
    for (QWidget* curseur : {static_cast<QWidget*>(Marqueur[0]), static_cast<QWidget*>(HScroll1)})
        curseur->setAccessibleDescription(heure.trimmed());
    DitJour();
    for (QLabel* etiquette : HeureProg) {
        DeplaceTwips(etiquette, GaucheHeureCurseur(c), TwipsDe(etiquette).top());
        etiquette->setText(heure);
    }
}

void PanneauSemaine::EffaceSegments() {
    VisuProgramme->clear();
    VisuProgramme->hide();
}

void PanneauSemaine::PlaceHauteurs() {
    // Toute la semaine d'un coup : confort sur les barres vertes, éco sur les bandes.
    const int z = doc_.Zone();
    for (QFrame* barre : ShTemp) PlaceHauteur(barre, HauteurBarre(doc_.TemperatureMontree(z, 0)));
    for (QFrame* bande : Shape1) PlaceHauteur(bande, HauteurBarre(doc_.TemperatureMontree(z, 1)));
}

void PanneauSemaine::Gele(bool gele) {
    gele_ = gele;
    ChkVisuHoraire->setEnabled(!gele);
}

void PanneauSemaine::ChkVisuHoraire_Click() {
    if (ChkVisuHoraire->isChecked()) {
        ValideJour(doc_.Jour());
        VisuDataProgramme();
        VisuProgramme->show();
    } else {
        VisuProgramme->hide();
    }
}

void PanneauSemaine::HScroll1_Change() {
    doc_.PlaceCurseur(HScroll1->Valeur());
}

void PanneauSemaine::VScJour_Change() {
    // 7 n'est pas un jour : après dimanche on revient à lundi, même s'il était déjà choisi.
    const int jour = VScJour->Valeur() == NbJours ? 0 : VScJour->Valeur();
    // Redemandé tel quel, le jour ne change pas dans le document, qui n'en dit rien : la
    // barre (poussée à 7) et le reste sont remis ici.
    if (jour == doc_.Jour())
        MontreJour();
    else
        doc_.ChoisitJour(jour);
}

void PanneauSemaine::MontreJour() {
    MontreJourChoisi();
    ValideJour(doc_.Jour());
    VisuDataProgramme();
}

void PanneauSemaine::DitJour() {
    // Le graphique a le focus du clavier : il dit le jour choisi, ses heures et le curseur.
    const QString nom = NomsDesJours().value(doc_.Jour());
    VScJour->setAccessibleDescription(nom);
    FrameTemp[0]->parentWidget()->setAccessibleDescription(
        QStringLiteral("%1 : %2 ; curseur à %3")
            .arg(nom, TexteLuJour(doc_.JourEdite()), TexteHeure(doc_.Curseur())));
}

void PanneauSemaine::MontreJourChoisi() {
    DitJour();
    VScJour->MontreValeur(doc_.Jour());
    Text1->setText(NomsDesJours().value(doc_.Jour()));
    AfficheJour();
}

void PanneauSemaine::AvanceCurseur() {
    // Un créneau vers la droite, sans dépasser 24h00.
    doc_.PlaceCurseur(qMin(doc_.Curseur() + 1, PositionMax));
}

void PanneauSemaine::FrameTemp_MouseDown(int Index, int, double X) {
    const int position = PositionSouris(X);
    // Le changement de jour se fait d'abord, puis le curseur bouge.
    doc_.ChoisitJour(Index);
    doc_.PlaceCurseur(position);
}

void PanneauSemaine::Label2_MouseDown(int Index, int Button) {
    jourChoisiParAppui_ = -1;
    if (Index != doc_.Jour()) {
        doc_.PlaceCurseur(0);
        doc_.ChoisitJour(Index);
        jourChoisiParAppui_ = Index;
        return;
    }
    if (Button == 1) {
        AvanceCurseur();
    } else if (Button == 2) {
        const auto edition = doc_.OuvreEdition(QStringLiteral("Clic droit"));
        // Peinture créneau par créneau : pas d'avertissement au neuvième segment, la
        // validation le coupe.
        const int creneau = doc_.Curseur();
        if (creneau < NbCreneaux) {
            // Un jour court (lu tel quel d'un fichier) n'est complété que s'il s'arrête avant.
            QByteArray jour = doc_.JourEdite();
            if (jour.size() <= creneau) CompleteJour(jour);
            jour[creneau] = '1';
            doc_.RemplaceJour(doc_.Zone(), doc_.Jour(), jour);
            AvanceCurseur();
        }
    }
}

void PanneauSemaine::Label2_DblClick(int Index, int Button) {
    // Double clic pour choisir un jour : le premier appui l'a choisi, le second ne pousse
    // pas le curseur à 0H10. Sur le jour déjà courant, chaque appui compte, si rapide soit-il.
    if (Index == jourChoisiParAppui_) {
        jourChoisiParAppui_ = -1;
        return;
    }
    Label2_MouseDown(Index, Button);
}

void PanneauSemaine::Marqueur_Click(int Index) {
    // 25 : la ligne de 0h00 ; 0 est le curseur lui-même ; h : début de l'heure h.
    doc_.PlaceCurseur(Index == 25 ? 0 : 6 * Index);
}

bool PanneauSemaine::SourisTrait(QEvent::Type type, int bouton, QPoint point) {
    if (type == QEvent::MouseButtonPress) {
        LacheTrait();
        geste_ = Geste{doc_.Jour(), bouton, point, doc_.Curseur(), false, nullptr};
        return true;
    }
    if (geste_.jour < 0) return false;
    const bool relache = type == QEvent::MouseButtonRelease && bouton == geste_.bouton;
    // Le relâchement compte aussi comme dernier point : un trait finit sous le pointeur.
    if ((type == QEvent::MouseMove || relache) &&
        (trait_ || (point - geste_.appui).manhattanLength() > SeuilTrait)) {
        if (!trait_) {
            // Parti d'une ligne d'heure : le jour et le curseur comme par un appui sur la rangée.
            if (geste_.depuisLigne) {
                doc_.ChoisitJour(geste_.jour);
                doc_.PlaceCurseur(geste_.debut);
            }
            trait_.emplace(doc_, geste_.jour, geste_.debut, geste_.bouton == 1);
            doc_.OuvreEditionLongue(geste_.bouton == 1 ? QStringLiteral("Tracé confort")
                                                       : QStringLiteral("Tracé éco"),
                                    geste_.cible, [this] { FinitTrait(); });
        }
        doc_.Poursuit([&] { PeintTrait(point); });
    }
    if (relache) LacheTrait();
    return true;
}

void PanneauSemaine::PeintTrait(QPoint point) {
    const int y = point.y();
    // La rangée dont le milieu est le plus proche du pointeur.
    int vise = 0;
    for (int d = 1; d < NbJours; ++d)
        if (qAbs(FrameTemp[d]->geometry().center().y() - y) <
            qAbs(FrameTemp[vise]->geometry().center().y() - y))
            vise = d;
    trait_->Peint(vise, PositionSouris((point.x() - FrameTemp[geste_.jour]->x()) * TwipsParPixel));
    // Ce que le trait écrira, près du pointeur : un trait qui finit d'un créneau trop loin se
    // voit avant d'être lâché.
    QWidget* graphique = FrameTemp[0]->parentWidget();
    QToolTip::showText(graphique->mapToGlobal(point), trait_->Periode(), graphique);
}

void PanneauSemaine::LacheTrait() {
    if (trait_) doc_.FermeEditionLongue();
    geste_.jour = -1;
}

void PanneauSemaine::FinitTrait() {
    QToolTip::hideText();
    geste_.jour = -1;
    // Une seule question pour tout le trait ; Annuler le reprend en entier.
    if (trait_->FaitNeuvieme() && plateforme_.Message(TexteHuitSegments, Boutons::OkAnnuler,
                                                      Icone::Critique, QString()) != Bouton::Ok)
        trait_->Reprend();
    trait_.reset();
}

bool PanneauSemaine::eventFilter(QObject* objet, QEvent* evenement) {
    const auto type = evenement->type();
    const bool appui = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!appui && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove) return false;
    auto* souris = static_cast<QMouseEvent*>(evenement);
    // Les traits se suivent dans le repère du graphique, d'une rangée ou d'une ligne d'heure.
    auto* widget = static_cast<QWidget*>(objet);
    const QPoint point = widget->mapTo(widget->parentWidget(), souris->position().toPoint());
    if (type == QEvent::MouseMove) {
        const bool suivi =
            std::find(FrameTemp.begin(), FrameTemp.end(), objet) != FrameTemp.end() ||
            std::find(Marqueur.begin(), Marqueur.end(), objet) != Marqueur.end();
        return suivi && SourisTrait(type, 0, point);
    }
    // Pendant une transmission, la souris n'édite rien.
    if (gele_) return true;
    const int bouton = BoutonSouris(souris->button());
    // Le second appui d'un double clic compte comme un appui : des clics droits rapides sur
    // le nom du jour courant peignent chacun leur créneau.
    for (int d = 0; d < NbJours; ++d) {
        if (objet == FrameTemp[d] && appui) {
            FrameTemp_MouseDown(d, bouton, souris->position().x() * TwipsParPixel);
            // Gauche : un trait de confort peut partir d'ici ; droit : d'éco.
            if (bouton == 1 || bouton == 2) {
                SourisTrait(QEvent::MouseButtonPress, bouton, point);
                geste_.cible = objet;
            }
            return true;
        }
        if (objet == FrameTemp[d]) return SourisTrait(type, bouton, point);
        if (objet == Label2[d] && appui) {
            if (type == QEvent::MouseButtonDblClick)
                Label2_DblClick(d, bouton);
            else
                Label2_MouseDown(d, bouton);
            return true;
        }
    }
    for (int i = 0; i < 26; ++i) {
        if (objet != Marqueur[i] || (bouton != 1 && bouton != 2)) continue;
        if (appui) {
            // Sur une rangée, un trait peut partir de la ligne, à son heure.
            LacheTrait();
            for (int d = 0; d < NbJours; ++d) {
                const QRect r = FrameTemp[d]->geometry();
                if (point.y() < r.top() || point.y() > r.bottom()) continue;
                SourisTrait(QEvent::MouseButtonPress, bouton, point);
                geste_.cible = objet;
                geste_.jour = d;
                geste_.debut = i == 25 ? 0 : i == 0 ? doc_.Curseur() : 6 * i;
                geste_.depuisLigne = true;
            }
            return bouton == 1;
        }
        const bool trace =
            trait_ || (geste_.jour >= 0 && (point - geste_.appui).manhattanLength() > SeuilTrait);
        SourisTrait(type, bouton, point);
        // Un clic : appui puis relâchement sur la ligne, sans trait.
        if (bouton == 1 && !trace && Marqueur[i]->rect().contains(souris->position().toPoint()))
            Marqueur_Click(i);
        return bouton == 1;
    }
    return false;
}
