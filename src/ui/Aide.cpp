// F1 : le guide de l'utilisateur, construit à côté de l'exécutable ou installé avec lui.
#include "model/Textes.h"
#include "plateforme/DossierDonnees.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

void FenetrePrincipale::ConstruitAide() {
    // Hors des menus : le "?" reste la boîte de version. Le raccourci vaut pour toute la fenêtre.
    Guide = new QAction(QStringLiteral("Guide de l'utilisateur"), this);
    Guide->setObjectName(QStringLiteral("Guide"));
    Guide->setShortcut(QKeySequence::HelpContents);
    addAction(Guide);
    connect(Guide, &QAction::triggered, this, [this] { Guide_Click(); });
}

void FenetrePrincipale::Guide_Click() {
    // Une boîte retiendrait la pause d'une transmission en cours.
    if (!actives_) return;
    const QStringList emplacements = EmplacementsGuide(QCoreApplication::applicationDirPath());
    for (const QString& chemin : emplacements) {
        if (!QFileInfo(chemin).isFile()) continue;
        if (!plateforme_.OuvreDocument(chemin))
            plateforme_.Message(QStringLiteral("Le guide %1 n'a pas pu être ouvert : aucun "
                                               "navigateur ne l'a pris.")
                                    .arg(chemin),
                                Boutons::Ok, Icone::Exclamation, TitreCourt);
        return;
    }
    plateforme_.Message(QStringLiteral("Le guide de l'utilisateur est introuvable. Il devrait "
                                       "être à l'un de ces endroits :\r\n\r\n") +
                            emplacements.join(QStringLiteral("\r\n")),
                        Boutons::Ok, Icone::Exclamation, TitreCourt);
}
