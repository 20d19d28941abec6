// Le seul endroit des places : contrôles de l'exemple (twips, pixels, texte, bulle, couleurs,
// police) et menus, comparés à donnees/controles.txt.
#include "plateforme/BarreDefilement.h"
#include "plateforme/Twips.h"
#include "support/Banc.h"

#include <QtWidgets>

namespace {
QString Rect(const QRectF& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Couleurs et police qui diffèrent de celles du parent.
QString Apparence(const QWidget* w) {
    QString s;
    for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text})
        if (w->palette().color(role) != w->parentWidget()->palette().color(role))
            s += QStringLiteral(" %1=%2").arg(
                QLatin1String(QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(role)),
                w->palette().color(role).name());
    const QFont& f = w->font();
    if (f != w->parentWidget()->font())
        s += QStringLiteral(" police=%1/%2").arg(f.family()).arg(f.pointSizeF()) +
             (f.bold() ? "/gras" : "");
    return s;
}

QString Commande(const QAction* a) {
    return QStringLiteral("%1 « %2 »%3%4%5")
        .arg(a->objectName(), a->text())
        .arg(a->isChecked() ? QStringLiteral(" cochée") : QString())
        .arg(a->isVisible() ? QString() : QStringLiteral(" cachée"))
        .arg(a->shortcut().isEmpty() ? QString() : ' ' + a->shortcut().toString());
}

// Une ligne par contrôle ; une famille indexée dit une fois ce que ses membres ont en commun
// (état, apparence), puis chaque membre : "(indice) place « texte »".
QString Controles(const QMainWindow& fenetre) {
    QStringList lignes;
    QMap<QString, QStringList> familles; // famille et son commun -> membres
    for (const QWidget* w : fenetre.findChildren<QWidget*>()) {
        const QString nom = w->objectName(), famille = nom.section('(', 0, 0);
        // Les barres de confort cachées n'ont pas de place à dire.
        if (nom.isEmpty() || nom.startsWith(QLatin1String("qt_")) ||
            (w->isHidden() && famille == QLatin1String("ShTemp")))
            continue;
        QString etat = QString(w->isHidden() ? " caché" : "") + (w->isEnabled() ? "" : " grisé");
        if (const auto* b = qobject_cast<const BarreDefilement*>(w))
            etat +=
                QString::asprintf(" %s %d..%d = %d pas %d/%d",
                                  b->orientation() == Qt::Horizontal ? "horizontale" : "verticale",
                                  b->Min(), b->Max(), b->Valeur(), b->singleStep(), b->pageStep());
        if (const auto* l = qobject_cast<const QLineEdit*>(w); l && !l->isReadOnly())
            etat += QStringLiteral(" saisie");
        if (const auto* p = qobject_cast<const QProgressBar*>(w))
            etat += QString::asprintf(" %d..%d = %d%s", p->minimum(), p->maximum(), p->value(),
                                      p->isTextVisible() ? " en %" : "");
        if (const auto* m = qobject_cast<const QMenu*>(w)) {
            QStringList textes;
            for (const QAction* a : m->actions())
                textes << (a->objectName().isEmpty() ? a->text() : Commande(a));
            etat += QStringLiteral(" : ") + textes.join(QStringLiteral(" | ")) +
                    (m->toolTipsVisible() ? QStringLiteral(" (bulles)") : QString());
        }
        if (!w->toolTip().isEmpty()) etat += QStringLiteral(" bulle « %1 »").arg(w->toolTip());
        etat += Apparence(w);
        // Texte d'un bouton, d'une étiquette ou d'un champ ; titre d'un cadre ou d'un menu.
        const QString t = w->property(w->property("text").isValid() ? "text" : "title").toString();
        const QString texte = t.isEmpty() ? QString() : " « " + t + " »";
        // Twips de la table des contrôles (s'il y en a), puis pixels entre crochets.
        const QString ici = " < " + w->parentWidget()->objectName() + ' ' +
                            (TwipsDe(w).isNull() ? QString() : Rect(TwipsDe(w)) + ' ') + '[' +
                            Rect(w->geometry()) + ']';
        if (famille == nom)
            lignes << nom + ici + texte + etat;
        else
            familles[famille + etat] << nom.mid(famille.size()) + ici + texte;
    }
    for (const auto& [commun, membres] : familles.asKeyValueRange())
        lignes << commun + " : " + membres.join(QStringLiteral(" ; "));
    // La barre de menus, puis les commandes qui ne sont dans aucun menu (raccourcis seuls).
    QStringList barre, ailleurs;
    for (const QAction* a : fenetre.menuBar()->actions())
        barre << (a->menu() ? a->text() : Commande(a));
    for (const QAction* a : fenetre.findChildren<QAction*>())
        if (a->associatedObjects().size() == 1 && a->associatedObjects()[0] == &fenetre)
            ailleurs << Commande(a);
    lignes << "barre de menus : " + barre.join(QStringLiteral(" | "))
           << "hors des menus : " + ailleurs.join(QStringLiteral(" | "));
    return lignes.join('\n') + '\n';
}
} // namespace

TEST(Controles, PlacesTextesEtMenusDeLExemple) {
    Banc b;
    b.Demarre();
    CompareReference(QStringLiteral("controles.txt"), Controles(*b.fenetre));
    EXPECT_EQ(b.fenetre->focusWidget(), b.W(QStringLiteral("Frame1")));
    // Les barres et le jour choisi sont peints : leur fond se remplit, la couleur seule ne
    // suffit pas.
    const QImage image = b.fenetre->grab().toImage();
    for (const char* nom : {"ShTemp(0)", "Label2(0)"}) {
        const QWidget* w = b.W(nom);
        const QPoint coin(w->width() - 2, w->height() - 2);
        EXPECT_EQ(image.pixelColor(w->mapTo(b.fenetre.get(), coin)),
                  w->palette().color(QPalette::Window))
            << nom;
    }
    // Le cadre reste centré dans la fenêtre, jamais à moins de 120 twips du haut.
    for (const auto& [l, h, gauche, haut] :
         {std::tuple{1001, 900, 1605.0, 1497.5}, std::tuple{500, 600, -2152.5, 120.0}}) {
        b.fenetre->resize(l, h);
        b.fenetre->Form_Resize();
        EXPECT_EQ(TwipsDe(b.W(QStringLiteral("Frame1"))).topLeft(), QPointF(gauche, haut));
    }
}
