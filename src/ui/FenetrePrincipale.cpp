#include "ui/FenetrePrincipale.h"
#include "files/PanneauFichier.h"
#include "link/PanneauLiaison.h"
#include "plateforme/Controles.h"
#include "plateforme/Twips.h"
#include "timeline/Curseur.h"
#include "timeline/PanneauSemaine.h"
#include "ui/Historique.h"
#include "ui/TableControles.h"
#include "zone/PanneauCommandes.h"
#include "zone/PanneauZone.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

FenetrePrincipale::FenetrePrincipale(Plateforme& plateforme, QWidget* parent)
    : QMainWindow(parent), plateforme_(plateforme) {
    setObjectName(QStringLiteral("FenetrePrincipale"));
    // Police de la fenêtre : sans empattement 8 points (Arial, ou Liberation Sans qui a ses
    // métriques) ; les twips dessinés supposent ces métriques.
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    // La barre de menus, dans son ordre ; les panneaux remplissent leurs menus.
    const auto menu = [this](const char* nom, const QString& titre) {
        QMenu* m = menuBar()->addMenu(titre);
        m->setObjectName(QLatin1String(nom));
        return m;
    };
    QMenu* fichier = menu("Fichier", QStringLiteral("&Fichier"));
    QMenu* edition = menu("Edition", QStringLiteral("É&dition"));
    QMenu* configuration = menu("Configuration", QStringLiteral("&Configuration"));
    QMenu* programmation = menu("Programmation", QStringLiteral("&Programmation"));
    Version = menuBar()->addAction(QStringLiteral("&?"));
    Version->setObjectName(QStringLiteral("Version"));

    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("ZoneCliente"));
    setCentralWidget(centre);
    // Zone cliente dessinée : 12900 x 10215 twips sous la barre de menus.
    centre->setMinimumSize(0, 0);
    resize(qRound(12900 / TwipsParPixel),
           qRound(10215 / TwipsParPixel) + menuBar()->sizeHint().height());
    const ControlesNommes controles = ConstruitControles(centre, TableControles(), BornesBarres());
    Frame1 = controles.Prend<QFrame>("Frame1");
    cadresEdition_ = {controles.Prend<QGroupBox>("Frame5"), controles.Prend<QGroupBox>("Frame4"),
                      controles.Prend<QGroupBox>("Frame2")};
    // Seule zone de saisie : les autres ne font qu'afficher.
    controles.Prend<QLineEdit>("Text3")->setReadOnly(false);

    // Le graphique prend les touches au clic, et les a dès le démarrage.
    Frame1->setFocusPolicy(Qt::StrongFocus);
    Frame1->installEventFilter(this);
    ConstruitSemaine(controles);
    ConstruitCommandes(controles);
    ConstruitZone(controles);
    ConstruitFichiers(fichier);
    ConstruitLiaison(controles, configuration, programmation);
    ConstruitEdition(edition);
    ConstruitAide();
    connect(Version, &QAction::triggered, this, [this] { Version_Click(); });
    connect(Quitter, &QAction::triggered, this, [this] { Quitter_Click(); });
    // Les menus de Qt (barres, zones de texte) défont, collent ou défilent hors du programme :
    // un clic droit ne fait que ce que le programme définit.
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (QWidget* controle : findChildren<QWidget*>()) {
        controle->setContextMenuPolicy(Qt::PreventContextMenu);
        // Un fichier déposé va à la fenêtre, pas en texte dans un champ.
        controle->setAcceptDrops(false);
    }
    setAcceptDrops(true);
    // Toute autre entrée ferme d'abord l'édition longue : une commande n'agit jamais au milieu.
    qApp->installEventFilter(this);
}

// Une saisie encore ouverte finit comme Entrée, avant que le document parte : ses cases, détruites
// après lui, le liraient encore en perdant le focus.
FenetrePrincipale::~FenetrePrincipale() {
    doc_.FermeEditionLongue();
}

void FenetrePrincipale::ConstruitSemaine(const ControlesNommes& controles) {
    semaine_ = new PanneauSemaine(doc_, plateforme_, controles, Frame1);
}

void FenetrePrincipale::ConstruitCommandes(const ControlesNommes& controles) {
    commandes_ = new PanneauCommandes(doc_, plateforme_, controles, this);
    connect(commandes_, &PanneauCommandes::JourEfface, semaine_, &PanneauSemaine::EffaceSegments);
}

void FenetrePrincipale::ConstruitZone(const ControlesNommes& controles) {
    zone_ = new PanneauZone(doc_, plateforme_, controles, this);
}

void FenetrePrincipale::ConstruitFichiers(QMenu* menu) {
    fichiers_ = new PanneauFichier(doc_, plateforme_, menu, this);
    connect(fichiers_, &PanneauFichier::Titre, this, &QWidget::setWindowTitle);
    fichiers_->AjouteRecents(menu);
    Quitter = AjouteAction(menu, "Quitter", QStringLiteral("&Quitter"));
    const std::pair<const char*, QKeySequence> raccourcis[] = {
        {"Nouveau", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"LectureData", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"SauvegardeFichier", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"SauverComme", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& [nom, touches] : raccourcis)
        menu->findChild<QAction*>(QLatin1String(nom))->setShortcut(touches);
}

void FenetrePrincipale::ConstruitLiaison(const ControlesNommes& controles, QMenu* configuration,
                                         QMenu* programmation) {
    liaison_ = new PanneauLiaison(doc_, plateforme_, controles, configuration, programmation, this);
    connect(liaison_, &PanneauLiaison::GeleTout, this,
            [this](bool gele) { ActiveCommandes(!gele); });
}

void FenetrePrincipale::ConstruitEdition(QMenu* menu) {
    historique_ = new Historique(doc_, menu, this);
    menu->addSeparator();
    CopieJourVers = AjouteAction(menu, "CopieJourVers", QStringLiteral("Copier le jour vers…"));
    connect(CopieJourVers, &QAction::triggered, commandes_,
            [c = commandes_] { c->CopieJourVers_Click(); });
    HorairesSemaine =
        AjouteAction(menu, "HorairesSemaine", QStringLiteral("Horaires de la semaine…"));
    HorairesSemaine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(HorairesSemaine, &QAction::triggered, commandes_,
            [c = commandes_] { c->HorairesSemaine_Click(); });
    // Le changement défait ou refait est montré : sa zone, puis son jour, même déjà choisi.
    connect(historique_, &Historique::Retabli, this, [this](int zone, int jour) {
        if (zone != doc_.Zone()) doc_.ChoisitZone(zone);
        if (jour >= 0) doc_.ChoisitJour(jour);
        semaine_->MontreJour();
    });
}

void FenetrePrincipale::ActiveCommandes(bool actives) {
    actives_ = actives;
    // "?" aussi : sa boîte modale retiendrait la pause en cours aussi longtemps qu'elle reste
    // ouverte.
    for (QAction* action : {Quitter, Version, CopieJourVers, HorairesSemaine})
        Bascule(action, actives);
    for (QGroupBox* cadre : cadresEdition_) Bascule(cadre, actives);
    fichiers_->Gele(!actives);
    liaison_->Gele(!actives);
    commandes_->Gele(!actives);
    historique_->Gele(!actives);
    // La case des segments valide le jour, ce qui peut couper un segment.
    semaine_->Gele(!actives);
}

bool FenetrePrincipale::Touche(int touche, bool majuscule) {
    const int position = doc_.Curseur();
    const int pas = majuscule ? 6 : 1; // Maj : une heure
    switch (touche) {
    case Qt::Key_Left:
        doc_.PlaceCurseur(qMax(0, position - pas));
        return true;
    case Qt::Key_Right:
        doc_.PlaceCurseur(qMin(PositionMax, position + pas));
        return true;
    case Qt::Key_Up:
        doc_.ChoisitJour(qMax(0, doc_.Jour() - 1));
        return true;
    case Qt::Key_Down:
        doc_.ChoisitJour(qMin(NbJours - 1, doc_.Jour() + 1));
        return true;
    case Qt::Key_C:
        majuscule ? commandes_->Cmd1H_Click() : commandes_->CmdHigh_Click();
        return true;
    case Qt::Key_E:
        majuscule ? commandes_->Cmd1Hmoins_Click() : commandes_->CmdLow_Click();
        return true;
    default:
        return false;
    }
}

namespace {
// Le fichier programme d'un dépôt : un seul fichier local, en ".prg" quelle qu'en soit la casse.
QString FichierDepose(const QMimeData* donnees) {
    const QList<QUrl> adresses = donnees ? donnees->urls() : QList<QUrl>();
    if (adresses.size() != 1 || !adresses.first().isLocalFile()) return {};
    const QString chemin = adresses.first().toLocalFile();
    return chemin.endsWith(QStringLiteral(".prg"), Qt::CaseInsensitive) ? chemin : QString();
}
} // namespace

void FenetrePrincipale::dragEnterEvent(QDragEnterEvent* evenement) {
    // Pendant un envoi, rien ne remplace le programme.
    if (actives_ && !FichierDepose(evenement->mimeData()).isEmpty())
        evenement->acceptProposedAction();
}

void FenetrePrincipale::dropEvent(QDropEvent* evenement) {
    const QString chemin = FichierDepose(evenement->mimeData());
    if (!actives_ || chemin.isEmpty()) return;
    evenement->acceptProposedAction();
    fichiers_->OuvreFichier(chemin);
}

bool FenetrePrincipale::EntreeEtrangere(QObject* objet, QEvent* evenement) const {
    const QObject* proprietaire = doc_.ProprietaireEditionLongue();
    const auto dans = [proprietaire](const QObject* objet) {
        for (const QObject* o = objet; o; o = o->parent())
            if (o == proprietaire) return true;
        return false;
    };
    switch (evenement->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        switch (touche->key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
            return false; // une touche seule ne commande rien
        default:
            break;
        }
        // Seule une valeur tapée prend des touches, celles qui vont à son champ (une touche
        // qu'il laisse remonte à ses parents) ; les raccourcis des menus restent des commandes.
        // Elles passent par la fenêtre puis par le contrôle qui a le focus.
        const QWidget* focus =
            QApplication::focusWidget() ? QApplication::focusWidget() : this->focusWidget();
        if (!qobject_cast<const QLineEdit*>(proprietaire) || !dans(focus)) return true;
        const QKeySequence sequence(touche->keyCombination());
        for (const QAction* action : findChildren<QAction*>())
            if (action->shortcuts().contains(sequence)) return true;
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return !dans(objet);
    case QEvent::Drop:
    case QEvent::WindowDeactivate:
    case QEvent::ApplicationDeactivate:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    if (doc_.EditionLongueOuverte() && EntreeEtrangere(objet, evenement)) doc_.FermeEditionLongue();
    if (objet != Frame1 || evenement->type() != QEvent::KeyPress) return false;
    const auto* touche = static_cast<QKeyEvent*>(evenement);
    const Qt::KeyboardModifiers autres =
        touche->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    // Ctrl, Alt : ce sont les raccourcis des menus. Pendant un envoi, rien ne bouge.
    if (autres != Qt::NoModifier || !actives_) return false;
    return Touche(touche->key(), touche->modifiers() & Qt::ShiftModifier);
}
