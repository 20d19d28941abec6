#pragma once
// Dossier temporaire du programme pour un test, avec quelques aides de fichiers.
#include "model/Programme.h"
#include "support/Impression.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

class DossierTest {
public:
    // modele : chemin du dossier, "XXXXXX" en fin remplacé au hasard.
    explicit DossierTest(const QString& modele = QString());
    QString Chemin() const { return dossier_.path(); }
    QString Fichier(const QString& nom) const;
    void Ecrit(const QString& nom, const QByteArray& contenu) const;
    QByteArray Lit(const QString& nom) const;

private:
    QTemporaryDir dossier_;
};

// Le programme d'exemple livré avec le logiciel.
QByteArray ProgrammeExemple();

// L'exemple de trame-lundi-6h-8h.txt : zone 0 en confort le lundi de 6H00 à 8H00, identifiant
// 4660 ; envoyé le mardi 1er décembre 2026 à 14:05:09.
Programme ProgrammeLundi();
inline const QDateTime MardiPremier{QDate(2026, 12, 1), QTime(14, 5, 9)};

// Un fichier de tests/donnees, tel quel.
QByteArray DonneeTest(const QString& nom);
// Les cas d'une table de tests/donnees : ses lignes sans les vides ni les "#".
QStringList CasDeTable(const QString& nom);

// Octets écrits en hexadécimal dans tests/donnees (lignes "#" : commentaires), et le rang du
// dernier octet de chaque bloc suivi d'une ligne "pause".
struct TrameEcrite {
    QByteArray octets;
    std::vector<int> pauses;
};
TrameEcrite LitTrameEcrite(const QString& nom);
bool CreeTube(const QString& chemin);
