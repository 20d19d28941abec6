// Les vraies boîtes et les dialogues de Qt, sans réponse prévue à la place de l'utilisateur.
#include "plateforme/PlateformeQt.h"
#include "model/Textes.h"
#include "plateforme/BoiteCopieJour.h"
#include "plateforme/BoiteHoraires.h"
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"

#include <QPrintDialog>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace {
// Le geste sur la fenêtre modale dès qu'elle se montre ; restée ouverte, elle est fermée.
template <typename Fenetre, typename Appel>
auto Repond(const std::function<void(Fenetre*)>& geste, const Appel& appel) {
    QTimer sonde;
    QObject::connect(&sonde, &QTimer::timeout, [&] {
        auto* fenetre = qobject_cast<Fenetre*>(QApplication::activeModalWidget());
        if (!fenetre || !fenetre->isVisible()) return;
        geste(fenetre);
        if (fenetre->isVisible()) static_cast<QDialog*>(fenetre)->done(-1);
    });
    sonde.start(10);
    return appel();
}

using Geste = std::function<void(QMessageBox*)>;

Geste Clique(const char* texte) {
    return [texte](QMessageBox* boite) {
        for (QAbstractButton* b : boite->findChildren<QAbstractButton*>())
            if (b->text() == QLatin1String(texte)) b->click();
    };
}

// Une touche appuyée là où est le clavier ; la réponse (un clic animé) est attendue.
Geste Touche(Qt::Key touche, const char* texte = "") {
    return [touche, texte](QMessageBox* boite) {
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, QLatin1String(texte));
        QApplication::sendEvent(boite->focusWidget() ? boite->focusWidget() : boite, &appui);
        for (QDeadlineTimer fin(2000); boite->isVisible() && !fin.hasExpired();)
            QApplication::processEvents();
    };
}
} // namespace

TEST(PlateformeQt, ReponsesAuClavierEtFermeture) {
    // Échap et la fermeture ne répondent rien (Qt dirait « Non » ou « Abandonner ») ; o et n,
    // sans Alt, répondent Oui et Non ; chaque bouton rend sa réponse.
    const auto reponses = [](Boutons boutons, std::initializer_list<Geste> gestes) {
        QStringList vues;
        for (const Geste& geste : gestes)
            vues << NomsBoutons[static_cast<int>(Repond(geste, [boutons] {
                return PlateformeQt().Message(TitreVersion, boutons, Icone::Aucune, "TITRE");
            }))];
        return vues.join(' ');
    };
    const Geste echap = Touche(Qt::Key_Escape);
    EXPECT_EQ(reponses(Boutons::Ok, {echap, Clique("OK")}), "Aucun Ok");
    EXPECT_EQ(reponses(Boutons::OkAnnuler, {echap, Clique("Annuler")}), "Aucun Annuler");
    EXPECT_EQ(
        reponses(Boutons::OuiNon, {echap, Clique("&Oui"), Clique("&Non"), Touche(Qt::Key_O, "o"),
                                   Touche(Qt::Key_N, "n"), Touche(Qt::Key_Return)}),
        "Aucun Oui Non Oui Non Oui");
    EXPECT_EQ(reponses(Boutons::AbandonnerRecommencerIgnorer,
                       {echap, [](QMessageBox* boite) { boite->close(); }, Clique("Abandonner"),
                        Clique("Recommencer"), Clique("Ignorer")}),
              "Aucun Aucun Abandonner Recommencer Ignorer");
}

TEST(PlateformeQt, DossiersDesDialogues) {
    // Lecture et sauvegarde partent du dossier donné et offrent celui du fichier ouvert et
    // celui des documents ; l'impression dans un fichier propose le PDF donné.
    DossierTest programme, fichier, documents;
    QFile dossiersUtilisateur(qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs");
    ASSERT_TRUE(dossiersUtilisateur.open(QIODevice::WriteOnly));
    dossiersUtilisateur.write("XDG_DOCUMENTS_DIR=\"" + documents.Chemin().toUtf8() + "\"\n");
    dossiersUtilisateur.close();
    for (const auto dialogue : {&PlateformeQt::DialogueOuvrir, &PlateformeQt::DialogueSauver}) {
        QStringList montre; // le dossier, puis ceux de la colonne
        Repond<QFileDialog>(
            [&](QFileDialog* d) {
                montre << d->directory().path();
                for (const QUrl& url : d->sidebarUrls()) montre << url.toLocalFile();
            },
            [&] {
                return (PlateformeQt().*dialogue)(programme.Chemin(), "*.prg", fichier.Chemin());
            });
        EXPECT_EQ(montre.value(0), programme.Chemin());
        EXPECT_TRUE(montre.contains(fichier.Chemin()) && montre.contains(documents.Chemin()));
    }
    QString propose;
    Repond<QPrintDialog>(
        [&](QPrintDialog* d) {
            propose = d->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
        },
        [&] { return PlateformeQt().DialogueImprimer(fichier.Fichier("maison.pdf")).fichier; });
    EXPECT_EQ(propose, fichier.Fichier("maison.pdf"));
}

TEST(PlateformeQt, BoiteCopieJourCochesEtRaccourcis) {
    // Mercredi de la zone 1 d'emblée ; chaque raccourci coche ses jours. Jours puis zones.
    BoiteCopieJour boite(1, 2);
    const auto coches = [&boite](std::initializer_list<const char*> clics) {
        for (const char* nom : clics) boite.findChild<QAbstractButton*>(nom)->click();
        QString vu;
        for (const bool coche : boite.Cibles().jours) vu += coche ? '1' : '0';
        for (const bool coche : boite.Cibles().zones) vu += coche ? '1' : '0';
        return vu;
    };
    EXPECT_EQ(coches({}), "0010000010");
    EXPECT_EQ(coches({"SamDim", "LunVen", "Tous", "Zone(2)", "Jour(0)"}), "0111111011");
    EXPECT_EQ(coches({"LunVen"}), "1111100011");
    EXPECT_EQ(coches({"SamDim"}), "0000011011");
}

TEST(PlateformeQt, BoiteHorairesRefuseEtRecopie) {
    // Une ligne refusée grise OK. Le clic qui entre dans une ligne la sélectionne (la frappe la
    // remplace) et en fait la source des recopies, que chaque bouton nomme.
    const QString l = QStringLiteral("6h30-8h30");
    BoiteHoraires boite(LignesSemaine{l, l, l, l, l, l, "25h"});
    QPushButton* ok = boite.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const auto recopie = [&boite](int jour, const char* tape, const char* nom) {
        auto* ligne = boite.findChild<QLineEdit*>(QStringLiteral("Horaires(%1)").arg(jour));
        QFocusEvent entree(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(ligne, &entree);
        QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ligne, &relache);
        QKeyEvent frappe(QEvent::KeyPress, 0, Qt::NoModifier, QLatin1String(tape));
        QApplication::sendEvent(ligne, &frappe);
        auto* bouton = boite.findChild<QPushButton*>(QLatin1String(nom));
        bouton->click();
        const LignesSemaine vu = boite.Lignes();
        return bouton->text() + " : " + QStringList(vu.begin(), vu.end()).join('|');
    };
    EXPECT_FALSE(ok->isEnabled());
    // Le lecteur d'écran lit le jour de la ligne et pourquoi elle est refusée.
    QAccessibleInterface* dimanche =
        QAccessible::queryAccessibleInterface(boite.findChild<QLineEdit*>("Horaires(6)"));
    EXPECT_EQ(dimanche->text(QAccessible::Name) + " : " + dimanche->text(QAccessible::Description),
              "Dimanche : « 25h » : il faut un début et une fin");
    EXPECT_EQ(recopie(1, "7h-9h", "LunVen"),
              "&Lun–Ven ← Mardi : 7h-9h|7h-9h|7h-9h|7h-9h|7h-9h|6h30-8h30|25h");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(recopie(6, "9h-10h", "SamDim"),
              "&Sam–Dim ← Dimanche : 7h-9h|7h-9h|7h-9h|7h-9h|7h-9h|9h-10h|9h-10h");
    EXPECT_EQ(recopie(5, "8h-12h", "Tous"),
              "&Tous ← Samedi : 8h-12h|8h-12h|8h-12h|8h-12h|8h-12h|8h-12h|8h-12h");
    EXPECT_TRUE(ok->isEnabled());
}
