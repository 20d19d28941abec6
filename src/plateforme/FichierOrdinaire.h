#pragma once
// Lecture d'un fichier ordinaire sans jamais bloquer : un tube nommé, un périphérique ou un
// dossier à la place du fichier attendu est refusé tout de suite. Ouvrir un tube pour le
// lire attendrait sans fin l'autre bout, la fenêtre figée. (Les écritures passent toutes par
// EcritFichierAtomique.)
#include <QFile>

// Comme QFile::open en lecture, mais faux pour tout ce qui n'est pas un fichier ordinaire
// (un lien est suivi).
bool OuvreFichierOrdinaire(QFile& fichier);
