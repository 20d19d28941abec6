#pragma once
// Identifiant radio d'une zone : tirage et règle des collisions.
#include <QString>
#include <QtGlobal>
#include <array>

// Partie entière de r x 65535, r pris dans [0, 1).
qint32 TireIdentifiant(double r);

// Identifiant de "zone" rendu différent des deux autres sur ses 16 bits bas, les seuls
// envoyés : +15 à chaque égalité, repassant par 0 après 65535, en comparant dans l'ordre
// 0 : 1 puis 2 ; 1 : 0 puis 2 ; 2 : 1 puis 0. Les autres zones ne changent jamais, même
// si elles partagent déjà un identifiant ; un identifiant au-delà de 65535 lu d'un fichier
// y reste tel quel.
qint32 ResoutCollision(const std::array<qint32, 3>& identifiants, int zone);

struct IdentifiantLu {
    qint32 valeur; // -1 : refusé, pour la raison dite
    QString raison;
};
// Identifiant tapé pour "zone" : un entier de 0 à 65535 (les 16 bits envoyés), différent de
// celui des deux autres zones sur ces 16 bits.
IdentifiantLu LitIdentifiant(const QString& texte, const std::array<qint32, 3>& identifiants,
                             int zone);
