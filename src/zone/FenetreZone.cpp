// Commandes confort/éco, presse-papiers du jour, températures, zones, identifiant.
#include "ui/FenetrePrincipale.h"

void FenetrePrincipale::CmdHigh_Click() {}
void FenetrePrincipale::CmdLow_Click() {}
void FenetrePrincipale::Cmd1H_Click() {}
void FenetrePrincipale::Cmd1Hmoins_Click() {}
void FenetrePrincipale::CmdCLS_Click() {}
void FenetrePrincipale::CmdCopy_Click() {}
void FenetrePrincipale::CmdPASTE_Click() {}
void FenetrePrincipale::VScroll3_Change(int) {}
void FenetrePrincipale::AfficheTemperature() {}
void FenetrePrincipale::ChargeTemperatures() {}
void FenetrePrincipale::VScrollZone_Change() {}
void FenetrePrincipale::CmdID_Click() {}
