#include "commande/LigneCommande.h"
#include "files/FichierProgramme.h"
#include "link/Configuration.h"
#include "link/TrameProgramme.h"
#include "link/Transmission.h"
#include "model/Document.h"
#include "model/Textes.h"
#include "plateforme/DetectionPorts.h"
#include "plateforme/EcritureAtomique.h"
#include "plateforme/FichierOrdinaire.h"
#include "plateforme/PortSerie.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <optional>

namespace {
const QString Nom = QStringLiteral("gestion-chauffage");

const QString TexteUsage = QStringLiteral(
    "Usage : gestion-chauffage [option]\n"
    "        gestion-chauffage [fichier.prg]\n"
    "Sans option, la fenêtre s'ouvre, sur le fichier donné ou sinon sur data.prg.\n"
    "  -h, --aide, --help                cette aide\n"
    "  --version                         la version du programme\n"
    "  --verifie fichier.prg             « conforme » ou chaque problème avec sa ligne\n"
    "                                    (sortie 0 ou 1) ; les lignes « avertissement »\n"
    "                                    n'empêchent ni l'envoi ni le PDF\n"
    "  --envoie fichier.prg [--port COMn] [--zone N]\n"
    "                                    charge la télécommande comme « Programmation »,\n"
    "                                    par le port de VK472.CFG ou celui donné,\n"
    "                                    avec l'identifiant de la zone N (0 par défaut)\n"
    "                                    (sortie 0 ; 2 port fermé, ou plus le périphérique\n"
    "                                    qui a servi ; 3 fichier refusé ; 4 port perdu\n"
    "                                    pendant l'envoi ; 5 envoyé, journal non écrit ;\n"
    "                                    7 envoyé, sortie fermée en route, « | head -1 »\n"
    "                                    par exemple)\n"
    "  --pdf fichier.prg sortie.pdf      la semaine imprimée, une page par zone\n"
    "                                    (sortie 0 ou 1)\n"
    "  --ports                           les ports série détectés et ce que désignent\n"
    "                                    COM1 à COM4\n"
    "Autres sorties : 64 pour une option inconnue ou un fichier manquant (pour la fenêtre,\n"
    "aussi un fichier illisible) ; 6 quand la fenêtre ne trouve pas d'écran ; 7 quand la\n"
    "sortie se ferme ou se remplit et que ce qui s'y écrivait est perdu.\n");

// Le programme tel que la fenêtre l'enverrait juste après l'avoir lu : jours courts complétés,
// neuvième segment des jours de la zone 0 coupé (elle les montre), identifiant de la zone 0.
Programme CommeLaFenetre(const Programme& lu) {
    Document doc;
    doc.Charge(lu);
    doc.CompleteJours();
    for (int jour = NbJours - 1; jour >= 0; --jour) doc.ValideJour(0, jour);
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
        const QStringList problemes = ProblemesDuContenu(contenu);
        for (const QString& p : problemes) o_.sortie << chemin << " : " << p << '\n';
        if (contenu)
            for (const QString& a : AvertissementsFichierProgramme(*contenu))
                o_.sortie << "avertissement : " << chemin << " : " << a << '\n';
        if (problemes.isEmpty()) o_.sortie << chemin << " : conforme\n";
        return problemes.isEmpty() ? CodeSortie::Reussi : CodeSortie::NonConforme;
    }

    int Envoie(const QString& chemin, std::optional<int> port, int zone) {
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
        const int numero = port.value_or(IndexConfigure(o_.dossierProgramme) + 1);
        // Personne ici pour accepter un autre appareil que celui qui a servi pour ce COMn.
        const auto detectes = o_.peripheriques();
        const Correspondance ports = CorrespondancePorts(o_.dossierProgramme, detectes);
        const PortAssocie& actuel = ports.com[numero - 1];
        const auto retenus = PeripheriquesRetenusDuDossier(o_.dossierProgramme);
        const PeripheriqueRetenu retenu = retenus.value_or(PeripheriquesRetenus{})[numero - 1];
        const AccordPeripherique accord = CompareAuRetenu(retenu, actuel, ports, detectes);
        if (!retenus || accord != AccordPeripherique::Meme) {
            // Sans fenêtre pour choisir de nouveau le port, la ligne du fichier s'efface.
            const QString texte =
                !retenus ? TextePeripheriquesIllisibles(o_.dossierProgramme)
                : accord == AccordPeripherique::Parti
                    ? TextePeripheriqueParti(numero, retenu.libelle)
                    : TextePeripheriqueRefuse(numero, retenu.libelle, LibellePort(actuel));
            o_.erreurs << QString(texte).replace(QLatin1String("\r\n"), QLatin1String("\n"));
            if (retenus)
                o_.erreurs
                    << QStringLiteral(
                           "\nSans la fenêtre : effacez la ligne COM%1 de %2 pour l'oublier.")
                           .arg(numero)
                           .arg(CheminPeripheriquesRetenus(o_.dossierProgramme));
            o_.erreurs << '\n';
            return CodeSortie::PortFerme;
        }
        if (!o_.port.Ouvre(numero)) {
            o_.erreurs << o_.port.Erreur() << '\n';
            return CodeSortie::PortFerme;
        }
        // Non retenu, l'envoi part quand même : le prochain ne reconnaîtra pas l'appareil.
        if (const auto contenu = RetenusAvec(o_.dossierProgramme, numero, actuel)) {
            const QString chemin = CheminPeripheriquesRetenus(o_.dossierProgramme);
            const QString cause = EcritFichierAtomique(chemin, *contenu);
            if (!cause.isEmpty())
                o_.erreurs << chemin << " : périphérique non retenu. " << cause << '\n';
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
        const qint32 identifiant = programme.IdentZone[zone];
        const bool envoye = transmission.Envoie(TrameZones(programme), [&] {
            return BlocReglages(programme, identifiant, o_.maintenant());
        });
        // Fermer attend que la ligne ait tout pris : sinon la fin de la trame serait perdue.
        o_.port.Ferme();
        if (!envoye)
            o_.erreurs << "** ECHEC DE LA TRANSMISSION ** " << transmission.Cause() << '\n';
        else
            o_.sortie << "** FIN DE TRANSMISSION **\n";
        o_.sortie.flush();
        // Une sortie fermée ("| head -1") n'a rien arrêté : la fin se dit sur les erreurs.
        const bool sortieFermee = o_.sortie.status() != QTextStream::Ok;
        if (sortieFermee)
            o_.erreurs << Nom << " : sortie fermée pendant l'envoi, sa suite est perdue.\n"
                       << (envoye ? "** FIN DE TRANSMISSION **\n" : "");
        const auto echec = transmission.EchecJournaux();
        if (echec) o_.erreurs << echec->chemin << " : journal non écrit. " << echec->cause << '\n';
        return !envoye        ? CodeSortie::PortPerdu
               : echec        ? CodeSortie::JournalPerdu
               : sortieFermee ? CodeSortie::SortieFermee
                              : CodeSortie::Reussi;
    }

    int Pdf(const QString& chemin, const QString& sortie) {
        const auto contenu = LitContenuFichierProgramme(chemin);
        // Ce que --verifie refuse n'est pas imprimé non plus : la semaine montrerait un
        // programme que la télécommande ne recevra jamais.
        const QStringList problemes = ProblemesDuContenu(contenu);
        if (!problemes.isEmpty()) {
            o_.erreurs << chemin << " : fichier non conforme, pas de PDF (" << problemes.first()
                       << ")\n";
            return CodeSortie::NonConforme;
        }
        const ResultatLecture lu = LireFichierProgramme(*contenu);
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
    static QStringList ProblemesDuContenu(const std::optional<QByteArray>& contenu) {
        if (!contenu)
            return {QStringLiteral("fichier illisible, trop gros ou pas un fichier ordinaire")};
        return ProblemesFichierProgramme(*contenu);
    }

    OutilsCommande& o_;
};

// L'option telle que tapée ("-platform", "--zz") : l'analyse ne rend que son nom.
QString OptionTapee(const QStringList& arguments, const QString& nom) {
    for (const QString& a : arguments.mid(1)) {
        QString tapee = a.section(QLatin1Char('='), 0, 0);
        if (tapee.startsWith(QLatin1Char('-')) &&
            tapee.mid(tapee.startsWith(QLatin1String("--")) ? 2 : 1) == nom)
            return tapee;
    }
    return QStringLiteral("--") + nom;
}

// Vrai si un créneau du jour tient autre chose que 0 ou 1 (la queue, elle, ne part pas).
bool JourAutreQueZeroUn(const QByteArray& jour) {
    for (const char c : jour.left(NbCreneaux))
        if (c != '0' && c != '1') return true;
    return false;
}
} // namespace

bool DemandePdf(const QStringList& arguments) {
    // Comme l'analyse le lira : "-pdf" vaut "--pdf", et "--pdf=f" aussi. De trop, Qt Gui ne
    // coûte rien ; de moins, le PDF s'arrêterait net.
    for (const QString& a : arguments.mid(1))
        if (const QString nom = a.section(QLatin1Char('='), 0, 0);
            nom == QLatin1String("--pdf") || nom == QLatin1String("-pdf"))
            return true;
    return false;
}

bool DemandeLigneCommande(const QStringList& arguments) {
    // "-- fichier" : pour la fenêtre, un fichier même nommé comme une option.
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--")) return false;
    // Toute option, même d'un tiret, est à nous : celles de Qt (-platform, -display…)
    // finiraient en abandon sans écran. Deux fichiers ne s'ouvrent pas non plus.
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (arguments[i].size() > 1 && arguments[i].startsWith(QLatin1Char('-'))) return true;
    return arguments.size() > 2;
}

int VerifieFichierAOuvrir(const QString& chemin, QTextStream& erreurs) {
    const QFileInfo info(chemin);
    QFile fichier(chemin);
    QString probleme;
    if (!info.exists())
        probleme = QStringLiteral("fichier introuvable « %1 »");
    else if (!info.isFile())
        probleme = QStringLiteral("« %1 » n'est pas un fichier ordinaire");
    else if (!OuvreFichierOrdinaire(fichier))
        probleme = QStringLiteral("fichier illisible « %1 »");
    if (probleme.isEmpty()) return CodeSortie::Reussi;
    erreurs << Nom << " : " << probleme.arg(chemin) << "\n\n" << TexteUsage;
    erreurs.flush();
    return CodeSortie::Usage;
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

QStringList AvertissementsFichierProgramme(const QByteArray& contenu) {
    const ResultatLecture lu = LireFichierProgramme(contenu);
    if (lu.statut != StatutLecture::Lu) return {};
    QStringList avertissements;
    for (int z = 0; z < NbZones; ++z) {
        const QString debut = QStringLiteral("ligne %1 : Zone %2 : ").arg(lu.lignesZones[z]).arg(z);
        const qint32 id = lu.programme.IdentZone[z];
        if (id < 0 || id > 0xFFFF)
            avertissements << debut + QStringLiteral("identifiant %1 hors de 0 à 65535, envoyé "
                                                     "comme %2 (ses 16 bits de poids faible).")
                                          .arg(id)
                                          .arg(id & 0xFFFF);
        for (int d = 0; d < NbJours; ++d) {
            const QByteArray& jour = lu.programme.ProgJour[z][d];
            if (JourAutreQueZeroUn(jour))
                avertissements << debut + QStringLiteral("jour « %1 » : caractères autres que 0 "
                                                         "et 1, comptés en éco.")
                                              .arg(NomsDesJours()[d]);
            // La fenêtre coupe ce qui dépasse huit périodes dès qu'elle montre le jour.
            if (CompteSegments(jour) > NbSegmentsMax)
                avertissements << debut + QStringLiteral("jour « %1 » : plus de 8 périodes de "
                                                         "confort, seules les 8 premières sont "
                                                         "gardées.")
                                              .arg(NomsDesJours()[d]);
        }
    }
    return avertissements;
}

namespace {
int ExecuteAction(const QStringList& arguments, OutilsCommande& outils) {
    QCommandLineParser analyse;
    // "-aide" vaut "--aide" : une option d'un tiret n'est jamais une suite de lettres.
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide(
        QStringList{QStringLiteral("h"), QStringLiteral("aide"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption verifie(QStringLiteral("verifie"), QString(), QStringLiteral("f"));
    const QCommandLineOption envoie(QStringLiteral("envoie"), QString(), QStringLiteral("f"));
    const QCommandLineOption port(QStringLiteral("port"), QString(), QStringLiteral("COMn"));
    const QCommandLineOption zone(QStringLiteral("zone"), QString(), QStringLiteral("N"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QString(), QStringLiteral("f"));
    const QCommandLineOption ports(QStringLiteral("ports"));
    analyse.addOptions({aide, version, verifie, envoie, port, zone, pdf, ports});
    Commande commande(outils);

    if (!analyse.parse(arguments)) {
        const QStringList inconnues = analyse.unknownOptionNames();
        if (!inconnues.isEmpty())
            return commande.Refuse(QStringLiteral("option inconnue « %1 »")
                                       .arg(OptionTapee(arguments, inconnues.first())));
        // Seule autre erreur possible : une option à valeur en dernier.
        return commande.Refuse(
            QStringLiteral("il manque la valeur de « %1 »").arg(arguments.last()));
    }
    // Une option répétée ne dit pas laquelle vaut : "--zone 1 --zone 2" n'envoie rien.
    for (const auto* option : {&verifie, &envoie, &pdf, &port, &zone})
        if (analyse.values(*option).size() > 1)
            return commande.Refuse(
                QStringLiteral("--%1 donnée deux fois").arg(option->names().first()));
    // Dit avant le compte des actions : "--zone 1" seul est un --envoie oublié.
    for (const auto* option : {&port, &zone})
        if (analyse.isSet(*option) && !analyse.isSet(envoie))
            return commande.Refuse(
                QStringLiteral("--%1 ne sert qu'avec --envoie").arg(option->names().first()));
    // Une seule action ; la ligne de commande en gagnera d'autres sur ce modèle.
    const QList<QCommandLineOption> actions{aide, version, verifie, envoie, pdf, ports};
    int demandees = 0;
    for (const auto& action : actions) demandees += analyse.isSet(action) ? 1 : 0;
    // Sans action, la fenêtre n'ouvre qu'un fichier.
    if (demandees == 0 && analyse.positionalArguments().size() > 1)
        return commande.Refuse(QStringLiteral("un seul fichier à ouvrir : argument en trop « %1 »")
                                   .arg(analyse.positionalArguments()[1]));
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

    if (analyse.isSet(aide)) {
        outils.sortie << TexteUsage;
        return CodeSortie::Reussi;
    }
    if (analyse.isSet(version)) {
        outils.sortie << TitreVersion << '\n';
        return CodeSortie::Reussi;
    }
    if (analyse.isSet(ports)) {
        const auto detectes = outils.peripheriques();
        for (const QString& ligne :
             LignesPorts(detectes, CorrespondancePorts(outils.dossierProgramme, detectes)))
            outils.sortie << ligne << '\n';
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
    int numeroZone = 0; // comme la fenêtre juste après la lecture du fichier
    if (analyse.isSet(zone)) {
        bool ok = false;
        numeroZone = analyse.value(zone).toInt(&ok);
        if (!ok || numeroZone < 0 || numeroZone >= NbZones)
            return commande.Refuse(
                QStringLiteral("zone « %1 » : 0, 1 ou 2").arg(analyse.value(zone)));
    }
    return commande.Envoie(fichier, numero, numeroZone);
}
} // namespace

int ExecuteLigneCommande(const QStringList& arguments, OutilsCommande& outils) {
    const int code = ExecuteAction(arguments, outils);
    outils.sortie.flush();
    // Un rapport perdu ("> /dev/full", "| head -1") ne passe pas pour un succès ; un échec
    // garde son code. L'envoi l'a déjà dit.
    if (outils.sortie.status() == QTextStream::Ok || code == CodeSortie::SortieFermee) return code;
    outils.erreurs << Nom << " : sortie fermée ou pleine, ce qui s'y écrivait est perdu.\n";
    return code == CodeSortie::Reussi ? CodeSortie::SortieFermee : code;
}
