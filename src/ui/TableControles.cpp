#include "ui/TableControles.h"

namespace {
const QString Q = QStringLiteral("\""); // guillemets des infobulles
}

const std::vector<DescriptionControle>& TableControles() {
    static const std::vector<DescriptionControle> table = {
        // Zone cliente
        {"Frame1", "", Genre::Cadre, 720, 240, 11805, 9705, "", ""},
        {"Text3", "", Genre::Texte, 720, 9960, 1215, 255, "Text3", ""},
        // Panneau principal
        {"ProgressBar1", "Frame1", Genre::Progression, 360, 9525, 11160, 150, "", ""},
        {"Frame3", "Frame1", Genre::Cadre, 360, 6840, 11160, 2655, "", ""},
        // Panneau du bas
        {"VisuProgramme", "Frame3", Genre::Texte, 120, 240, 10935, 285, "",
         "Visualise les heures des segments de programmation."},
        {"ChkVisuHoraire", "Frame3", Genre::Case, 5880, 2040, 3255, 255,
         "Affichage Segments Horaires", "Permet l'affichage des segments horaires."},
        {"CmdCLS", "Frame3", Genre::Bouton, 240, 720, 735, 570, "CLS",
         "Effacer le programme du jour."},
        {"CmdCopy", "Frame3", Genre::Bouton, 240, 1320, 735, 570, "Copier",
         "Mettre le programme du jour dans le buffer."},
        {"CmdPASTE", "Frame3", Genre::Bouton, 240, 1920, 735, 570, "Coller",
         "Copier Buffer dans le programme du jour."},
        {"Frame5", "Frame3", Genre::CadreTitre, 1080, 600, 4050, 1815, "Programme", ""},
        {"Frame4", "Frame3", Genre::CadreTitre, 5280, 600, 4095, 1335, "Température", ""},
        {"Frame2", "Frame3", Genre::CadreTitre, 9600, 600, 1335, 1815, "Radio", ""},
        // Cadre "Programme"
        {"HScroll1", "Frame5", Genre::BarreH, 240, 840, 1455, 375, "", ""},
        {"CmdHigh", "Frame5", Genre::Bouton, 240, 480, 540, 375, "Conf.",
         "Passe en mode " + Q + "Confort" + Q},
        {"Cmd1H", "Frame5", Genre::Bouton, 840, 480, 855, 375, "Conf./1H",
         "Passe en mode " + Q + "Confort" + Q + " pendant 1 heure."},
        {"CmdLow", "Frame5", Genre::Bouton, 240, 1200, 540, 375, "Eco.",
         "Passe en mode " + Q + "Economique" + Q},
        {"Cmd1Hmoins", "Frame5", Genre::Bouton, 840, 1200, 855, 375, "Eco/1H",
         "Passe en mode " + Q + "Economique" + Q + " pendant 1 heure."},
        {"VScJour", "Frame5", Genre::BarreV, 2175, 390, 285, 420, "", ""},
        {"Label6(2)", "Frame5", Genre::Etiquette, 2760, 240, 465, 330, "JOUR", ""},
        {"Text1", "Frame5", Genre::Texte, 2490, 435, 1335, 330, "LUNDI", "Jour a éditer."},
        {"Label6(0)", "Frame5", Genre::Etiquette, 2520, 960, 1185, 330, "Zone Radiateur", ""},
        {"VScrollZone", "Frame5", Genre::BarreV, 2655, 1230, 285, 420, "", ""},
        {"TextZone", "Frame5", Genre::Texte, 2970, 1275, 375, 330, "0", "N° de ZONE"},
        // Cadre "Température"
        {"Label1(4)", "Frame4", Genre::Etiquette, 240, 360, 585, 240, "Confort", ""},
        {"Text2(0)", "Frame4", Genre::Texte, 825, 345, 870, 285, "Text2",
         "Température mode " + Q + "Confort" + Q + "."},
        {"VScroll3(0)", "Frame4", Genre::BarreV, 1680, 300, 195, 375, "", ""},
        {"Label1(1)", "Frame4", Genre::Etiquette, 360, 840, 330, 240, "Eco.", ""},
        {"Text2(1)", "Frame4", Genre::Texte, 840, 765, 885, 285, "Text2",
         "Température mode " + Q + "ECO" + Q + "."},
        {"VScroll3(1)", "Frame4", Genre::BarreV, 1680, 720, 195, 375, "", ""},
        {"Label1(2)", "Frame4", Genre::Etiquette, 2115, 360, 915, 240, "Hors Gel", ""},
        {"Text2(2)", "Frame4", Genre::Texte, 2805, 345, 885, 285, "Text2",
         "Température mode " + Q + "Hors Gel" + Q + "."},
        {"VScroll3(2)", "Frame4", Genre::BarreV, 3720, 300, 195, 375, "", ""},
        {"Label1(3)", "Frame4", Genre::Etiquette, 2400, 810, 435, 240, "EJP", ""},
        {"Text2(3)", "Frame4", Genre::Texte, 2805, 765, 885, 285, "Text2",
         "Température mode " + Q + "EJP" + Q + "."},
        {"VScroll3(3)", "Frame4", Genre::BarreV, 3720, 720, 195, 375, "", ""},
        // Cadre "Radio"
        {"Label6(1)", "Frame2", Genre::Etiquette, 240, 360, 960, 330, "Identification", ""},
        {"TextID", "Frame2", Genre::Texte, 240, 600, 780, 285, "",
         "N°  Identification RADIO de la ZONE"},
        {"CmdID", "Frame2", Genre::Bouton, 360, 960, 600, 510, "ID",
         "Changement Identification Radiateur"},
    };
    return table;
}

const std::vector<BornesBarre>& BornesBarres() {
    // Jour 7 -> 0, zone 3 -> 0, température 198 -> 128 : la valeur haute est en haut.
    static const std::vector<BornesBarre> barres = {
        {"VScrollZone", 3, 0},     {"VScJour", 7, 0},         {"HScroll1", 0, 144},
        {"VScroll3(0)", 198, 128}, {"VScroll3(1)", 198, 128}, {"VScroll3(2)", 198, 128},
        {"VScroll3(3)", 198, 128},
    };
    return barres;
}
