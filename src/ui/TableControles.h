#pragma once
// Les contrôles fixes de la fenêtre, tels que dessinés (twips, dans leur parent).
#include <QString>
#include <vector>

enum class Genre { Cadre, CadreTitre, Etiquette, Texte, Bouton, Case, BarreV, BarreH, Progression };

struct DescriptionControle {
    QString nom;    // objectName, "Text2(0)" pour un élément de tableau
    QString parent; // "" : zone cliente sous la barre de menus
    Genre genre;
    int gauche, haut, largeur, hauteur;
    QString texte;
    QString infobulle;
};

const std::vector<DescriptionControle>& TableControles();

// Rangées de la semaine, étiquettes d'heures et autres tableaux dessinés à la main.
inline constexpr int HautsRangees[7] = {705, 1515, 2370, 3180, 4035, 4860, 5700};
inline constexpr int HautsJours[7] = {930, 1740, 2580, 3405, 4245, 5070, 5895};
inline constexpr int GauchesHeures[24] = {1800, 2160, 2600, 2980, 3360, 3760,  4175,  4560,
                                          4980, 5350, 5760, 6150, 6550, 6940,  7350,  7750,
                                          8160, 8540, 8930, 9250, 9630, 10060, 10450, 10815};
