#pragma once
// Les deux vues d'un jour : la chaîne de créneaux et ses segments de confort.
// Code pur : aucune fenêtre, utilisé par la validation du jour et le texte des segments.
#include <QByteArray>
#include <QString>
#include <vector>

// Une barre du graphique, en créneaux : premier créneau et nombre de créneaux.
struct BarreSegment {
    int debut = 0;
    int largeur = 0;
    bool operator==(const BarreSegment& autre) const {
        return debut == autre.debut && largeur == autre.largeur;
    }
};

// Parcourt les 144 créneaux (tout autre caractère que "1" vaut éco, un jour court finit en éco).
// Le neuvième segment et tout ce qui suit passent en éco, jusqu'au troisième caractère de la
// queue ; la chaîne garde sa longueur. Rend les barres des segments restants (huit au plus),
// dans l'ordre du jour ; leur nombre est le nombre de segments du jour.
std::vector<BarreSegment> ValideJour(QByteArray& jour);

// Texte des heures des segments : "   (7H00-9H30)     (17H00-22H00)     ".
QString TexteSegments(const QByteArray& jour);
