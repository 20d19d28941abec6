#pragma once
// La vraie fenêtre hors écran, sur un dossier de test et la plateforme factice, et les gestes
// d'un utilisateur sur ses contrôles (nommés comme dans la table des contrôles, points en
// pixels du contrôle). Une réponse prévue qui n'a servi à rien fait échouer le test.
#include "support/Dossier.h"
#include "support/PlateformeFactice.h"
#include "ui/FenetrePrincipale.h"

#include <QEvent>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class Banc {
public:
    Banc();
    ~Banc();
    // Une nouvelle fenêtre, sur "fichier" ou sur data.prg, que "exemple" remplace d'abord par
    // l'exemple livré. Faux si elle n'a rien à montrer.
    bool Demarre(const QString& fichier = {}, bool exemple = true);
    Document& Doc() { return fenetre->Doc(); }
    // Le programme changé comme relu d'un fichier (non modifié) ; zone, jour et curseur gardés.
    void Pose(const std::function<void(Programme&)>& change);
    template <typename T = QWidget> T* W(const QString& nom) const {
        T* w = fenetre->findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom.toStdString();
        return w;
    }

    // Comme l'utilisateur : faux si la commande ou le bouton était grisé (rien n'est fait).
    bool Menu(const QString& nom);
    bool Clic(const QString& nom);
    void Barre(const QString& nom, int valeur);
    // Un événement de souris ; le bouton est tenu de l'appui au relâché.
    void Souris(const QString& nom, QEvent::Type type, Qt::MouseButton bouton, QPoint point);
    // Appui puis relâché (deux fois : double clic) ; un trait glisse entre les deux.
    void Appui(const QString& nom, Qt::MouseButton bouton, QPoint point, bool double_ = false);
    void Trait(const QString& nom, Qt::MouseButton bouton, QPoint de, QPoint a);
    // "Maj+Droite C Entree" : chacune appuyée sur le contrôle.
    void Touches(const QString& nom, const QString& touches);
    // Double clic dans le champ, le texte, puis la touche qui finit.
    void Tape(const QString& champ, const QString& texte,
              const QString& fin = QStringLiteral("Entree"));
    // Au clavier, fenêtre active : les raccourcis des menus passent avant le contrôle.
    void Raccourci(const QString& touches);

    // Les créneaux de confort du jour en heures : "6H30-8H30 17H30-22H30", "vide".
    QString Jour(int zone, int jour);
    // Ce qui a changé depuis la dernière fois, « / » entre deux : les boîtes, puis le curseur, la
    // zone et le jour, « modifié », les températures et l'identifiant de la zone, ses jours, le
    // pas à annuler ; et ce que l'écran montrerait autrement que le document.
    QString Vu();
    // Ce que l'écran montre autrement que le document ; vide s'il le suit.
    QString Ecart();
    // Les boîtes depuis la dernière fois, "texte -> réponse", une par ligne (dossier : <d>).
    QString Boites();
    // Les octets remis par instant, 32 par ligne (références trame-*) ; puis le port, les
    // pauses et l'horloge repartent de rien.
    QString Port();

    DossierTest dossier;
    PlateformeFactice plateforme;
    std::unique_ptr<FenetrePrincipale> fenetre;

private:
    QStringList Etat();
    size_t boites_ = 0;
    QStringList etat_;
};

// "vu" comparé à tests/donnees/NOM ; GC_REECRIT=1 le réécrit (à relire), jamais sous CI.
void CompareReference(const QString& nom, const QString& vu);
