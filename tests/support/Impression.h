#pragma once
// Les textes de Qt en clair dans les messages d'échec de GoogleTest.
#include <QByteArray>
#include <QString>
#include <ostream>

inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}
inline void PrintTo(const QByteArray& octets, std::ostream* flux) {
    *flux << '"' << octets.toStdString() << '"';
}
