// Choix du port, test de liaison, programmation de la télécommande.
#include "link/Configuration.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QDir>
#include <QFile>

void FenetrePrincipale::OuvreCom() {
    for (QAction* item : COM) item->setChecked(false);
    // Fichier absent, illisible ou hors 0..3 : COM1, sans erreur.
    int index = 0;
    QFile fichier(QDir(Plate().DossierProgramme()).filePath(QStringLiteral("VK472.CFG")));
    if (fichier.open(QIODevice::ReadOnly))
        index = LireConfiguration(fichier.read(4096)).value_or(0);
    Etat.NumeroPort = static_cast<qint16>(index + 1);
    COM[index]->setChecked(true);
}

void FenetrePrincipale::COM_Click(int) {}
bool FenetrePrincipale::OuvreLiaison() {
    return false;
}
void FenetrePrincipale::TestTelecommande_Click() {}
void FenetrePrincipale::ProgrammeTelecommande_Click() {}
void FenetrePrincipale::ProgrammeTelecommandeData() {}
void FenetrePrincipale::ProgrammeDeTest_Click() {}
void FenetrePrincipale::ActiveCommandes(bool) {}
