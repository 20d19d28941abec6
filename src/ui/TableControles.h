#pragma once
// Les contrôles fixes de la fenêtre, tels que dessinés (twips, dans leur parent).
// Une seule table pour tous les panneaux : dans le cadre "Programme", ceux de la ligne du
// temps, des commandes et de la zone alternent, et l'ordre de création fixe l'empilement.
#include "plateforme/Controles.h"

const std::vector<DescriptionControle>& TableControles();
const std::vector<BornesBarre>& BornesBarres();
