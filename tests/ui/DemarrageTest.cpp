// Démarrage, titre, sortie avec ou sans sauvegarde.
#include "files/FichierProgramme.h"
#include "plateforme/PlateformeQt.h"
#include "support/FenetreTest.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
const QString NonConforme = QStringLiteral("Fichier non conforme, ");
const BoiteVue BoiteNonConforme{NonConforme, Boutons::AbandonnerRecommencerIgnorer, Icone::Critique,
                                TitreCourt};
const QString Effacer = QStringLiteral("Voulez-vous effacer les données en mémoire ?");

void AttendJoursVides(const Programme& p) {
    for (int z = 0; z < NbZones; ++z)
        for (int d = 0; d < NbJours; ++d) EXPECT_EQ(p.ProgJour[z][d], JourVide()) << z << d;
}
} // namespace

using Demarrage = FenetreTest;

TEST_F(Demarrage, ProgrammeExempleLuEtTitre) {
    Demarre();
    const ResultatLecture attendu = LireFichierProgramme(ProgrammeExemple());
    ASSERT_EQ(attendu.statut, StatutLecture::Lu);
    EXPECT_EQ(Prog(), attendu.programme);
    const QString chemin = dossier.Fichier("data.prg");
    EXPECT_EQ(F().Fichiers().CheminFichier(), QDir::toNativeSeparators(chemin));
    EXPECT_EQ(F().windowTitle(), "GESTION CHAUFFAGE -VK472- V1.50" + QString(36, ' ') +
                                     "Fichier:  " + chemin.right(30));
    EXPECT_EQ(Doc().Zone(), 0);
    EXPECT_EQ(Doc().Jour(), 0);
    EXPECT_FALSE(Doc().Modifie());
    EXPECT_TRUE(plateforme.Boites.empty());
    // Rien de changé : quitter ne demande rien.
    EXPECT_TRUE(F().close());
}

TEST_F(Demarrage, FichierAbsentAbandon) {
    // La boîte fermée sans choix (Échap) vaut Abandon : rien n'est effacé ni demandé.
    for (const Bouton reponse : {Bouton::Abandonner, Bouton::Aucun}) {
        plateforme.AttendBoite(BoiteNonConforme, reponse);
        DemarreSansFichier();
        EXPECT_EQ(F().windowTitle(), "GESTION CHAUFFAGE -VK472- V1.50");
        // Même après Abandon, chaque jour est complété : aucune commande ne bute sur un jour
        // vide.
        AttendJoursVides(Prog());
        EXPECT_EQ(Prog().TempZone[0][0], 0);
        EXPECT_TRUE(Controle<QLineEdit>("VisuProgramme")->text().isEmpty());
        EXPECT_TRUE(F().close()); // aucune question
    }
}

TEST_F(Demarrage, FichierAbsentRecommencerPuisLu) {
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Recommencer);
    // Pendant la boîte, l'utilisateur remet le fichier en place.
    plateforme.PendantBoite = [this](const BoiteVue&) {
        dossier.Ecrit("data.prg", ProgrammeExemple());
    };
    DemarreSansFichier();
    EXPECT_EQ(plateforme.Boites.size(), 1u);
    EXPECT_EQ(Prog().IdentZone[0], LireFichierProgramme(ProgrammeExemple()).programme.IdentZone[0]);
}

TEST_F(Demarrage, FichierAbsentIgnorerPuisEffacer) {
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Ignorer);
    plateforme.AttendBoite({Effacer, Boutons::OuiNon, Icone::Critique, TitreCourt}, Bouton::Oui);
    DemarreSansFichier();
    AttendJoursVides(Prog());
    for (int z = 0; z < NbZones; ++z) {
        EXPECT_EQ(Prog().TempZone[z], (std::array<qint16, 4>{169, 165, 140, 145}));
        EXPECT_EQ(Prog().IdentZone[z], 0);
    }
    EXPECT_FALSE(Doc().Modifie());
}

TEST_F(Demarrage, FichierAbsentIgnorerSansEffacer) {
    plateforme.AttendBoite(NonConforme, Bouton::Ignorer);
    plateforme.AttendBoite(Effacer, Bouton::Non);
    DemarreSansFichier();
    AttendJoursVides(Prog());
    EXPECT_EQ(Prog().TempZone[1][0], 0);
}

TEST_F(Demarrage, FichierIncompatibleOuMauvais) {
    plateforme.AttendBoite({QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "),
                            Boutons::Ok, Icone::Critique, TitreCourt},
                           Bouton::Ok);
    Demarre("UN AUTRE LOGICIEL\r\n 1 2,3,4,5\r\n");
    AttendJoursVides(Prog());
    EXPECT_EQ(F().windowTitle(), "GESTION CHAUFFAGE -VK472- V1.50");
    EXPECT_EQ(plateforme.Boites.size(), 1u);
}

TEST_F(Demarrage, TemperatureHorsBornesRefusee) {
    QByteArray contenu = ProgrammeExemple();
    contenu.replace(" 4660 169,", " 4660 199,");
    plateforme.AttendBoite(NonConforme, Bouton::Abandonner);
    Demarre(contenu);
    EXPECT_EQ(Prog().TempZone[0][0], 0); // rien pris du fichier refusé
    EXPECT_EQ(Prog().IdentZone[0], 0);
}

TEST_F(Demarrage, RienNEcritUnFichierQueLeDemarrageRefuserait) {
    const QByteArray casse = "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n";
    const QByteArray etranger = "UN AUTRE LOGICIEL\r\n 1 2,3,4,5\r\n";
    const BoiteVue Remplacer{QStringLiteral("Le fichier data.prg n'a pas pu être lu. "
                                            "Voulez-vous le remplacer ?"),
                             Boutons::OuiNon, Icone::Exclamation, TitreCourt};
    const BoiteVue Temperature{QStringLiteral("Zone 0 : température « Confort » hors limites "
                                              "(0 à 35 °C). Corrigez-la avant la sauvegarde."),
                               Boutons::Ok, Icone::Critique, TitreCourt};
    struct Cas {
        QByteArray fichier; // nul : pas de "data.prg"
        std::vector<std::pair<BoiteVue, Bouton>> demarrage;
    };
    const Cas cas[] = {
        {QByteArray(), {{BoiteNonConforme, Bouton::Abandonner}}},
        {casse,
         {{BoiteNonConforme, Bouton::Ignorer},
          {{Effacer, Boutons::OuiNon, Icone::Critique, TitreCourt}, Bouton::Non}}},
        {etranger,
         {{{QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "), Boutons::Ok,
            Icone::Critique, TitreCourt},
           Bouton::Ok}}},
    };
    for (const Cas& c : cas) {
        QFile::remove(dossier.Fichier("data.prg"));
        if (!c.fichier.isNull()) dossier.Ecrit("data.prg", c.fichier);
        for (const auto& [boite, reponse] : c.demarrage) plateforme.AttendBoite(boite, reponse);
        DemarreSansFichier();
        // Températures à 0 : ni "&Sauvegarde", ni "Sauver comme ..", ni la sortie n'écrivent.
        Clique("CmdHigh");
        plateforme.AttendBoite(Temperature, Bouton::Ok);
        EXPECT_FALSE(F().Fichiers().SauveFichier());
        plateforme.AttendBoite(Temperature, Bouton::Ok);
        Choisit("SauverComme"); // sans dialogue
        plateforme.AttendBoite(QStringLiteral("Voulez-vous sauvegarder ?"), Bouton::Oui);
        plateforme.AttendBoite(Temperature, Bouton::Ok);
        EXPECT_FALSE(F().close());
        EXPECT_EQ(dossier.Lit("data.prg"), c.fichier);
        EXPECT_TRUE(dossier.Existe("data.prg") == !c.fichier.isNull());
        EXPECT_FALSE(dossier.Existe("DataUc.FCB"));

        // Températures remises : le fichier illisible n'est remplacé qu'avec l'accord.
        Pose([&](Programme& p) { p.TempZone.fill(TemperaturesParDefaut); });
        if (!c.fichier.isNull())
            for (const Bouton reponse : {Bouton::Non, Bouton::Aucun}) {
                plateforme.AttendBoite(Remplacer, reponse);
                EXPECT_FALSE(F().Fichiers().SauveFichier());
                EXPECT_EQ(dossier.Lit("data.prg"), c.fichier);
            }
        if (!c.fichier.isNull()) plateforme.AttendBoite(Remplacer, Bouton::Oui);
        EXPECT_TRUE(F().Fichiers().SauveFichier());
        EXPECT_TRUE(
            F().Fichiers().SauveFichier()); // une fois remplacé, il est le nôtre : plus de question
        EXPECT_EQ(LireFichierProgramme(dossier.Lit("data.prg")).statut, StatutLecture::Lu);
        QFile::remove(dossier.Fichier("DataUc.FCB"));
    }
}

TEST_F(Demarrage, TubesAuLieuDesFichiersRefusesSansBloquer) {
    QStringList tubes;
    for (const char* nom : {"data.prg", "VK472.CFG", "tube.prg", "DataUc.FCB"}) {
        tubes << dossier.Fichier(nom);
        ASSERT_TRUE(CreeTube(tubes.back())) << nom;
    }
    const GardeTubes garde(tubes);
    // Démarrage : programme non conforme, configuration ignorée (COM1).
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Ignorer);
    plateforme.AttendBoite(Effacer, Bouton::Oui);
    DemarreSansFichier();
    EXPECT_EQ(F().Liaison().NumeroPort(), 1);
    EXPECT_TRUE(Action("COM(0)")->isChecked());
    // "&Lecture" d'un tube : non conforme, tout de suite.
    plateforme.AttendDialogue(dossier.Fichier("tube.prg"));
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Abandonner);
    Choisit("LectureData");
    // Export sur un tube : boîte d'écriture impossible, le programme est écrit quand même.
    plateforme.AttendDialogue(dossier.Fichier("copie.prg"));
    plateforme.AttendBoiteDebut(QStringLiteral("** ECRITURE IMPOSSIBLE **\r\n\r\n") +
                                    dossier.Fichier("DataUc.FCB"),
                                Bouton::Ok);
    Choisit("SauverComme");
    EXPECT_EQ(LireFichierProgramme(dossier.Lit("copie.prg")).statut, StatutLecture::Lu);
    EXPECT_FALSE(garde.ADebloque()) << "une ouverture de tube a bloqué la fenêtre";
    for (const QString& tube : tubes)
        EXPECT_TRUE(QFileInfo(tube).exists() && !QFileInfo(tube).isFile()) << tube.toStdString();
}

TEST_F(Demarrage, SauvegardeRendLeFichierOctetPourOctet) {
    Demarre();
    EXPECT_TRUE(F().Fichiers().SauveFichier());
    EXPECT_EQ(dossier.Lit("data.prg"), ProgrammeExemple());
}

TEST_F(Demarrage, QuitterDemandeDeSauvegarderApresUnChangement) {
    Demarre();
    ChangeIdentifiant(2, 777);
    plateforme.AttendBoite({QStringLiteral("Voulez-vous sauvegarder ?"), Boutons::OuiNon,
                            Icone::Exclamation, QStringLiteral("INFO")},
                           Bouton::Oui);
    F().show();
    F().Quitter_Click();
    EXPECT_FALSE(F().isVisible());
    EXPECT_EQ(LireFichierProgramme(dossier.Lit("data.prg")).programme.IdentZone[2], 777);
}

TEST_F(Demarrage, QuitterSansSauvegarderOuPasDuTout) {
    Demarre();
    ChangeIdentifiant(2, 777);
    // Échap ou la case de la boîte : la fenêtre reste, rien n'est écrit ni perdu.
    plateforme.AttendBoite(QStringLiteral("Voulez-vous sauvegarder ?"), Bouton::Aucun);
    EXPECT_FALSE(F().close());
    EXPECT_EQ(Prog().IdentZone[2], 777);
    EXPECT_TRUE(Doc().Modifie());
    // Seul un vrai "Non" ferme sans sauvegarder.
    plateforme.AttendBoite(QStringLiteral("Voulez-vous sauvegarder ?"), Bouton::Non);
    EXPECT_TRUE(F().close()); // la case de fermeture pose la même question
    EXPECT_EQ(dossier.Lit("data.prg"), ProgrammeExemple());
}

TEST_F(Demarrage, SauvegardeImpossibleGardeLAncienFichierEtLaFenetre) {
    Demarre();
    const QString titre = F().windowTitle();
    // Un dossier à la place du fichier : l'écriture échoue, même pour root.
    dossier.Ecrit("bloque", "x");
    F().Fichiers().ChangeCheminFichier(dossier.Fichier("bloque/data.prg"));
    ChangeIdentifiant(0, 4242);
    plateforme.AttendBoite(QStringLiteral("Voulez-vous sauvegarder ?"), Bouton::Oui);
    plateforme.AttendBoiteDebut(QStringLiteral("** SAUVEGARDE IMPOSSIBLE **\r\n\r\n") +
                                    dossier.Fichier("bloque/data.prg") + "\r\n",
                                Bouton::Ok);
    EXPECT_FALSE(F().close());
    ASSERT_EQ(plateforme.Boites.size(), 2u);
    EXPECT_EQ(plateforme.Boites[1].icone, Icone::Critique);
    EXPECT_EQ(F().windowTitle(), titre); // pas de titre qui annonce un fichier sauvé
    EXPECT_EQ(dossier.Lit("data.prg"), ProgrammeExemple());
    EXPECT_TRUE(Doc().Modifie());
}

TEST_F(Demarrage, Version) {
    Demarre();
    plateforme.AttendBoite(
        {QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50"), Boutons::Ok, Icone::Aucune, QString()},
        Bouton::Ok);
    Choisit("Version");

    // La vraie boîte au titre vide n'en montre aucun, pas même aux aides techniques (Qt y
    // mettrait son texte) ; une boîte titrée garde le sien.
    PlateformeQt reelle;
    for (const QString& titre : {QString(), QStringLiteral(" PROGRAMMATION ")}) {
        QString nom = QStringLiteral("boîte jamais vue"), valeur;
        QTimer sonde;
        QObject::connect(&sonde, &QTimer::timeout, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite || !boite->isVisible()) return;
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(boite);
            nom = accessible->text(QAccessible::Name);
            valeur = accessible->text(QAccessible::Value);
            boite->button(QMessageBox::Ok)->click();
        });
        sonde.start(10);
        EXPECT_EQ(reelle.Message(TitreVersion, Boutons::Ok, Icone::Aucune, titre), Bouton::Ok);
        EXPECT_EQ(nom.toStdString(), titre.toStdString());
        EXPECT_EQ(valeur.toStdString(), TitreVersion.toStdString());
    }
}

TEST_F(Demarrage, PortDuFichierDeConfiguration) {
    const std::pair<QByteArray, int> cas[] = {{" 2 \r\n", 3}, {" 0 ", 1},     {" 3 \r\nreste", 4},
                                              {"", 1},        {" 7 \r\n", 1}, {"abc", 1},
                                              {"-1", 1}};
    for (const auto& [contenu, port] : cas) {
        dossier.Ecrit("VK472.CFG", contenu);
        Demarre();
        EXPECT_EQ(F().Liaison().NumeroPort(), port) << contenu.toStdString();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Action(NomIndexe("COM", i))->isChecked(), i == port - 1);
    }
    QFile::remove(dossier.Fichier("VK472.CFG"));
    Demarre();
    EXPECT_EQ(F().Liaison().NumeroPort(), 1);
    EXPECT_TRUE(Action("COM(0)")->isChecked());
}
