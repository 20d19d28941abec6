#pragma once
// Dossier temporaire du programme pour un test, avec quelques aides de fichiers.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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
