#pragma once
// Le dossier où le programme garde ses fichiers : data.prg, VK472.CFG, DataUc.*,
// TESTTRANS*, liens COMn. Dans le dossier de construction, c'est celui de l'exécutable ;
// installé (ou ce dossier étant en lecture seule), c'est un dossier par utilisateur.
#include <QString>
#include <QStringList>
#include <functional>

// Les fichiers que le programme écrit lui-même dans ce dossier : la configuration du port,
// les exports d'une sauvegarde, les journaux d'un envoi, les périphériques qui ont servi.
// Chacun n'est nommé qu'ici.
inline const QString NomConfiguration = QStringLiteral("VK472.CFG");
inline const QString NomExportFcb = QStringLiteral("DataUc.FCB");
inline const QString NomExportXls = QStringLiteral("DataUc.xls");
inline const QString NomJournalBrut = QStringLiteral("TESTTRANS.ASC");
inline const QString NomJournalTrace = QStringLiteral("TESTTRANSF.Asc");
inline const QString NomPeripheriquesRetenus = QStringLiteral("PeripheriquesCOM.txt");

// Vrai si le chemin est l'un d'eux dans ce dossier (liens suivis) : un programme sauvé sous
// ce nom serait remplacé par l'écriture suivante du fichier.
bool EstFichierDuProgramme(const QString& chemin, const QString& dossier);

// Fichiers d'exemple livrés, copiés dans le dossier par utilisateur quand ils y manquent.
const QStringList& FichiersExemples();

// Exemples d'un exécutable installé dans <préfixe>/bin : <préfixe>/share/gestion-chauffage.
QString DossierExemplesInstalles(const QString& dossierExecutable);

// Choisit le dossier et, si c'est celui de l'utilisateur, le crée et y copie les exemples
// manquants (jamais par-dessus un fichier de l'utilisateur). Le test d'écriture est injecté :
// root passe outre les droits, un dossier en lecture seule ne se simule pas autrement.
QString DossierDonnees(const QString& dossierExecutable, const QString& dossierUtilisateur,
                       const std::function<bool(const QString&)>& estInscriptible);

// Le dossier de ce programme-ci, d'après son exécutable et le dossier par utilisateur.
QString DossierDonneesDuProgramme();

// Où chercher le guide de l'utilisateur, dans l'ordre : à côté de l'exécutable construit
// (guide/guide.html), puis installé avec lui (<préfixe>/share/doc), puis dans /usr/share/doc.
QStringList EmplacementsGuide(const QString& dossierExecutable);
