// Les vraies boîtes de Qt : le bouton cliqué revient tel quel, Échap et la case de fermeture
// ne répondent jamais à la place de l'utilisateur ; cases et raccourcis des dialogues.
#include "plateforme/PlateformeQt.h"
#include "model/Textes.h"
#include "plateforme/BoiteCopieJour.h"
#include "plateforme/BoiteHoraires.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
using Geste = std::function<void(QMessageBox*)>;

// Le geste est fait sur la boîte dès qu'elle se montre ; restée ouverte, elle est fermée
// d'office pour ne pas bloquer le test.
Bouton Repond(Boutons boutons, const QString& titre, const Geste& geste) {
    bool vue = false;
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite || !boite->isVisible()) return;
        vue = true;
        geste(boite);
        if (boite->isVisible()) boite->done(-1);
    });
    sonde.start(10);
    const Bouton rendu = PlateformeQt().Message(TitreVersion, boutons, Icone::Aucune, titre);
    EXPECT_TRUE(vue);
    return rendu;
}

Geste Clique(const char* texte) {
    return [texte](QMessageBox* boite) {
        for (QAbstractButton* b : boite->findChildren<QAbstractButton*>())
            if (b->text() == QLatin1String(texte)) b->click();
    };
}
} // namespace

TEST(PlateformeQt, EchapEtFermetureNeChoisissentRien) {
    // Qt prendrait « Non » ou « Abandonner » pour Échap et pour la case de fermeture.
    const Geste echap = [](QMessageBox* boite) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(boite->focusWidget() ? boite->focusWidget() : boite, &appui);
    };
    const Geste ferme = [](QMessageBox* boite) { boite->close(); };
    const std::tuple<Boutons, Geste, Bouton> cas[] = {
        {Boutons::OuiNon, echap, Bouton::Aucun},
        {Boutons::AbandonnerRecommencerIgnorer, ferme, Bouton::Aucun},
        {Boutons::OuiNon, Clique("Non"), Bouton::Non},
        {Boutons::OuiNon, Clique("Oui"), Bouton::Oui},
        {Boutons::OkAnnuler, Clique("Annuler"), Bouton::Annuler},
        {Boutons::AbandonnerRecommencerIgnorer, Clique("Ignorer"), Bouton::Ignorer},
    };
    for (const auto& [boutons, geste, attendu] : cas)
        EXPECT_EQ(static_cast<int>(Repond(boutons, QStringLiteral("TITRE"), geste)),
                  static_cast<int>(attendu))
            << static_cast<int>(boutons);
    // Une boîte au titre vide n'en montre aucun, pas même aux aides techniques (Qt y mettrait
    // son texte) ; une boîte titrée garde le sien.
    for (const QString& titre : {QString(), QStringLiteral(" PROGRAMMATION ")}) {
        QString nom, valeur;
        const Bouton rendu = Repond(Boutons::Ok, titre, [&](QMessageBox* boite) {
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(boite);
            nom = accessible->text(QAccessible::Name);
            valeur = accessible->text(QAccessible::Value);
            Clique("OK")(boite);
        });
        EXPECT_EQ(rendu, Bouton::Ok);
        EXPECT_EQ(nom.toStdString(), titre.toStdString());
        EXPECT_EQ(valeur.toStdString(), TitreVersion.toStdString());
    }
}

TEST(PlateformeQt, BoiteCopieJourCochesEtRaccourcis) {
    // Mercredi de la zone 1 coché d'emblée ; chaque raccourci coche exactement ses jours. Les
    // cibles rendues : les sept jours puis les trois zones.
    BoiteCopieJour boite(1, 2);
    const auto coches = [&boite](std::initializer_list<const char*> clics) {
        for (const char* nom : clics)
            boite.findChild<QAbstractButton*>(QLatin1String(nom))->click();
        const CiblesCopie cibles = boite.Cibles();
        QString vu;
        for (const bool coche : cibles.jours) vu += coche ? '1' : '0';
        for (const bool coche : cibles.zones) vu += coche ? '1' : '0';
        return vu;
    };
    EXPECT_EQ(coches({}), "0010000010");
    EXPECT_EQ(coches({"SamDim", "LunVen", "Tous", "Zone(2)", "Jour(0)"}), "0111111011");
    EXPECT_EQ(coches({"LunVen"}), "1111100011");
    EXPECT_EQ(coches({"SamDim"}), "0000011011");
}

TEST(PlateformeQt, BoiteHorairesRefuseEtRecopie) {
    // Une ligne refusée porte sa raison et grise OK ; les recopies prennent lundi et samedi.
    LignesSemaine lignes;
    lignes.fill(QStringLiteral("6h30-8h30"));
    lignes[6] = QStringLiteral("25h");
    BoiteHoraires boite(lignes);
    const auto ok = [&boite] {
        return boite.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
    };
    EXPECT_FALSE(ok());
    EXPECT_FALSE(boite.findChild<QLabel*>(QStringLiteral("Raison(6)"))->text().isEmpty());
    boite.findChild<QLineEdit*>(QStringLiteral("Horaires(0)"))->setText(QStringLiteral("7h-9h"));
    boite.findChild<QLineEdit*>(QStringLiteral("Horaires(5)"))->setText(QString());
    for (const char* nom : {"LunVen", "SamDim"})
        boite.findChild<QPushButton*>(QLatin1String(nom))->click();
    EXPECT_TRUE(ok());
    EXPECT_EQ(boite.Lignes().at(4), QStringLiteral("7h-9h"));
    EXPECT_EQ(boite.Lignes().at(5), boite.Lignes().at(6));
    EXPECT_EQ(boite.Lignes().at(5), QString());
}
