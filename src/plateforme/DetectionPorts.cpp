#include "plateforme/DetectionPorts.h"
#include "plateforme/CausesSysteme.h"
#include "plateforme/DossierDonnees.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QSerialPortInfo>
#include <QSet>
#include <QTextStream>
#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {
const QString DossierParId = QStringLiteral("/dev/serial/by-id");
const QString DossierTty = QStringLiteral("/sys/class/tty/");
constexpr QDir::Filters Entrees = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;

// Ce que /sys dit du port : USB ou non, et, pour un port de la plateforme, si une UART
// répond derrière (type 0 : rien n'a été trouvé à l'adresse du port).
void Complete(PeripheriqueSerie& p, const QString& dossierTty, const QString& nom,
              const QHash<QString, QString>& stables) {
    p.nomStable = stables.value(p.chemin);
    p.usb = QFileInfo(dossierTty + nom + QStringLiteral("/device"))
                .canonicalFilePath()
                .contains(QLatin1String("/usb"));
    QFile type(dossierTty + nom + QStringLiteral("/type"));
    if (!p.usb && type.open(QIODevice::ReadOnly)) p.sansUart = type.readAll().trimmed() == "0";
    if (!p.usb && p.description.isEmpty())
        p.description = p.sansUart ? QStringLiteral("port série intégré, sans UART")
                                   : QStringLiteral("port série intégré");
}
} // namespace

std::vector<PeripheriqueSerie> DetectePeripheriques() {
    return DetectePeripheriquesDans(DossierTty);
}

std::vector<PeripheriqueSerie> DetectePeripheriquesDans(const QString& dossierTty) {
    QHash<QString, QString> stables;
    for (const QFileInfo& f : QDir(DossierParId).entryInfoList(Entrees, QDir::Name))
        stables.insert(f.canonicalFilePath(), f.absoluteFilePath());
    std::vector<PeripheriqueSerie> detectes;
    QSet<QString> vus;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PeripheriqueSerie p;
        p.chemin = info.systemLocation();
        p.description = (info.manufacturer() + QLatin1Char(' ') + info.description()).trimmed();
        p.numeroSerie = info.serialNumber();
        Complete(p, dossierTty, info.portName(), stables);
        vus.insert(p.chemin);
        detectes.push_back(p);
    }
    // Interrogé par udev, Qt tait les ports de la plateforme : /sys les a tous, UART ou non.
    for (const QFileInfo& f : QDir(dossierTty).entryInfoList(Entrees, QDir::Name)) {
        PeripheriqueSerie p;
        p.chemin = QStringLiteral("/dev/") + f.fileName();
        if (vus.contains(p.chemin) || !QFileInfo::exists(f.filePath() + QStringLiteral("/type")))
            continue;
        Complete(p, dossierTty, f.fileName(), stables);
        detectes.push_back(p);
    }
    return detectes;
}

std::array<std::optional<LienCom>, NbPortsCom> LiensCom(const QString& dossierProgramme) {
    std::array<std::optional<LienCom>, NbPortsCom> liens;
    for (int i = 0; i < NbPortsCom; ++i) {
        const QString chemin = QDir(dossierProgramme).filePath(QStringLiteral("COM%1").arg(i + 1));
        const QFileInfo info(chemin);
        if (!info.exists() && !info.isSymLink()) continue;
        QString cible = info.canonicalFilePath();
        if (cible.isEmpty()) cible = info.isSymLink() ? info.symLinkTarget() : chemin;
        liens[i] = LienCom{chemin, cible};
    }
    return liens;
}

Correspondance CorrespondancePorts(const QString& dossierProgramme,
                                   const std::vector<PeripheriqueSerie>& detectes) {
    return AssociePorts(detectes, LiensCom(dossierProgramme));
}

QString LieCom(const QString& dossierProgramme, int numero, const QString& cible) {
    const QString lien = QDir(dossierProgramme).filePath(QStringLiteral("COM%1").arg(numero));
    QFile fichier(cible);
    if (fichier.link(lien)) return {};
    return QStringLiteral("Impossible de créer le lien %1 vers %2 : %3")
        .arg(lien, cible, CauseSysteme(fichier.errorString()));
}

QString GroupePeripherique(const QString& chemin) {
    return QFileInfo(chemin).group();
}

QString NomUtilisateur() {
#ifdef Q_OS_UNIX
    if (const passwd* compte = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(compte->pw_name);
#endif
    return qEnvironmentVariable("USER");
}

SurveillancePorts::SurveillancePorts(std::function<void()> change, QObject* parent)
    : QObject(parent), veilleur_(new QFileSystemWatcher(this)) {
    Surveille();
    connect(veilleur_, &QFileSystemWatcher::directoryChanged, this,
            [this, change = std::move(change)] {
                Surveille(); // by-id naît avec le premier adaptateur et meurt avec le dernier
                change();
            });
}

void SurveillancePorts::Surveille() {
    for (const QString& dossier : {QStringLiteral("/dev"), DossierParId})
        if (QFileInfo::exists(dossier) && !veilleur_->directories().contains(dossier))
            veilleur_->addPath(dossier);
}
