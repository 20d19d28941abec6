// Après chaque commande, le jour nommé et rouge, et la zone affichée, sont ceux que la
// commande suivante édite.
#include "files/FichierProgramme.h"
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

// Nom du jour affiché ("LUNDI" avant le premier changement de jour), -1 s'il n'en est pas un.
int JourNomme(const FenetrePrincipale& f) {
    for (int d = 0; d < NbJours; ++d)
        if (f.Text1->text().compare(f.Etat.NomsJours.value(d), Qt::CaseInsensitive) == 0) return d;
    return -1;
}

// Lu sur les contrôles seuls, comme l'utilisateur le voit ; puis "Coller" doit écrire là.
void VerifieJourMontre(FenetrePrincipale& f, const std::string& apres) {
    const int jour = JourNomme(f);
    const int zone = f.TextZone->text().toInt();
    ASSERT_GE(jour, 0) << apres;
    for (int d = 0; d < NbJours; ++d)
        EXPECT_EQ(f.Label2[d]->palette().color(QPalette::Window) == Rouge, d == jour)
            << apres << ", jour " << d;
    EXPECT_EQ(f.VScJour->Valeur(), jour) << apres;
    EXPECT_EQ(f.VScrollZone->Valeur(), zone) << apres;

    Programme attendu = f.Prog;
    f.Etat.BufferJour = JourAvec({{1, 2}, {5, 9}});
    attendu.ProgJour[zone][jour] = f.Etat.BufferJour;
    f.CmdPASTE_Click();
    EXPECT_TRUE(f.Prog == attendu) << apres << " : le jour collé n'est pas le jour montré";
}
} // namespace

using JourMontre = FenetreTest;

TEST_F(JourMontre, ApresChaqueCommande) {
    dossier.Ecrit("autre.prg", ProgrammeExemple());
    dossier.Ecrit("casse.prg", "GESTION CHAUFFAGE -VK472- V1.50\r\n 1 169,165,\r\n");
    dossier.Ecrit("etranger.prg", "UN AUTRE LOGICIEL\r\n");
    // Port qui ne s'ouvre pas : la transmission et le programme de test s'arrêtent à l'ouverture.
    ASSERT_TRUE(QFile::link(QStringLiteral("/inexistant/ttyGC1"), dossier.Fichier("COM1")));
    Demarre();
    VerifieJourMontre(F(), "le démarrage");

    const auto lecture = [this](const char* nom, std::vector<std::pair<BoiteVue, Bouton>> boites) {
        return [this, nom, boites] {
            plateforme.AttendDialogue(*nom == '*' ? QString::fromLatin1(nom)
                                                  : dossier.Fichier(QString::fromLatin1(nom)));
            for (const auto& [boite, reponse] : boites) plateforme.AttendBoite(boite, reponse);
            F().LectureData_Click();
        };
    };
    const std::pair<const char*, std::function<void()>> commandes[] = {
        {"&Nouveau, Oui",
         [this] {
             plateforme.AttendBoite(Effacer, Bouton::Oui);
             F().Nouveau_Click();
         }},
        {"&Nouveau, Non",
         [this] {
             plateforme.AttendBoite(Effacer, Bouton::Non);
             F().Nouveau_Click();
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
        {"&Sauvegarde", [this] { F().SauvegardeFichier_Click(); }},
        {"Sauver comme ..",
         [this] {
             plateforme.AttendDialogue(
                 dossier.Fichier(QStringLiteral("copie%1.prg").arg(F().Etat.ZoneCourante)));
             F().SauverComme_Click();
         }},
        {"Programmation",
         [this] {
             plateforme.AttendBoiteDebut(QStringLiteral("Port série introuvable"), Bouton::Ok);
             F().ProgrammeTelecommande_Click();
         }},
        {"Programme de test",
         [this] {
             plateforme.AttendBoiteDebut(QStringLiteral("ATTENTION CE TEST"), Bouton::Ok);
             plateforme.AttendBoiteDebut(QStringLiteral("Port série introuvable"), Bouton::Ok);
             F().ProgrammeDeTest_Click();
         }},
        {"changement de zone", [this] { F().VScrollZone->ChangeValeur(2); }},
        {"effacement du jour", [this] { F().CmdCLS_Click(); }},
        {"clic sur le nom d'un jour", [this] { F().Label2_MouseDown(5, 1); }},
    };
    // Depuis un jeudi, dans la zone 0 (la lecture n'y change pas de zone) puis la zone 1.
    for (const int zone : {0, 1})
        for (const auto& [nom, commande] : commandes) {
            F().VScrollZone->ChangeValeur(zone);
            F().VScJour->ChangeValeur(0); // d'abord lundi : chaque cas part d'un état sain
            F().VScJour->ChangeValeur(3);
            F().HScroll1->ChangeValeur(40);
            commande();
            VerifieJourMontre(F(), std::string(nom) + " depuis la zone " + std::to_string(zone));
        }
}
