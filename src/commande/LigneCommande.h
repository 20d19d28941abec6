#pragma once
// La ligne de commande : vérifier un fichier programme, charger la télécommande, sans fenêtre
// ni écran, pour les scripts et les chargements programmés (l'horloge de la télécommande
// remise à l'heure chaque nuit).
#include "plateforme/CorrespondancePorts.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Minuterie;
class PortSerie;
class QTextStream;
struct Programme;

// Codes de sortie, pour les scripts.
namespace CodeSortie {
constexpr int Reussi = 0;
constexpr int NonConforme = 1;   // --verifie : au moins un problème
constexpr int PortFerme = 2;     // le port ne s'ouvre pas
constexpr int FichierRefuse = 3; // non conforme ou température hors 0..35 °C : rien ne part
constexpr int PortPerdu = 4;     // le port a lâché pendant l'envoi
constexpr int JournalPerdu = 5;  // tout est parti, mais un journal n'a pas pu être écrit
constexpr int SansEcran = 6;     // la fenêtre demandée, mais pas d'écran où l'ouvrir
constexpr int SortieFermee = 7;  // tout est parti, mais la sortie s'est fermée en route
constexpr int Usage = 64;        // option inconnue, fichier manquant ou illisible
} // namespace CodeSortie

struct OutilsCommande {
    PortSerie& port;
    Minuterie& minuterie;
    std::function<QDateTime()> maintenant;
    QString dossierProgramme; // VK472.CFG, liens COMn, journaux de la transmission
    QTextStream& sortie;
    QTextStream& erreurs;
    // La semaine imprimée en PDF (Qt Gui, fourni par l'exécutable) : chemin de sortie,
    // programme, nom du fichier montré dans le titre, date ; rend la cause d'un échec (vide :
    // écrit).
    std::function<QString(const QString&, const Programme&, const QString&, const QDateTime&)>
        ecritPdf;
    // Les périphériques série branchés : ce que désignent COM1 à COM4.
    std::function<std::vector<PeripheriqueSerie>()> peripheriques;
};

// Vrai quand la commande demande la semaine en PDF ("--pdf", "-pdf", "--pdf=f") : il lui faut
// Qt Gui (polices).
bool DemandePdf(const QStringList& arguments);

// Vrai quand un argument est une option ("-h", "--...") ou qu'il y a plus d'un argument :
// sinon la fenêtre s'ouvre, sur le fichier donné s'il y en a un.
bool DemandeLigneCommande(const QStringList& arguments);

// Le fichier que la fenêtre ouvrira au démarrage : 0 s'il se lit, sinon le message en
// français (et l'usage) sur "erreurs" et le code Usage. Son contenu, lui, est jugé par la
// fenêtre avec les boîtes de "&Lecture".
int VerifieFichierAOuvrir(const QString& chemin, QTextStream& erreurs);

// "arguments" commence par le nom du programme. Rend le code de sortie.
int ExecuteLigneCommande(const QStringList& arguments, OutilsCommande& outils);

// Ce que l'on vérifie d'un fichier programme : rien s'il est conforme, sinon chaque problème
// avec sa ligne ("ligne 3 : Zone 1 : température « ECO » hors limites (0 à 35 °C).").
QStringList ProblemesFichierProgramme(const QByteArray& contenu);

// Ce qui part autrement que l'on pourrait le croire, sans empêcher l'envoi : un identifiant
// hors de 0 à 65535 (seuls ses 16 bits de poids faible partent), un jour fait d'autre chose
// que de 0 et de 1 (compté en éco).
QStringList AvertissementsFichierProgramme(const QByteArray& contenu);
