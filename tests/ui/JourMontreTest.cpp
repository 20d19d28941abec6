// Après chaque commande, le jour nommé et rouge, et la zone affichée, sont ceux que la
// commande suivante édite.
#include "files/FichierProgramme.h"
#include "plateforme/Controles.h"
#include "support/FenetreTest.h"

#include <QLabel>
#include <QLineEdit>
#include <functional>

namespace {
const BoiteVue Effacer{QStringLiteral("Voulez-vous effacer les données en mémoire ?"),
                       Boutons::OuiNon, Icone::Critique, TitreCourt};
const BoiteVue NonConforme{QStringLiteral("Fichier non conforme, "),
                           Boutons::AbandonnerRecommencerIgnorer, Icone::Critique, TitreCourt};
const QColor Rouge(255, 0, 0);

} // namespace

class JourMontre : public FenetreTest {
protected:
    // Nom du jour affiché ("LUNDI" avant le premier changement de jour), -1 s'il n'en est pas un.
    int JourNomme() {
        const QString nom = Controle<QLineEdit>("Text1")->text();
        for (int d = 0; d < NbJours; ++d)
            if (nom.compare(NomsDesJours().value(d), Qt::CaseInsensitive) == 0) return d;
        return -1;
    }

    // Lu sur les contrôles seuls, comme l'utilisateur le voit ; puis "Coller" doit écrire là.
    void VerifieJourMontre(const std::string& apres) {
        const int jour = JourNomme();
        const int zone = Controle<QLineEdit>("TextZone")->text().toInt();
        ASSERT_GE(jour, 0) << apres;
        for (int d = 0; d < NbJours; ++d)
            EXPECT_EQ(Controle(NomIndexe("Label2", d))->palette().color(QPalette::Window) == Rouge,
                      d == jour)
                << apres << ", jour " << d;
        EXPECT_EQ(Barre("VScJour")->Valeur(), jour) << apres;
        EXPECT_EQ(Barre("VScrollZone")->Valeur(), zone) << apres;

        // Un jour témoin copié d'une autre zone, puis collé.
        const QByteArray temoin = JourAvec({{1, 2}, {5, 9}});
        const int zoneEditee = Doc().Zone(), jourEdite = Doc().Jour();
        const int source = (zone + 1) % NbZones;
        PoseJour(source, jour, temoin);
        Doc().ChoisitZone(source);
        Doc().ChoisitJour(jour);
        Clique("CmdCopy");
        Doc().ChoisitZone(zoneEditee);
        Doc().ChoisitJour(jourEdite);
        Programme attendu = Prog();
        attendu.ProgJour[zone][jour] = temoin;
        Clique("CmdPASTE");
        EXPECT_TRUE(Prog() == attendu) << apres << " : le jour collé n'est pas le jour montré";
    }
};

TEST_F(JourMontre, ApresChaqueCommande) {
    dossier.Ecrit("autre.prg", ProgrammeExemple());
    dossier.Ecrit("casse.prg", "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n");
    dossier.Ecrit("etranger.prg", "UN AUTRE LOGICIEL\r\n");
    // Port qui ne s'ouvre pas : la transmission et le programme de test s'arrêtent à l'ouverture.
    ASSERT_TRUE(QFile::link(QStringLiteral("/inexistant/ttyGC1"), dossier.Fichier("COM1")));
    Demarre();
    VerifieJourMontre("le démarrage");

    const auto lecture = [this](const char* nom, std::vector<std::pair<BoiteVue, Bouton>> boites) {
        return [this, nom, boites] {
            plateforme.AttendDialogue(*nom == '*' ? QString::fromLatin1(nom)
                                                  : dossier.Fichier(QString::fromLatin1(nom)));
            for (const auto& [boite, reponse] : boites) plateforme.AttendBoite(boite, reponse);
            Choisit("LectureData");
        };
    };
    const std::pair<const char*, std::function<void()>> commandes[] = {
        {"&Nouveau, Oui",
         [this] {
             plateforme.AttendBoite(Effacer, Bouton::Oui);
             Choisit("Nouveau");
         }},
        {"&Nouveau, Non",
         [this] {
             plateforme.AttendBoite(Effacer, Bouton::Non);
             Choisit("Nouveau");
         }},
        {"&Lecture", lecture("autre.prg", {})},
        {"&Lecture annulée", lecture("*.prg", {})},
        {"&Lecture ratée, Abandon", lecture("casse.prg", {{NonConforme, Bouton::Abandonner}})},
        {"&Lecture ratée, Ignorer, Oui",
         lecture("casse.prg", {{NonConforme, Bouton::Ignorer}, {Effacer, Bouton::Oui}})},
        {"&Lecture ratée, Ignorer, Non",
         lecture("casse.prg", {{NonConforme, Bouton::Ignorer}, {Effacer, Bouton::Non}})},
        {"&Lecture incompatible",
         lecture("etranger.prg",
                 {{{QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION ** "), Boutons::Ok,
                    Icone::Critique, TitreCourt},
                   Bouton::Ok}})},
        {"&Sauvegarde", [this] { Choisit("SauvegardeFichier"); }},
        {"Sauver comme ..",
         [this] {
             plateforme.AttendDialogue(
                 dossier.Fichier(QStringLiteral("copie%1.prg").arg(Doc().Zone())));
             Choisit("SauverComme");
         }},
        {"Programmation",
         [this] {
             plateforme.AttendBoiteDebut(QStringLiteral("Port série introuvable"), Bouton::Ok);
             Choisit("ProgrammeTelecommande");
         }},
        {"Programme de test",
         [this] {
             plateforme.AttendBoiteDebut(QStringLiteral("ATTENTION CE TEST"), Bouton::Ok);
             plateforme.AttendBoiteDebut(QStringLiteral("Port série introuvable"), Bouton::Ok);
             Choisit("ProgrammeDeTest");
         }},
        {"changement de zone", [this] { Regle("VScrollZone", 2); }},
        {"effacement du jour", [this] { Clique("CmdCLS"); }},
        {"clic sur le nom d'un jour", [this] { F().Semaine().Label2_MouseDown(5, 1); }},
    };
    // Depuis un jeudi, dans la zone 0 (la lecture n'y change pas de zone) puis la zone 1.
    for (const int zone : {0, 1})
        for (const auto& [nom, commande] : commandes) {
            Regle("VScrollZone", zone);
            Regle("VScJour", 0); // d'abord lundi : chaque cas part d'un état sain
            Regle("VScJour", 3);
            Regle("HScroll1", 40);
            commande();
            VerifieJourMontre(std::string(nom) + " depuis la zone " + std::to_string(zone));
        }
}
