#pragma once
// "Copier le jour vers…" : les sept jours, trois raccourcis (Lun–Ven, Sam–Dim, Tous) et les
// trois zones, cochés pour recevoir le jour ; le jour et la zone d'origine le sont d'emblée.
#include "plateforme/Plateforme.h"

#include <QDialog>
#include <array>

class QCheckBox;

class BoiteCopieJour : public QDialog {
    Q_OBJECT
public:
    BoiteCopieJour(int zone, int jour, QWidget* parent = nullptr);
    CiblesCopie Cibles() const;

private:
    // Coche exactement les jours de premier à dernier.
    void CocheJours(int premier, int dernier);

    std::array<QCheckBox*, NbJours> jours_{};
    std::array<QCheckBox*, NbZones> zones_{};
};
