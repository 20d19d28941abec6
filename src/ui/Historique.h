#pragma once
// L'historique des éditions : chaque édition nommée du document est un pas qu'"Annuler" défait
// et que "Rétablir" refait, en rendant au document la version de l'état rendu (c'est lui qui
// sait s'il est modifié). Lire un fichier ou "&Nouveau" le vident.
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
    void Applique(const Programme& depuis, const Programme& vers, quint64 version);
    void MetAJourCommandes();

    Document& doc_;
    QUndoStack pile_;
    QAction* Annuler;
    QAction* Retablir;
    bool gele_ = false;
    bool applique_ = false;
};
