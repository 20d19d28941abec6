#pragma once
// Les ports série de cette machine : périphériques présents (Qt SerialPort et /sys), liens
// COMn du dossier du programme, surveillance des branchements.
#include "plateforme/CorrespondancePorts.h"

#include <QObject>
#include <functional>

class QFileSystemWatcher;

std::vector<PeripheriqueSerie> DetectePeripheriques();
// Le même, /sys/class/tty/ lu dans un autre dossier (terminé par "/").
std::vector<PeripheriqueSerie> DetectePeripheriquesDans(const QString& dossierTty);

// Les entrées COM1..COM4 du dossier (lien, ou tout autre fichier de ce nom).
std::array<std::optional<LienCom>, NbPortsCom> LiensCom(const QString& dossierProgramme);

Correspondance CorrespondancePorts(const QString& dossierProgramme,
                                   const std::vector<PeripheriqueSerie>& detectes);

// Crée le lien COMn du dossier vers le périphérique ; vide si c'est fait, sinon la raison.
QString LieCom(const QString& dossierProgramme, int numero, const QString& cible);

// Groupe propriétaire du périphérique et compte de l'utilisateur, pour dire comment obtenir
// le droit de l'ouvrir.
QString GroupePeripherique(const QString& chemin);
QString NomUtilisateur();

// Appelle "change" quand un périphérique apparaît ou disparaît dans /dev, sans sonder.
class SurveillancePorts : public QObject {
public:
    explicit SurveillancePorts(std::function<void()> change, QObject* parent = nullptr);

private:
    void Surveille();
    QFileSystemWatcher* veilleur_;
};
