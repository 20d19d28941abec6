#include "link/Configuration.h"
#include "plateforme/DossierDonnees.h"
#include "plateforme/FichierOrdinaire.h"

#include <QDir>
#include <QFile>

std::optional<int> LireConfiguration(const QByteArray& contenu) {
    qsizetype p = 0;
    while (p < contenu.size() && (contenu[p] == ' ' || contenu[p] == '\t')) ++p;
    const qsizetype debut = p;
    while (p < contenu.size() && contenu[p] != ' ' && contenu[p] != ',' && contenu[p] != '\r' &&
           contenu[p] != '\n' && contenu[p] != '\t')
        ++p;
    const QByteArray champ = contenu.mid(debut, p - debut);
    // toInt s'arrête au premier zéro : "2\0x" se lirait 2.
    if (champ.isEmpty() || champ.size() > 6 || champ.contains('\0')) return std::nullopt;
    bool ok = false;
    const int index = champ.toInt(&ok);
    if (!ok || index < 0 || index > 3) return std::nullopt;
    return index;
}

QByteArray EcrireConfiguration(int index) {
    return ' ' + QByteArray::number(index) + " \r\n";
}

QString CheminConfiguration(const QString& dossier) {
    return QDir(dossier).filePath(NomConfiguration);
}

int IndexConfigure(const QString& dossier) {
    QFile fichier(CheminConfiguration(dossier));
    if (!OuvreFichierOrdinaire(fichier, QIODevice::ReadOnly)) return 0;
    return LireConfiguration(fichier.read(4096)).value_or(0);
}
