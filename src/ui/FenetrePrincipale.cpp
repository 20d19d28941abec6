#include "ui/FenetrePrincipale.h"
#include "plateforme/Twips.h"
#include "ui/TableControles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

namespace {
QString NomIndexe(const char* nom, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(nom)).arg(index);
}

void Colore(QWidget* controle, QPalette::ColorRole role, const QColor& couleur) {
    QPalette palette = controle->palette();
    palette.setColor(role, couleur);
    controle->setPalette(palette);
    controle->setAutoFillBackground(true);
}

// Rectangle plein, comme une forme de la fenêtre d'origine.
QFrame* Rectangle(QWidget* parent, const QString& nom, const QColor& couleur) {
    auto* forme = new QFrame(parent);
    forme->setObjectName(nom);
    Colore(forme, QPalette::Window, couleur);
    return forme;
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
} // namespace

FenetrePrincipale::FenetrePrincipale(Plateforme& plateforme, QWidget* parent)
    : QMainWindow(parent), plateforme_(plateforme) {
    setObjectName(QStringLiteral("FenetrePrincipale"));
    // Police d'origine : sans empattement 8 points (Arial, ou Liberation Sans qui a ses métriques).
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(8);
    setFont(police);
    ConstruitMenus();
    ConstruitControles();
    ConnecteControles();
}

FenetrePrincipale::~FenetrePrincipale() = default;

void FenetrePrincipale::ConstruitControles() {
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("ZoneCliente"));
    setCentralWidget(centre);
    // Zone cliente dessinée : 12900 x 10215 twips sous la barre de menus.
    centre->setMinimumSize(0, 0);
    resize(qRound(12900 / TwipsParPixel),
           qRound(10215 / TwipsParPixel) + menuBar()->sizeHint().height());

    QMap<QString, QWidget*> parents{{QString(), centre}};
    for (const DescriptionControle& d : TableControles()) {
        QWidget* parent = parents.value(d.parent, centre);
        QWidget* controle = nullptr;
        switch (d.genre) {
        case Genre::Cadre: {
            auto* cadre = new QFrame(parent);
            cadre->setFrameShape(QFrame::NoFrame);
            controle = cadre;
            break;
        }
        case Genre::CadreTitre:
            controle = new QGroupBox(d.texte, parent);
            break;
        case Genre::Etiquette: {
            // Texte en haut à gauche, comme les étiquettes d'origine qu'un contrôle chevauche.
            auto* etiquette = new QLabel(d.texte, parent);
            etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            controle = etiquette;
            break;
        }
        case Genre::Texte: {
            auto* texte = new QLineEdit(d.texte, parent);
            // Ces zones ne sont jamais relues : taper dedans ne changerait rien.
            texte->setReadOnly(d.nom != QLatin1String("Text3"));
            controle = texte;
            break;
        }
        case Genre::Bouton:
            controle = new QPushButton(d.texte, parent);
            break;
        case Genre::Case:
            controle = new QCheckBox(d.texte, parent);
            break;
        case Genre::BarreV:
            controle = new BarreDefilement(Qt::Vertical, 0, 0, parent);
            break;
        case Genre::BarreH:
            controle = new BarreDefilement(Qt::Horizontal, 0, 0, parent);
            break;
        case Genre::Progression:
            controle = new QProgressBar(parent);
            break;
        }
        controle->setObjectName(d.nom);
        if (!d.infobulle.isEmpty()) controle->setToolTip(d.infobulle);
        PlaceTwips(controle, d.gauche, d.haut, d.largeur, d.hauteur);
        parents.insert(d.nom, controle);
    }

    auto prend = [&parents](const QString& nom) { return parents.value(nom); };
    Frame1 = qobject_cast<QFrame*>(prend("Frame1"));
    Frame3 = qobject_cast<QFrame*>(prend("Frame3"));
    Text3 = qobject_cast<QLineEdit*>(prend("Text3"));
    ProgressBar1 = qobject_cast<QProgressBar*>(prend("ProgressBar1"));
    VisuProgramme = qobject_cast<QLineEdit*>(prend("VisuProgramme"));
    ChkVisuHoraire = qobject_cast<QCheckBox*>(prend("ChkVisuHoraire"));
    CmdCLS = qobject_cast<QPushButton*>(prend("CmdCLS"));
    CmdCopy = qobject_cast<QPushButton*>(prend("CmdCopy"));
    CmdPASTE = qobject_cast<QPushButton*>(prend("CmdPASTE"));
    Frame5 = qobject_cast<QGroupBox*>(prend("Frame5"));
    Frame4 = qobject_cast<QGroupBox*>(prend("Frame4"));
    Frame2 = qobject_cast<QGroupBox*>(prend("Frame2"));
    CmdHigh = qobject_cast<QPushButton*>(prend("CmdHigh"));
    Cmd1H = qobject_cast<QPushButton*>(prend("Cmd1H"));
    CmdLow = qobject_cast<QPushButton*>(prend("CmdLow"));
    Cmd1Hmoins = qobject_cast<QPushButton*>(prend("Cmd1Hmoins"));
    Text1 = qobject_cast<QLineEdit*>(prend("Text1"));
    TextZone = qobject_cast<QLineEdit*>(prend("TextZone"));
    TextID = qobject_cast<QLineEdit*>(prend("TextID"));
    CmdID = qobject_cast<QPushButton*>(prend("CmdID"));
    for (int i = 0; i < 3; ++i) Label6[i] = qobject_cast<QLabel*>(prend(NomIndexe("Label6", i)));
    for (int i = 1; i <= 4; ++i) Label1[i] = qobject_cast<QLabel*>(prend(NomIndexe("Label1", i)));
    for (int t = 0; t < 4; ++t) Text2[t] = qobject_cast<QLineEdit*>(prend(NomIndexe("Text2", t)));

    // Barres de défilement : remplacées par l'adaptateur avec leurs vraies bornes.
    auto barre = [&](const QString& nom, Qt::Orientation sens, int min, int max) {
        auto* ancienne = prend(nom);
        auto* nouvelle = new BarreDefilement(sens, min, max, ancienne->parentWidget());
        nouvelle->setObjectName(nom);
        const QRectF r = TwipsDe(ancienne);
        PlaceTwips(nouvelle, r.left(), r.top(), r.width(), r.height());
        delete ancienne;
        return nouvelle;
    };
    VScrollZone = barre("VScrollZone", Qt::Vertical, 3, 0);
    VScJour = barre("VScJour", Qt::Vertical, 7, 0);
    HScroll1 = barre("HScroll1", Qt::Horizontal, 0, 144);
    HScroll1->ChangePas(1, 5); // flèche : dix minutes ; page : cinquante minutes
    for (int t = 0; t < 4; ++t) {
        VScroll3[t] = barre(NomIndexe("VScroll3", t), Qt::Vertical, 198, 128);
        VScroll3[t]->ChangeValeur(128);
    }
    static const QColor fondsTemperatures[4] = {QColor(0, 255, 0), QColor(0, 192, 192),
                                                QColor(255, 255, 0), QColor(192, 0, 192)};
    for (int t = 0; t < 4; ++t) Colore(Text2[t], QPalette::Base, fondsTemperatures[t]);
    Colore(VisuProgramme, QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));

    // La case "Affichage Segments Horaires" part décochée : le texte des segments est caché.
    VisuProgramme->hide();
    ProgressBar1->setRange(0, 468);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    // Graphique de la semaine : rangées, barres, lignes d'heures, étiquettes.
    const QColor vert(0, 255, 0), cyanPale(128, 255, 255);
    for (int d = 0; d < 7; ++d) {
        auto* rangee = new QFrame(Frame1);
        rangee->setObjectName(NomIndexe("FrameTemp", d));
        rangee->setFrameShape(QFrame::Box);
        PlaceTwips(rangee, 1410, HautsRangees[d], 9960, 690);
        rangee->installEventFilter(this);
        FrameTemp[d] = rangee;
        Shape1[d] = Rectangle(rangee, NomIndexe("Shape1", d), cyanPale);
        PlaceTwips(Shape1[d], 90, 405, 9550, 105);
        for (int j = 0; j < 8; ++j) {
            QFrame* barreConfort = Rectangle(rangee, NomIndexe("ShTemp", 8 * d + j), vert);
            PlaceTwips(barreConfort, 90, 315, 66, 195);
            barreConfort->hide();
            ShTemp[8 * d + j] = barreConfort;
        }
    }
    QFont policeJours(QStringLiteral("Times New Roman"));
    policeJours.setPointSizeF(9);
    for (int d = 0; d < 7; ++d) {
        auto* jour = new QLabel(Frame1);
        jour->setObjectName(NomIndexe("Label2", d));
        jour->setFont(policeJours);
        jour->setAutoFillBackground(true);
        jour->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        PlaceTwips(jour, 360, HautsJours[d], 870, 330);
        jour->installEventFilter(this);
        Label2[d] = jour;
    }
    for (int h = 1; h <= 24; ++h) {
        auto* heure = new QLabel(QStringLiteral("%1H").arg(h), Frame1);
        heure->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Largeur dessinée pour une police bitmap étroite : un point de moins pour que "10H"
        // tienne.
        QFont petite = heure->font();
        petite.setPointSizeF(7);
        heure->setFont(petite);
        heure->setObjectName(NomIndexe("LblHeure", h));
        PlaceTwips(heure, GauchesHeures[h - 1], 480, h >= 20 ? 375 : 255, 255);
        LblHeure[h] = heure;
    }
    for (int i = 25; i >= 0; --i) {
        auto* ligne = new QFrame(Frame1);
        ligne->setObjectName(NomIndexe("Marqueur", i));
        const int gauche = i == 25 ? 1500 : 1500 + 396 * i;
        PlaceTwips(ligne, gauche, 700, 50, 5700);
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
    Marqueur[0]->raise();
    HeureProg[0]->raise();
    HeureProg[1]->raise();
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
    // Le blanc final fait partie du libellé d'origine.
    ProgrammeTelecommande =
        action(Programmation, "ProgrammeTelecommande", QStringLiteral("Programmation "));
    ProgrammeDeTest =
        action(Programmation, "ProgrammeDeTest", QStringLiteral("Programmation de Test"));

    Version = menuBar()->addAction(QStringLiteral("&?"));
    Version->setObjectName(QStringLiteral("Version"));
}

void FenetrePrincipale::ConnecteControles() {
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

    connect(CmdHigh, &QPushButton::clicked, this, [this] { CmdHigh_Click(); });
    connect(CmdLow, &QPushButton::clicked, this, [this] { CmdLow_Click(); });
    connect(Cmd1H, &QPushButton::clicked, this, [this] { Cmd1H_Click(); });
    connect(Cmd1Hmoins, &QPushButton::clicked, this, [this] { Cmd1Hmoins_Click(); });
    connect(CmdCLS, &QPushButton::clicked, this, [this] { CmdCLS_Click(); });
    connect(CmdCopy, &QPushButton::clicked, this, [this] { CmdCopy_Click(); });
    connect(CmdPASTE, &QPushButton::clicked, this, [this] { CmdPASTE_Click(); });
    connect(CmdID, &QPushButton::clicked, this, [this] { CmdID_Click(); });
    connect(ChkVisuHoraire, &QCheckBox::clicked, this, [this] { ChkVisuHoraire_Click(); });

    connect(HScroll1, &BarreDefilement::Change, this, [this] { HScroll1_Change(); });
    connect(VScJour, &BarreDefilement::Change, this, [this] { VScJour_Change(); });
    connect(VScrollZone, &BarreDefilement::Change, this, [this] { VScrollZone_Change(); });
    for (int t = 0; t < 4; ++t)
        connect(VScroll3[t], &BarreDefilement::Change, this, [this, t] { VScroll3_Change(t); });
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    const auto type = evenement->type();
    // Le second appui d'un double clic compte comme un appui : des clics droits rapides sur
    // le nom du jour courant peignent chacun leur créneau.
    const bool appui = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!appui && type != QEvent::MouseButtonRelease)
        return QMainWindow::eventFilter(objet, evenement);
    auto* souris = static_cast<QMouseEvent*>(evenement);
    const int bouton = BoutonSouris(souris->button());
    for (int d = 0; d < 7; ++d) {
        if (objet == FrameTemp[d] && appui) {
            FrameTemp_MouseDown(d, bouton, souris->position().x() * TwipsParPixel);
            return true;
        }
        if (objet == Label2[d] && appui) {
            if (type == QEvent::MouseButtonDblClick)
                Label2_DblClick(d, bouton);
            else
                Label2_MouseDown(d, bouton);
            return true;
        }
    }
    for (int i = 0; i < 26; ++i) {
        if (objet != Marqueur[i] || souris->button() != Qt::LeftButton) continue;
        // Un clic : appui puis relâchement sur la ligne.
        if (type == QEvent::MouseButtonRelease &&
            Marqueur[i]->rect().contains(souris->position().toPoint()))
            Marqueur_Click(i);
        return true;
    }
    return QMainWindow::eventFilter(objet, evenement);
}
