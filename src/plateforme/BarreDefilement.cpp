#include "plateforme/BarreDefilement.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>

BarreDefilement::BarreDefilement(Qt::Orientation orientation, int min, int max, QWidget* parent)
    : QScrollBar(orientation, parent), min_(min), max_(max) {
    setRange(0, std::abs(max - min));
    // Comme à l'origine, une barre neuve vaut 0 quand 0 est dans ses bornes.
    ChangeValeur(0);
    setSingleStep(1);
    setPageStep(1);
    // Pas de menu de Qt au clic droit : la barre ne fait que ce que le programme lui donne.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Atteinte au clavier par Tab (lecteur d'écran, pas de souris) ; un clic ne prend pas le
    // focus au graphique, qui garde ses touches.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit Change(); });
}

int BarreDefilement::Valeur() const {
    return min_ <= max_ ? min_ + value() : min_ - value();
}

void BarreDefilement::ChangeValeur(int valeur) {
    const int bas = std::min(min_, max_);
    const int haut = std::max(min_, max_);
    setValue(std::abs(min_ - std::clamp(valeur, bas, haut)));
}

void BarreDefilement::MontreValeur(int valeur) {
    const QSignalBlocker muette(this);
    ChangeValeur(valeur);
}

void BarreDefilement::ChangePas(int petit, int grand) {
    setSingleStep(petit);
    setPageStep(grand);
}

void BarreDefilement::keyPressEvent(QKeyEvent* evenement) {
    // QScrollBar de Qt 6 inverse Gauche et Droite (ses contrôles sont inversés pour la
    // barre verticale) : la flèche de droite va vers Max, comme celle de la barre.
    const int touche = evenement->key();
    if (orientation() == Qt::Horizontal && (touche == Qt::Key_Left || touche == Qt::Key_Right))
        return triggerAction(touche == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
    QScrollBar::keyPressEvent(evenement);
}

void BarreDefilement::ArreteRepetition() {
    setRepeatAction(SliderNoAction);
}
