#pragma once
// Le panneau du menu "&Fichier" : nouveau, lecture, sauvegarde, sauver comme, avec le fichier
// courant, son titre et les fichiers annexes. L'écran suit le document qu'il lit ou efface.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Document;
class Plateforme;
class QAction;
class QMenu;
class VerrouFichier;
enum class StatutLecture;

class PanneauFichier : public QObject {
    Q_OBJECT
public:
    // Ajoute ses quatre commandes au menu, puis après un séparateur l'impression et le PDF ;
    // "&Quitter", qui le termine, reste à la fenêtre.
    PanneauFichier(Document& document, Plateforme& plateforme, QMenu* menu, QObject* parent);
    ~PanneauFichier() override;

    // Le fichier donné, à défaut "data.prg", devient le fichier courant, verrouillé (donné,
    // comme choisi par "&Lecture" : "data.prg" n'est alors ni lu ni écrit). Si une autre
    // fenêtre le tient, il s'ouvre en lecture seule ; faux si l'utilisateur n'en veut pas.
    bool PrendFichierDemarrage(const QString& fichier = QString());
    // Lecture du fichier courant au démarrage ("fichier" : celui donné, retenu parmi les
    // récents une fois lu). Faux si l'utilisateur abandonne devant un fichier non conforme.
    bool LectureDemarrage(const QString& fichier = QString());
    // Avant de remplacer un programme modifié : "Voulez-vous sauvegarder ?". Vrai si l'on peut
    // continuer : rien à perdre, "Non", ou "Oui" et la sauvegarde a réussi.
    bool ProposeSauvegarde();
    // Ouvre un fichier programme comme "&Lecture" une fois le fichier choisi, après avoir
    // proposé de sauvegarder. Faux si l'utilisateur renonce en route.
    bool OuvreFichier(const QString& chemin);
    // Vrai si le fichier programme est écrit.
    bool SauveFichier();
    void EffaceData();
    void LectureData_Click();
    void SauverComme_Click();
    // La semaine imprimée : au dialogue d'impression, ou dans un PDF choisi au dialogue.
    void Imprimer_Click();
    void ExporterPdf_Click();
    // Titre : titre de l'application, 36 blancs, "Fichier:  ", fin du chemin.
    void AfficheTitreFichier();
    // "DataUc.FCB" (et "DataUc.xls" si demandé) dans le dossier du programme.
    bool EcritExports(bool avecXls);
    QString CheminFichier() const { return cheminFichier_; }
    // Le fichier courant est tenu par une autre fenêtre : "&Sauvegarde" le refuse.
    bool LectureSeule() const;
    // Pendant une transmission, ses commandes sont grisées.
    void Gele(bool gele);
    // "Fichiers récents" : les cinq derniers fichiers programme lus ou écrits, gardés d'une
    // session à l'autre ; la fenêtre le place dans son menu.
    void AjouteRecents(QMenu* menu);
    // Lu comme par "&Lecture" une fois le fichier choisi ; un fichier disparu est dit et
    // retiré de la liste.
    void LectureRecente(const QString& chemin);

signals:
    // Titre de la fenêtre : le fichier courant n'est pas au document.
    void Titre(const QString& titre);

private:
    // Lit jusqu'à une issue : "Fichier non conforme" propose de recommencer, d'effacer tout
    // (Ignorer) ou d'abandonner. "lit" ne rend rien quand l'utilisateur renonce avant.
    // Faux sur un abandon.
    bool LitAvecReprise(const std::function<std::optional<StatutLecture>()>& lit);
    // Lecture du fichier courant avec son issue.
    StatutLecture LitFichierCourant();
    // Faux, avec une boîte, si une température ne se relirait pas.
    bool TemperaturesSauvables();
    // Un fichier qui n'a pas pu être lu, ou qui a changé sur le disque depuis, n'est remplacé
    // qu'avec l'accord de l'utilisateur.
    bool RemplacementAccepte(const QString& chemin);
    // Écrit le programme, qui devient le contenu connu du fichier courant ; l'accord de
    // remplacer est demandé s'il n'est pas déjà donné ("remplacementAccepte").
    bool EcritProgramme(const QString& chemin, bool remplacementAccepte);
    // Lecture seule : vrai si l'autre fenêtre a lâché le fichier depuis, qui redevient le nôtre.
    bool ReprendVerrou();
    // Lecture seule que l'autre fenêtre tient toujours : "&Sauvegarde" est refusée, avec une
    // boîte qui mène à "Sauver comme ..".
    bool SauvegardePermise();

    // Le verrou du fichier "chemin" (celui qu'on tient déjà s'il s'agit du fichier courant).
    // Tenu par une autre fenêtre : on propose la lecture seule ; rien si l'utilisateur refuse.
    std::unique_ptr<VerrouFichier> VerrouPourOuvrir(const QString& chemin);
    // La semaine en PDF dans "choisi", jamais par-dessus un programme, un dossier, un tube ou
    // un périphérique ; un PDF existant après un Oui si "demandeRemplacement".
    void EcritPdf(const QString& choisi, bool demandeRemplacement);
    // Lecture d'un fichier choisi : le chemin ne devient le courant que s'il est lu. Rien si
    // l'utilisateur renonce.
    std::optional<StatutLecture> LitChoisi(const QString& choisi);
    void RetientRecent(const QString& chemin, bool garde);
    void MontreRecents();

    Document& doc_;
    Plateforme& plateforme_;
    QAction* Nouveau;
    QAction* LectureData;
    QAction* SauvegardeFichier;
    QAction* SauverComme;
    QAction* Imprimer;
    QAction* ExporterPdf;
    QMenu* recents_ = nullptr;
    // Les récents de la session que le fichier de réglages n'a pas pu retenir : ils restent.
    std::optional<QStringList> recentsNonEcrits_;
    bool gele_ = false;
    QString cheminFichier_;                 // "data.prg" du dossier dès le démarrage
    bool cheminMajuscules_ = false;         // chemin choisi au dialogue : titre en majuscules
    QString cheminIllisible_;               // dernier fichier programme qui n'a pas pu être lu
    std::unique_ptr<VerrouFichier> verrou_; // celui du fichier courant
    QByteArray empreinte_; // des octets lus ou écrits en dernier ; vide : pas de fichier
    // Lu pendant qu'une autre fenêtre le tenait : c'est elle qui a pu l'écrire depuis.
    bool luSousAutreFenetre_ = false;
};
