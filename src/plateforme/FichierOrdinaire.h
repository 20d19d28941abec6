#pragma once
// Ouverture d'un fichier ordinaire sans jamais bloquer : un tube nommé, un périphérique ou
// un dossier à la place du fichier attendu est refusé tout de suite. Ouvrir un tube pour
// le lire ou l'écrire attendrait sans fin l'autre bout, la fenêtre figée.
#include <QFile>

// Comme QFile::open, mais faux pour tout ce qui n'est pas un fichier ordinaire (un lien
// est suivi). En écriture, le fichier manquant est créé, et vidé seulement une fois reconnu.
bool OuvreFichierOrdinaire(QFile& fichier, QIODevice::OpenMode mode);
