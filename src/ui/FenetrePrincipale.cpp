#include "ui/FenetrePrincipale.h"
#include "files/PanneauFichier.h"
#include "plateforme/Controles.h"
#include "plateforme/Twips.h"
#include "timeline/PanneauSemaine.h"
#include "ui/TableControles.h"
#include "zone/PanneauCommandes.h"
#include "zone/PanneauZone.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>

FenetrePrincipale::FenetrePrincipale(Plateforme& plateforme, QWidget* parent)
    : QMainWindow(parent), plateforme_(plateforme) {
    setObjectName(QStringLiteral("FenetrePrincipale"));
    // Police de la fenêtre : sans empattement 8 points (Arial, ou Liberation Sans qui a ses
    // métriques) ; les twips dessinés supposent ces métriques.
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    // Les menus, dans l'ordre de la barre ; les panneaux y ajoutent leurs commandes.
    QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("Fichier"));
    ConstruitMenus();

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
    ProgressBar1 = controles.Prend<QProgressBar>("ProgressBar1");
    // Plage de 468 pour 453 pas sur toute la trame (AvancesProgression) : la barre s'arrête
    // un peu avant le bout, puis disparaît.
    ProgressBar1->setRange(0, 468);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    ConstruitSemaine(controles);
    ConstruitCommandes(controles);
    ConstruitZone(controles);
    ConstruitFichiers(fichier);
    ConnecteMenus();
}

FenetrePrincipale::~FenetrePrincipale() = default;

void FenetrePrincipale::ConstruitSemaine(const ControlesNommes& controles) {
    semaine_ = new PanneauSemaine(doc_, controles, Frame1);
}

void FenetrePrincipale::ConstruitCommandes(const ControlesNommes& controles) {
    PanneauSemaine* s = semaine_;
    LigneDuTempsCommandes ligne{
        [s] { return s->Position(); }, [s](int position) { s->PlaceCurseur(position); },
        [s] { s->ValideProgramme(); }, [s] { return s->SegmentsAffiches(); },
        [s] { s->MontreSegments(); },  [s] { s->EffaceSegments(); }};
    commandes_ = new PanneauCommandes(doc_, plateforme_, controles, std::move(ligne), this);
}

void FenetrePrincipale::ConstruitZone(const ControlesNommes& controles) {
    PanneauSemaine* s = semaine_;
    // La zone change : curseur à 0h00, jours de la nouvelle zone, puis ses températures,
    // puis lundi.
    LigneDuTempsZone ligne{[s] {
                               s->PlaceCurseur(0);
                               s->AfficheJour();
                               s->AfficheEcran();
                           },
                           [s] {
                               s->ChoisitJourAffiche(0);
                               s->VisuDataProgramme();
                           },
                           [s](int confort, int eco) { s->PlaceHauteurs(confort, eco); }};
    zone_ = new PanneauZone(doc_, plateforme_, controles, std::move(ligne), this);
}

void FenetrePrincipale::ConstruitFichiers(QMenu* menu) {
    PanneauSemaine* s = semaine_;
    PanneauZone* z = zone_;
    EcranFichier ecran{[this](const QString& titre) { setWindowTitle(titre); },
                       [s] {
                           s->DecocheSegments();
                           s->CacheSegments();
                       },
                       [s, z] {
                           s->AfficheEcran();
                           z->ChargeTemperatures();
                           // AfficheEcran passe en zone 0, lundi, sans toucher aux sélecteurs : ils
                           // suivent ici, sinon le jour nommé et rouge ne serait plus celui que la
                           // commande suivante édite.
                           if (z->ZoneAffichee() != 0)
                               z->ChoisitZoneAffichee(0);
                           else
                               s->AfficheJour();
                       },
                       [s, z] {
                           s->AfficheEcran();
                           s->AfficheJour();
                           s->ChoisitJourAffiche(0);
                           z->MontreIdentifiant();
                           z->ChargeTemperatures();
                           s->PlaceCurseur(0);
                           s->DeplaceCurseur();
                       },
                       [s, z] {
                           z->ChoisitZoneAffichee(0);
                           s->VisuDataProgramme();
                       }};
    fichiers_ = new PanneauFichier(doc_, plateforme_, menu, std::move(ecran), this);
    Quitter = AjouteAction(menu, "Quitter", QStringLiteral("&Quitter"));
}

void FenetrePrincipale::ConstruitMenus() {
    auto action = AjouteAction;

    Configuration = menuBar()->addMenu(QStringLiteral("&Configuration"));
    Configuration->setObjectName(QStringLiteral("Configuration"));
    ChoixPortSerie = Configuration->addMenu(QStringLiteral("&Choix port série"));
    ChoixPortSerie->setObjectName(QStringLiteral("ChoixPortSerie"));
    for (int i = 0; i < 4; ++i) {
        COM[i] = ChoixPortSerie->addAction(QStringLiteral("COM%1").arg(i + 1));
        COM[i]->setObjectName(NomIndexe("COM", i));
        COM[i]->setCheckable(true);
    }

    Programmation = menuBar()->addMenu(QStringLiteral("&Programmation"));
    Programmation->setObjectName(QStringLiteral("Programmation"));
    TestTelecommande =
        action(Programmation, "TestTelecommande", QStringLiteral("Test Liaison Télécommande"));
    // Le blanc final fait partie du libellé.
    ProgrammeTelecommande =
        action(Programmation, "ProgrammeTelecommande", QStringLiteral("Programmation "));
    ProgrammeDeTest =
        action(Programmation, "ProgrammeDeTest", QStringLiteral("Programmation de Test"));

    Version = menuBar()->addAction(QStringLiteral("&?"));
    Version->setObjectName(QStringLiteral("Version"));
}

void FenetrePrincipale::ConnecteMenus() {
    connect(Version, &QAction::triggered, this, [this] { Version_Click(); });
    connect(Quitter, &QAction::triggered, this, [this] { Quitter_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(COM[i], &QAction::triggered, this, [this, i] { COM_Click(i); });
    connect(TestTelecommande, &QAction::triggered, this, [this] { TestTelecommande_Click(); });
    connect(ProgrammeTelecommande, &QAction::triggered, this,
            [this] { ProgrammeTelecommande_Click(); });
    connect(ProgrammeDeTest, &QAction::triggered, this, [this] { ProgrammeDeTest_Click(); });
}
