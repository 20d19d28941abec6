#pragma once
// Contrôles fixes posés d'après une table dessinée en twips, retrouvés ensuite par leur nom.
#include <QColor>
#include <QHash>
#include <QPalette>
#include <QString>
#include <QVariant>
#include <vector>

class QAction;
class QMenu;
class QWidget;

enum class Genre { Cadre, CadreTitre, Etiquette, Texte, Bouton, Case, BarreV, BarreH, Progression };

struct DescriptionControle {
    QString nom;    // objectName, "Text2(0)" pour un élément de tableau
    QString parent; // "" : zone cliente sous la barre de menus
    Genre genre;
    int gauche, haut, largeur, hauteur;
    QString texte;
    QString infobulle;
};

// Bornes d'une barre de défilement de la table, au sens Min/Max de BarreDefilement.
struct BornesBarre {
    QString nom;
    int min, max;
};

class ControlesNommes {
public:
    template <typename T> T* Prend(const QString& nom) const {
        return qobject_cast<T*>(parNom_.value(nom));
    }
    void Ajoute(const QString& nom, QWidget* controle) { parNom_.insert(nom, controle); }

private:
    QHash<QString, QWidget*> parNom_;
};

// Crée les contrôles dans l'ordre de la table, puis les barres dans l'ordre de "barres" :
// l'ordre de création fixe l'empilement des contrôles qui se chevauchent d'un pixel.
ControlesNommes ConstruitControles(QWidget* centre, const std::vector<DescriptionControle>& table,
                                   const std::vector<BornesBarre>& barres);

// "ShTemp(12)" : un élément de tableau porte son nom et son indice.
QString NomIndexe(const char* nom, int index);
// Couleur d'un rôle de la palette, le fond rempli.
void Colore(QWidget* controle, QPalette::ColorRole role, const QColor& couleur);

// Commande de menu nommée (objectName) : les tests la retrouvent par ce nom.
QAction* AjouteAction(QMenu* menu, const char* nom, const QString& texte);

// Désactive en gardant l'état d'avant, que la réactivation remet : une transmission grise
// tout, puis rend à chaque commande l'état qu'elle avait.
template <typename T> void Bascule(T* objet, bool actif) {
    static const char* const propriete = "actifAvantTransmission";
    if (!objet) return;
    if (!actif) {
        if (!objet->property(propriete).isValid())
            objet->setProperty(propriete, objet->isEnabled());
        objet->setEnabled(false);
        return;
    }
    const QVariant avant = objet->property(propriete);
    if (!avant.isValid()) return;
    objet->setEnabled(avant.toBool());
    objet->setProperty(propriete, QVariant());
}
