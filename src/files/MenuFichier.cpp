// Menu "Fichier" : nouveau, lecture, sauvegarde, sauver comme ; exports annexes.
#include "ui/FenetrePrincipale.h"

void FenetrePrincipale::Nouveau_Click() {
    EffaceData();
}
void FenetrePrincipale::LectureData_Click() {}
void FenetrePrincipale::SauvegardeFichier_Click() {
    SauveFichier();
}
void FenetrePrincipale::SauverComme_Click() {}
bool FenetrePrincipale::EcritExports(bool avecXls) {
    Q_UNUSED(avecXls);
    return true;
}
