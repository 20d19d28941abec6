#pragma once
// Petites aides des tests de fenêtre de la ligne du temps.
#include "support/FenetreTest.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QLabel>

// n segments d'un créneau aux créneaux 0, 2, 4, ...
inline QByteArray SegmentsCourts(int n) {
    QByteArray jour = JourVide();
    for (int i = 0; i < n; ++i) jour[2 * i] = '1';
    return jour;
}

// Le seul jour sur fond rouge, les autres sur le fond normal ; -1 si ce n'est pas le cas.
inline int JourEnRouge(const FenetrePrincipale& f) {
    int rouge = -1;
    for (int d = 0; d < NbJours; ++d) {
        const QColor fond = f.Label2[d]->palette().color(QPalette::Window);
        if (fond == QColor(255, 0, 0) && rouge < 0)
            rouge = d;
        else if (fond != QColor::fromRgb(f.Etat.CouleurFond))
            return -1;
    }
    return rouge;
}

inline QRectF Barre(const FenetrePrincipale& f, int k) {
    return TwipsDe(f.ShTemp[k]);
}
