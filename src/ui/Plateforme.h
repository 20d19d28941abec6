#pragma once
// Les seules portes vers l'extérieur : boîtes de message, dialogues de fichier,
// horloge, tirage aléatoire, dossier du programme, port série.
// La fenêtre ne parle au monde qu'à travers elles ; les tests en donnent une fausse.
#include <QByteArray>
#include <QDateTime>
#include <QString>

// Aucun : boîte refermée par Échap ou par sa case de fermeture, sans choisir de bouton.
// Ce n'est jamais un "Non" : l'appelant ne perd ni ne change rien sur cette réponse.
enum class Bouton { Ok, Annuler, Oui, Non, Abandonner, Recommencer, Ignorer, Aucun };
enum class Boutons { Ok, OkAnnuler, OuiNon, AbandonnerRecommencerIgnorer };
enum class Icone { Aucune, Critique, Exclamation };

// Port série n (1..4), 4800 bauds 8N1 sans contrôle de flux, en émission seule.
class PortSerie {
public:
    virtual ~PortSerie() = default;
    // Ferme d'abord si ouvert ; faux en cas d'échec, Erreur() dit pourquoi.
    virtual bool Ouvre(int numero) = 0;
    virtual bool EstOuvert() const = 0;
    // Attend que tout soit parti sur la ligne, puis ferme.
    virtual void Ferme() = 0;
    // Remet les octets au port sans attendre ; faux dès que le périphérique a disparu.
    virtual bool Ecrit(const QByteArray& octets) = 0;
    virtual void DemandeTampon(int octets) = 0;
    virtual QString Erreur() const = 0;
};

class Plateforme {
public:
    virtual ~Plateforme() = default;
    virtual Bouton Message(const QString& texte, Boutons boutons, Icone icone,
                           const QString& titre) = 0;
    // Rendent le champ nom tel qu'il était quand le dialogue est annulé.
    virtual QString DialogueOuvrir(const QString& dossier, const QString& nom) = 0;
    virtual QString DialogueSauver(const QString& dossier, const QString& nom) = 0;
    virtual QDateTime Maintenant() = 0;
    // Fraction dans [0, 1), nouvelle graine prise sur l'horloge.
    virtual double Aleatoire() = 0;
    // Dossier où le programme garde ses fichiers (sans séparateur final).
    virtual QString DossierProgramme() = 0;
    virtual PortSerie& Port() = 0;
};
