#include "support/Banc.h"
#include "model/Textes.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Controles.h"
#include "plateforme/Twips.h"

#include <QtWidgets>

namespace {
// Les créneaux de confort des 144 premiers, en périodes [début, fin).
std::vector<std::pair<int, int>> Confort(const QByteArray& jour) {
    std::vector<std::pair<int, int>> periodes;
    for (int i = 0; i < NbCreneaux && i < jour.size(); ++i)
        if (jour[i] != '1')
            continue;
        else if (i > 0 && jour[i - 1] == '1')
            periodes.back().second = i + 1;
        else
            periodes.push_back({i, i + 1});
    return periodes;
}

QString Heure(int creneau) {
    return QStringLiteral("%1H%2").arg(creneau / 6).arg(creneau % 6 * 10, 2, 10, QLatin1Char('0'));
}

// Une température codée telle qu'on la lit : « 20.5°C », « .5°C », « 6°C ».
QString Degres(int valeur) {
    QString texte = QString::number((valeur - 128) / 2.0);
    return (texte.startsWith(QLatin1String("0.")) ? texte.mid(1) : texte) + QStringLiteral("°C");
}
} // namespace

// Les fichiers récents d'un autre test ne s'y montrent pas.
Banc::Banc() : dossier(QStringLiteral("/tmp/gc-XXXXXX")), plateforme(dossier.Chemin()) {
    QSettings(QStringLiteral("gestion-chauffage"), QStringLiteral("gestion-chauffage")).clear();
}

Banc::~Banc() {
    EXPECT_TRUE(plateforme.Reponses.empty() && plateforme.Noms.empty() &&
                plateforme.Tirages.empty() && plateforme.Copies.empty() &&
                plateforme.Horaires.empty() && plateforme.Impressions.empty())
        << "réponses prévues jamais servies";
}

bool Banc::Demarre(const QString& fichier, bool exemple) {
    fenetre.reset();
    if (exemple) dossier.Ecrit(QStringLiteral("data.prg"), ProgrammeExemple());
    fenetre = std::make_unique<FenetrePrincipale>(plateforme);
    const bool demarree = fenetre->Demarre(fichier);
    etat_ = Etat();
    return demarree;
}

void Banc::Pose(const std::function<void(Programme&)>& change) {
    Programme p = Doc().Prog();
    change(p);
    const int zone = Doc().Zone(), jour = Doc().Jour(), curseur = Doc().Curseur();
    Doc().Charge(p);
    Doc().ChoisitZone(zone);
    Doc().ChoisitJour(jour);
    Doc().PlaceCurseur(curseur);
}

bool Banc::Menu(const QString& nom) {
    auto* commande = W<QAction>(nom);
    const bool active = commande->isEnabled(); // la commande peut disparaître en agissant
    commande->trigger();
    return active;
}

bool Banc::Clic(const QString& nom) {
    auto* bouton = W<QAbstractButton>(nom);
    const bool actif = bouton->isEnabled();
    bouton->click();
    return actif;
}

void Banc::Barre(const QString& nom, int valeur) {
    W<BarreDefilement>(nom)->ChangeValeur(valeur);
}

void Banc::Souris(const QString& nom, QEvent::Type type, Qt::MouseButton bouton, QPoint point) {
    QWidget* cible = W(nom);
    QMouseEvent evenement(type, point, cible->mapToGlobal(QPointF(point)),
                          type == QEvent::MouseMove ? Qt::NoButton : bouton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton,
                          Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
}

void Banc::Appui(const QString& nom, Qt::MouseButton bouton, QPoint point, bool double_) {
    Souris(nom, QEvent::MouseButtonPress, bouton, point);
    Souris(nom, QEvent::MouseButtonRelease, bouton, point);
    if (!double_) return;
    Souris(nom, QEvent::MouseButtonDblClick, bouton, point);
    Souris(nom, QEvent::MouseButtonRelease, bouton, point);
}

void Banc::Trait(const QString& nom, Qt::MouseButton bouton, QPoint de, QPoint a) {
    Souris(nom, QEvent::MouseButtonPress, bouton, de);
    Souris(nom, QEvent::MouseMove, bouton, a);
    Souris(nom, QEvent::MouseButtonRelease, bouton, a);
}

void Banc::Touches(const QString& nom, const QString& touches) {
    const std::pair<const char*, int> noms[] = {
        {"Droite", Qt::Key_Right}, {"Gauche", Qt::Key_Left},   {"Haut", Qt::Key_Up},
        {"Bas", Qt::Key_Down},     {"Entree", Qt::Key_Return}, {"Echap", Qt::Key_Escape}};
    for (const QString& t : touches.split(' ', Qt::SkipEmptyParts)) {
        const QString cle = t.section('+', -1);
        int code = cle.size() == 1 ? cle.at(0).toUpper().unicode() : 0;
        for (const auto& [mot, c] : noms)
            if (cle == QLatin1String(mot)) code = c;
        QKeyEvent appui(QEvent::KeyPress, code,
                        t.startsWith(QLatin1String("Maj+")) ? Qt::ShiftModifier : Qt::NoModifier,
                        cle.size() == 1 ? cle : QString());
        QApplication::sendEvent(W(nom), &appui);
    }
}

void Banc::Tape(const QString& champ, const QString& texte, const QString& fin) {
    Appui(champ, Qt::LeftButton, {5, 5}, true);
    W<QLineEdit>(champ)->setText(texte);
    Touches(champ, fin);
}

void Banc::Raccourci(const QString& touches) {
    fenetre->show();
    fenetre->activateWindow();
    for (int i = 0; i < 100 && !fenetre->isActiveWindow(); ++i) QApplication::processEvents();
    const QKeyCombination combinaison = QKeySequence::fromString(touches)[0];
    QWidget* cible = fenetre->focusWidget() ? fenetre->focusWidget() : fenetre.get();
    QKeyEvent appui(QEvent::KeyPress, combinaison.key(), combinaison.keyboardModifiers());
    QApplication::sendEvent(cible, &appui);
    // Un menu ouvert par Alt+lettre se referme.
    while (QWidget* menu = QApplication::activePopupWidget()) menu->close();
}

QString Banc::Jour(int zone, int jour) {
    QStringList textes;
    for (const auto& [debut, fin] : Confort(Doc().Prog().ProgJour[zone][jour]))
        textes << Heure(debut) + '-' + Heure(fin);
    return textes.isEmpty() ? QStringLiteral("vide") : textes.join(' ');
}

QStringList Banc::Etat() {
    const Document& d = Doc();
    const int z = d.Zone();
    const auto& t = d.Prog().TempZone[z];
    QStringList etat{QStringLiteral("curseur %1").arg(d.Curseur()),
                     QStringLiteral("zone %1, jour %2").arg(z).arg(d.Jour()),
                     d.Modifie() ? QStringLiteral("modifié") : QStringLiteral("non modifié"),
                     QString::asprintf("températures %d %d %d %d, identifiant %d", t[0], t[1], t[2],
                                       t[3], d.Prog().IdentZone[z])};
    for (int j = 0; j < NbJours; ++j) etat << NomsDesJours().value(j) + ' ' + Jour(z, j);
    return etat << W<QAction>(QStringLiteral("Annuler"))->text();
}

QString Banc::Vu() {
    const QStringList etat = Etat();
    QStringList vu{Boites()};
    for (qsizetype i = 0; i < etat.size(); ++i)
        if (etat[i] != etat_.value(i)) vu << etat[i];
    etat_ = etat;
    vu << (Ecart().isEmpty() ? QString() : "écart : " + Ecart());
    vu.removeAll(QString());
    return vu.join(QStringLiteral(" / "));
}

// Lu sur les contrôles, jamais sur le document : zone, jour, curseur et ses heures, jour en
// rouge, températures, identifiant, barres des jours et leurs hauteurs.
QString Banc::Ecart() {
    QStringList ecarts;
    const auto compare = [&ecarts](const QString& quoi, const QVariant& vu, const QVariant& doc) {
        if (vu != doc) ecarts << quoi + " : " + vu.toString() + " au lieu de " + doc.toString();
    };
    const auto barre = [this](const QString& nom) { return W<BarreDefilement>(nom)->Valeur(); };
    const auto texte = [this](const QString& nom) { return W<QLineEdit>(nom)->text(); };
    const auto twips = [this](const QString& nom) { return TwipsDe(W(nom)); };
    const Document& d = Doc();
    const int z = d.Zone(), c = d.Curseur();
    compare("VScrollZone", barre("VScrollZone"), z);
    compare("TextZone", texte("TextZone"), QString::number(z));
    compare("VScJour", barre("VScJour"), d.Jour());
    compare("Text1", texte("Text1").toLower(), NomsDesJours().value(d.Jour()).toLower());
    compare("HScroll1", barre("HScroll1"), c);
    compare("Marqueur(0)", twips("Marqueur(0)").left(), 1500 + 66 * c);
    for (const QString nom : {"HeureProg(0)", "HeureProg(1)"}) {
        compare(nom, twips(nom).left(), 1050 + 66 * c);
        compare(nom, W<QLabel>(nom)->text(), ' ' + Heure(c));
    }
    for (int j = 0; j < NbJours; ++j) {
        const QString nom = NomIndexe("Label2", j);
        compare(nom + " en rouge", W(nom)->palette().color(QPalette::Window) == Qt::red,
                j == d.Jour());
    }
    for (int t = 0; t < NbTemperatures; ++t) {
        const int v = std::clamp<int>(d.Prog().TempZone[z][t], 128, 198);
        compare(NomIndexe("VScroll3", t), barre(NomIndexe("VScroll3", t)), v);
        compare(NomIndexe("Text2", t), texte(NomIndexe("Text2", t)).trimmed(), Degres(v));
    }
    compare("TextID", texte("TextID").trimmed(), QString::number(d.Prog().IdentZone[z]));
    // Les barres posent à 600 twips ; hautes de 8 twips par demi-degré, 72 au moins.
    const auto hauteur = [&d, z](int t) {
        return std::max(72, 8 * (std::clamp<int>(d.Prog().TempZone[z][t], 128, 198) - 128));
    };
    for (int j = 0; j < NbJours; ++j) {
        std::vector<std::pair<int, int>> barres, attendues = Confort(d.Prog().ProgJour[z][j]);
        attendues.resize(std::min<size_t>(attendues.size(), NbSegmentsMax));
        for (int b = 0; b < NbSegmentsMax; ++b) {
            const QString nom = NomIndexe("ShTemp", 8 * j + b);
            const QRectF r = twips(nom);
            compare(nom + " haut", r.top() + r.height(), 600);
            compare(nom + " hauteur", r.height(), hauteur(0));
            const int debut = qRound((r.left() - 90) / 66);
            if (!W(nom)->isHidden()) barres.push_back({debut, debut + qRound(r.width() / 66)});
        }
        compare(NomIndexe("Shape1", j), twips(NomIndexe("Shape1", j)).height(), hauteur(1));
        if (barres != attendues) ecarts << NomsDesJours().value(j) + " : barres autres que le jour";
    }
    return ecarts.join(QStringLiteral(" ; "));
}

QString Banc::Boites() {
    QStringList vues;
    for (; boites_ < plateforme.Boites.size(); ++boites_) {
        const BoiteVue& b = plateforme.Boites[boites_];
        vues << QString(b.texte).replace(dossier.Chemin(), QStringLiteral("<d>")) + " -> " +
                    b.reponse;
    }
    return vues.join('\n');
}

QString Banc::Port() {
    QString vu;
    const std::vector<OctetRemis>& remis = plateforme.port.Remis;
    for (size_t i = 0, j = 0; i < remis.size(); i = j) {
        QByteArray octets;
        while (j < remis.size() && remis[j].instant == remis[i].instant)
            octets += static_cast<char>(remis[j++].octet);
        vu +=
            QStringLiteral("  à %1 ms, octets %2 à %3 :\n").arg(remis[i].instant).arg(i).arg(j - 1);
        for (qsizetype k = 0; k < octets.size(); k += 32)
            vu += "    " + QString::fromLatin1(octets.mid(k, 32).toHex(' ')) + '\n';
    }
    plateforme.port.Remis.clear();
    plateforme.port.Ouvertures.clear();
    plateforme.minuterie.Pauses.clear();
    plateforme.horloge.ms = 0;
    return vu;
}

void CompareReference(const QString& nom, const QString& vu) {
    QFile f(QStringLiteral(GC_DONNEES_TESTS "/") + nom);
    if (!qEnvironmentVariableIsEmpty("GC_REECRIT")) {
        if (!qEnvironmentVariableIsEmpty("CI")) {
            ADD_FAILURE() << "GC_REECRIT refusé quand CI est posée";
        } else {
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(vu.toUtf8());
            return;
        }
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << nom.toStdString();
    EXPECT_EQ(vu.toStdString(), f.readAll().toStdString()) << nom.toStdString();
}
