#include "model/Textes.h"

QStringList NomsDesJours() {
    return {QStringLiteral("Lundi"),   QStringLiteral("Mardi"),    QStringLiteral("Mercredi"),
            QStringLiteral("Jeudi"),   QStringLiteral("Vendredi"), QStringLiteral("Samedi"),
            QStringLiteral("Dimanche")};
}
