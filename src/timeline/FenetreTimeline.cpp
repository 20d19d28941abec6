// Segments, graphique de la semaine, curseur, souris, navigation des jours.
#include "ui/FenetrePrincipale.h"

void FenetrePrincipale::ValideProgramme() {}
void FenetrePrincipale::VisuDataProgramme() {}
void FenetrePrincipale::AfficheJour() {}
void FenetrePrincipale::AfficheEcran() {}
void FenetrePrincipale::ChkVisuHoraire_Click() {}
void FenetrePrincipale::HScroll1_Change() {}
void FenetrePrincipale::DeplaceCurseur() {}
void FenetrePrincipale::VScJour_Change() {}
void FenetrePrincipale::FrameTemp_MouseDown(int, int, double) {}
void FenetrePrincipale::Label2_MouseDown(int, int) {}
void FenetrePrincipale::Marqueur_Click(int) {}
