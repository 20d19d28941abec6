#include "link/JournauxTransmission.h"

namespace {
const QByteArray FinLigne = "\r\n";

QByteArray Hex(quint32 valeur) {
    return QByteArray::number(valeur, 16).toUpper();
}

QByteArray Hex4(quint32 valeur) {
    return QByteArray::number(valeur & 0xFFFF, 16).toUpper().rightJustified(4, '0');
}

QByteArray Octet(const ElementTrame& e) {
    return QByteArray(1, static_cast<char>(e.octet));
}

QByteArray Somme(const ElementTrame& e) {
    // Écrite une fois pour ses deux octets.
    return e.indice == 0 ? " CHKSUM=" + Hex4(e.valeur) + ' ' : QByteArray();
}

constexpr int IndiceAnnee = 6;
} // namespace

QByteArray JournalBrut(const ElementTrame& e) {
    switch (e.genre) {
    case GenreElement::SommeSection:
        return e.indice == 1 ? Octet(e) + FinLigne : Octet(e);
    case GenreElement::Horloge:
        return e.indice == 0 ? "--" + Octet(e) : Octet(e);
    default:
        return Octet(e);
    }
}

QByteArray JournalTrace(const ElementTrame& e) {
    switch (e.genre) {
    case GenreElement::Depart:
        return "R  ";
    case GenreElement::OctetProgramme:
        return Hex(e.octet) + '-';
    case GenreElement::FinBloc:
        return "F]";
    case GenreElement::SommeBloc:
    case GenreElement::SommeSection:
        return Somme(e);
    case GenreElement::Horloge: {
        const QByteArray valeur = e.indice == IndiceAnnee
                                      ? QByteArray::number(e.valeur).rightJustified(2, '0')
                                      : QByteArray::number(e.valeur);
        return (e.indice == 0 ? QByteArray(" -DATE-") : QByteArray()) + valeur + '-';
    }
    case GenreElement::Identifiant:
        return e.indice == 0 ? " IDENTIF=" + Hex4(e.valeur) + ' ' : QByteArray();
    case GenreElement::Temperature: {
        // La trace montre la température enregistrée (169 -> "A9"), pas l'octet envoyé :
        // celle du fichier programme, que l'on compare à l'écran ; les traces gardées
        // restent comparables d'un envoi à l'autre.
        const QByteArray entete = e.zone == 0 && e.indice == 0 ? " TEMP:" + FinLigne : QByteArray();
        return entete + Hex(e.valeur) + '-';
    }
    case GenreElement::ZeroTemperature:
        return e.indice == NbTemperatures - 1 ? "0-" + FinLigne : QByteArray("0-");
    case GenreElement::Remplissage:
        return "0-";
    }
    return QByteArray();
}

QByteArray LigneEchec(int rang, const QString& cause) {
    // Journaux en texte 8 bits, comme le fichier programme.
    return "** ECHEC DE LA TRANSMISSION : octet " + QByteArray::number(rang) + " sur " +
           QByteArray::number(LongueurTrame) + ", " + cause.toLatin1() + " **" + FinLigne;
}

QByteArray JournalBrut(const Trame& trame) {
    QByteArray contenu;
    for (const ElementTrame& e : trame) contenu += JournalBrut(e);
    return contenu;
}

QByteArray JournalTrace(const Trame& trame) {
    QByteArray contenu;
    for (const ElementTrame& e : trame) contenu += JournalTrace(e);
    return contenu;
}
