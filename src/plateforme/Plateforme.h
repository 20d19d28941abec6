#pragma once
// Les portes vers l'extérieur : boîtes de message, dialogues de fichier, horloge, tirage
// aléatoire, dossier du programme, ports série ; les tests en donnent une fausse.
// Ne passent pas par elles : les fichiers, lus, écrits et examinés (QFileInfo) par leur chemin
// (programme, VK472.CFG, exports, journaux, verrous, liens COMn, guide), et les réglages des
// fichiers récents (QSettings) ; les tests leur donnent un dossier temporaire et
// XDG_CONFIG_HOME.
#include "model/Programme.h"
#include "plateforme/CorrespondancePorts.h"
#include "plateforme/Minuterie.h"
#include "plateforme/PortSerie.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

// Aucun : boîte refermée par Échap ou par sa case de fermeture, sans choisir de bouton.
// Ce n'est jamais un "Non" : l'appelant ne perd ni ne change rien sur cette réponse.
enum class Bouton { Ok, Annuler, Oui, Non, Abandonner, Recommencer, Ignorer, Aucun };
enum class Boutons { Ok, OkAnnuler, OuiNon, AbandonnerRecommencerIgnorer };
enum class Icone { Aucune, Critique, Exclamation };

// Ce qui est coché dans le dialogue "Copier le jour vers…" : jours et zones cibles.
struct CiblesCopie {
    std::array<bool, NbJours> jours{};
    std::array<bool, NbZones> zones{};
};

// Une ligne de texte par jour, du lundi au dimanche.
using LignesSemaine = std::array<QString, NbJours>;

class QPagedPaintDevice;

class Plateforme {
public:
    virtual ~Plateforme() = default;
    virtual Bouton Message(const QString& texte, Boutons boutons, Icone icone,
                           const QString& titre) = 0;
    // Rendent le champ nom tel qu'il était quand le dialogue est annulé. Le dossier du fichier
    // ouvert est offert dans la barre latérale, avec celui des documents.
    virtual QString DialogueOuvrir(const QString& dossier, const QString& nom,
                                   const QString& dossierFichier) = 0;
    virtual QString DialogueSauver(const QString& dossier, const QString& nom,
                                   const QString& dossierFichier) = 0;
    // Jours et zones où copier le jour de cette zone ; rien quand le dialogue est annulé.
    virtual std::optional<CiblesCopie> DialogueCopieJour(int zone, int jour) = 0;
    // "Horaires de la semaine…" : les lignes telles que l'utilisateur les valide (toutes
    // justes) ; rien quand il annule.
    virtual std::optional<LignesSemaine> DialogueHoraires(const LignesSemaine& lignes) = 0;
    // Le choix du dialogue d'impression : une imprimante, ou le PDF où "imprimer dans un
    // fichier", que le programme écrit lui-même (sans rien remplacer qu'il ne doive) ; ni
    // l'un ni l'autre quand il est annulé. "Imprimer dans un fichier" propose pdfPropose.
    struct ChoixImpression {
        std::unique_ptr<QPagedPaintDevice> imprimante;
        QString fichier;
    };
    virtual ChoixImpression DialogueImprimer(const QString& pdfPropose) = 0;
    virtual QDateTime Maintenant() = 0;
    // Fraction dans [0, 1), nouvelle graine prise sur l'horloge.
    virtual double Aleatoire() = 0;
    // Dossier où le programme garde ses fichiers (sans séparateur final).
    virtual QString DossierProgramme() = 0;
    virtual PortSerie& Port() = 0;
    // Les périphériques série présents, relus à chaque appel.
    virtual std::vector<PeripheriqueSerie> PeripheriquesSeries() = 0;
    // "change" sera appelé à chaque branchement ou retrait d'un périphérique.
    virtual void SurveillePorts(std::function<void()> change) = 0;
    virtual Minuterie& Temps() = 0;
    // Ouvre un document local (le guide) dans l'application que le bureau lui associe ; faux
    // quand aucune ne l'a pris.
    virtual bool OuvreDocument(const QString& chemin) = 0;
};
