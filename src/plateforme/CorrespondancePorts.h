#pragma once
// Ce que désignent COM1..COM4 : le lien COMn du dossier du programme quand il existe, sinon
// les périphériques série détectés, dans un ordre qui ne dépend pas de l'ordre de branchement.
// Rien ici ne lit le disque : les périphériques et les liens sont donnés.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

constexpr int NbPortsCom = 4;

struct PeripheriqueSerie {
    QString chemin;      // "/dev/ttyUSB0"
    QString nomStable;   // "/dev/serial/by-id/usb-FTDI_…-if00-port0", vide s'il n'y en a pas
    QString description; // fabricant et produit ("FTDI FT232R USB UART")
    QString numeroSerie;
    bool usb = false;
    // Port de la plateforme sans circuit série derrière : tout ce qu'on y écrit se perd.
    bool sansUart = false;
};

// L'entrée COMn du dossier du programme.
struct LienCom {
    QString chemin; // l'entrée elle-même, que l'on ouvre
    QString cible;  // ce qu'elle désigne au bout des liens, ou la cible écrite si elle manque
};

struct PortAssocie {
    QString chemin; // à ouvrir ; vide : COMn ne désigne rien
    QString cible;  // le périphérique au bout
    bool lien = false;
    std::optional<PeripheriqueSerie> peripherique; // détecté au bout, s'il l'est
};

struct Correspondance {
    std::array<PortAssocie, NbPortsCom> com;
    // Périphériques utilisables qu'aucun lien ne désigne : la liste du menu des ports.
    std::vector<PeripheriqueSerie> libres;
};

// Les périphériques utilisables dans l'ordre stable : les adaptateurs USB par nom stable,
// puis les ports de la plateforme qui ont une UART.
std::vector<PeripheriqueSerie> Utilisables(std::vector<PeripheriqueSerie> detectes);

Correspondance AssociePorts(const std::vector<PeripheriqueSerie>& detectes,
                            const std::array<std::optional<LienCom>, NbPortsCom>& liens);

// "/dev/ttyUSB0 — FTDI FT232R USB UART (A50285BI)".
QString LibellePeripherique(const PeripheriqueSerie& peripherique);
// "/dev/ttyUSB0 — FTDI FT232R USB UART (A50285BI)", "/dev/pts/7, par le lien …/COM1",
// "aucun périphérique".
QString LibellePort(const PortAssocie& port);
// "COM1 : " et le libellé.
QString DescriptionCom(int numero, const PortAssocie& port);

// Ce qui reconnaît ce que désigne un COMn d'un usage à l'autre : le lien du dossier (posé par
// l'utilisateur, même s'il mène ailleurs depuis), sinon le nom stable, sinon le chemin ; vide
// quand COMn ne désigne rien.
QString IdentitePort(const PortAssocie& port);
// Vrai si le port mène à ce qui a cette identité : lui-même, le bout de son lien, ou le
// périphérique détecté au bout (nom stable ou chemin). Un lien posé vers le périphérique qui
// a servi reste le même appareil.
bool MeneA(const PortAssocie& port, const QString& identite);
// Ce qui avait cette identité est encore là : le lien dans le dossier, le périphérique branché.
bool IdentitePresente(const QString& identite, const Correspondance& correspondance,
                      const std::vector<PeripheriqueSerie>& detectes);
// La bulle de COMn quand il désigne autre chose que ce qui a servi (libellé "retenu").
QString DescriptionComChange(int numero, const QString& retenu, bool present,
                             const PortAssocie& actuel);
// Une ligne par périphérique utilisable, puis une par COMn.
QStringList LignesPorts(const std::vector<PeripheriqueSerie>& detectes,
                        const Correspondance& correspondance);

// Les échecs courants, dits à l'utilisateur avec ce qu'il peut y faire.
QString TexteAucunPeripherique(int numero, const QString& chemin,
                               const std::vector<PeripheriqueSerie>& detectes);
QString TexteAccesRefuse(int numero, const QString& chemin, const QString& groupe,
                         const QString& utilisateur);
QString TexteSansUart(int numero, const QString& chemin);
// Un lien COMn vers un fichier ordinaire, /dev/null…
QString TextePasUnPortSerie(int numero, const QString& chemin);
// Ce qui a servi pour COMn n'est plus là ; ou autre chose est à sa place (la question).
QString TextePeripheriqueParti(int numero, const QString& retenu);
QString TextePeripheriqueRemplace(int numero, const QString& retenu, const QString& actuel);
// Le même sans personne pour répondre (la ligne de commande) : rien n'est envoyé.
QString TextePeripheriqueRefuse(int numero, const QString& retenu, const QString& actuel);
