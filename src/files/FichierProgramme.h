#pragma once
// Le fichier programme (".PRG") : une ligne de titre puis un enregistrement par zone,
// lu selon les règles de lecture en liste (seul l'ordre des champs compte).
#include "model/Programme.h"
#include <QString>
#include <optional>

enum class StatutLecture {
    Lu,           // 37 champs valides
    Incompatible, // premier champ sans la marque "VK472"
    NonConforme,  // trop court, trop gros, nombre invalide ou hors bornes
};

struct ResultatLecture {
    StatutLecture statut = StatutLecture::NonConforme;
    Programme programme; // complet seulement si statut == Lu
    // Sinon, où et pourquoi la lecture s'est arrêtée (ligne 0 : le fichier entier).
    int ligne = 0;
    QString cause;
    std::array<int, NbZones> lignesZones{}; // ligne de l'identifiant de chaque zone lue
};

// Au-delà, un fichier ne peut pas être un programme : refusé sans être lu.
constexpr qint64 TailleMaxFichierProgramme = qint64{1024} * 1024;

// Contenu d'un fichier programme ; rien quand il manque, ne se lit pas, est trop gros ou n'est
// pas un fichier ordinaire (un tube bloquerait la fenêtre).
std::optional<QByteArray> LitContenuFichierProgramme(const QString& chemin);

// Pourquoi le PDF ne doit pas être écrit à "chemin" (vide : il peut l'être) : un fichier
// programme (nom en ".PRG" ou marque en tête), un dossier, un tube ou un périphérique.
QString RefusCiblePdf(const QString& chemin);

// Le programme lu n'est pris que si tout est bon ; sinon rien n'en sort.
ResultatLecture LireFichierProgramme(const QByteArray& contenu);

// Octets exacts du fichier : titre, puis les trois zones, lignes finies par CR LF.
QByteArray EcrireFichierProgramme(const Programme& programme, const QString& titre);

// "GESTION ... V1.50" + 36 blancs + "Fichier:  " + les 30 derniers caractères du chemin.
QString TitreAvecFichier(const QString& titreApplication, const QString& chemin);
