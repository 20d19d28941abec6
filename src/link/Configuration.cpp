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
    if (!OuvreFichierOrdinaire(fichier)) return 0;
    return LireConfiguration(fichier.read(4096)).value_or(0);
}

namespace {
// Un chemin peut tenir une tabulation ou un saut de ligne : échappés, comme "%" lui-même.
QByteArray Echappe(const QString& champ) {
    return champ.toUtf8()
        .replace('%', "%25")
        .replace('\t', "%09")
        .replace('\n', "%0A")
        .replace('\r', "%0D");
}
} // namespace

PeripheriquesRetenus LirePeripheriquesRetenus(const QByteArray& contenu) {
    PeripheriquesRetenus retenus;
    for (const QByteArray& ligne : contenu.split('\n')) {
        const QList<QByteArray> champs = ligne.split('\t');
        const auto numero = champs.size() == 3 && champs[0].startsWith("COM")
                                ? std::optional(champs[0].mid(3).toInt())
                                : std::nullopt;
        if (numero && *numero >= 1 && *numero <= NbPortsCom && !champs[1].isEmpty())
            retenus[*numero - 1] = {QString::fromUtf8(QByteArray::fromPercentEncoding(champs[1])),
                                    QString::fromUtf8(QByteArray::fromPercentEncoding(champs[2]))};
    }
    return retenus;
}

QByteArray EcrirePeripheriquesRetenus(const PeripheriquesRetenus& retenus) {
    QByteArray contenu;
    for (int i = 0; i < NbPortsCom; ++i)
        if (!retenus[i].identite.isEmpty())
            contenu += "COM" + QByteArray::number(i + 1) + '\t' + Echappe(retenus[i].identite) +
                       '\t' + Echappe(retenus[i].libelle) + '\n';
    return contenu;
}

QString CheminPeripheriquesRetenus(const QString& dossier) {
    return QDir(dossier).filePath(NomPeripheriquesRetenus);
}

std::optional<PeripheriquesRetenus> PeripheriquesRetenusDuDossier(const QString& dossier) {
    QFile fichier(CheminPeripheriquesRetenus(dossier));
    if (!fichier.exists()) return PeripheriquesRetenus{};
    if (!OuvreFichierOrdinaire(fichier)) return std::nullopt;
    const QByteArray contenu = fichier.read(qint64{64} * 1024);
    if (fichier.error() != QFileDevice::NoError) return std::nullopt;
    return LirePeripheriquesRetenus(contenu);
}

QString TextePeripheriquesIllisibles(const QString& dossier) {
    return QStringLiteral("Le fichier des périphériques qui ont servi ne se lit pas : "
                          "%1.\r\n\r\nRien n'est envoyé : rien ne dit que le port désigne "
                          "encore le même appareil. Rendez ce fichier lisible, ou effacez-le "
                          "pour tout oublier.")
        .arg(CheminPeripheriquesRetenus(dossier));
}

std::optional<QByteArray> RetenusAvec(const QString& dossier, int numero,
                                      const PortAssocie& actuel) {
    auto lus = PeripheriquesRetenusDuDossier(dossier);
    // Illisible : l'écrire effacerait ce qu'il retient des autres COMn.
    if (IdentitePort(actuel).isEmpty() || !lus) return std::nullopt;
    PeripheriquesRetenus& retenus = *lus;
    const QByteArray avant = EcrirePeripheriquesRetenus(retenus);
    retenus[numero - 1] = {IdentitePort(actuel), LibellePort(actuel)};
    const QByteArray apres = EcrirePeripheriquesRetenus(retenus);
    if (apres == avant) return std::nullopt;
    return apres;
}

AccordPeripherique CompareAuRetenu(const PeripheriqueRetenu& retenu, const PortAssocie& actuel,
                                   const Correspondance& ports,
                                   const std::vector<PeripheriqueSerie>& detectes) {
    if (retenu.identite.isEmpty() || MeneA(actuel, retenu.identite))
        return AccordPeripherique::Meme;
    if (!IdentitePresente(retenu.identite, ports, detectes)) return AccordPeripherique::Parti;
    return IdentitePort(actuel).isEmpty() ? AccordPeripherique::Meme : AccordPeripherique::Remplace;
}
