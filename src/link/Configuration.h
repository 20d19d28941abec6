#pragma once
// "VK472.CFG" : l'index 0..3 du port choisi, entre deux blancs, puis CR LF.
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
