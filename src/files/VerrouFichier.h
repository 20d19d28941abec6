#pragma once
// Le verrou d'un fichier programme : tant qu'une fenêtre en fait son fichier courant, le fichier
// caché ".NOM.lock" à côté de lui le dit aux autres fenêtres du programme.
#include <QLockFile>
#include <QString>

class VerrouFichier {
public:
    // Essaie de prendre le verrou, sans attendre. Un verrou laissé par un programme arrêté net
    // (son processus n'existe plus) est repris ; un dossier où rien ne se crée n'a pas de verrou.
    explicit VerrouFichier(const QString& chemin);
    VerrouFichier(const VerrouFichier&) = delete;
    VerrouFichier& operator=(const VerrouFichier&) = delete;
    ~VerrouFichier() = default;

    // Une autre fenêtre, vivante, tient ce fichier.
    bool TenuAilleurs() const { return tenuAilleurs_; }
    // Reprend le verrou si l'autre fenêtre l'a lâché depuis ; vrai si on le tient désormais.
    bool Reprend();
    // Vrai si "chemin" désigne le même fichier, par quelque chemin que ce soit.
    bool Concerne(const QString& chemin) const;

    // ".NOM.lock" à côté du fichier, liens résolus.
    static QString CheminVerrou(const QString& chemin);

private:
    void Essaie();

    QString cheminVerrou_;
    QLockFile verrou_;
    bool tenuAilleurs_ = false;
};
