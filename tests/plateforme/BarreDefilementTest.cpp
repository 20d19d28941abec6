// Barres dont le minimum est en haut ; les flèches et les valeurs courantes sont jouées par
// les scénarios.
#include "plateforme/BarreDefilement.h"

#include <gtest/gtest.h>

TEST(BarreDefilement, BornesInverseesEtRamenees) {
    BarreDefilement jour(Qt::Vertical, 7, 0);
    int changements = 0;
    QObject::connect(&jour, &BarreDefilement::Change, [&] { ++changements; });
    EXPECT_EQ(jour.value(), 7); // une barre neuve vaut 0, poignée en bas
    jour.ChangeValeur(12);      // hors bornes : ramenée à 7, en haut
    jour.ChangeValeur(7);       // même valeur : pas de signal
    EXPECT_EQ(jour.Valeur(), 7);
    EXPECT_EQ(jour.value(), 0);
    EXPECT_EQ(changements, 1);
    // 0 hors bornes : la plus proche ; le signal voit déjà la nouvelle valeur.
    BarreDefilement temperature(Qt::Vertical, 198, 128);
    EXPECT_EQ(temperature.Valeur(), 128);
    QObject::connect(&temperature, &BarreDefilement::Change,
                     [&] { changements = temperature.Valeur(); });
    temperature.ChangeValeur(169);
    EXPECT_EQ(changements, 169);
    BarreDefilement curseur(Qt::Horizontal, 0, 144);
    curseur.ChangeValeur(-5);
    EXPECT_EQ(curseur.Valeur(), 0);
}
