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

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Verifie();
    // La ligne choisie (la dernière où l'on est entré) devient la source des recopies.
    void ChoisitSource(int jour);

    std::array<QLineEdit*, NbJours> lignes_{};
    std::array<QLabel*, NbJours> raisons_{};
    std::array<QPushButton*, 3> recopies_{};
    QPushButton* ok_ = nullptr;
    int source_ = 0;
    bool entreeParClic_ = false;
};
