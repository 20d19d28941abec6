#pragma once
// "Horaires de la semaine…" : les heures de confort des sept jours d'une zone, une ligne
// chacun ; une ligne refusée porte sa raison à côté, et OK reste grisé tant qu'il y en a une.
#include "plateforme/Plateforme.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class BoiteHoraires : public QDialog {
    Q_OBJECT
public:
    explicit BoiteHoraires(const LignesSemaine& lignes, QWidget* parent = nullptr);
    LignesSemaine Lignes() const;

private:
    void Verifie();
    // La ligne du jour "source" recopiée sur les jours premier..dernier.
    void Recopie(int source, int premier, int dernier);

    std::array<QLineEdit*, NbJours> lignes_{};
    std::array<QLabel*, NbJours> raisons_{};
    QPushButton* ok_ = nullptr;
};
