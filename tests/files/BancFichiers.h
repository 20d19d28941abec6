#pragma once
// Banc commun des tests du menu Fichier : la fenêtre démarrée sur l'exemple livré,
// et de quoi poser et relire des fichiers programme.
#include "files/FichierProgramme.h"
#include "support/FenetreTest.h"

#include <QDir>
#include <QFileInfo>

class BancFichiers : public FenetreTest {
protected:
    // Un programme bien différent de l'exemple livré.
    static Programme Autre() {
        Programme p;
        p.IdentZone = {111, -222, 70000};
        RemetParDefaut(p);
        for (int z = 0; z < NbZones; ++z) {
            p.TempZone[z] = {170, 160, 150, 146};
            for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = JourAvec({{d, 10 + z + d}});
        }
        return p;
    }
    static QByteArray Octets(const Programme& p) { return EcrireFichierProgramme(p, TitreVersion); }
    static QString Titre(const QString& chemin) { return TitreAvecFichier(TitreVersion, chemin); }
    static QByteArray LitChemin(const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Le programme contenu dans un fichier (vide s'il ne se lit pas).
    static Programme Contenu(const QString& chemin) {
        return LireFichierProgramme(LitChemin(chemin)).programme;
    }
    static bool Cree(const QString& chemin, const QByteArray& octets) {
        QFile f(chemin);
        return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
    }

    // Démarre, puis met une marque en mémoire pour voir ce qui change.
    void DemarreModifie() {
        Demarre();
        F().Prog.IdentZone[1] = 9999;
        F().MarqueModifie();
    }
    QString Defaut() const { return dossier.Fichier(QStringLiteral("data.prg")); }
};
