#pragma once
// Scénarios de la vraie fenêtre (hors écran), joués comme par un utilisateur et comparés mot
// pour mot à tests/donnees/scenarios/NOM.txt : actions ("> "), ce qu'on voit ensuite ("  "),
// commentaires ("#"). GC_REECRIT=1 réécrit le fichier (à relire). Ailleurs : Scenario::Joue.
// Actions (contrôles et commandes de menu par leur objectName ; X Y en pixels du contrôle) :
//   demarre [-|tel|<dossier>/F]  nouvelle fenêtre sur data.prg = l'exemple livré ("-" : sans
//                        data.prg ; "tel" : le dossier tel quel ; F : lancée sur ce fichier)
//   ecrit NOM TEXTE      fichier du dossier du programme (\r, \n, \0 ; "@exemple [DE A]" :
//                        l'exemple livré, DE remplacé par A) ; dossier NOM ; efface NOM ;
//                        tube NOM ; lien NOM CIBLE
//   branche CHEMIN|NOM STABLE|DESCRIPTION|SÉRIE|usb ou sans-uart   périphérique branché
//                        ("<dossier>/…" : dans le dossier du programme) ; debranche : tous retirés
//   tiens NOM [BOUTON X Y] | glisse NOM X Y | lache NOM [BOUTON X Y]   (gauche en 1 1 sinon)
//   souris NOM BOUTON X Y [double] (gauche, droit, milieu, retour) ; trait NOM BOUTON X1 Y1 X2 Y2
//   raccourci TOUCHES ("Ctrl+Z", "Alt+F" : fenêtre active) ; molette NOM haut|bas ; desactive
//   touche NOM T… (lettre, Droite, Gauche, Haut, Bas, Entree, Echap ; "Maj+" devant) ;
//   tape NOM TEXTE (sauf en lecture seule) ; clic NOM ; menu NOM ; barre NOM V|haut|bas|page-haut
//                        |page-bas ; taille L H ; quitte
//   Réponses aux prochaines boîtes et dialogues : boite Ok|Annuler|Oui|Non|Abandonner|Recommencer
//                        |Ignorer|Aucun (= Échap) ; dialogue NOM (relatif au dossier) ; dans un
//                        fichier, "  boîte … -> Oui" ou "  dialogue … -> NOM" attendus sous
//                        l'action y répondent ; copie JOURS ZONES (0/1, lundi et zone 0 d'abord)
//                        | copie annule ; horaires L1|…|L7 | horaires annule ; hasard X ;
//                        imprime NOM (PDF ; "fichier:<dossier>/NOM" : imprimée dans un fichier)
//   pendant-pause ACTION  jouée à la prochaine pause d'un envoi (plusieurs : dans l'ordre)
//   Comme un fichier relu (rien de modifié, déjà vu de "montre") : jour Z D|* vide|a-b,c-d[+QUEUE]
//                        |CHAÎNE (créneaux en confort) ; temperatures Z A B C D ; identifiants
//                        A B C (affiché au prochain changement de zone) ; valide (jours validés
//                        comme à l'affichage) ; enregistre (tenu pour enregistré)
//   port refuse TEXTE | ouvre | perte K   le port factice refuse de s'ouvrir, s'ouvre, lâche à
//                        l'octet K (compté depuis le dernier "montre port", qui oublie tout)
//   montre etat | programme | commandes : ce qui a changé depuis le dernier du même genre
//                        (d'abord : depuis un démarrage ordinaire), jours en heures de confort,
//                        commandes grisées sur une ligne ; "inchangé" sinon
//   montre jour | horaires | focus | titre | port | dossier [SOUS] | fichier NOM | NOM (un
//                        contrôle, sans position) | controles (tous, seul endroit des positions)
//                        | place NOM ; "montre … = REF" : la suite doit être tests/donnees/REF
//   montre ecart NOM     les champs qui diffèrent de l'exemple livré (ou de donnees/exemple.FCB)
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
