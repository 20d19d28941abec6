// Les vraies boîtes et les dialogues de Qt, sans réponse prévue à la place de l'utilisateur.
#include "plateforme/PlateformeQt.h"
#include "model/Textes.h"
#include "plateforme/BoiteCopieJour.h"
#include "plateforme/BoiteHoraires.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
using Geste = std::function<void(QMessageBox*)>;

// Le geste est fait sur la boîte dès qu'elle se montre ; restée ouverte, elle est fermée
// d'office pour ne pas bloquer le test.
Bouton Repond(Boutons boutons, const Geste& geste) {
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite || !boite->isVisible()) return;
        geste(boite);
        if (boite->isVisible()) boite->done(-1);
    });
    sonde.start(10);
    return PlateformeQt().Message(TitreVersion, boutons, Icone::Aucune, QStringLiteral("TITRE"));
}

Geste Clique(const char* texte) {
    return [texte](QMessageBox* boite) {
        for (QAbstractButton* b : boite->findChildren<QAbstractButton*>())
            if (b->text() == QLatin1String(texte)) b->click();
    };
}
} // namespace

TEST(PlateformeQt, EchapEtFermetureNeChoisissentRien) {
    // Qt prendrait « Non », « Annuler » ou « Abandonner » pour Échap et pour la case de
    // fermeture ; chaque bouton rend sa réponse.
    const Geste echap = [](QMessageBox* boite) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(boite->focusWidget() ? boite->focusWidget() : boite, &appui);
    };
    const Geste ferme = [](QMessageBox* boite) { boite->close(); };
    using B = Bouton;
    constexpr auto ARI = Boutons::AbandonnerRecommencerIgnorer;
    const std::tuple<Boutons, Geste, Bouton> cas[] = {
        {Boutons::Ok, echap, B::Aucun},
        {Boutons::OkAnnuler, echap, B::Aucun},
        {Boutons::OuiNon, echap, B::Aucun},
        {ARI, echap, B::Aucun},
        {ARI, ferme, B::Aucun},
        {Boutons::Ok, Clique("OK"), B::Ok},
        {Boutons::OkAnnuler, Clique("Annuler"), B::Annuler},
        {Boutons::OuiNon, Clique("Oui"), B::Oui},
        {Boutons::OuiNon, Clique("Non"), B::Non},
        {ARI, Clique("Abandonner"), B::Abandonner},
        {ARI, Clique("Recommencer"), B::Recommencer},
        {ARI, Clique("Ignorer"), B::Ignorer},
    };
    for (const auto& [boutons, geste, attendu] : cas)
        EXPECT_EQ(static_cast<int>(Repond(boutons, geste)), static_cast<int>(attendu))
            << static_cast<int>(boutons);
}

TEST(PlateformeQt, EchapAnnuleLesDialoguesDeCopieEtDesHoraires) {
    // Le dialogue qu'Échap n'aurait pas fermé est validé tel quel : le test le verrait.
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, [] {
        auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogue || !dialogue->isVisible()) return;
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialogue->focusWidget() ? dialogue->focusWidget() : dialogue,
                                &appui);
        if (dialogue->isVisible()) dialogue->accept();
    });
    sonde.start(10);
    PlateformeQt plateforme;
    EXPECT_FALSE(plateforme.DialogueCopieJour(1, 2).has_value());
    EXPECT_FALSE(plateforme.DialogueHoraires({}).has_value());
}

TEST(PlateformeQt, ImprimerDansUnFichierRendLeFichier) {
    // Qt écrirait le PDF lui-même, par-dessus n'importe quoi : le programme l'écrit.
    const QString pdf = QDir::tempPath() + QStringLiteral("/semaine-imprimee.pdf");
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, [&pdf] {
        auto* dialogue = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialogue || !dialogue->isVisible()) return;
        dialogue->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(pdf);
        dialogue->accept();
    });
    sonde.start(10);
    const auto choix = PlateformeQt().DialogueImprimer();
    EXPECT_TRUE(choix.imprimante == nullptr && choix.fichier == pdf) << choix.fichier.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
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
    // Une ligne refusée grise OK ; les recopies prennent lundi et samedi.
    LignesSemaine lignes;
    lignes.fill(QStringLiteral("6h30-8h30"));
    lignes[6] = QStringLiteral("25h");
    BoiteHoraires boite(lignes);
    QPushButton* ok = boite.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    boite.findChild<QLineEdit*>(QStringLiteral("Horaires(0)"))->setText(QStringLiteral("7h-9h"));
    boite.findChild<QLineEdit*>(QStringLiteral("Horaires(5)"))->setText(QString());
    for (const char* nom : {"LunVen", "SamDim"})
        boite.findChild<QPushButton*>(QLatin1String(nom))->click();
    EXPECT_TRUE(ok->isEnabled());
    const LignesSemaine vues = boite.Lignes();
    EXPECT_EQ(QStringList(vues.begin(), vues.end()).join('|'), "7h-9h|7h-9h|7h-9h|7h-9h|7h-9h||");
}
