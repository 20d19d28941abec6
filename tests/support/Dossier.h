#pragma once
// Dossier temporaire du programme pour un test, avec quelques aides de fichiers.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <vector>

class DossierTest {
public:
    DossierTest();
    QString Chemin() const { return dossier_.path(); }
    QString Fichier(const QString& nom) const;
    void Ecrit(const QString& nom, const QByteArray& contenu) const;
    QByteArray Lit(const QString& nom) const;
    bool Existe(const QString& nom) const;

private:
    QTemporaryDir dossier_;
};

// Le programme d'exemple livré avec le logiciel.
QByteArray ProgrammeExemple();

// Une trame écrite en clair dans tests/donnees : ses octets, et le rang du dernier octet de
// chaque bloc suivi d'une pause.
struct TrameEcrite {
    QByteArray octets;
    std::vector<int> pauses;
};
TrameEcrite LitTrameEcrite(const QString& nom);
