// Menu Fichier sur la vraie fenêtre : lecture et ses échecs, nouveau, sauvegarde, sauver comme,
// écritures impossibles. Root passe outre les droits : un fichier, un dossier, un tube ou un
// périphérique barre donc le chemin.
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "support/FenetreTest.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {
const BoiteVue Effacer{QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                       Boutons::OuiNon, Icone::Critique, TitreCourt};
const BoiteVue NonConforme{QStringLiteral("Fichier non conforme, "),
                           Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt};
const BoiteVue Incompatible{QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "),
                            Boutons::Ok, Icone::Critique, TitreCourt};

Programme Relu(const QString& chemin) {
    QFile f(chemin);
    return LireFichierProgramme(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()).programme;
}
// Un programme bien différent de l'exemple livré.
Programme Autre() {
    Programme p;
    p.IdentZone = {111, -222, 70000};
    RemetParDefaut(p);
    for (int z = 0; z < NbZones; ++z) {
        p.TempZone[z] = {170, 160, 150, 146};
        for (int d = 0; d < NbJours; ++d) p.ProgJour[z][d] = JourAvec({{d, 10 + z + d}});
    }
    return p;
}
bool EstPeripherique(const QString& chemin) {
    const QFileInfo infos(chemin);
    return infos.exists() && !infos.isFile() && !infos.isDir();
}
} // namespace

class MenuFichier : public FenetreTest {
protected:
    void SetUp() override {
        const QByteArray autre = EcrireFichierProgramme(Autre(), TitreVersion);
        for (const char* nom : {"autre.prg", "essai.Prg", "notes.txt", "prg"})
            dossier.Ecrit(nom, autre);
        dossier.Ecrit("etranger.prg", EcrireFichierProgramme(Autre(), "GESTION vk472"));
        dossier.Ecrit("casse.prg", "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n");
        Redemarre();
    }
    // L'exemple livré, modifié en mémoire, la zone 2 affichée.
    void Redemarre() {
        Demarre();
        ChangeIdentifiant(1, 9999);
        Regle("VScrollZone", 2);
        avant = Prog();
        titre = F().windowTitle();
    }
    // La boîte d'échec, la cause dite en français.
    void AttendEchec(const QString& entete, const QString& chemin, const QString& cause) {
        plateforme.AttendBoite(entete + "\r\n\r\n" + chemin + "\r\n" + cause, Bouton::Ok);
    }
    QString Defaut() const { return dossier.Fichier("data.prg"); }
    static QString Titre(const QString& chemin) { return TitreAvecFichier(TitreVersion, chemin); }

    Programme avant;
    QString titre;
};

TEST_F(MenuFichier, LectureEtSesEchecs) {
    enum Issue { Inchange, Lu, Efface };
    struct Cas {
        QStringList dialogues; // noms rendus ("*.prg" : annulé)
        std::vector<std::pair<BoiteVue, Bouton>> boites;
        Issue issue;
        int zone; // zone montrée ensuite
    };
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("rep.prg"));
    const Cas cas[] = {
        {{"*.prg"}, {}, Inchange, 2},
        {{"notes.txt", "prg", "essai.Prg"}, {}, Lu, 0}, // sans ".PRG", le dialogue revient
        {{"casse.prg"}, {{NonConforme, Bouton::Abandonner}}, Inchange, 2},
        {{"casse.prg", "autre.prg"}, {{NonConforme, Bouton::Recommencer}}, Lu, 0},
        {{"casse.prg"}, {{NonConforme, Bouton::Ignorer}, {Effacer, Bouton::Oui}}, Efface, 0},
        {{"casse.prg"}, {{NonConforme, Bouton::Ignorer}, {Effacer, Bouton::Non}}, Inchange, 0},
        // Boîtes fermées sans choix (Échap) : comme Abandon, puis comme "Non".
        {{"casse.prg"}, {{NonConforme, Bouton::Aucun}}, Inchange, 2},
        {{"casse.prg"}, {{NonConforme, Bouton::Ignorer}, {Effacer, Bouton::Aucun}}, Inchange, 0},
        {{"absent.prg", "rep.prg"},
         {{NonConforme, Bouton::Recommencer}, {NonConforme, Bouton::Abandonner}},
         Inchange,
         2},
        {{"etranger.prg"}, {{Incompatible, Bouton::Ok}}, Inchange, 0},
    };
    for (const Cas& c : cas) {
        Redemarre();
        for (const QString& nom : c.dialogues)
            plateforme.AttendDialogue(nom.startsWith('*') ? nom : dossier.Fichier(nom));
        for (const auto& [boite, reponse] : c.boites) plateforme.AttendBoite(boite, reponse);
        Choisit("LectureData");
        const std::string nom = c.dialogues.join(' ').toStdString();
        Programme attendu = c.issue == Lu ? Autre() : avant;
        if (c.issue == Efface) RemetParDefaut(attendu); // identifiants gardés
        EXPECT_EQ(Prog(), attendu) << nom;
        // Un fichier refusé ne devient pas celui que "&Sauvegarde" écraserait.
        const QString chemin = c.issue == Lu ? dossier.Fichier(c.dialogues.back()) : Defaut();
        EXPECT_EQ(F().Fichiers().CheminFichier(), chemin) << nom;
        EXPECT_EQ(F().windowTitle(), c.issue == Lu ? Titre(chemin.toUpper()) : titre) << nom;
        EXPECT_EQ(Doc().Modifie(), c.issue != Lu) << nom;
        EXPECT_EQ(Barre("VScrollZone")->Valeur(), c.zone) << nom;
    }
    EXPECT_TRUE(plateforme.Dialogues[0].ouvrir);
    EXPECT_EQ(plateforme.Dialogues[0].dossier, dossier.Chemin());
    EXPECT_EQ(plateforme.Dialogues[0].nom, "*.prg");
}

TEST_F(MenuFichier, Nouveau) {
    Controle<QCheckBox>("ChkVisuHoraire")->click();
    plateforme.AttendBoite(Effacer, Bouton::Non);
    Choisit("Nouveau");
    EXPECT_EQ(Prog(), avant);
    EXPECT_EQ(Barre("VScrollZone")->Valeur(), 2);
    // Zone 2 ou zone 0 un jeudi : on montre ensuite ce qu'on édite, la zone 0 et le lundi.
    for (const int zone : {2, 0}) {
        Regle("VScrollZone", zone);
        Regle("VScJour", 3);
        Doc().MarqueEnregistre();
        plateforme.AttendBoite(Effacer, Bouton::Oui);
        Choisit("Nouveau");
        EXPECT_TRUE(Doc().Modifie());
        EXPECT_EQ(Barre("VScrollZone")->Valeur(), 0);
        EXPECT_EQ(Doc().Zone(), 0);
        EXPECT_EQ(Doc().Jour(), 0) << zone;
        EXPECT_EQ(Barre("VScJour")->Valeur(), 0) << zone;
    }
    Programme efface = avant;
    RemetParDefaut(efface);
    EXPECT_EQ(Prog(), efface);
    EXPECT_FALSE(Controle<QCheckBox>("ChkVisuHoraire")->isChecked());
    EXPECT_TRUE(Controle<QLineEdit>("VisuProgramme")->isHidden());
}

TEST_F(MenuFichier, SauverCommeEtLectureAilleurs) {
    plateforme.AttendDialogue("*.PRG"); // annulé, quelle que soit la casse
    plateforme.AttendDialogue("*.prg");
    Choisit("SauverComme");
    Choisit("SauverComme");
    EXPECT_FALSE(plateforme.Dialogues[0].ouvrir);
    EXPECT_EQ(plateforme.Dialogues[0].dossier, dossier.Chemin());
    EXPECT_EQ(plateforme.Dialogues[0].nom, "*.PRG");
    EXPECT_EQ(F().Fichiers().CheminFichier(), Defaut());
    // Un nom sans extension prend ".PRG" ; le fichier qui existe déjà n'est remplacé qu'après
    // un "Oui". Seul "DataUc.FCB" part, au dossier du programme. Le titre montre le chemin en
    // majuscules, le chemin exact sert à écrire.
    QTemporaryDir ailleurs;
    const QString copie = QDir(ailleurs.path()).filePath("Ma copie.PRG");
    ASSERT_TRUE(QFile::copy(dossier.Fichier("casse.prg"), copie));
    const BoiteVue remplacer{
        QStringLiteral("Le fichier Ma copie.PRG existe déjà. Voulez-vous le remplacer ?"),
        Boutons::OuiNon, Icone::Exclamation, TitreCourt};
    for (const Bouton reponse : {Bouton::Non, Bouton::Aucun, Bouton::Oui}) {
        plateforme.AttendDialogue(QDir(ailleurs.path()).filePath("Ma copie"));
        plateforme.AttendBoite(remplacer, reponse);
        Choisit("SauverComme");
        if (reponse == Bouton::Oui) break;
        EXPECT_EQ(QFile(copie).size(), QFile(dossier.Fichier("casse.prg")).size());
        EXPECT_EQ(F().Fichiers().CheminFichier(), Defaut());
        EXPECT_FALSE(dossier.Existe("DataUc.FCB"));
    }
    EXPECT_EQ(Relu(copie), Prog());
    EXPECT_EQ(F().Fichiers().CheminFichier(), copie);
    EXPECT_EQ(F().windowTitle(), Titre(copie.toUpper()));
    EXPECT_FALSE(Doc().Modifie());
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), ExportFcb(Prog()));
    EXPECT_FALSE(dossier.Existe("DataUc.xls"));
    EXPECT_EQ(dossier.Lit("data.prg"), ProgrammeExemple());
    // "&Sauvegarde" écrit ensuite la copie, et les deux exports au dossier du programme.
    Pose([&](Programme& p) { p.IdentZone[0] = 4242; });
    Choisit("SauvegardeFichier");
    EXPECT_EQ(Relu(copie), Prog());
    EXPECT_EQ(dossier.Lit("DataUc.xls"), ExportXls(Prog()));
    EXPECT_EQ(QDir(ailleurs.path()).entryList(QDir::Files), QStringList{"Ma copie.PRG"});
    // Toute extension tapée est gardée telle quelle, même vide ; un nouveau fichier, sans
    // question.
    for (const char* nom : {"copie.txt", "copie."}) {
        plateforme.AttendDialogue(QDir(ailleurs.path()).filePath(nom));
        Choisit("SauverComme");
        EXPECT_EQ(Relu(QDir(ailleurs.path()).filePath(nom)), Prog()) << nom;
    }
    // Lu là-bas depuis la zone 0, sans changement de zone : la lecture recharge tout.
    const QString autre = QDir(ailleurs.path()).filePath("Autre.Prg");
    ASSERT_TRUE(QFile::copy(dossier.Fichier("autre.prg"), autre));
    Regle("VScrollZone", 0);
    Regle("HScroll1", 77);
    plateforme.AttendDialogue(autre);
    Choisit("LectureData");
    EXPECT_EQ(Prog(), Autre());
    EXPECT_EQ(F().Fichiers().CheminFichier(), autre);
    EXPECT_EQ(Barre("HScroll1")->Valeur(), 0);
    EXPECT_EQ(Barre(NomIndexe("VScroll3", 0))->Valeur(), 170);
}

TEST_F(MenuFichier, ProgrammeImpossibleAEcrire) {
    dossier.Ecrit("DataUc.FCB", "ancien FCB");
    dossier.Ecrit("bloc", "fichier ordinaire");
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("rep.prg"));
    const QString tube = dossier.Fichier("tube.prg"), lien = dossier.Fichier("lien.prg");
    ASSERT_EQ(::mkfifo(tube.toLocal8Bit().constData(), 0600), 0);
    const QString pasUnFichier = QStringLiteral("Ce n'est pas un fichier ordinaire.");
    std::vector<std::pair<QString, QString>> chemins{
        {dossier.Fichier("bloc/essai.prg"), "Un élément du chemin n'est pas un dossier."},
        {dossier.Fichier("absent/essai.prg"), "Fichier ou dossier introuvable."},
        {dossier.Fichier("rep.prg"), "C'est un dossier."},
        {tube, pasUnFichier}};
    const bool plein = EstPeripherique("/dev/full");
    if (plein && QFile::link("/dev/full", lien)) chemins.emplace_back(lien, pasUnFichier);
    // Sauver comme : boîte avec le chemin, ni fichier courant ni titre ni exports changés.
    for (const auto& [chemin, cause] : chemins) {
        AttendEchec("** SAUVEGARDE IMPOSSIBLE **", chemin, cause);
        plateforme.AttendDialogue(chemin);
        Choisit("SauverComme");
        EXPECT_EQ(F().Fichiers().CheminFichier(), Defaut()) << chemin.toStdString();
        EXPECT_EQ(F().windowTitle(), titre) << chemin.toStdString();
        EXPECT_TRUE(Doc().Modifie()) << chemin.toStdString();
        EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB") << chemin.toStdString();
    }
    EXPECT_EQ(plateforme.Boites.back().boutons, Boutons::Ok);
    EXPECT_EQ(plateforme.Boites.back().icone, Icone::Critique);
    EXPECT_EQ(plateforme.Boites.back().titre, TitreCourt);
    EXPECT_EQ(dossier.Lit("bloc"), "fichier ordinaire");
    EXPECT_TRUE(QFileInfo(tube).exists() && !QFileInfo(tube).isFile());
    EXPECT_EQ(EstPeripherique("/dev/full"), plein); // ni remplacé, ni à travers un lien
    // "&Sauvegarde" sur un dossier : pas d'exports non plus.
    ASSERT_TRUE(QFile::remove(Defaut()) && QDir(dossier.Chemin()).mkdir("data.prg"));
    AttendEchec("** SAUVEGARDE IMPOSSIBLE **", Defaut(), "C'est un dossier.");
    Choisit("SauvegardeFichier");
    EXPECT_EQ(dossier.Lit("DataUc.FCB"), "ancien FCB");
    EXPECT_TRUE(Doc().Modifie());
}

TEST_F(MenuFichier, ExportsImpossiblesAEcrire) {
    // Un dossier à la place de "DataUc.FCB" : le programme est écrit, "DataUc.xls" pas tenté.
    ASSERT_TRUE(QDir(dossier.Chemin()).mkdir("DataUc.FCB"));
    AttendEchec("** ECRITURE IMPOSSIBLE **", dossier.Fichier("DataUc.FCB"), "C'est un dossier.");
    Choisit("SauvegardeFichier");
    EXPECT_EQ(Relu(Defaut()), Prog());
    EXPECT_FALSE(Doc().Modifie());
    EXPECT_FALSE(dossier.Existe("DataUc.xls"));
    // Le dossier du programme n'en est plus un : data.prg (chemin complet) s'écrit quand même.
    dossier.Ecrit("bloc", "fichier ordinaire");
    plateforme.ChangeDossier(dossier.Fichier("bloc"));
    AttendEchec("** ECRITURE IMPOSSIBLE **", dossier.Fichier("bloc/DataUc.FCB"),
                "Un élément du chemin n'est pas un dossier.");
    Pose([&](Programme& p) { p.IdentZone[0] = 5; });
    Choisit("SauvegardeFichier");
    EXPECT_EQ(Relu(Defaut()), Prog());
}

namespace {
// Pages d'un PDF de Qt : un objet "/Type /Page" chacune.
int PagesPdf(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}
} // namespace

TEST_F(MenuFichier, SemaineImprimeeEtEnPdf) {
    Demarre();
    plateforme.ChangeMaintenant(QDateTime(QDate(2026, 12, 1), QTime(14, 5, 9)));
    plateforme.AttendDialogue("*.PDF"); // annulé
    plateforme.AttendImpression(QString());
    Choisit("ExporterPdf");
    Choisit("Imprimer");
    EXPECT_EQ(QDir(dossier.Chemin()).entryList({"*.pdf"}, QDir::Files), QStringList());

    // Sans ".pdf", il est ajouté : le programme "semaine" du même dossier ne serait pas écrasé.
    plateforme.AttendDialogue(dossier.Fichier("semaine"));
    plateforme.AttendImpression(dossier.Fichier("imprime.pdf"));
    Choisit("ExporterPdf");
    Choisit("Imprimer");
    // Un dossier à la place du PDF : rien n'est écrit, et on le dit.
    QDir(dossier.Chemin()).mkdir("dossier.pdf");
    plateforme.AttendDialogue(dossier.Fichier("dossier.pdf"));
    plateforme.AttendBoite("Impossible d'écrire " + dossier.Fichier("dossier.pdf"), Bouton::Ok);
    Choisit("ExporterPdf");
    const QByteArray pdf = dossier.Lit("semaine.pdf");
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PagesPdf(pdf), 3);
    EXPECT_EQ(PagesPdf(dossier.Lit("imprime.pdf")), 3);
#ifdef GC_PDFTOTEXT
    QProcess extraction;
    extraction.start(QStringLiteral(GC_PDFTOTEXT), {dossier.Fichier("semaine.pdf"), "-"});
    ASSERT_TRUE(extraction.waitForFinished(10000));
    const QStringList pages = QString::fromUtf8(extraction.readAllStandardOutput()).split('\f');
    ASSERT_GE(pages.size(), 3);
    // Heures de confort du programme livré, du lundi au vendredi puis le week-end, comptées à la
    // main dans data/data.prg.
    // pdftotext rend une ligne par texte posé : heures, puis durée du jour.
    const char* const attendus[3][6] = {
        {"Zone 0 — Identifiant 4660 — Confort 20.5 °C, ECO 18.5 °C, Hors Gel 6 °C, EJP 8.5 °C",
         "6H30-8H30 17H30-22H30\n", "Confort : 7 h 00\n", "7H30-23H00\n", "Confort : 15 h 30\n",
         "Confort : 66 h 00 / semaine"},
        {"Zone 1 — Identifiant 17219", "6H00-7H30 20H30-22H30\n", "Confort : 3 h 30\n",
         "8H00-10H00 20H00-23H00\n", "Confort : 5 h 00\n", "Confort : 27 h 30 / semaine"},
        {"Zone 2 — Identifiant 50311", "6H00-8H00 18H30-21H00\n", "Confort : 4 h 30\n",
         "7H30-11H00 18H00-21H30\n", "Confort : 7 h 00\n", "Confort : 36 h 30 / semaine"},
    };
    for (int z = 0; z < 3; ++z) {
        const QString& page = pages[z];
        EXPECT_TRUE(
            page.startsWith("GESTION CHAUFFAGE -VK472- V1.50 — data.prg — 01/12/2026 14:05"))
            << page.left(80).toStdString();
        for (int i : {0, 5}) EXPECT_TRUE(page.contains(QString::fromUtf8(attendus[z][i]))) << z;
        // Cinq jours de semaine, puis samedi et dimanche.
        for (int i = 1; i < 5; ++i)
            EXPECT_EQ(page.count(QString::fromUtf8(attendus[z][i])), i < 3 ? 5 : 2)
                << attendus[z][i];
    }
#endif
}
