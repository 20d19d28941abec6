// Chaque édition se défait et se refait en un pas : défaite, l'écran redevient exactement
// celui d'avant (programme enregistré, non modifié, coupe d'un neuvième segment revenue) ;
// refaite, celui d'après. Le menu nomme le pas.
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QRegularExpression>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct Cas {
    const char* edition; // actions séparées par « ; »
    const char* nom;     // le pas, tel que le menu le nomme
};
const Cas Editions[] = {
    {"boite Ok;clic CmdHigh", "Conf."},
    {"clic Cmd1Hmoins", "Eco/1H"},
    {"clic CmdCLS", "CLS"},
    {"barre VScJour 5;clic CmdCopy;barre VScJour 0;clic CmdPASTE", "Coller"},
    {"souris Label2(0) droit 10 5", "Clic droit"},
    {"barre VScroll3(0) 160", "Température Confort"},
    {"boite Oui;hasard 0.5;clic CmdID", "ID"},
};

// Tout l'écran, sauf le curseur qu'une édition avance sans que défaire le ramène ; les hauteurs
// des barres suivent les températures.
QString Ecran(const Scenario& s) {
    QStringList lignes;
    for (const auto& [cle, ligne] : s.EtatVu())
        if (cle != QLatin1String("curseur")) lignes << ligne;
    for (const char* nom : {"ShTemp(0)", "Shape1(0)"}) {
        const QRect r = s.fenetre->findChild<QWidget*>(QLatin1String(nom))->geometry();
        lignes << QStringLiteral("%1 %2 %3").arg(QLatin1String(nom)).arg(r.top()).arg(r.height());
    }
    // Le bouton ID écrit l'identifiant avec la colonne du signe (un blanc devant), tout
    // affichage suivant sans : c'est le même nombre.
    return lignes.join('\n').replace(QStringLiteral("identifiant «  "),
                                     QStringLiteral("identifiant « "));
}

class Historique : public testing::TestWithParam<Cas> {};

TEST_P(Historique, DefaitEtRefaitEnUnPas) {
    const Cas& cas = GetParam();
    Scenario s;
    // Lundi à huit segments : « Conf. » en ferait un neuvième, coupé.
    s.Joue(QStringLiteral("> demarre\n> jour 0 0 10-11,20-21,30-31,40-41,50-51,60-61,70-71,80-81\n"
                          "> valide\n> enregistre\n> barre HScroll1 35\n"
                          // Le jour nommé comme après tout changement de jour, pas « LUNDI ».
                          "> barre VScJour 1\n> barre VScJour 0\n"));
    const QString avant = Ecran(s);
    s.Joue(QStringLiteral("> ") + QString::fromUtf8(cas.edition).replace(';', "\n> ") + '\n');
    const QString apres = Ecran(s);
    ASSERT_NE(avant, apres);
    auto* annuler = s.fenetre->findChild<QAction*>(QStringLiteral("Annuler"));
    auto* retablir = s.fenetre->findChild<QAction*>(QStringLiteral("Retablir"));
    EXPECT_EQ(annuler->text(), QStringLiteral("Annuler « %1 »").arg(QString::fromUtf8(cas.nom)));
    annuler->trigger();
    EXPECT_FALSE(annuler->isEnabled());
    EXPECT_EQ(Ecran(s).toStdString(), avant.toStdString());
    EXPECT_EQ(retablir->text(), QStringLiteral("Rétablir « %1 »").arg(QString::fromUtf8(cas.nom)));
    retablir->trigger();
    EXPECT_EQ(Ecran(s).toStdString(), apres.toStdString());
    EXPECT_FALSE(s.plateforme.Boites.empty() && QString::fromUtf8(cas.edition).contains("boite"));
}

INSTANTIATE_TEST_SUITE_P(Editions, Historique, testing::ValuesIn(Editions),
                         [](const testing::TestParamInfo<Cas>& info) {
                             QString nom = QString::fromUtf8(info.param.nom);
                             nom.replace(QRegularExpression("[^A-Za-z0-9]"), "_");
                             return nom.toStdString();
                         });
} // namespace
