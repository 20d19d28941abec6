// Un fichier refusé ou impossible à écrire ne prend ni ne perd rien : les boîtes dans l'ordre,
// puis le programme, le titre, la zone et le dossier attendus.
#include "files/FichierProgramme.h"
#include "support/Scenario.h"
#include "ui/FenetrePrincipale.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
const std::map<QString, QString> Textes{
    {"sauver", "Voulez-vous sauvegarder ?"},
    {"illisible", "Fichier non conforme, "},
    {"effacer", "Voulez-vous effacer les données en mémoire ?"},
    {"incompatible", "** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "},
    {"ordinaire", "Ce n'est pas un fichier ordinaire."},
    {"export", "Le programme écrit lui-même ce fichier : choisissez un autre nom."},
};

// Jours vides, températures par défaut, identifiants gardés.
Programme Vide(Programme p) {
    for (int z = 0; z < NbZones; ++z) {
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = JourVide();
        p.TempZone[z] = {169, 165, 140, 145};
    }
    return p;
}

// Depuis l'exemple modifié, zone 2 montrée : les noms rendus par les dialogues, les réponses
// des boîtes, puis la commande. "lu" : le fichier finalement lu.
struct Cas {
    const char *menu, *noms, *reponses, *boites, *lu;
    bool efface;
    int zone;
};
const Cas Tous[] = {
    {"LectureData", "*.prg", "Non", "sauver", nullptr, false, 2},
    // Sans ".PRG", quelle qu'en soit la casse, le dialogue revient ; Recommencer aussi.
    {"LectureData", "notes.txt prg casse.prg essai.Prg", "Non Recommencer", "sauver;illisible",
     "ESSAI.PRG", false, 0},
    {"LectureData", "absent.prg rep.prg", "Non Recommencer Abandonner",
     "sauver;illisible;illisible", nullptr, false, 2},
    {"LectureData", "casse.prg", "Non Ignorer Non", "sauver;illisible;effacer", nullptr, false, 0},
    {"LectureData", "casse.prg", "Non Ignorer Oui", "sauver;illisible;effacer", nullptr, true, 0},
    {"LectureData", "etranger.prg", "Non Ok", "sauver;incompatible", nullptr, false, 0},
    {"Nouveau", "", "Non", "effacer", nullptr, false, 2},
    // Ce qui n'est pas un fichier ordinaire, ou qu'un export écraserait aussitôt.
    {"SauverComme", "lien.prg", "Ok", "ordinaire", nullptr, false, 2},
    {"SauverComme", "DataUc.xls", "Ok", "export", nullptr, false, 2},
};

TEST(FichierRefuse, RienNEstPrisNiPerdu) {
    for (const Cas& c : Tous) {
        SCOPED_TRACE(testing::Message() << c.menu << " " << c.noms << " / " << c.reponses);
        Scenario s;
        // En root, une écriture fautive qui renommerait par-dessus le périphérique détruirait
        // le vrai /dev/full : le test prend le sien.
        QString full = QStringLiteral("/dev/full");
        if (::geteuid() == 0 &&
            ::mknod(s.dossier.Fichier(QStringLiteral("full")).toLocal8Bit().constData(),
                    S_IFCHR | 0666, makedev(1, 7)) == 0)
            full = QStringLiteral("<dossier>/full");
        s.Joue("> ecrit notes.txt x\n> ecrit prg x\n> ecrit essai.Prg @exemple\n"
               "> ecrit casse.prg GESTION CHAUFFAGE -VK472- V1.50\\r\\n 1 169,165,\\r\\n\n"
               "> ecrit etranger.prg GESTION vk472\\r\\n 1 169,165,140,145\\r\\n\n"
               "> dossier rep.prg\n> lien lien.prg " +
               full + "\n> demarre\n> barre VScroll3(3) 146\n> barre VScrollZone 2\n" +
               (c.efface ? "> clic ChkVisuHoraire\n" : ""));
        const Programme avant = s.fenetre->Doc().Prog();
        const QString titre = s.fenetre->windowTitle();
        const QString dossier = s.Joue(QStringLiteral("> montre dossier\n"));
        QString actions;
        for (const QString& r : QString(c.reponses).split(' ')) actions += "> boite " + r + '\n';
        for (const QString& nom : QString(c.noms).split(' ', Qt::SkipEmptyParts))
            actions += "> dialogue " + nom + '\n';
        EXPECT_FALSE(s.Joue(actions + "> menu " + c.menu + '\n').contains("!!"));
        QStringList boites, attendues;
        for (const BoiteVue& b : s.plateforme.Boites) boites << b.texte;
        for (const QString& cle : QString(c.boites).split(';'))
            attendues << (c.menu == std::string("SauverComme")
                              ? "** SAUVEGARDE IMPOSSIBLE **\r\n\r\n" + s.dossier.Fichier(c.noms) +
                                    "\r\n" + Textes.at(cle)
                              : Textes.at(cle));
        EXPECT_EQ(boites, attendues);

        const Document& doc = s.fenetre->Doc();
        EXPECT_EQ(doc.Prog(), c.lu       ? LireFichierProgramme(ProgrammeExemple()).programme
                              : c.efface ? Vide(avant)
                                         : avant);
        EXPECT_EQ(doc.Modifie(), !c.lu);
        EXPECT_EQ(s.Joue(QStringLiteral("> montre dossier\n")), dossier);
        // Lu : tout l'écran est celui d'un démarrage sur l'exemple, sauf le titre.
        if (c.lu) {
            EXPECT_EQ(s.Joue(QStringLiteral("> montre etat\n")),
                      "> montre etat\n  titre « GESTION CHAUFFAGE -VK472- V1.50" +
                          QString(36, ' ') + "Fichier:  <DOSSIER>/" + c.lu + " »\n");
        } else {
            EXPECT_EQ(s.fenetre->windowTitle(), titre);
        }
        // Les barres dessinées suivent les jours ; effacés, les segments montrés sont décochés.
        for (const auto& [cle, ligne] : s.EtatVu())
            EXPECT_FALSE(ligne.contains(QStringLiteral("barres "))) << ligne.toStdString();
        EXPECT_TRUE(!c.efface ||
                    s.Joue(QStringLiteral("> montre VisuProgramme\n")).contains("caché «     »"));
        s.Joue(QStringLiteral("> montre jour\n")); // la zone et le jour montrés sont les édités
        EXPECT_EQ(doc.Zone(), c.zone);
    }
}
} // namespace
