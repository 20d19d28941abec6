// Un fichier refusé ou impossible à écrire ne prend ni ne perd rien : les boîtes dans l'ordre,
// chacune avec sa réponse, puis le programme, le titre et le dossier attendus.
#include "files/FichierProgramme.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
const std::map<QString, QString> Boites{
    {"non conforme", "« GESTION CHAUFFAGE » critique AbandonnerRecommencerIgnorer : « Fichier non "
                     "conforme,  »"},
    {"effacer", "« GESTION CHAUFFAGE » critique OuiNon : « Voulez-vous effacer les données en "
                "mémoire ? »"},
    {"incompatible", "« GESTION CHAUFFAGE » critique Ok : « ** FICHIER INCOMPATIBLE AVEC "
                     "L'APPLICATION **  »"},
    {"sauvegarder", "« INFO » exclamation OuiNon : « Voulez-vous sauvegarder ? »"},
};

// Actions séparées par « ; », une réponse par boîte ; attendus : les dialogues, puis les boîtes.
void Joue(Scenario& s, const QString& actions, const QString& reponses, const QString& boites,
          const QString& dialogue = QString()) {
    const QStringList r = reponses.split(' ', Qt::SkipEmptyParts);
    QString texte;
    for (const QString& reponse : r) texte += "> boite " + reponse + '\n';
    texte += "> " + QString(actions).replace(';', "\n> ") + '\n';
    const QString vu = s.Joue(texte);
    QStringList vues, attendues;
    for (const QString& l : vu.split('\n'))
        if (l.startsWith(QStringLiteral("  boîte ")))
            vues << l.mid(2);
        else if (l.startsWith(QStringLiteral("  dialogue "))) // sans le nom rendu, déjà dit
            vues << l.mid(2).section(QStringLiteral(" -> "), 0, 0);
    for (int i = 0; i < actions.count(QStringLiteral("dialogue ")); ++i)
        attendues << "dialogue " + dialogue;
    const QStringList noms = boites.split(';', Qt::SkipEmptyParts);
    for (int i = 0; i < noms.size(); ++i)
        attendues << (Boites.count(noms[i]) ? "boîte " + Boites.at(noms[i]) : noms[i]) + " -> " +
                         r.value(i);
    EXPECT_EQ(vues, attendues) << vu.toStdString();
    EXPECT_FALSE(vu.contains(QStringLiteral("!!"))) << vu.toStdString();
}

// Jours vides, températures par défaut, identifiants gardés.
Programme Vide(Programme p) {
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = JourVide();
        p.TempZone[z] = {169, 165, 140, 145};
    }
    return p;
}

// Depuis l'exemple modifié, zone 2 montrée : "&Lecture" (noms rendus par le dialogue, après
// « Voulez-vous sauvegarder ? » -> Non) ou, sans noms, "&Nouveau". "lu" : le fichier lu.
struct Remplacement {
    const char *noms, *reponses, *boites, *lu;
    bool efface;
    int zone;
};
const Remplacement Remplacements[] = {
    {"*.prg", "", "", nullptr, false, 2},
    // Sans ".PRG", quelle qu'en soit la casse, le dialogue revient.
    {"notes.txt prg essai.Prg", "", "", "ESSAI.PRG", false, 0},
    {"casse.prg", "Abandonner", "non conforme", nullptr, false, 2},
    {"casse.prg", "Aucun", "non conforme", nullptr, false, 2},
    {"casse.prg autre.prg", "Recommencer", "non conforme", "AUTRE.PRG", false, 0},
    {"casse.prg", "Ignorer Non", "non conforme;effacer", nullptr, false, 0},
    {"casse.prg", "Ignorer Aucun", "non conforme;effacer", nullptr, false, 0},
    {"casse.prg", "Ignorer Oui", "non conforme;effacer", nullptr, true, 0},
    {"absent.prg rep.prg", "Recommencer Abandonner", "non conforme;non conforme", nullptr, false,
     2},
    {"etranger.prg", "Ok", "incompatible", nullptr, false, 0},
    {nullptr, "Non", "effacer", nullptr, false, 2},
    {nullptr, "Oui", "effacer", nullptr, true, 0},
};

TEST(FichierRefuse, LectureEtNouveau) {
    for (const Remplacement& c : Remplacements) {
        SCOPED_TRACE(testing::Message() << (c.noms ? c.noms : "&Nouveau") << " / " << c.reponses);
        Scenario s;
        s.Joue("> ecrit autre.prg @exemple\n> ecrit notes.txt x\n> ecrit prg x\n"
               "> ecrit essai.Prg @exemple\n"
               "> ecrit casse.prg GESTION CHAUFFAGE -VK472- V1.50\\r\\n 1 169,165,\\r\\n\n"
               "> ecrit etranger.prg GESTION vk472\\r\\n 1 169,165,140,145\\r\\n\n"
               "> dossier rep.prg\n> demarre\n> barre VScroll3(3) 146\n> barre VScrollZone 2\n");
        const Programme avant = s.fenetre->Doc().Prog();
        const QString titre = s.fenetre->windowTitle();
        QString actions;
        for (const QString& nom : QString(c.noms).split(' ', Qt::SkipEmptyParts))
            actions += "dialogue " + nom + ';';
        actions += c.noms ? "menu LectureData" : "menu Nouveau";
        Joue(s, actions, (c.noms ? "Non " : "") + QString(c.reponses),
             (c.noms ? "sauvegarder;" : "") + QString(c.boites),
             QStringLiteral("ouvrir <dossier> « *.prg »"));
        const Document& doc = s.fenetre->Doc();
        EXPECT_EQ(doc.Prog(), c.lu       ? LireFichierProgramme(ProgrammeExemple()).programme
                              : c.efface ? Vide(avant)
                                         : avant);
        EXPECT_EQ(doc.Modifie(), !c.lu);
        // Lu : tout l'écran est celui d'un démarrage sur l'exemple, sauf le titre.
        if (c.lu)
            EXPECT_EQ(s.Joue(QStringLiteral("> montre etat\n")),
                      "> montre etat\n  titre « GESTION CHAUFFAGE -VK472- V1.50" +
                          QString(36, ' ') + "Fichier:  <DOSSIER>/" + c.lu + " »\n");
        else
            EXPECT_EQ(s.fenetre->windowTitle(), titre);
        // Les barres dessinées suivent les jours ; effacés, le texte des segments aussi.
        for (const auto& [cle, ligne] : s.EtatVu())
            EXPECT_FALSE(ligne.contains(QStringLiteral("barres "))) << ligne.toStdString();
        if (c.efface) {
            EXPECT_TRUE(s.Joue(QStringLiteral("> montre VisuProgramme\n"))
                            .contains(QStringLiteral("«     »")));
        }
        s.Joue(QStringLiteral("> montre jour\n")); // la zone et le jour montrés sont les édités
        EXPECT_EQ(doc.Zone(), c.zone);
    }
}

// Le programme modifié, "Sauver comme .." vers ce qui ne peut pas s'écrire ou qu'un export
// écraserait aussitôt ("&Sauvegarde" sur un dossier : scénario demarrage).
const std::pair<QString, QString> Refuses[] = {
    {"tube.prg", "Ce n'est pas un fichier ordinaire."},
    {"lien.prg", "Ce n'est pas un fichier ordinaire."},
    {"bloc/essai.prg", "Un élément du chemin n'est pas un dossier."},
    {"absent/essai.prg", "Fichier ou dossier introuvable."},
    {"rep.prg", "C'est un dossier."},
    {"DataUc.xls", "Le programme écrit lui-même ce fichier : choisissez un autre nom."},
};

TEST(FichierRefuse, SauvegardeImpossible) {
    for (const auto& [nom, cause] : Refuses) {
        SCOPED_TRACE(nom.toStdString());
        Scenario s;
        // En root, une écriture fautive qui renommerait par-dessus le périphérique détruirait
        // le vrai /dev/full : le test prend le sien.
        QString full = QStringLiteral("/dev/full");
        if (::geteuid() == 0 &&
            ::mknod(s.dossier.Fichier(QStringLiteral("full")).toLocal8Bit().constData(),
                    S_IFCHR | 0666, makedev(1, 7)) == 0)
            full = QStringLiteral("<dossier>/full");
        s.Joue(
            QStringLiteral("> tube tube.prg\n> lien lien.prg ") + full +
            QStringLiteral("\n"
                           "> ecrit bloc fichier ordinaire\n> dossier rep.prg\n"
                           "> ecrit DataUc.FCB ancien FCB\n> demarre\n> barre VScroll3(3) 146\n"));
        const QString titre = s.fenetre->windowTitle();
        const QString dossier = s.Joue(QStringLiteral("> montre dossier\n"));
        Joue(s, "dialogue " + nom + ";menu SauverComme", "Ok",
             "boîte « GESTION CHAUFFAGE » critique Ok : « ** SAUVEGARDE IMPOSSIBLE "
             "**\\r\\n\\r\\n<dossier>/" +
                 nom + "\\r\\n" + cause + " »",
             QStringLiteral("sauver <dossier> « *.PRG »"));
        EXPECT_EQ(s.Joue(QStringLiteral("> montre dossier\n")), dossier);
        EXPECT_EQ(s.fenetre->windowTitle(), titre);
        EXPECT_TRUE(s.fenetre->Doc().Modifie());
    }
}
} // namespace
