#pragma once
// Le programme en cours d'édition, avec la zone et le jour édités et l'état modifié.
// Toute édition passe par ici : elle marque le programme modifié et se signale. Tant
// qu'une transmission le tient, il refuse toute édition : une trame à moitié partie
// ne peut pas changer sous elle.
#include "model/Jour.h"
#include "model/Programme.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Document : public QObject {
    Q_OBJECT
public:
    explicit Document(QObject* parent = nullptr);

    const Programme& Prog() const { return prog_; }
    int Zone() const { return zone_; }
    int Jour() const { return jour_; }
    // Créneau sous le curseur horaire, 0..144 (144 : 24h00).
    int Curseur() const { return curseur_; }
    const QByteArray& JourEdite() const { return prog_.ProgJour[zone_][jour_]; }
    // Segments d'un jour trouvés par sa dernière validation.
    int NbSegments(int zone, int jour) const { return nbSegments_.at(zone).at(jour); }
    // La température telle que la montre sa barre, qui ne sort pas de 128..198.
    qint16 TemperatureMontree(int zone, int reglage) const;
    // Modifié : loin de la version lue ou écrite. Chaque édition donne une version neuve ;
    // annuler ou rétablir remet celle de l'état rendu, si bien que revenir à l'état
    // enregistré rend le programme non modifié. Un seul endroit le sait : ici.
    bool Modifie() const { return version_ != versionEnregistree_; }
    bool Tenu() const { return prises_ > 0; }

    // Navigation : choisir ce qu'on édite n'est pas une édition. Seul un changement est signalé.
    // Une zone demandée, même déjà choisie, est toute reprise : ses températures ramenées
    // dans 128..198, le curseur à 0h00, lundi.
    void ChoisitZone(int zone);
    void ChoisitJour(int jour);
    void PlaceCurseur(int curseur);

    // Éditions, chacune sur la zone et le jour qu'elle nomme. Chacune rend faux, sans rien
    // changer, pendant une transmission. Un jour édité est aussitôt validé : il n'est modifié
    // que s'il diffère une fois son neuvième segment coupé.
    bool EcritCreneaux(int zone, int jour, int curseur, char valeur, int nombre);
    bool RemplaceJour(int zone, int jour, const QByteArray& contenu);
    // Un réglage demandé (ramené dans 128..198, comme par sa barre), puis les règles
    // confort >= éco >= hors gel : l'éco suit le confort qui descend et ne le dépasse pas,
    // le hors gel ne dépasse pas l'éco, quel que soit le réglage bougé. Rien ne bouge si la
    // valeur est déjà celle-là. Le confort n'est jamais poussé, l'EJP n'a pas de règle.
    bool ChangeTemperature(int zone, int reglage, qint16 valeur);
    bool ChangeIdentifiant(int zone, qint32 identifiant);
    // Coupe le neuvième segment d'un jour et compte ses segments ; rend ses barres (aucune
    // pendant une transmission). Montrer un jour n'est pas l'éditer : la coupe ne le marque
    // pas modifié.
    std::vector<BarreSegment> ValideJour(int zone, int jour);
    // Jours trop courts complétés en éco, sans marquer le programme (démarrage).
    void CompleteJours();
    // Programme lu d'un fichier : pris tel quel, non modifié ; l'écran revient à la zone 0,
    // lundi, 0h00.
    bool Charge(const Programme& lu);
    // Jours vides et températures par défaut (identifiants gardés) ; modifié. L'écran revient
    // à la zone 0, lundi ; le curseur ne reste que si la zone n'a pas changé.
    bool Efface();
    // Après une sauvegarde réussie.
    void MarqueEnregistre();

    // Annuler ou rétablir : chaque jour, température ou identifiant qui diffère entre "depuis"
    // et "vers" reprend sa valeur de "vers", et le programme reprend la version de "vers".
    // Faux, sans rien changer, pendant une transmission.
    bool Retablit(const Programme& depuis, const Programme& vers, quint64 version);

    // Une édition nommée ("Conf./1H") : tout ce qui change le programme pendant qu'elle vit,
    // coupe d'un neuvième segment comprise, ne fait qu'un pas de l'historique (Editee). Une
    // édition ouverte dans une autre en fait partie ; chaque édition du document ouvre la
    // sienne quand aucune ne l'est.
    class Edition {
    public:
        Edition(Document& document, const QString& nom);
        Edition(Edition&& autre) noexcept : document_(autre.document_) {
            autre.document_ = nullptr;
        }
        Edition(const Edition&) = delete;
        Edition& operator=(const Edition&) = delete;
        Edition& operator=(Edition&&) = delete;
        ~Edition();

    private:
        Document* document_;
    };
    [[nodiscard]] Edition OuvreEdition(const QString& nom) { return Edition(*this, nom); }

    // Une édition qui dure d'un événement à l'autre (trait à la souris, flèche tenue, valeur
    // tapée), tenue par "proprietaire". Toute autre commande la ferme avant d'agir : une autre
    // édition, un autre jour ou une autre zone, une lecture, une transmission, et la fenêtre
    // pour toute autre entrée. "fermeture" finit d'abord ce que le propriétaire avait en cours ;
    // tout ce qui a changé ne fait alors qu'un pas ("nom" vide : elle ne change rien d'elle-même).
    void OuvreEditionLongue(const QString& nom, const QObject* proprietaire,
                            std::function<void()> fermeture);
    void FermeEditionLongue();
    bool EditionLongueOuverte() const { return longue_.has_value(); }
    const QObject* ProprietaireEditionLongue() const {
        return longue_ ? longue_->proprietaire : nullptr;
    }
    // Le propriétaire poursuit son édition longue : ce qu'il change ici en fait partie.
    void Poursuit(const std::function<void()>& suite);

    // Tant qu'elle vit, le document refuse toute édition.
    class Prise {
    public:
        explicit Prise(Document& document) : document_(&document) { ++document_->prises_; }
        Prise(Prise&& autre) noexcept : document_(autre.document_) { autre.document_ = nullptr; }
        Prise(const Prise&) = delete;
        Prise& operator=(const Prise&) = delete;
        Prise& operator=(Prise&&) = delete;
        ~Prise() {
            if (document_) --document_->prises_;
        }

    private:
        Document* document_;
    };
    [[nodiscard]] Prise Tiens() {
        FermeEditionLongue();
        return Prise(*this);
    }

    enum class Remplacement { Lu, Efface };
    Q_ENUM(Remplacement)

signals:
    // Chaque sorte de changement, éditions, annulations et lectures comprises.
    void JourChange(int zone, int jour);
    void TemperaturesChangees(int zone);
    void IdentifiantChange(int zone);
    void ProgrammeRemplace(Document::Remplacement comment);
    // La zone, le jour et le curseur, que les barres et les légendes montrent.
    void ZoneChoisie(int zone);
    void JourChoisi(int jour);
    void CurseurPlace(int curseur);
    // Une édition a fini de changer le programme, de la version "depuis" à la version "vers".
    void Editee(const QString& nom, const Programme& avant, const Programme& apres, quint64 depuis,
                quint64 vers);

private:
    // Version neuve à la première modification d'une édition ; "modifié" dit aussitôt vrai.
    void MarqueEditee();
    void ChangeVersion(quint64 version, quint64 enregistree);
    // Le jour a changé : édition (modifié) ou coupe à l'affichage ; il est signalé.
    bool SignaleJour(const QByteArray& avant, int zone, int jour, bool edition);
    bool EditeJour(int zone, int jour, const std::function<void(QByteArray&)>& edition);
    // Zone, jour ou curseur choisi, ramené dans [0, nombre) ; vrai s'il a changé.
    bool Choisit(int& choix, int valeur, int nombre);
    // Températures de la zone ramenées dans 128..198, celles que montrent les barres, donc
    // sauvées et transmises ; comme la coupe, à l'affichage.
    void RameneTemperatures(int zone);
    // Retour à la zone 0 et à lundi après une lecture ou un effacement.
    void RevientAuDebut(bool curseurAZero);
    static bool Valide(int zone, int jour) {
        return zone >= 0 && zone < NbZones && jour >= 0 && jour < NbJours;
    }
    // Une commande arrive : l'édition longue d'un autre se ferme d'abord.
    void FermeEditionEtrangere() {
        if (longue_ && poursuite_ == 0) FermeEditionLongue();
    }

    Programme prog_;
    std::array<std::array<int, NbJours>, NbZones> nbSegments_{};
    int zone_ = 0;
    int jour_ = 0;
    int curseur_ = 0;
    quint64 version_ = 0;
    quint64 versionEnregistree_ = 0;
    quint64 derniereVersion_ = 0;
    quint64 versionAvantEdition_ = 0;
    bool versionNeuve_ = false; // l'édition ouverte a déjà pris sa version
    int prises_ = 0;
    int editions_ = 0;       // éditions ouvertes, imbriquées
    QString nomEdition_;     // celui de la plus extérieure
    Programme avantEdition_; // le programme quand elle s'est ouverte
    struct EditionLongue {
        std::optional<Edition> edition;
        const QObject* proprietaire = nullptr;
        std::function<void()> fermeture;
    };
    std::optional<EditionLongue> longue_;
    int poursuite_ = 0; // le propriétaire de l'édition longue agit
};
