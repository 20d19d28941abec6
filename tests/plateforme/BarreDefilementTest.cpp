#include "plateforme/BarreDefilement.h"

#include <gtest/gtest.h>

TEST(BarreDefilement, MinAuDessusDeMax) {
    BarreDefilement jour(Qt::Vertical, 7, 0);
    int changements = 0;
    QObject::connect(&jour, &BarreDefilement::Change, [&] { ++changements; });
    EXPECT_EQ(jour.Valeur(), 0); // une barre neuve vaut 0, poignée en bas
    EXPECT_EQ(jour.value(), 7);
    jour.ChangeValeur(7);
    EXPECT_EQ(jour.Valeur(), 7);
    EXPECT_EQ(jour.value(), 0); // 7 est en haut
    EXPECT_EQ(changements, 1);
    jour.ChangeValeur(7); // même valeur : pas de signal
    EXPECT_EQ(changements, 1);
    jour.ChangeValeur(0);
    // La flèche du haut augmente la valeur ; celle du bas s'arrête à 0 sans signal.
    jour.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(jour.Valeur(), 1);
    jour.ChangeValeur(0);
    changements = 0;
    jour.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(jour.Valeur(), 0);
    EXPECT_EQ(changements, 0);
    jour.ChangeValeur(12); // hors bornes : ramenée
    EXPECT_EQ(jour.Valeur(), 7);
}

TEST(BarreDefilement, ChangementSignaleAvantDeRendreLaMain) {
    BarreDefilement temperature(Qt::Vertical, 198, 128);
    EXPECT_EQ(temperature.Valeur(), 128); // 0 hors bornes : la plus proche
    int vueDansLeSignal = 0;
    QObject::connect(&temperature, &BarreDefilement::Change,
                     [&] { vueDansLeSignal = temperature.Valeur(); });
    temperature.ChangeValeur(169);
    EXPECT_EQ(vueDansLeSignal, 169);
    EXPECT_EQ(temperature.value(), 198 - 169);

    BarreDefilement curseur(Qt::Horizontal, 0, 144);
    curseur.ChangeValeur(-5);
    EXPECT_EQ(curseur.Valeur(), 0);
    curseur.ChangeValeur(144);
    EXPECT_EQ(curseur.value(), 144);
}
