#pragma once
// Barre de défilement au sens Min/Max/Value d'origine : Min peut dépasser Max.
// La valeur v est portée par Qt comme |Min - v| sur une plage normale, si bien que
// la flèche haute augmente la valeur quand Min est en haut (jour 7->0, zone 3->0,
// température 198->128). Le changement est signalé aussitôt, et seulement s'il y en a un.
#include <QScrollBar>

class BarreDefilement : public QScrollBar {
    Q_OBJECT
public:
    BarreDefilement(Qt::Orientation orientation, int min, int max, QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Valeur() const;
    // Hors bornes : ramenée dans [Min, Max] comme le ferait la barre elle-même.
    void ChangeValeur(int valeur);
    // La même, sans signal : la barre ne fait que montrer une valeur tenue ailleurs.
    void MontreValeur(int valeur);
    void ChangePas(int petit, int grand);
    // La flèche tenue cesse de répéter son pas.
    void ArreteRepetition();

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    int min_;
    int max_;
};
