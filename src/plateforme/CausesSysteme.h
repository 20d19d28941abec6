#pragma once
// Les causes d'échec que donne le système (en anglais : "Not a directory") dites en
// français, pour les boîtes du programme.
#include <QString>

// Une phrase française pour un texte d'erreur du système. Une erreur du système sans
// traduction ici garde son texte anglais entre parenthèses ; un texte qui ne vient pas
// du système (message de Qt, déjà traduit) est rendu tel quel.
QString CauseSysteme(const QString& texteSysteme);
