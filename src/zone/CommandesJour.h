#pragma once
// Règles des boutons "Conf.", "Eco.", "Conf./1H", "Eco/1H" sur la chaîne d'un jour.
#include "model/Jour.h"

#include <QByteArray>

// Avertissement des huit segments : "Conf." regarde les deux voisins du créneau,
// "Conf./1H" seulement le créneau d'avant.
enum class RegleHuitSegments { Creneau, Heure };

// Vrai quand la commande confort doit demander confirmation avant d'écrire :
// le jour a déjà huit segments et l'écriture en ouvrirait peut-être un neuvième.
// Au curseur 144 (24H00) il n'y a pas de créneau : jamais de question.
bool DemandeConfirmation(const QByteArray& jour, int curseur, int nbSegments,
                         RegleHuitSegments regle);

// Position du curseur après la commande : avancé de "avance" s'il reste dans la
// barre, sinon laissé où il est.
int CurseurApres(int curseur, int avance, int maximum);
