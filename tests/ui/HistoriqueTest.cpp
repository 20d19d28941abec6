// L'historique dans la vraie fenêtre : un pas par édition, même longue.
#include "support/Banc.h"
#include "support/Jours.h"

TEST(Historique, UnPasParEditionDialoguesAnnulesCopieEtHoraires) {
    Banc b;
    b.Demarre();
    // Une barre tenue à la souris ne fait qu'un pas ; relâchée, chaque réglage en est un.
    b.Souris("VScroll3(0)", QEvent::MouseButtonPress, Qt::LeftButton, {1, 1});
    for (const int valeur : {172, 176}) b.Barre("VScroll3(0)", valeur);
    b.Souris("VScroll3(0)", QEvent::MouseButtonRelease, Qt::LeftButton, {1, 1});
    b.Barre("VScroll3(0)", 178);
    b.Vu();
    b.Menu("Annuler");
    EXPECT_EQ(b.Vu(), "températures 176 165 140 145, identifiant 4660");
    b.Menu("Annuler");
    EXPECT_EQ(b.Vu(), "non modifié / températures 169 165 140 145, identifiant 4660 / Annuler");
    // Annuler montre la zone défaite ; changer de zone n'est pas une édition.
    b.Barre("VScrollZone", 2);
    b.Clic("CmdCLS");
    b.Barre("VScrollZone", 0);
    b.Menu("Annuler");
    EXPECT_TRUE(b.Doc().Zone() == 2 && !b.Doc().Modifie() && b.Ecart().isEmpty());
    // Copie et horaires annulés : ni le programme, ni « modifié », ni l'historique ne changent.
    b.Clic("CmdHigh");
    b.Vu();
    b.plateforme.Copies = {std::nullopt};
    b.plateforme.Horaires = {std::nullopt};
    b.Menu("CopieJourVers");
    b.Menu("HorairesSemaine");
    EXPECT_EQ(b.Vu(), "");
    b.Menu("Annuler");
    EXPECT_TRUE(b.Vu().endsWith(" / Annuler"));
    b.Clic("CmdHigh");
    b.plateforme.Reponses = {Bouton::Oui};
    b.Menu("Nouveau");
    EXPECT_FALSE(b.W<QAction>("Annuler")->isEnabled());

    b.Demarre();
    // Copier vers d'autres jours, lundi compris : le jour validé (neuvième coupé), en un pas.
    QByteArray neuf = JourVide();
    for (int s = 10; s <= 90; s += 10) neuf[s] = '1';
    b.Pose([&neuf](Programme& p) { p.ProgJour[0][0] = neuf; });
    CiblesCopie jeudis;
    jeudis.jours[0] = jeudis.jours[3] = jeudis.zones[0] = jeudis.zones[1] = true;
    b.plateforme.Copies = {jeudis};
    b.Menu("CopieJourVers");
    neuf[90] = '0';
    for (const auto& [z, j] : {std::pair{0, 3}, {1, 3}, {1, 0}})
        EXPECT_EQ(b.Doc().Prog().ProgJour[z][j], neuf) << z << j;
    b.Menu("Annuler");
    EXPECT_EQ(b.Jour(0, 3) + " / " + b.Jour(1, 3), "6H30-8H30 17H30-22H30 / 6H00-7H30 20H30-22H30");
    // Horaires : une ligne laissée telle quelle garde son jour (et sa queue), une vide le vide.
    b.Barre("VScrollZone", 1);
    const QByteArray mardi = JourAvec({{36, 45}, {123, 135}}).replace(NbCreneaux, 4, "1111");
    b.Pose([&mardi](Programme& p) { p.ProgJour[1][1] = mardi; });
    b.Vu();
    const QString semaine = "6H00-7H30 20H30-22H30", fin = "8H00-10H00 20H00-23H00";
    b.plateforme.Horaires = {
        LignesSemaine{"6h30-8h30 17:30-22:30", semaine, semaine, semaine, semaine, fin, ""}};
    b.Menu("HorairesSemaine");
    EXPECT_EQ(b.plateforme.LignesMontrees,
              (LignesSemaine{semaine, semaine, semaine, semaine, semaine, fin, fin}));
    EXPECT_EQ(b.Vu(), "modifié / Lundi 6H30-8H30 17H30-22H30 / Dimanche vide / Annuler « Horaires "
                      "de la semaine »");
    EXPECT_EQ(b.Doc().Prog().ProgJour[1][1], mardi);
}
