#pragma once
// "VK472.CFG" : l'index 0..3 du port choisi, entre deux blancs, puis CR LF.
#include "plateforme/CorrespondancePorts.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Premier nombre du fichier ; rien s'il manque ou sort de 0..3.
std::optional<int> LireConfiguration(const QByteArray& contenu);
QByteArray EcrireConfiguration(int index);

// Le fichier dans le dossier du programme.
QString CheminConfiguration(const QString& dossier);
// L'index lu dans le fichier du dossier ; absent, illisible ou hors 0..3 : 0 (COM1), sans
// erreur. Un tube ou un périphérique n'est pas ouvert : il bloquerait le démarrage.
int IndexConfigure(const QString& dossier);

// Ce qui a servi pour chaque COMn (choix, test, envoi), gardé dans le dossier du programme :
// la fenêtre, une fenêtre rouverte et un chargement de nuit reconnaissent le même appareil.
// Vide tant que rien n'a servi : un cordon branché après le démarrage est pris tel quel.
struct PeripheriqueRetenu {
    QString identite; // IdentitePort
    QString libelle;  // LibellePort, pour le nommer quand il n'est plus là
};
using PeripheriquesRetenus = std::array<PeripheriqueRetenu, NbPortsCom>;

// Une ligne "COMn<tab>identité<tab>libellé" par COMn qui a servi ; le reste est ignoré.
PeripheriquesRetenus LirePeripheriquesRetenus(const QByteArray& contenu);
QByteArray EcrirePeripheriquesRetenus(const PeripheriquesRetenus& retenus);
QString CheminPeripheriquesRetenus(const QString& dossier);
// Rien de retenu quand le fichier manque ; nul quand il est là mais ne se lit pas : rien ne
// dit alors ce qui a servi.
std::optional<PeripheriquesRetenus> PeripheriquesRetenusDuDossier(const QString& dossier);
// "Le fichier … ne se lit pas" : rien n'est envoyé.
QString TextePeripheriquesIllisibles(const QString& dossier);

// Ce que COMn désigne maintenant, au regard de ce qui a servi.
enum class AccordPeripherique {
    Meme,     // le même, ou rien n'a servi, ou plus rien à sa place (l'ouverture le dira)
    Parti,    // ce qui a servi n'est plus là
    Remplace, // un autre est à sa place : l'utilisateur doit accepter
};
// Le fichier avec ce que désigne COMn maintenant ; rien quand il le dit déjà, ou que COMn
// ne désigne rien.
std::optional<QByteArray> RetenusAvec(const QString& dossier, int numero,
                                      const PortAssocie& actuel);

AccordPeripherique CompareAuRetenu(const PeripheriqueRetenu& retenu, const PortAssocie& actuel,
                                   const Correspondance& ports,
                                   const std::vector<PeripheriqueSerie>& detectes);
