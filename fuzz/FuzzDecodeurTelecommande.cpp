// Décodeur de la télécommande virtuelle face à n'importe quel flux d'octets et de silences :
// ni plantage ni fuite, et le compte des réponses ne recule jamais.
// Premier octet pair : flux régulier (2 ms par octet, 200 ms après chaque bloc de zone, aux
// places de la trame du programme). Impair : couples (octet, silence avant lui en 10 ms).
#include "DecodeurTelecommande.h"
#include "link/TrameProgramme.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace {
std::set<int> RangsAvecPause() {
    std::set<int> rangs;
    const Trame trame = TrameProgramme(Programme{}, 0, QDateTime(QDate(2024, 3, 4), QTime(7, 30)));
    for (int i = 0; i < static_cast<int>(trame.size()); ++i)
        if (trame[i].pause) rangs.insert(i);
    return rangs;
}

void Verifie(const DecodeurTelecommande& decodeur, int& reponses) {
    if (decodeur.Reponses() < reponses) {
        std::fprintf(stderr, "fuzz-telecommande : réponses %d puis %d\n", reponses,
                     decodeur.Reponses());
        std::abort();
    }
    reponses = decodeur.Reponses();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    static const std::set<int> pauses = RangsAvecPause();
    if (taille == 0) return 0;
    const uint8_t* flux = octets + 1;
    const size_t n = taille - 1;
    DecodeurTelecommande decodeur;
    qint64 instant = 0;
    int reponses = 0;
    if (octets[0] % 2 == 0) {
        for (size_t i = 0; i < n; ++i) {
            decodeur.Recoit(flux[i], instant);
            Verifie(decodeur, reponses);
            instant +=
                pauses.count(static_cast<int>(i % DecodeurTelecommande::LongueurTrame)) ? 200 : 2;
        }
    } else {
        for (size_t i = 0; i + 1 < n; i += 2) {
            instant += flux[i + 1] * 10;
            decodeur.Avance(instant);
            decodeur.Recoit(flux[i], instant);
            Verifie(decodeur, reponses);
        }
    }
    decodeur.Avance(instant + DecodeurTelecommande::SilenceFinMs);
    decodeur.Avance(instant + DecodeurTelecommande::SilenceAbandonMs);
    Verifie(decodeur, reponses); // une trame de 470 octets ou plus passe aussi par DecodeTrame
    return 0;
}
