#pragma once
// "VK472.CFG" : l'index 0..3 du port choisi, entre deux blancs, puis CR LF.
#include <QByteArray>
#include <optional>

// Premier nombre du fichier ; rien s'il manque ou sort de 0..3.
std::optional<int> LireConfiguration(const QByteArray& contenu);
QByteArray EcrireConfiguration(int index);
