#pragma once
// Textes Qt lisibles dans les messages d'échec.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}
