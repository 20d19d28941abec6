// Démarrage et lecture face à des tubes nommés, vraie boîte de version ; le reste du démarrage,
// du titre et de la sortie est joué par le scénario "demarrage".
#include "files/FichierProgramme.h"
#include "plateforme/PlateformeQt.h"
#include "support/FenetreTest.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
const BoiteVue BoiteNonConforme{QStringLiteral("Fichier non conforme, "),
                                Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt};
} // namespace

using Demarrage = FenetreTest;

TEST_F(Demarrage, TubesAuLieuDesFichiersRefusesSansBloquer) {
    QStringList tubes;
    for (const char* nom : {"data.prg", "VK472.CFG", "tube.prg", "DataUc.FCB"}) {
        tubes << dossier.Fichier(nom);
        ASSERT_TRUE(CreeTube(tubes.back())) << nom;
    }
    const GardeTubes garde(tubes);
    // Démarrage : programme non conforme, configuration ignorée (COM1).
    plateforme.AttendBoite(BoiteNonConforme, Bouton::Ignorer);
    plateforme.AttendBoite(QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                           Bouton::Oui);
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

TEST(BoiteDeVersion, TitreVideJamaisRemplace) {
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
