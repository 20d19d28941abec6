#include "plateforme/CorrespondancePorts.h"

#include <algorithm>

namespace {
// Clé de tri : le nom stable des adaptateurs USB ; ttyS2 avant ttyS10.
std::pair<int, QString> CleTri(const PeripheriqueSerie& p) {
    if (p.usb) return {0, p.nomStable.isEmpty() ? p.chemin : p.nomStable};
    return {1, QStringLiteral("%1").arg(p.chemin, 24)};
}

QString ListeDetectes(const std::vector<PeripheriqueSerie>& detectes) {
    const auto utilisables = Utilisables(detectes);
    if (utilisables.empty()) return QStringLiteral("Périphériques détectés : aucun.");
    QString texte = QStringLiteral("Périphériques détectés :");
    for (const PeripheriqueSerie& p : utilisables) texte += "\r\n    " + LibellePeripherique(p);
    return texte;
}
} // namespace

std::vector<PeripheriqueSerie> Utilisables(std::vector<PeripheriqueSerie> detectes) {
    detectes.erase(std::remove_if(detectes.begin(), detectes.end(),
                                  [](const PeripheriqueSerie& p) { return p.sansUart; }),
                   detectes.end());
    std::stable_sort(detectes.begin(), detectes.end(),
                     [](const auto& a, const auto& b) { return CleTri(a) < CleTri(b); });
    return detectes;
}

Correspondance AssociePorts(const std::vector<PeripheriqueSerie>& detectes,
                            const std::array<std::optional<LienCom>, NbPortsCom>& liens) {
    Correspondance c;
    const auto trouve = [&](const QString& chemin) -> std::optional<PeripheriqueSerie> {
        for (const PeripheriqueSerie& p : detectes)
            if (p.chemin == chemin) return p;
        return std::nullopt;
    };
    const auto lie = [&](const PeripheriqueSerie& p) {
        return std::any_of(liens.begin(), liens.end(),
                           [&](const auto& l) { return l && l->cible == p.chemin; });
    };
    for (const PeripheriqueSerie& p : Utilisables(detectes))
        if (!lie(p)) c.libres.push_back(p);
    // Les COMn sans lien prennent, dans l'ordre, les périphériques qu'aucun lien ne désigne.
    auto suivant = c.libres.begin();
    for (int i = 0; i < NbPortsCom; ++i) {
        PortAssocie& port = c.com[i];
        if (liens[i]) {
            port = {liens[i]->chemin, liens[i]->cible, true, trouve(liens[i]->cible)};
        } else if (suivant != c.libres.end()) {
            port = {suivant->chemin, suivant->chemin, false, *suivant};
            ++suivant;
        }
    }
    return c;
}

QString LibellePeripherique(const PeripheriqueSerie& p) {
    QString texte = p.chemin;
    if (!p.description.isEmpty()) texte += QStringLiteral(" — ") + p.description;
    if (!p.numeroSerie.isEmpty()) texte += QStringLiteral(" (%1)").arg(p.numeroSerie);
    return texte;
}

QString LibellePort(const PortAssocie& port) {
    if (port.chemin.isEmpty()) return QStringLiteral("aucun périphérique");
    QString texte = port.peripherique ? LibellePeripherique(*port.peripherique) : port.cible;
    if (port.lien) texte += QStringLiteral(", par le lien ") + port.chemin;
    return texte;
}

QString DescriptionCom(int numero, const PortAssocie& port) {
    return QStringLiteral("COM%1 : ").arg(numero) + LibellePort(port);
}

namespace {
QString IdentitePeripherique(const PeripheriqueSerie& p) {
    return p.nomStable.isEmpty() ? p.chemin : p.nomStable;
}
} // namespace

QString IdentitePort(const PortAssocie& port) {
    if (port.lien || !port.peripherique) return port.chemin;
    return IdentitePeripherique(*port.peripherique);
}

bool MeneA(const PortAssocie& port, const QString& identite) {
    if (identite.isEmpty() || port.chemin.isEmpty()) return false;
    return identite == IdentitePort(port) || identite == port.cible ||
           (port.peripherique &&
            (identite == port.peripherique->chemin || identite == port.peripherique->nomStable));
}

bool IdentitePresente(const QString& identite, const Correspondance& correspondance,
                      const std::vector<PeripheriqueSerie>& detectes) {
    return std::any_of(correspondance.com.begin(), correspondance.com.end(),
                       [&](const PortAssocie& p) { return p.lien && p.chemin == identite; }) ||
           std::any_of(detectes.begin(), detectes.end(), [&](const PeripheriqueSerie& p) {
               return IdentitePeripherique(p) == identite;
           });
}

QString DescriptionComChange(int numero, const QString& retenu, bool present,
                             const PortAssocie& actuel) {
    const QString texte = QStringLiteral("COM%1 : %2 ; ").arg(numero).arg(retenu);
    if (!present) return texte + QStringLiteral("n'est plus là");
    return texte + QStringLiteral("à sa place : ") + LibellePort(actuel);
}

QStringList LignesPorts(const std::vector<PeripheriqueSerie>& detectes,
                        const Correspondance& correspondance) {
    QStringList lignes;
    for (const PeripheriqueSerie& p : Utilisables(detectes))
        lignes << LibellePeripherique(p) +
                      (p.nomStable.isEmpty() ? QString() : QStringLiteral(", ") + p.nomStable);
    if (lignes.isEmpty()) lignes << QStringLiteral("Aucun périphérique série détecté");
    for (int i = 0; i < NbPortsCom; ++i) lignes << DescriptionCom(i + 1, correspondance.com[i]);
    return lignes;
}

QString TexteAucunPeripherique(int numero, const QString& chemin,
                               const std::vector<PeripheriqueSerie>& detectes) {
    return QStringLiteral("Port série introuvable : COM%1 (%2).\r\n\r\nLe cordon de la "
                          "télécommande n'est pas branché, ou ce port n'existe pas.\r\n\r\n")
               .arg(numero)
               .arg(chemin.isEmpty() ? QStringLiteral("aucun périphérique") : chemin) +
           ListeDetectes(detectes);
}

QString TexteAccesRefuse(int numero, const QString& chemin, const QString& groupe,
                         const QString& utilisateur) {
    // Entrer dans le groupe root ouvrirait tout le système, et ce port resterait fermé.
    if (groupe == QLatin1String("root"))
        return QStringLiteral("Accès refusé au port série COM%1 (%2).\r\n\r\nCe périphérique "
                              "n'est ouvert qu'au compte root : ce n'est sans doute pas le "
                              "cordon de la télécommande. Branchez son adaptateur USB série, "
                              "puis choisissez-le dans « Choix port série ».")
            .arg(QString::number(numero), chemin);
    return QStringLiteral("Accès refusé au port série COM%1 (%2).\r\n\r\nIl faut être membre "
                          "du groupe « %3 », à qui appartient ce périphérique. Tapez dans un "
                          "terminal :\r\n\r\n    sudo usermod -aG %3 %4\r\n\r\npuis fermez "
                          "votre session et rouvrez-la : le groupe ne compte qu'à la connexion "
                          "suivante.")
        .arg(QString::number(numero), chemin, groupe, utilisateur);
}

QString TexteSansUart(int numero, const QString& chemin) {
    return QStringLiteral("Le port série COM%1 (%2) n'a pas de circuit série (UART) derrière "
                          "lui : rien n'en sortirait.\r\n\r\nBranchez le cordon de la "
                          "télécommande, par un adaptateur USB série au besoin, puis "
                          "choisissez-le dans « Choix port série ».")
        .arg(QString::number(numero), chemin);
}

QString TextePasUnPortSerie(int numero, const QString& chemin) {
    return QStringLiteral("Ce n'est pas un port série : COM%1 (%2).\r\n\r\nLe lien COM%1 du "
                          "dossier du programme doit mener au périphérique du cordon : "
                          "effacez-le, puis choisissez votre adaptateur dans « Choix port "
                          "série ».")
        .arg(QString::number(numero), chemin);
}

QString TextePeripheriqueParti(int numero, const QString& retenu) {
    return QStringLiteral("Le périphérique de COM%1 n'est plus là : %2.\r\n\r\nRien n'est "
                          "envoyé. Rebranchez-le, ou choisissez de nouveau COM%1 dans « Choix "
                          "port série » pour prendre ce qu'il désigne maintenant.")
        .arg(QString::number(numero), retenu);
}

QString TextePeripheriqueRemplace(int numero, const QString& retenu, const QString& actuel) {
    return QStringLiteral("COM%1 ne désigne plus le périphérique qui a servi jusqu'ici : "
                          "%2.\r\n\r\nIl désigne maintenant %3.\r\n\r\nEnvoyer par ce "
                          "périphérique ?")
        .arg(QString::number(numero), retenu, actuel);
}

QString TextePeripheriqueRefuse(int numero, const QString& retenu, const QString& actuel) {
    return QStringLiteral("COM%1 ne désigne plus le périphérique qui a servi jusqu'ici : "
                          "%2.\r\n\r\nIl désigne maintenant %3.\r\n\r\nRien n'est envoyé. "
                          "Rebranchez le premier, ou choisissez de nouveau COM%1 dans « Choix "
                          "port série » pour prendre le second.")
        .arg(QString::number(numero), retenu, actuel);
}
