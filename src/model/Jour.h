#pragma once
// Règles d'une chaîne de jour : 144 créneaux ("1" confort, tout autre caractère éco)
// puis une queue de quatre caractères.
#include <QByteArray>
#include <vector>

// Une barre du graphique, en créneaux : premier créneau et nombre de créneaux.
struct BarreSegment {
    int debut = 0;
    int largeur = 0;
};

// Parcourt les 144 créneaux (tout autre caractère que "1" vaut éco, un jour court finit en éco).
// Le neuvième segment et tout ce qui suit passent en éco, jusqu'au troisième caractère de la
// queue ; la chaîne garde sa longueur. Rend les barres des segments restants (huit au plus),
// dans l'ordre du jour ; leur nombre est le nombre de segments du jour.
std::vector<BarreSegment> ValideJour(QByteArray& jour);
// Les barres que ValideJour laisserait au jour, sans le toucher.
std::vector<BarreSegment> BarresJour(const QByteArray& jour);

// Le caractère à cette position est "1" ; hors de la chaîne, éco. Pas de limite aux 144
// créneaux : la fin d'un segment se cherche aussi dans la queue.
bool EstConfort(const QByteArray& jour, int position);
// Segments de confort des 144 créneaux, neuvième et suivants compris.
int CompteSegments(const QByteArray& jour);

// Complète en éco un jour trop court (lu tel quel d'un fichier) avant d'y écrire par position.
void CompleteJour(QByteArray& jour);

// Écrit "nombre" fois "valeur" à partir du créneau "curseur", sans dépasser le
// créneau 143 ; la queue n'est jamais touchée. Un jour trop court est d'abord complété.
void EcritCreneaux(QByteArray& jour, int curseur, char valeur, int nombre);
