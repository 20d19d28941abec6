#pragma once
// Scénarios de la vraie fenêtre (hors écran), joués comme par un utilisateur et comparés mot
// pour mot à un texte attendu : tests/donnees/scenarios/NOM.txt.
//
// Le fichier mêle les actions (lignes "> ") et ce qu'on voit ensuite (lignes "  ") ; les
// lignes "#" sont des commentaires. Le banc rejoue les actions, réécrit ce qu'il voit et
// compare le tout au fichier ; GC_REECRIT=1 réécrit le fichier (à relire avant de le garder).
// Pour s'en servir ailleurs : Scenario s; s.Joue(texte) rend la transcription.
//
// Actions (noms de contrôles et de commandes de menu : leur objectName) :
//   demarre [-|tel]      nouvelle fenêtre, démarrée sur data.prg = l'exemple livré
//                        ("-" : sans data.prg ; "tel" : le dossier tel quel)
//   ecrit NOM TEXTE      fichier du dossier du programme (\r, \n, \0 ; "@exemple [DE A]" :
//                        l'exemple livré, DE remplacé par A)
//   dossier NOM | efface NOM   crée un dossier, retire un fichier du dossier du programme
//   tube NOM | lien NOM CIBLE   tube nommé, lien symbolique
//   branche CHEMIN|NOM STABLE|DESCRIPTION|SÉRIE|usb ou sans-uart   périphérique branché
//                        ("<dossier>/…" : dans le dossier du programme) ; debranche : tous retirés
//   tiens NOM [BOUTON X Y] | glisse NOM X Y | lache NOM [BOUTON X Y]   bouton de la souris
//                        appuyé, glissé, relâché (gauche en 1 1 par défaut)
//   raccourci TOUCHES    "Ctrl+Z", "Alt+F"... au clavier, fenêtre active ; molette NOM haut|bas ;
//                        desactive : une autre fenêtre prend la main
//   copie JOURS ZONES | copie annule   réponse du prochain "Copier le jour vers…" (0/1, lundi
//                        puis zone 0 d'abord) ; imprime NOM : la prochaine impression, en PDF
//                        ("fichier:<dossier>/NOM" : imprimée dans un fichier)
//   pendant-pause ACTION  jouée à la prochaine pause d'un envoi (plusieurs : dans l'ordre)
//   boite REPONSE        réponse à la prochaine boîte (Ok, Annuler, Oui, Non, Abandonner,
//                        Recommencer, Ignorer, Aucun = Échap) ; dans un fichier, une boîte
//                        attendue sous une action ("  boîte … -> Oui") y est répondue ainsi
//   dialogue NOM         nom rendu par le prochain dialogue de fichier (relatif au dossier) ;
//                        dans un fichier, "  dialogue … -> NOM" attendu sous l'action le rend
//   hasard X             prochain tirage aléatoire
//   clic NOM | menu NOM  bouton ou case cliqué, commande de menu choisie
//   barre NOM V          barre réglée à V, ou flèche/page : haut, bas, page-haut, page-bas
//   souris NOM BOUTON X Y [double]   appui et relâché (gauche, droit, milieu, retour) en pixels
//   trait NOM BOUTON X1 Y1 X2 Y2   appui, glissé, relâché (gauche, droit, retour), en pixels
//   touche NOM T…        touches appuyées sur le contrôle : lettre, Droite, Gauche, Haut, Bas,
//                        Entree, Echap, précédée de "Maj+" éventuel
//   tape NOM TEXTE       texte mis dans le champ, s'il n'est pas en lecture seule
//   horaires annule | horaires L1|…|L7   réponse du prochain "Horaires de la semaine…"
//   jour Z D JOUR        pose un jour comme un fichier relu (D "*" : les sept) : "vide",
//                        "a-b,c-d" (créneaux en confort) suivi de "+QUEUE" éventuel, ou la
//                        chaîne elle-même ; "montre" le tient pour déjà vu
//   temperatures Z A B C D | identifiants A B C   posés comme un fichier relu,
//                        les températures de la zone montrée réaffichées ; l'identifiant
//                        affiché, lui, ne suit qu'au prochain changement de zone
//   valide               jours validés et comptés comme à l'affichage de la semaine
//   enregistre           le programme tenu pour enregistré
//   port refuse TEXTE | port ouvre | port perte K   le port factice refuse de s'ouvrir avec
//                        ce texte, s'ouvre et ne lâche plus, lâche à l'octet d'indice K
//                        (compté depuis le dernier "montre port", qui oublie ce qu'il a montré)
//   taille L H           fenêtre redimensionnée
//   quitte               fermeture demandée
//   montre horaires (lignes du dernier dialogue d'horaires) | focus (contrôle qui a le focus)
//   montre etat | programme | commandes : ce qui a changé depuis le dernier "montre" du même
//                        genre (d'abord : depuis un démarrage ordinaire sur l'exemple livré),
//                        les jours en heures de confort ; "inchangé" sinon. Les commandes
//                        grisées sont nommées sur une ligne.
//   montre jour (zone et jour édités et montrés) | controles (tous, avec leurs positions : le
//                        seul endroit où elles se disent ; place NOM : un seul, avec elles)
//                        | fichier NOM | NOM (un contrôle, sans position ni bulle ni police)
//                        | dossier [SOUS] (ses fichiers et leur taille) | titre
//   montre … = REF       la suite de ce qui se montre (après la première ligne) doit être
//                        tests/donnees/REF, une trame ou un journal de référence
//   montre ecart NOM     les seuls champs (entre virgules) qui diffèrent de l'exemple livré,
//                        ou de son export (donnees/exemple.FCB) pour un ".FCB" ; une ligne d'un
//                        autre nombre de champs est dite entière
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"

#include <QStringList>
#include <map>
#include <memory>
#include <vector>

class FenetrePrincipale;
class QAction;

class Scenario {
public:
    explicit Scenario(bool reference = false);
    ~Scenario();
    // Rejoue le scénario et rend sa transcription (même forme que le fichier).
    QString Joue(const QString& texte);
    // Les actions séparées de ";", puis "montre etat" : ce qu'on a vu, en une ligne
    // ("édité : … / Lundi 6H30-8H30").
    QString Vu(const QString& actions);

    // L'écran entier, hors positions : (clé, ligne), dans l'ordre de "montre etat".
    using Lignes = std::vector<std::pair<QString, QString>>;
    Lignes EtatVu() const;

    DossierTest dossier;
    PlateformeFactice plateforme;
    std::unique_ptr<FenetrePrincipale> fenetre;

private:
    void Action(const QStringList& mots, const QString& brut);
    void Montre(const QStringList& mots);
    using Vus = std::map<QString, std::map<QString, QString>>;
    static const Vus& Reference();
    void Jour();
    QString Montre() const;
    Lignes ProgrammeVu() const;
    Lignes CommandesVues() const;
    QString Commande(const QAction* a, bool grisee) const;
    void Difference(const QString& quoi, const Lignes& lignes);
    void ControlesVus(const QString& seul, bool place = false);
    void Note(const QString& ligne);
    void NoteBoites();
    void Port();
    QString Clair(QString texte) const;
    QString Chemin(QString texte) const;

    QStringList sortie_;
    QStringList pendantPause_;
    size_t boitesVues_ = 0;
    size_t dialoguesVus_ = 0;
    Qt::MouseButton tenu_ = Qt::LeftButton;
    bool reference_ = false;
    Vus vus_;
};

// Compare le fichier de tests/donnees/scenarios à sa transcription (ou le réécrit).
void VerifieScenario(const QString& nom);
