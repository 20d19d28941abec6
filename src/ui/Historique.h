#pragma once
// L'historique des éditions : chaque édition nommée du document est un pas qu'"Annuler" défait
// et que "Rétablir" refait. Lire un fichier ou "&Nouveau" le vident ; le programme n'est plus
// modifié quand on revient à l'état enregistré.
#include <QObject>
#include <QUndoStack>

class Document;
class QAction;
class QMenu;
struct Programme;

class Historique : public QObject {
    Q_OBJECT
public:
    // Ajoute "Annuler" et "Rétablir" au menu.
    Historique(Document& document, QMenu* menu, QObject* parent);
    ~Historique() override;

    // Pendant une transmission, ni annuler ni rétablir.
    void Gele(bool gele);

signals:
    // Le programme vient d'être défait ou refait : la zone et le jour à montrer (jour -1 :
    // seuls une température ou un identifiant ont changé).
    void Retabli(int zone, int jour);

private:
    class Pas;
    void Applique(const Programme& depuis, const Programme& vers);
    void MetAJourCommandes();

    Document& doc_;
    QUndoStack pile_;
    QAction* Annuler;
    QAction* Retablir;
    bool gele_ = false;
    bool suitPile_ = true; // faux pendant que la pile est vidée
    bool applique_ = false;
};
