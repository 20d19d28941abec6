#include "zone/Identifiant.h"

#include <cmath>

namespace {
// Seuls les 16 bits bas partent vers la télécommande : c'est eux qui doivent différer.
quint16 SurLesOndes(qint32 identifiant) {
    return static_cast<quint16>(identifiant);
}
} // namespace

qint32 TireIdentifiant(double r) {
    // Un tirage hors de [0, 1) ne doit pas sortir de la plage des identifiants.
    if (!(r >= 0.0)) r = 0.0;
    const qint32 tire = static_cast<qint32>(std::floor(r * 65535.0));
    return tire > 65534 ? 65534 : tire;
}

qint32 ResoutCollision(const std::array<qint32, 3>& identifiants, int zone) {
    static constexpr int Ordre[3][2] = {{1, 2}, {0, 2}, {1, 0}};
    qint32 id = identifiants[zone];
    for (int i = 0; i < 2;) {
        if (SurLesOndes(id) == SurLesOndes(identifiants[Ordre[zone][i]])) {
            // Relevé dans 0..65535 : le nombre affiché est celui qui part.
            id = (SurLesOndes(id) + 15) % 65536;
            i = 0;
        } else {
            ++i;
        }
    }
    return id;
}

IdentifiantLu LitIdentifiant(const QString& texte, const std::array<qint32, 3>& identifiants,
                             int zone) {
    bool lu = false;
    const qlonglong nombre = texte.trimmed().toLongLong(&lu);
    if (!lu) return {-1, QStringLiteral("« %1 » n'est pas un identifiant.").arg(texte)};
    if (nombre < 0 || nombre > 65535)
        return {-1, QStringLiteral("« %1 » : l'identifiant va de 0 à 65535.").arg(texte)};
    for (int z = 0; z < static_cast<int>(identifiants.size()); ++z)
        if (z != zone && SurLesOndes(identifiants[z]) == nombre)
            return {
                -1,
                QStringLiteral("« %1 » : la zone %2 a déjà cet identifiant.").arg(texte).arg(z)};
    return {static_cast<qint32>(nombre), {}};
}
