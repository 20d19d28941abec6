#include "link/TrameProgramme.h"
#include "model/OctetsJour.h"

namespace {
constexpr quint8 OctetDepart = 'R';
constexpr quint8 OctetFinBloc = 'F';
// Le bloc B d'une zone porte 62 octets de programme puis la somme de section.
constexpr int OctetsProgrammeBlocB = OctetsProgrammeZone - OctetsParBloc;
static_assert(OctetsProgrammeBlocB + 2 == OctetsParBloc, "bloc B : 62 octets + somme de section");

// Ajoute les éléments d'un bloc en tenant ses deux sommes (sur 32 bits, coupées à l'envoi).
class Bloc {
public:
    Bloc(Trame& trame, int numero, int zone) : trame_(trame), numero_(numero), zone_(zone) {}

    void Ajoute(ElementTrame e) {
        e.bloc = numero_;
        if (e.zone < 0) e.zone = zone_;
        trame_.push_back(e);
        sommeBloc_ += e.octet;
        sommeSection_ += e.octet;
    }
    // La somme de section compte dans la somme du bloc qu'elle termine.
    void FermeSection() {
        const quint32 section = sommeSection_;
        for (const ElementTrame& e : Somme(GenreElement::SommeSection, section)) {
            trame_.push_back(e);
            sommeBloc_ += e.octet;
        }
    }
    void Ferme(bool pause) {
        ElementTrame f;
        f.genre = GenreElement::FinBloc;
        f.octet = OctetFinBloc;
        f.zone = zone_;
        f.bloc = numero_;
        trame_.push_back(f);
        auto somme = Somme(GenreElement::SommeBloc, sommeBloc_);
        somme[1].pause = pause;
        trame_.insert(trame_.end(), somme.begin(), somme.end());
    }
    // Bloc suivant de la même section : la somme de section continue.
    void Suivant() {
        ++numero_;
        sommeBloc_ = 0;
    }

private:
    std::array<ElementTrame, 2> Somme(GenreElement genre, quint32 somme) const {
        const quint16 coupee = static_cast<quint16>(somme);
        std::array<ElementTrame, 2> octets;
        for (int i = 0; i < 2; ++i) {
            octets[i].genre = genre;
            octets[i].octet = static_cast<quint8>(i == 0 ? coupee & 0xFF : coupee >> 8);
            octets[i].indice = i;
            octets[i].zone = zone_;
            octets[i].bloc = numero_;
            octets[i].valeur = coupee;
        }
        return octets;
    }

    Trame& trame_;
    int numero_;
    int zone_;
    quint32 sommeBloc_ = 0;
    quint32 sommeSection_ = 0;
};

void AjouteZone(Trame& trame, const Programme& programme, int z) {
    Bloc bloc(trame, 2 * z + 1, z);
    int compte = 0;
    for (int d = 0; d < NbJours; ++d) {
        const auto octets = OctetsJour(programme.ProgJour[z][d]);
        for (int j = 0; j < NbOctetsJour; ++j) {
            ElementTrame e;
            e.genre = GenreElement::OctetProgramme;
            e.octet = octets[j];
            e.jour = d;
            e.indice = j;
            e.valeur = octets[j];
            bloc.Ajoute(e);
            ++compte;
            // Le bloc A se ferme au dixième octet du jeudi, pas à une fin de jour.
            if (compte == OctetsParBloc) {
                bloc.Ferme(true);
                bloc.Suivant();
            } else if (compte == OctetsProgrammeZone) {
                bloc.FermeSection();
                bloc.Ferme(true);
            }
        }
    }
}

ElementTrame Element(GenreElement genre, quint8 octet, int indice, quint32 valeur, int zone = -1) {
    ElementTrame e;
    e.genre = genre;
    e.octet = octet;
    e.indice = indice;
    e.valeur = valeur;
    e.zone = zone;
    return e;
}
} // namespace

quint8 Bcd(int valeur) {
    const int v = qBound(0, valeur, 99);
    return static_cast<quint8>((v / 10) * 16 + v % 10);
}

int JourSemaineTelecommande(const QDate& date) {
    // Qt : 1 = lundi ... 7 = dimanche.
    return date.dayOfWeek() % 7 + 1;
}

Trame TrameZones(const Programme& programme) {
    Trame trame;
    trame.reserve(LongueurTrame);
    trame.push_back(Element(GenreElement::Depart, OctetDepart, 0, OctetDepart));
    for (int z = 0; z < NbZones; ++z) AjouteZone(trame, programme, z);
    return trame;
}

Trame BlocReglages(const Programme& programme, qint32 identifiant, const QDateTime& horloge) {
    Trame trame;
    Bloc bloc(trame, 2 * NbZones + 1, -1);
    const QDate date = horloge.date();
    const QTime heure = horloge.time();
    const int annee = ((date.year() % 100) + 100) % 100;
    const int valeurs[7] = {
        heure.second(), heure.minute(), heure.hour(), JourSemaineTelecommande(date),
        date.day(),     date.month(),   annee};
    for (int i = 0; i < 7; ++i)
        bloc.Ajoute(Element(GenreElement::Horloge, Bcd(valeurs[i]), i,
                            static_cast<quint32>(qMax(valeurs[i], 0))));

    // Seuls les 16 bits bas partent, poids fort d'abord.
    const quint16 id = static_cast<quint16>(identifiant);
    bloc.Ajoute(Element(GenreElement::Identifiant, static_cast<quint8>(id >> 8), 0, id));
    bloc.Ajoute(Element(GenreElement::Identifiant, static_cast<quint8>(id & 0xFF), 1, id));

    for (int z = 0; z < NbZones; ++z) {
        for (int t = 0; t < NbTemperatures; ++t) {
            const qint16 stockee = programme.TempZone[z][t];
            bloc.Ajoute(Element(GenreElement::Temperature,
                                static_cast<quint8>(stockee - TemperatureMin), t,
                                static_cast<quint16>(stockee), z));
        }
        for (int t = 0; t < NbTemperatures; ++t)
            bloc.Ajoute(Element(GenreElement::ZeroTemperature, 0, t, 0, z));
    }
    for (int i = 0; i < NbRemplissage; ++i)
        bloc.Ajoute(Element(GenreElement::Remplissage, 0, i, 0));
    bloc.FermeSection();
    bloc.Ferme(false); // pas de pause après le dernier bloc
    return trame;
}

Trame TrameProgramme(const Programme& programme, int zoneCourante, const QDateTime& horloge) {
    Trame trame = TrameZones(programme);
    const int zone = qBound(0, zoneCourante, NbZones - 1);
    const Trame reglages = BlocReglages(programme, programme.IdentZone[zone], horloge);
    trame.insert(trame.end(), reglages.begin(), reglages.end());
    return trame;
}

QByteArray OctetsTrame(const Trame& trame) {
    QByteArray octets;
    octets.reserve(static_cast<qsizetype>(trame.size()));
    for (const ElementTrame& e : trame) octets.append(static_cast<char>(e.octet));
    return octets;
}

int AvancesProgression(const ElementTrame& e) {
    switch (e.genre) {
    case GenreElement::OctetProgramme:
        // Le dimanche finit avec le bloc B : son pas de jour vient après la somme du bloc.
        return 1 + (e.indice == NbOctetsJour - 1 && e.jour != NbJours - 1 ? 1 : 0);
    case GenreElement::SommeBloc:
        if (e.indice != 1 || e.zone < 0) return 0;
        return e.bloc % 2 == 0 ? 2 : 1;
    case GenreElement::Horloge:
    case GenreElement::Temperature:
    case GenreElement::Remplissage:
        return 1;
    default:
        return 0;
    }
}
