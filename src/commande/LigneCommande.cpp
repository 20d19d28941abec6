#include "commande/LigneCommande.h"
#include "files/FichierProgramme.h"
#include "link/Configuration.h"
#include "link/TrameProgramme.h"
#include "link/Transmission.h"
#include "model/Document.h"
#include "model/Textes.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/PortSerie.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <optional>

namespace {
const QString Nom = QStringLiteral("gestion-chauffage");

const QString TexteUsage = QStringLiteral(
    "Usage : gestion-chauffage [option]\n"
    "Sans option, la fenêtre s'ouvre.\n"
    "  --aide, --help                    cette aide\n"
    "  --version                         la version du programme\n"
    "  --verifie fichier.prg             « conforme » ou chaque problème avec sa ligne\n"
    "                                    (sortie 0 ou 1)\n"
    "  --envoie fichier.prg [--port COMn]\n"
    "                                    charge la télécommande comme « Programmation »,\n"
    "                                    par le port de VK472.CFG ou celui donné\n"
    "                                    (sortie 0 ; 2 port fermé ; 3 fichier refusé ;\n"
    "                                    4 port perdu pendant l'envoi ; 5 envoyé, journal\n"
    "                                    non écrit)\n"
    "  --pdf fichier.prg sortie.pdf      la semaine imprimée, une page par zone\n"
    "                                    (sortie 0 ou 1)\n"
    "  --ports                           les ports série détectés et ce que désignent\n"
    "                                    COM1 à COM4\n"
    "Autres sorties : 64 pour une option inconnue ou un fichier manquant.\n");

// Le programme tel que la fenêtre l'enverrait juste après l'avoir lu : jours courts complétés,
// neuvième segment des jours de la zone 0 coupé (elle les montre), identifiant de la zone 0.
Programme CommeLaFenetre(const Programme& lu) {
    Document doc;
    doc.Charge(lu);
    doc.CompleteJours();
    for (int jour = NbJours - 1; jour >= 0; --jour) doc.ValideJour(jour);
    return doc.Prog();
}

// Numéro du port de "COMn" (n de 1 à 4, comme le menu), ou rien.
std::optional<int> NumeroPort(const QString& texte) {
    static const QRegularExpression forme(QStringLiteral("^COM([1-4])$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto trouve = forme.match(texte);
    if (!trouve.hasMatch()) return std::nullopt;
    return trouve.captured(1).toInt();
}

int PortConfigure(const QString& dossier) {
    QFile fichier(QDir(dossier).filePath(QStringLiteral("VK472.CFG")));
    int index = 0; // absent ou illisible : COM1, comme la fenêtre
    if (OuvreFichierOrdinaire(fichier, QIODevice::ReadOnly))
        index = LireConfiguration(fichier.read(4096)).value_or(0);
    return index + 1;
}

class Commande {
public:
    explicit Commande(OutilsCommande& outils) : o_(outils) {}

    int Refuse(const QString& message) {
        o_.erreurs << Nom << " : " << message << "\n\n" << TexteUsage;
        o_.erreurs.flush();
        return CodeSortie::Usage;
    }

    int Verifie(const QString& chemin) {
        const auto contenu = LitContenuFichierProgramme(chemin);
        const QStringList problemes =
            contenu ? ProblemesFichierProgramme(*contenu)
                    : QStringList{QStringLiteral("fichier illisible, trop gros ou pas un fichier "
                                                 "ordinaire")};
        for (const QString& p : problemes) o_.sortie << chemin << " : " << p << '\n';
        if (problemes.isEmpty()) o_.sortie << chemin << " : conforme\n";
        return problemes.isEmpty() ? CodeSortie::Reussi : CodeSortie::NonConforme;
    }

    int Envoie(const QString& chemin, std::optional<int> port) {
        const auto contenu = LitContenuFichierProgramme(chemin);
        const ResultatLecture lu = contenu ? LireFichierProgramme(*contenu) : ResultatLecture{};
        if (lu.statut != StatutLecture::Lu) {
            o_.erreurs << chemin << " : fichier non conforme, rien n'est envoyé"
                       << (lu.cause.isEmpty()
                               ? QString()
                               : QStringLiteral(" (ligne %1 : %2)").arg(lu.ligne).arg(lu.cause))
                       << '\n';
            return CodeSortie::FichierRefuse;
        }
        const Programme programme = CommeLaFenetre(lu.programme);
        if (const auto fautive = ChercheTemperatureHorsLimites(programme)) {
            o_.erreurs << chemin << " : " << TexteTemperatureHorsLimites(*fautive)
                       << " Rien n'est envoyé.\n";
            return CodeSortie::FichierRefuse;
        }
        const int numero = port.value_or(PortConfigure(o_.dossierProgramme));
        if (!o_.port.Ouvre(numero)) {
            o_.erreurs << o_.port.Erreur() << '\n';
            return CodeSortie::PortFerme;
        }
        o_.sortie << "Programmation par COM" << numero << " : " << LongueurTrame
                  << " octets, six pauses de " << PauseApresBlocMs << " ms\n";
        o_.sortie.flush();

        Transmission transmission(o_.port, o_.minuterie, o_.dossierProgramme);
        int fait = 0, dizaine = 0;
        QObject::connect(&transmission, &Transmission::Avance, [&](int pas) {
            fait += pas;
            // 453 pas sur toute la trame (AvancesProgression) : une ligne par dizaine.
            for (; dizaine < fait * 10 / 453; ++dizaine) {
                o_.sortie << "  " << (dizaine + 1) * 10 << " %\n";
                o_.sortie.flush();
            }
        });
        const qint32 identifiant = programme.IdentZone[0];
        const bool envoye = transmission.Envoie(TrameZones(programme), [&] {
            return BlocReglages(programme, identifiant, o_.maintenant());
        });
        // Fermer attend que la ligne ait tout pris : sinon la fin de la trame serait perdue.
        o_.port.Ferme();
        if (!envoye)
            o_.erreurs << "** ECHEC DE LA TRANSMISSION ** " << transmission.Cause() << '\n';
        else
            o_.sortie << "** FIN DE TRANSMISSION **\n";
        const auto echec = transmission.EchecJournaux();
        if (echec) o_.erreurs << echec->chemin << " : journal non écrit. " << echec->cause << '\n';
        return !envoye ? CodeSortie::PortPerdu
               : echec ? CodeSortie::JournalPerdu
                       : CodeSortie::Reussi;
    }

    int Pdf(const QString& chemin, const QString& sortie) {
        const auto contenu = LitContenuFichierProgramme(chemin);
        const ResultatLecture lu = contenu ? LireFichierProgramme(*contenu) : ResultatLecture{};
        if (lu.statut != StatutLecture::Lu) {
            o_.erreurs << chemin << " : fichier non conforme, pas de PDF\n";
            return CodeSortie::NonConforme;
        }
        // Ni un programme (même celui qu'on vient de lire), ni un tube ou un périphérique.
        QString cause = RefusCiblePdf(sortie);
        if (cause.isEmpty())
            cause =
                o_.ecritPdf(sortie, lu.programme, QFileInfo(chemin).fileName(), o_.maintenant());
        if (!cause.isEmpty()) {
            o_.erreurs << sortie << " : écriture impossible. " << cause << '\n';
            return CodeSortie::NonConforme;
        }
        o_.sortie << sortie << " : " << NbZones << " pages\n";
        return CodeSortie::Reussi;
    }

private:
    OutilsCommande& o_;
};
} // namespace

bool DemandePdf(const QStringList& arguments) {
    return arguments.mid(1).contains(QStringLiteral("--pdf"));
}

bool DemandeLigneCommande(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (arguments[i].startsWith(QLatin1String("--"))) return true;
    return false;
}

QStringList ProblemesFichierProgramme(const QByteArray& contenu) {
    const ResultatLecture lu = LireFichierProgramme(contenu);
    if (lu.statut != StatutLecture::Lu)
        return {QStringLiteral("ligne %1 : %2").arg(lu.ligne).arg(lu.cause)};
    // Lu, mais refusé à la transmission : chaque température hors limites des autres zones.
    QStringList problemes;
    for (int z = 1; z < NbZones; ++z)
        for (int t = 0; t < NbTemperatures; ++t) {
            const qint16 valeur = lu.programme.TempZone[z][t];
            if (valeur >= TemperatureMin && valeur <= TemperatureMax) continue;
            problemes << QStringLiteral("ligne %1 : %2")
                             .arg(lu.lignesZones[z])
                             .arg(TexteTemperatureHorsLimites({z, t, valeur}));
        }
    return problemes;
}

int ExecuteLigneCommande(const QStringList& arguments, OutilsCommande& outils) {
    QCommandLineParser analyse;
    const QCommandLineOption aide(QStringList{QStringLiteral("aide"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption verifie(QStringLiteral("verifie"), QString(), QStringLiteral("f"));
    const QCommandLineOption envoie(QStringLiteral("envoie"), QString(), QStringLiteral("f"));
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("COMn"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("f"));
    const QCommandLineOption ports(QStringLiteral("ports"));
    analyse.addOptions({aide, version, verifie, envoie, port, pdf, ports});
    Commande commande(outils);

    if (!analyse.parse(arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        if (!inconnues.isEmpty())
            return commande.Refuse(
                QStringLiteral("option inconnue « %1%2 »")
                    .arg(inconnues.first().size() > 1 ? QStringLiteral("--") : QStringLiteral("-"),
                         inconnues.first()));
        // Seule autre erreur possible : une option à valeur en dernier.
        return commande.Refuse(
            QStringLiteral("il manque la valeur de « %1 »").arg(arguments.last()));
    }
    // Une seule action ; la ligne de commande en gagnera d'autres sur ce modèle.
    const QList<QCommandLineOption> actions{aide, version, verifie, envoie, pdf, ports};
    int demandees = 0;
    for (const auto& action : actions) demandees += analyse.isSet(action) ? 1 : 0;
    if (demandees != 1)
        return commande.Refuse(
            QStringLiteral("une seule de --aide, --version, --verifie, --envoie, --pdf, --ports"));
    // Seul --pdf prend un argument de plus : le PDF à écrire.
    QStringList positionnels = analyse.positionalArguments();
    QString sortiePdf;
    if (analyse.isSet(pdf)) {
        if (positionnels.isEmpty())
            return commande.Refuse(QStringLiteral("il manque le PDF à écrire après --pdf"));
        sortiePdf = positionnels.takeFirst();
    }
    if (!positionnels.isEmpty())
        return commande.Refuse(QStringLiteral("argument en trop « %1 »").arg(positionnels.first()));
    if (analyse.isSet(port) && !analyse.isSet(envoie))
        return commande.Refuse(QStringLiteral("--port ne sert qu'avec --envoie"));

    if (analyse.isSet(aide)) {
        outils.sortie << TexteUsage;
        return CodeSortie::Reussi;
    }
    if (analyse.isSet(version)) {
        outils.sortie << TitreVersion << '\n';
        return CodeSortie::Reussi;
    }
    if (analyse.isSet(ports)) {
        for (const QString& ligne : outils.lignesPorts()) outils.sortie << ligne << '\n';
        return CodeSortie::Reussi;
    }
    const QCommandLineOption& action = analyse.isSet(verifie) ? verifie
                                       : analyse.isSet(pdf)   ? pdf
                                                              : envoie;
    const QString fichier = analyse.value(action);
    if (!QFileInfo::exists(fichier))
        return commande.Refuse(QStringLiteral("fichier introuvable « %1 »").arg(fichier));
    if (analyse.isSet(verifie)) return commande.Verifie(fichier);
    if (analyse.isSet(pdf)) return commande.Pdf(fichier, sortiePdf);

    std::optional<int> numero;
    if (analyse.isSet(port)) {
        numero = NumeroPort(analyse.value(port));
        if (!numero)
            return commande.Refuse(
                QStringLiteral("port « %1 » : COM1 à COM4").arg(analyse.value(port)));
    }
    return commande.Envoie(fichier, numero);
}
