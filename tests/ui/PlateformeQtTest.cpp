// Les vraies boîtes de Qt : le bouton cliqué revient tel quel, Échap et la case de fermeture
// ne répondent jamais à la place de l'utilisateur.
#include "plateforme/PlateformeQt.h"
#include "model/Textes.h"
#include "plateforme/BoiteCopieJour.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
QMessageBox* BoiteOuverte() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* boite = qobject_cast<QMessageBox*>(w); boite && boite->isVisible()) return boite;
    return nullptr;
}

void Echap(QMessageBox* boite) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(boite->focusWidget() ? boite->focusWidget() : boite, &appui);
}

std::function<void(QMessageBox*)> Clique(const QString& texte) {
    return [texte](QMessageBox* boite) {
        for (QAbstractButton* b : boite->findChildren<QAbstractButton*>())
            if (b->text() == texte) b->click();
    };
}
} // namespace

TEST(PlateformeQt, EchapEtFermetureNeChoisissentRien) {
    struct Cas {
        Boutons boutons;
        std::function<void(QMessageBox*)> geste;
        Bouton attendu;
    };
    const auto ferme = [](QMessageBox* boite) { boite->close(); };
    const Cas cas[] = {
        {Boutons::OuiNon, Echap, Bouton::Aucun},
        {Boutons::OuiNon, ferme, Bouton::Aucun},
        {Boutons::OuiNon, Clique("Non"), Bouton::Non},
        {Boutons::OuiNon, Clique("Oui"), Bouton::Oui},
        {Boutons::OkAnnuler, Echap, Bouton::Aucun},
        {Boutons::OkAnnuler, Clique("Annuler"), Bouton::Annuler},
        {Boutons::AbandonnerRecommencerIgnorer, Echap, Bouton::Aucun},
        {Boutons::AbandonnerRecommencerIgnorer, ferme, Bouton::Aucun},
        {Boutons::AbandonnerRecommencerIgnorer, Clique("Ignorer"), Bouton::Ignorer},
        {Boutons::Ok, Clique("OK"), Bouton::Ok},
    };
    PlateformeQt plateforme;
    for (const Cas& c : cas) {
        bool vue = false;
        QTimer::singleShot(0, [&] {
            QMessageBox* boite = BoiteOuverte();
            vue = boite != nullptr;
            if (!boite) return;
            c.geste(boite);
            // Une boîte encore ouverte bloquerait le test : on la ferme d'office.
            if (BoiteOuverte()) boite->done(-1);
        });
        const Bouton rendu = plateforme.Message(QStringLiteral("Question ?"), c.boutons,
                                                Icone::Exclamation, QStringLiteral("TITRE"));
        ASSERT_TRUE(vue);
        EXPECT_EQ(static_cast<int>(rendu), static_cast<int>(c.attendu))
            << static_cast<int>(c.boutons) << " " << static_cast<int>(c.attendu);
    }
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

TEST(PlateformeQt, BoiteCopieJourCochesEtRaccourcis) {
    // Mercredi de la zone 1 coché d'emblée ; chaque raccourci coche exactement ses jours.
    BoiteCopieJour boite(1, 2);
    const auto coches = [&boite] {
        QString vu;
        for (QCheckBox* c : boite.findChildren<QCheckBox*>()) vu += c->isChecked() ? '1' : '0';
        return vu;
    };
    EXPECT_EQ(coches(), "0010000010");
    for (const char* nom : {"SamDim", "LunVen", "Tous", "Zone(2)", "Jour(0)"})
        boite.findChild<QAbstractButton*>(QLatin1String(nom))->click();
    EXPECT_EQ(coches(), "0111111011");
    boite.findChild<QAbstractButton*>("LunVen")->click();
    EXPECT_EQ(coches(), "1111100011");
    boite.findChild<QAbstractButton*>("SamDim")->click();
    EXPECT_EQ(coches(), "0000011011");
}
