#include "ui/FenetrePrincipale.h"
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

void FenetrePrincipale::ConstruitMenus() {
    auto action = [](QMenu* menu, const char* nom, const QString& texte) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(QLatin1String(nom));
        return a;
    };
    Fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    Fichier->setObjectName(QStringLiteral("Fichier"));
    Nouveau = action(Fichier, "Nouveau", QStringLiteral("&Nouveau"));
    LectureData = action(Fichier, "LectureData", QStringLiteral("&Lecture"));
    SauvegardeFichier = action(Fichier, "SauvegardeFichier", QStringLiteral("&Sauvegarde"));
    SauverComme = action(Fichier, "SauverComme", QStringLiteral("Sauver comme .."));
    Quitter = action(Fichier, "Quitter", QStringLiteral("&Quitter"));

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
    connect(Nouveau, &QAction::triggered, this, [this] { Nouveau_Click(); });
    connect(LectureData, &QAction::triggered, this, [this] { LectureData_Click(); });
    connect(SauvegardeFichier, &QAction::triggered, this, [this] { SauvegardeFichier_Click(); });
    connect(SauverComme, &QAction::triggered, this, [this] { SauverComme_Click(); });
    for (int i = 0; i < 4; ++i)
        connect(COM[i], &QAction::triggered, this, [this, i] { COM_Click(i); });
    connect(TestTelecommande, &QAction::triggered, this, [this] { TestTelecommande_Click(); });
    connect(ProgrammeTelecommande, &QAction::triggered, this,
            [this] { ProgrammeTelecommande_Click(); });
    connect(ProgrammeDeTest, &QAction::triggered, this, [this] { ProgrammeDeTest_Click(); });
}
