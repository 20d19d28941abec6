#pragma once
// Un trait tiré à la souris, sans fenêtre : de la borne de l'appui à celle du pointeur, sur
// chaque rangée entre celle de l'appui et celle du pointeur. Les jours qu'il quitte reprennent
// leur contenu d'avant le trait.
#include "model/Document.h"

#include <QByteArray>
#include <QString>
#include <array>

class Trait {
public:
    // Sur la zone courante, parti du jour "jour" à la borne "debut" ; confort ou éco.
    Trait(Document& document, int jour, int debut, bool confort);

    // Le pointeur sur la rangée "vise", à la borne "fin" : chaque jour touché est écrit.
    void Peint(int vise, int fin);
    // Le trait, compté sans coupe, ferait un neuvième segment sur un des jours peints.
    bool FaitNeuvieme() const;
    // Les jours peints reprennent leur contenu d'avant le trait.
    void Reprend();
    // "Lundi à Mercredi 6H00 → 8H00" : ce que le trait écrira.
    QString Periode() const;

private:
    QByteArray Peint(int jour) const;

    Document& doc_;
    int zone_;
    int jour_;
    int debut_;
    bool confort_;
    std::array<QByteArray, NbJours> avant_;
    int premier_, dernier_; // rangées peintes
    int depuis_ = 0, nombre_ = 0;
};
