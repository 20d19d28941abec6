#pragma once
// Règles des boutons "Conf.", "Eco.", "Conf./1H", "Eco/1H" sur la chaîne d'un jour.
#include <QByteArray>

// Avertissement des huit segments : "Conf." regarde les deux voisins du créneau,
// "Conf./1H" seulement le créneau d'avant.
enum class RegleHuitSegments { Creneau, Heure };

// Vrai quand la commande confort doit demander confirmation avant d'écrire :
// le jour a déjà huit segments et l'écriture en ouvrirait peut-être un neuvième.
// Au curseur 144 (24H00) il n'y a pas de créneau : jamais de question.
bool DemandeConfirmation(const QByteArray& jour, int curseur, int nbSegments,
                         RegleHuitSegments regle);

// Écrit "nombre" fois "valeur" à partir du créneau "curseur", sans dépasser le
// créneau 143 ; la queue n'est jamais touchée. Un jour trop court est d'abord
// complété à 148 "0".
void EcritCreneaux(QByteArray& jour, int curseur, char valeur, int nombre);

// Position du curseur après la commande : avancé de "avance" s'il reste dans la
// barre, sinon laissé où il est.
int CurseurApres(int curseur, int avance, int maximum);
