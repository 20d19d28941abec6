#include "support/Scenario.h"
#include "model/Textes.h"
#include "plateforme/BarreDefilement.h"
#include "plateforme/Controles.h"
#include "plateforme/Twips.h"
#include "timeline/PanneauSemaine.h"
#include "ui/FenetrePrincipale.h"
#include "zone/PanneauZone.h"

#include <QtWidgets>
#include <functional>

#include <gtest/gtest.h>

namespace {
const char* const NomsBoites[] = {"Ok", "OkAnnuler", "OuiNon", "AbandonnerRecommencerIgnorer"};
const char* const NomsIcones[] = {"sans icône", "critique", "exclamation"};

Bouton BoutonNomme(const QString& nom) {
    const auto i = std::find(std::begin(NomsBoutons), std::end(NomsBoutons), nom.toStdString());
    EXPECT_NE(i, std::end(NomsBoutons)) << "réponse inconnue " << nom.toStdString();
    return static_cast<Bouton>(i - std::begin(NomsBoutons));
}

// "a-b,c-d+QUEUE" : créneaux [a, b) en confort ; "vide" ; sinon la chaîne telle quelle.
QByteArray JourEcrit(const QString& texte) {
    if (texte == QLatin1String("vide")) return JourVide();
    if (!texte.contains('-')) return texte.toLatin1();
    const QStringList parties = texte.split('+');
    QByteArray jour = JourVide().left(NbCreneaux);
    for (const QString& s : parties[0].split(',', Qt::SkipEmptyParts))
        for (int c = s.section('-', 0, 0).toInt(); c < s.section('-', 1, 1).toInt(); ++c)
            jour[c] = '1';
    return jour + (parties.size() > 1 ? parties[1].toLatin1() : JourVide().mid(NbCreneaux));
}

// Le jour en suites de caractères égaux : "0×39 1×12 0×97".
QString Suites(const QByteArray& jour) {
    QStringList suites;
    for (qsizetype i = 0, j = 0; i < jour.size(); i = j) {
        while (j < jour.size() && jour[j] == jour[i]) ++j;
        suites << QStringLiteral("%1×%2").arg(QLatin1Char(jour[i])).arg(j - i);
    }
    return suites.isEmpty() ? QStringLiteral("(vide)") : suites.join(' ');
}

// Le jour en heures de confort : "6H30-8H30 17H30-22H30", "vide" ; une chaîne hors norme
// (autre caractère, queue, longueur) suit en suites.
QString Heure(int creneau) {
    return QStringLiteral("%1H%2").arg(creneau / 6).arg(creneau % 6 * 10, 2, 10, QLatin1Char('0'));
}
QString Periodes(const std::vector<std::pair<int, int>>& periodes) {
    QStringList textes;
    for (const auto& [debut, fin] : periodes) textes << Heure(debut) + '-' + Heure(fin);
    return textes.isEmpty() ? QStringLiteral("vide") : textes.join(' ');
}
std::vector<std::pair<int, int>> Confort(const QByteArray& jour) {
    std::vector<std::pair<int, int>> periodes;
    for (int i = 0; i < NbCreneaux && i < jour.size(); ++i)
        if (jour[i] == '1' && (i == 0 || jour[i - 1] != '1'))
            periodes.push_back({i, i + 1});
        else if (jour[i] == '1')
            periodes.back().second = i + 1;
    return periodes;
}
QString Heures(const QByteArray& jour) {
    const bool norme =
        jour.size() == NbCreneaux + 4 && jour.mid(NbCreneaux) == "0000" &&
        jour.left(NbCreneaux).count('0') + jour.left(NbCreneaux).count('1') == NbCreneaux;
    return norme ? Periodes(Confort(jour)) : Suites(jour);
}

// Octets lisibles : les caractères de contrôle et ceux au-delà de 0x7E en \xNN.
QString Octets(const QByteArray& octets) {
    QString s;
    for (const char c : octets) {
        const auto o = static_cast<quint8>(c);
        s += (o >= 0x20 && o < 0x7F) || o == '\r'
                 ? QString(QLatin1Char(c))
                 : QStringLiteral("\\x%1").arg(o, 2, 16, QLatin1Char('0'));
    }
    return s;
}

// Twips de la table des contrôles (s'il y en a) puis pixels entre crochets.
QString Twips(const QWidget* w) {
    const auto texte = [](const QRectF& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    const QString pixels = QLatin1Char('[') + texte(w->geometry()) + QLatin1Char(']');
    return TwipsDe(w).isNull() ? pixels : texte(TwipsDe(w)) + QLatin1Char(' ') + pixels;
}

// Couleurs (et police) qui diffèrent de celles du parent.
QString Apparence(const QWidget* w, bool police) {
    QString s;
    const QPalette defaut = w->parentWidget()->palette();
    const std::pair<QPalette::ColorRole, const char*> roles[] = {{QPalette::Window, "fond"},
                                                                 {QPalette::WindowText, "encre"},
                                                                 {QPalette::Base, "champ"},
                                                                 {QPalette::Text, "texte"}};
    for (const auto& [role, nom] : roles)
        if (w->palette().color(role) != defaut.color(role))
            s += QStringLiteral(" %1=%2").arg(QLatin1String(nom), w->palette().color(role).name());
    if (police && w->font() != w->parentWidget()->font())
        s += QStringLiteral(" police=%1/%2%3")
                 .arg(w->font().family())
                 .arg(w->font().pointSizeF())
                 .arg(w->font().bold() ? QStringLiteral("/gras") : QString());
    return s;
}

// Un événement de souris sur le contrôle : le bouton est tenu de l'appui au relâché.
void Souris(QWidget* cible, QEvent::Type type, const QPointF& point, Qt::MouseButton bouton) {
    QMouseEvent evenement(
        type, point, cible->mapToGlobal(point), type == QEvent::MouseMove ? Qt::NoButton : bouton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : bouton, Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
}

QString Edite(const Document& doc) {
    return QString::asprintf("édité : zone %d, jour %d, %s", doc.Zone(), doc.Jour(),
                             doc.Modifie() ? "modifié" : "non modifié");
}

Qt::MouseButton BoutonSouris(const QString& nom) {
    return nom == QLatin1String("droit")    ? Qt::RightButton
           : nom == QLatin1String("milieu") ? Qt::MiddleButton
           : nom == QLatin1String("retour") ? Qt::BackButton
                                            : Qt::LeftButton;
}

QString Texte(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (const auto* m = qobject_cast<const QMenu*>(w)) return m->title();
    return {};
}
} // namespace

// Un chemin de longueur fixe : le titre n'en montre que la fin. Les fichiers récents d'un
// scénario précédent ne s'y montrent pas.
Scenario::Scenario(bool reference)
    : dossier(QStringLiteral("/tmp/gc-XXXXXX")), plateforme(dossier.Chemin()),
      reference_(reference) {
    if (!reference) Reference();
    QSettings(QStringLiteral("gestion-chauffage"), QStringLiteral("gestion-chauffage")).clear();
}
Scenario::~Scenario() = default;

// Ce qu'on voit après un démarrage ordinaire sur l'exemple livré.
const Scenario::Vus& Scenario::Reference() {
    static const Vus vus = [] {
        Scenario s(true);
        s.Action({QStringLiteral("demarre")}, QStringLiteral("demarre"));
        s.Difference(QStringLiteral("etat"), s.EtatVu());
        s.Difference(QStringLiteral("commandes"), s.CommandesVues());
        s.Difference(QStringLiteral("programme"), s.ProgrammeVu());
        return s.vus_;
    }();
    return vus;
}

// "<dossier>/…" : un chemin dans le dossier du programme.
QString Scenario::Chemin(QString texte) const {
    return texte.replace(QLatin1String("<dossier>"), dossier.Chemin());
}

QString Scenario::Clair(QString texte) const {
    const QString hasard = dossier.Chemin().right(6);
    return texte.replace(dossier.Chemin(), QStringLiteral("<dossier>"))
        .replace(dossier.Chemin().toUpper(), QStringLiteral("<DOSSIER>"))
        .replace(hasard, QStringLiteral("XXXXXX"))
        .replace(hasard.toUpper(), QStringLiteral("XXXXXX"))
        .replace(QStringLiteral("\r"), QStringLiteral("\\r"))
        .replace(QStringLiteral("\n"), QStringLiteral("\\n"));
}

void Scenario::Note(const QString& ligne) {
    sortie_ << QStringLiteral("  ") + ligne;
}

QString Scenario::Joue(const QString& texte) {
    sortie_.clear();
    const QStringList lignes = texte.split('\n');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        if (!ligne.startsWith(QLatin1String("> ")) && !ligne.startsWith('#')) continue;
        sortie_ << ligne;
        if (ligne.startsWith('#')) continue;
        // Les boîtes et les dialogues attendus sous l'action y sont répondus comme ils le disent
        // ("-> Oui", "-> <dossier>/a.prg").
        for (qsizetype j = i + 1; j < lignes.size() && lignes[j].startsWith(QLatin1String("  "));
             ++j)
            if (const QString reponse = lignes[j].section(QStringLiteral(" -> "), -1);
                lignes[j].startsWith(QStringLiteral("  boîte ")) &&
                reponse != QStringLiteral("imprévue"))
                plateforme.Reponses.push_back(BoutonNomme(reponse));
            else if (lignes[j].startsWith(QLatin1String("  dialogue ")) &&
                     lignes[j].contains(QStringLiteral(" -> ")))
                plateforme.Noms.push_back(Chemin(reponse));
        Action(ligne.mid(2).split(' ', Qt::SkipEmptyParts), ligne.mid(2));
        NoteBoites();
    }
    if (!plateforme.Reponses.empty() || !plateforme.Noms.empty() || !plateforme.Tirages.empty())
        sortie_ << QStringLiteral("  !! réponses, noms ou tirages jamais servis");
    return sortie_.join('\n') + '\n';
}

QString Scenario::Vu(const QString& actions) {
    QString texte;
    for (const QString& a : actions.split(';', Qt::SkipEmptyParts))
        texte += QStringLiteral("> ") + a.trimmed() + '\n';
    QStringList vus;
    for (const QString& l : Joue(texte + QStringLiteral("> montre etat\n")).split('\n'))
        if (l.startsWith(QLatin1String("  "))) vus << l.trimmed();
    return vus.join(QStringLiteral(" / "));
}

// Les boîtes et les dialogues montrés depuis la dernière fois, avec la réponse donnée.
void Scenario::NoteBoites() {
    for (; dialoguesVus_ < plateforme.Dialogues.size(); ++dialoguesVus_) {
        const DialogueVu& d = plateforme.Dialogues[dialoguesVus_];
        Note(QStringLiteral("dialogue %1 %2 « %3 »%4")
                 .arg(d.genre, Clair(d.dossier), d.nom,
                      d.rendu.isEmpty() ? QString() : QStringLiteral(" -> ") + Clair(d.rendu)));
    }
    for (; boitesVues_ < plateforme.Boites.size(); ++boitesVues_) {
        const BoiteVue& b = plateforme.Boites[boitesVues_];
        Note(QStringLiteral("boîte « %1 » %2 %3 : « %4 » -> %5")
                 .arg(b.titre, QString::fromUtf8(NomsIcones[static_cast<int>(b.icone)]),
                      QLatin1String(NomsBoites[static_cast<int>(b.boutons)]), Clair(b.texte),
                      b.reponse));
    }
}

void Scenario::Action(const QStringList& mots, const QString& brut) {
    const QString verbe = mots.value(0), nom = mots.value(1);
    const auto entier = [&](int i) { return mots.value(i).toInt(); };
    const auto doc = [this]() -> Document& { return fenetre->Doc(); };
    const auto controle = [&] { return fenetre->findChild<QWidget*>(nom); };
    // Change le programme comme un fichier relu : zone et jour restent, rien de modifié.
    const auto pose = [&](const std::function<void(::Programme&)>& change) {
        ::Programme p = doc().Prog();
        change(p);
        const int zone = doc().Zone(), jour = doc().Jour(), curseur = doc().Curseur();
        doc().Charge(p);
        doc().ChoisitZone(zone);
        doc().ChoisitJour(jour);
        doc().PlaceCurseur(curseur);
    };
    if (verbe == QLatin1String("demarre")) {
        fenetre.reset();
        if (nom == QLatin1String("-"))
            QFile::remove(dossier.Fichier(QStringLiteral("data.prg")));
        else if (nom.isEmpty())
            dossier.Ecrit(QStringLiteral("data.prg"), ProgrammeExemple());
        fenetre = std::make_unique<FenetrePrincipale>(plateforme);
        // "demarre <dossier>/x.prg" : lancé sur ce fichier, comme par le gestionnaire de fichiers.
        fenetre->Demarre(nom.startsWith(QLatin1String("<dossier>")) ? Chemin(nom) : QString());
        if (!reference_) vus_ = Reference();
    } else if (verbe == QLatin1String("ecrit")) {
        QString t = brut.section(' ', 2);
        // "@exemple DE A" : l'exemple livré, DE remplacé par A.
        dossier.Ecrit(nom, mots.value(2) == QLatin1String("@exemple")
                               ? ProgrammeExemple().replace(mots.value(3).toLatin1(),
                                                            mots.value(4).toLatin1())
                               : t.replace(QLatin1String("\\r"), QLatin1String("\r"))
                                     .replace(QLatin1String("\\n"), QLatin1String("\n"))
                                     .replace(QLatin1String("\\0"), QString(QChar(0)))
                                     .toLatin1());
    } else if (verbe == QLatin1String("efface")) {
        EXPECT_TRUE(QFile::remove(dossier.Fichier(nom)) || QDir(dossier.Chemin()).rmdir(nom));
    } else if (verbe == QLatin1String("port")) {
        if (nom == QLatin1String("refuse")) plateforme.port.RefusOuverture = mots.mid(2).join(' ');
        if (nom == QLatin1String("ouvre")) {
            plateforme.port.RefusOuverture.reset();
            plateforme.port.PerteAuOctet.reset();
        }
        if (nom == QLatin1String("perte")) plateforme.port.PerteAuOctet = entier(2);
    } else if (verbe == QLatin1String("tube")) {
        // Une ouverture qui y bloquerait fait échouer le test au bout du délai de ctest.
        EXPECT_TRUE(CreeTube(dossier.Fichier(nom)));
    } else if (verbe == QLatin1String("lien")) {
        EXPECT_TRUE(QFile::link(Chemin(mots.value(2)), dossier.Fichier(nom)));
    } else if (verbe == QLatin1String("branche")) {
        // Champs séparés par "|".
        const QStringList c = Chemin(brut.section(' ', 1)).split('|');
        plateforme.Peripheriques.push_back({c.value(0), c.value(1), c.value(2), c.value(3),
                                            c.value(4) == QLatin1String("usb"),
                                            c.value(4) == QLatin1String("sans-uart")});
        plateforme.ChangementPorts();
    } else if (verbe == QLatin1String("tiens") || verbe == QLatin1String("lache") ||
               verbe == QLatin1String("glisse")) {
        // Bouton tenu (gauche en 1 1 par défaut), glissé, relâché, en pixels du contrôle.
        const bool glisse = verbe == QLatin1String("glisse");
        if (!glisse && mots.size() > 2) tenu_ = BoutonSouris(mots.value(2));
        const int x = glisse ? 2 : 3;
        const QPointF point(mots.value(x, QStringLiteral("1")).toDouble(),
                            mots.value(x + 1, QStringLiteral("1")).toDouble());
        Souris(controle(),
               glisse                            ? QEvent::MouseMove
               : verbe == QLatin1String("tiens") ? QEvent::MouseButtonPress
                                                 : QEvent::MouseButtonRelease,
               point, tenu_);
    } else if (verbe == QLatin1String("raccourci")) {
        // Au clavier comme un utilisateur : la fenêtre active, les raccourcis des menus
        // passent avant le contrôle qui a le focus ; un menu ouvert par Alt+lettre se referme.
        fenetre->show();
        fenetre->activateWindow();
        for (int i = 0; i < 100 && !fenetre->isActiveWindow(); ++i) QApplication::processEvents();
        const QKeyCombination touches = QKeySequence::fromString(nom)[0];
        QWidget* cible = fenetre->focusWidget() ? fenetre->focusWidget() : fenetre.get();
        QKeyEvent appui(QEvent::KeyPress, touches.key(), touches.keyboardModifiers());
        QApplication::sendEvent(cible, &appui);
        while (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    } else if (verbe == QLatin1String("molette")) {
        const QPointF point(2, 2);
        QWheelEvent roue(point, controle()->mapToGlobal(point), QPoint(),
                         QPoint(0, mots.value(2) == QLatin1String("bas") ? -120 : 120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(controle(), &roue);
    } else if (verbe == QLatin1String("desactive")) {
        // Une autre fenêtre prend la main.
        QEvent desactivation(QEvent::WindowDeactivate);
        QApplication::sendEvent(fenetre.get(), &desactivation);
    } else if (verbe == QLatin1String("copie")) {
        // "copie JOURS ZONES" en 0/1 (lundi d'abord) ; "copie annule".
        std::optional<CiblesCopie> cibles;
        if (nom != QLatin1String("annule")) {
            cibles.emplace();
            for (int d = 0; d < NbJours; ++d) cibles->jours[d] = nom.at(d) == '1';
            for (int z = 0; z < NbZones; ++z) cibles->zones[z] = mots.value(2).at(z) == '1';
        }
        plateforme.Copies.push_back(cibles);
    } else if (verbe == QLatin1String("imprime")) {
        // "fichier:<dossier>/NOM" : imprimer dans un fichier.
        plateforme.Impressions.push_back(
            nom.startsWith(QLatin1String("fichier:")) ? Chemin(nom) : dossier.Fichier(nom));
    } else if (verbe == QLatin1String("debranche")) {
        plateforme.Peripheriques.clear();
        plateforme.ChangementPorts();
    } else if (verbe == QLatin1String("pendant-pause")) {
        pendantPause_ << brut.section(' ', 1);
        plateforme.minuterie.AvantPause = [this] {
            NoteBoites();
            const QStringList actions = pendantPause_;
            pendantPause_.clear();
            for (const QString& action : actions) {
                sortie_ << QStringLiteral("  pendant la pause > ") + action;
                Action(action.split(' ', Qt::SkipEmptyParts), action);
                NoteBoites();
            }
        };
    } else if (verbe == QLatin1String("dossier")) {
        EXPECT_TRUE(QDir(dossier.Chemin()).mkpath(nom));
    } else if (verbe == QLatin1String("boite")) {
        plateforme.Reponses.push_back(BoutonNomme(nom));
    } else if (verbe == QLatin1String("dialogue")) {
        const QString rendu = brut.section(' ', 1);
        plateforme.Noms.push_back(rendu.startsWith('*') ? rendu : dossier.Fichier(rendu));
    } else if (verbe == QLatin1String("hasard")) {
        plateforme.Tirages.push_back(nom.toDouble());
    } else if (verbe == QLatin1String("clic")) {
        auto* bouton = fenetre->findChild<QAbstractButton*>(nom);
        if (!bouton->isEnabled()) Note(QStringLiteral("grisé"));
        bouton->click();
    } else if (verbe == QLatin1String("menu")) {
        auto* commande = fenetre->findChild<QAction*>(nom);
        if (!commande->isEnabled()) Note(QStringLiteral("grisée"));
        commande->trigger();
    } else if (verbe == QLatin1String("barre")) {
        auto* barre = fenetre->findChild<BarreDefilement*>(nom);
        // Grisée, elle ne bouge pas sous la souris.
        if (!barre->isEnabled()) return Note(QStringLiteral("grisée"));
        const QString v = mots.value(2);
        const std::pair<const char*, QAbstractSlider::SliderAction> fleches[] = {
            {"haut", QAbstractSlider::SliderSingleStepSub},
            {"bas", QAbstractSlider::SliderSingleStepAdd},
            {"page-haut", QAbstractSlider::SliderPageStepSub},
            {"page-bas", QAbstractSlider::SliderPageStepAdd}};
        bool fleche = false;
        for (const auto& [mot, action] : fleches)
            if (v == QLatin1String(mot)) {
                barre->triggerAction(action);
                fleche = true;
            }
        if (!fleche) barre->ChangeValeur(v.toInt());
    } else if (verbe == QLatin1String("souris") || verbe == QLatin1String("trait")) {
        // Appui en X Y, relâché (double : deux fois) ; un trait glisse d'abord jusqu'à X2 Y2.
        const bool trait = verbe == QLatin1String("trait");
        std::vector<QEvent::Type> types{QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
        if (trait) types.insert(types.begin() + 1, QEvent::MouseMove);
        if (mots.value(5) == QLatin1String("double"))
            types.insert(types.end(), {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
        for (const QEvent::Type type : types) {
            const int i = trait && type != QEvent::MouseButtonPress ? 5 : 3;
            Souris(controle(), type,
                   QPointF(mots.value(i).toDouble(), mots.value(i + 1).toDouble()),
                   BoutonSouris(mots.value(2)));
        }
    } else if (verbe == QLatin1String("touche")) {
        // "Maj+Droite", "C", "Entree" : chacune appuyée sur le contrôle.
        const std::pair<const char*, int> noms[] = {
            {"Droite", Qt::Key_Right}, {"Gauche", Qt::Key_Left},   {"Haut", Qt::Key_Up},
            {"Bas", Qt::Key_Down},     {"Entree", Qt::Key_Return}, {"Echap", Qt::Key_Escape}};
        for (const QString& t : mots.mid(2)) {
            const QString cle = t.section('+', -1);
            int code = cle.size() == 1 ? cle.at(0).toUpper().unicode() : 0;
            for (const auto& [mot, c] : noms)
                if (cle == QLatin1String(mot)) code = c;
            QKeyEvent appui(QEvent::KeyPress, code,
                            t.startsWith(QLatin1String("Maj+")) ? Qt::ShiftModifier
                                                                : Qt::NoModifier,
                            cle.size() == 1 ? cle : QString());
            QApplication::sendEvent(controle(), &appui);
        }
    } else if (verbe == QLatin1String("tape")) {
        auto* champ = fenetre->findChild<QLineEdit*>(nom);
        if (champ->isReadOnly()) return Note(QStringLiteral("lecture seule"));
        champ->setText(brut.section(' ', 2));
    } else if (verbe == QLatin1String("horaires")) {
        // "horaires annule" ou les sept lignes validées, séparées par "|".
        std::optional<LignesSemaine> lignes;
        if (nom != QLatin1String("annule")) {
            lignes.emplace();
            const QStringList l = brut.section(' ', 1).split('|');
            for (int d = 0; d < NbJours; ++d) (*lignes)[d] = l.value(d);
        }
        plateforme.Horaires.push_back(lignes);
    } else if (verbe == QLatin1String("jour")) {
        // "*" : les sept jours. Un jour posé est une mise en place : "montre" ne le redit pas.
        const int zone = entier(1);
        for (int d = 0; d < NbJours; ++d) {
            if (mots.value(2) != QLatin1String("*") && d != entier(2)) continue;
            pose([&](::Programme& p) { p.ProgJour[zone][d] = JourEcrit(mots.value(3)); });
            const QString cle = NomsDesJours().value(d);
            const QString heures = Heures(doc().Prog().ProgJour[zone][d]);
            if (zone == doc().Zone()) vus_[QStringLiteral("etat")][cle] = cle + ' ' + heures;
            vus_[QStringLiteral("programme")][QStringLiteral("zone %1, ").arg(zone) + cle] =
                QStringLiteral("zone %1, %2 %3").arg(zone).arg(cle, heures);
        }
    } else if (verbe == QLatin1String("temperatures")) {
        pose([&](::Programme& p) {
            for (int t = 0; t < NbTemperatures; ++t)
                p.TempZone[entier(1)][t] = static_cast<qint16>(entier(2 + t));
        });
    } else if (verbe == QLatin1String("identifiants")) {
        pose([&](::Programme& p) {
            for (int z = 0; z < NbZones; ++z) p.IdentZone[z] = entier(1 + z);
        });
    } else if (verbe == QLatin1String("valide")) {
        doc().ValideJour(doc().Zone(), doc().Jour());
    } else if (verbe == QLatin1String("enregistre")) {
        doc().MarqueEnregistre();
    } else if (verbe == QLatin1String("taille")) {
        fenetre->resize(entier(1), entier(2));
        fenetre->Form_Resize();
    } else if (verbe == QLatin1String("quitte")) {
        const bool fermee = fenetre->close();
        NoteBoites();
        Note(fermee ? QStringLiteral("fenêtre fermée") : QStringLiteral("fenêtre restée ouverte"));
    } else if (verbe == QLatin1String("montre")) {
        Montre(mots);
    } else {
        ADD_FAILURE() << "action inconnue : " << mots.join(' ').toStdString();
    }
}

namespace {
// Réécrire les références : jamais sous l'intégration continue, où rien ne les relirait.
bool Reecrit() {
    if (qEnvironmentVariableIsEmpty("GC_REECRIT")) return false;
    if (qEnvironmentVariableIsEmpty("CI")) return true;
    ADD_FAILURE() << "GC_REECRIT refusé quand CI est posée";
    return false;
}
} // namespace

// "montre … = NOM" : ce qui se montre après la première ligne est comparé au fichier de
// référence tests/donnees/NOM (trames, journaux) ; la transcription ne le redit que s'il
// diffère (GC_REECRIT=1 réécrit la référence).
void Scenario::Montre(const QStringList& mots) {
    const qsizetype egal = mots.indexOf(QStringLiteral("="));
    if (egal > 0) {
        const qsizetype debut = sortie_.size() + 1;
        Montre(mots.mid(0, egal));
        const QStringList vus = sortie_.mid(debut);
        QFile f(QStringLiteral(GC_DONNEES_TESTS "/") + mots.value(egal + 1));
        const QString texte = vus.join('\n') + '\n';
        if (Reecrit() && f.open(QIODevice::WriteOnly))
            f.write(texte.toUtf8());
        else if (!f.open(QIODevice::ReadOnly) || QString::fromUtf8(f.readAll()) != texte)
            return;
        sortie_.resize(debut);
        return;
    }
    const QString quoi = mots.value(1);
    if (quoi == QLatin1String("etat")) {
        Difference(quoi, EtatVu());
    } else if (quoi == QLatin1String("jour")) {
        Jour();
    } else if (quoi == QLatin1String("commandes")) {
        Difference(quoi, CommandesVues());
    } else if (quoi == QLatin1String("port")) {
        Port();
    } else if (quoi == QLatin1String("dossier")) {
        QStringList vus;
        for (const QFileInfo& f :
             QDir(dossier.Fichier(mots.value(2)))
                 .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
            vus << f.fileName() + (f.isSymLink() ? QStringLiteral(" -> ") + Clair(f.symLinkTarget())
                                   : f.isDir()   ? QStringLiteral("/")
                                   : f.isFile()  ? QStringLiteral(" (%1)").arg(f.size())
                                                 : QStringLiteral(" (spécial)"));
        Note(QStringLiteral("dossier : ") + vus.join(QStringLiteral(", ")));
    } else if (quoi == QLatin1String("titre")) {
        Note(QStringLiteral("titre « %1 »").arg(Clair(fenetre->windowTitle())));
    } else if (quoi == QLatin1String("horaires")) {
        Note(QStringLiteral("horaires montrés : ") +
             QStringList(plateforme.LignesMontrees.begin(), plateforme.LignesMontrees.end())
                 .join(QStringLiteral(" | ")));
    } else if (quoi == QLatin1String("focus")) {
        Note(QStringLiteral("focus ") + fenetre->focusWidget()->objectName());
    } else if (quoi == QLatin1String("programme")) {
        Difference(quoi, ProgrammeVu());
    } else if (quoi == QLatin1String("controles")) {
        ControlesVus(QString());
    } else if (quoi == QLatin1String("place")) {
        ControlesVus(mots.value(2), true);
    } else if (quoi == QLatin1String("fichier")) {
        const QString nom = mots.mid(2).join(' ');
        if (!dossier.Existe(nom)) {
            Note(nom + QStringLiteral(" : absent"));
        } else if (dossier.Lit(nom) == ProgrammeExemple()) {
            Note(nom + QStringLiteral(" : l'exemple livré, tel quel"));
        } else {
            Note(nom + QStringLiteral(" :"));
            for (const QByteArray& l : dossier.Lit(nom).split('\n'))
                Note(QStringLiteral("| ") + Clair(Octets(l)));
        }
    } else if (quoi == QLatin1String("ecart")) {
        // Tout le reste est l'exemple livré, ou donnees/exemple.FCB, octet pour octet.
        const QString nom = mots.mid(2).join(' ');
        const QByteArrayList vu = dossier.Lit(nom).split('\n'),
                             exemple = (nom.endsWith(QLatin1String(".FCB"))
                                            ? DonneeTest(QStringLiteral("exemple.FCB"))
                                            : ProgrammeExemple())
                                           .split('\n');
        QStringList ecarts;
        for (qsizetype l = 0; l < std::max(vu.size(), exemple.size()); ++l) {
            const QByteArrayList a = exemple.value(l).split(','), b = vu.value(l).split(',');
            if (l >= vu.size() || l >= exemple.size() || a.size() != b.size())
                ecarts << QStringLiteral("ligne %1 « %2 »")
                              .arg(l + 1)
                              .arg(l < vu.size() ? Clair(Octets(vu[l]))
                                                 : QStringLiteral("absente"));
            else
                for (qsizetype c = 0; c < a.size(); ++c)
                    if (a[c] != b[c])
                        ecarts << QStringLiteral("ligne %1 champ %2 « %3 »")
                                      .arg(l + 1)
                                      .arg(c + 1)
                                      .arg(Clair(Octets(b[c])));
        }
        Note(nom + (dossier.Existe(nom)
                        ? QStringLiteral(" : l'exemple sauf ") + ecarts.join(QStringLiteral(", ")) +
                              (ecarts.isEmpty() ? QStringLiteral("rien") : QString())
                        : QStringLiteral(" : absent")));
    } else {
        ControlesVus(quoi);
    }
}

void Scenario::Jour() {
    Note(Edite(fenetre->Doc()));
    Note(Montre());
}

// Ce que l'utilisateur lit est ce que la commande suivante édite : la zone, les barres et le nom
// du jour suivent le document ; restent à dire la casse du nom et les jours en rouge.
QString Scenario::Montre() const {
    const auto w = [this](const QString& nom) { return fenetre->findChild<QWidget*>(nom); };
    const auto valeur = [this](const char* nom) {
        return fenetre->findChild<BarreDefilement*>(QLatin1String(nom))->Valeur();
    };
    const Document& doc = fenetre->Doc();
    const QString jour = Texte(w(QStringLiteral("Text1")));
    EXPECT_EQ(Texte(w(QStringLiteral("TextZone"))).toInt(), doc.Zone());
    EXPECT_EQ(valeur("VScrollZone"), doc.Zone());
    EXPECT_EQ(valeur("VScJour"), doc.Jour());
    EXPECT_EQ(jour.toLower(), NomsDesJours().value(doc.Jour()).toLower());
    QStringList rouges;
    for (int d = 0; d < NbJours; ++d)
        if (w(NomIndexe("Label2", d))->palette().color(QPalette::Window) == QColor(255, 0, 0))
            rouges << Texte(w(NomIndexe("Label2", d)));
    return QStringLiteral("montré : « %1 », en rouge %2").arg(jour, rouges.join(','));
}

// L'écran, hors positions : une ligne par chose vue, avec sa clé.
Scenario::Lignes Scenario::EtatVu() const {
    const auto w = [this](const QString& nom) { return fenetre->findChild<QWidget*>(nom); };
    const auto texte = [&](const QString& nom) { return Texte(w(nom)); };
    const Document& doc = fenetre->Doc();
    Lignes l;
    l.push_back({"titre", QStringLiteral("titre « %1 »").arg(Clair(fenetre->windowTitle()))});
    l.push_back({"édité", Edite(doc)});
    l.push_back({"montré", Montre()});
    // Le marqueur et les heures se placent au créneau du curseur (66 twips par créneau depuis
    // leur place à 0H00) ; arrondi, un pixel de dessin n'y change rien.
    const int c = fenetre->findChild<BarreDefilement*>(QStringLiteral("HScroll1"))->Valeur();
    QStringList curseur, ailleurs;
    for (const auto& [nom, origine] :
         {std::pair{"Marqueur(0)", 1500}, {"HeureProg(0)", 1050}, {"HeureProg(1)", 1050}}) {
        if (!texte(QLatin1String(nom)).isEmpty()) curseur << texte(QLatin1String(nom));
        if (qRound((TwipsDe(w(QLatin1String(nom))).left() - origine) / 66) != c)
            ailleurs << QLatin1String(nom);
    }
    l.push_back({"curseur", QStringLiteral("curseur %1 : %2%3")
                                .arg(c)
                                .arg(curseur.join(QStringLiteral(" | ")),
                                     ailleurs.isEmpty()
                                         ? QString()
                                         : QStringLiteral(" ; ailleurs : ") + ailleurs.join(' '))});
    QStringList temperatures;
    for (int t = 0; t < NbTemperatures; ++t)
        temperatures
            << QStringLiteral("%1 « %2 »")
                   .arg(fenetre->findChild<BarreDefilement*>(NomIndexe("VScroll3", t))->Valeur())
                   .arg(texte(NomIndexe("Text2", t)));
    l.push_back({"températures", QStringLiteral("températures %1 ; identifiant « %2 »")
                                     .arg(temperatures.join(QStringLiteral(", ")),
                                          texte(QStringLiteral("TextID")))});
    // Le texte des segments caché n'est pas lu : il se dit quand il se montre.
    l.push_back(
        {"segments",
         w(QStringLiteral("VisuProgramme"))->isHidden()
             ? QStringLiteral("segments cachés")
             : QStringLiteral("segments « %1 »").arg(texte(QStringLiteral("VisuProgramme")))});
    // Les barres dessinées, en créneaux arrondis, ne se disent que si elles diffèrent du jour.
    for (int d = 0; d < NbJours; ++d) {
        const QByteArray& jour = doc.Prog().ProgJour[doc.Zone()][d];
        std::vector<std::pair<int, int>> barres, attendues = Confort(jour);
        for (int j = 0; j < 8; ++j)
            if (const QWidget* b = w(NomIndexe("ShTemp", 8 * d + j)); !b->isHidden()) {
                const QRectF r = TwipsDe(b);
                const int debut = qRound((r.left() - 90) / 66);
                barres.push_back({debut, debut + qRound(r.width() / 66)});
            }
        if (attendues.size() > 8) attendues.resize(8);
        const QString nom = NomsDesJours().value(d);
        l.push_back({nom, nom + ' ' + Heures(jour)});
        l.push_back({QStringLiteral("barres ") + nom,
                     barres == attendues
                         ? QString()
                         : QStringLiteral("barres %1 %2").arg(nom, Periodes(barres))});
    }
    return l;
}

// Les lignes qui ont changé depuis la dernière fois (d'abord : depuis un démarrage ordinaire
// sur l'exemple livré) ; "inchangé" sinon.
void Scenario::Difference(const QString& quoi, const Lignes& lignes) {
    std::map<QString, QString>& vus = vus_[quoi];
    bool change = false;
    for (const auto& [cle, ligne] : lignes) {
        if (vus[cle] == ligne) continue;
        vus[cle] = ligne;
        // Une ligne vide n'a rien à dire (des barres redevenues celles du jour).
        if (ligne.isEmpty()) continue;
        Note(ligne);
        change = true;
    }
    if (!change) Note(QStringLiteral("inchangé"));
}

Scenario::Lignes Scenario::ProgrammeVu() const {
    const ::Programme& p = fenetre->Doc().Prog();
    Lignes l;
    for (int z = 0; z < NbZones; ++z) {
        const QString zone = QStringLiteral("zone %1").arg(z);
        l.push_back({zone, QString::asprintf("zone %d : identifiant %d, températures %d %d %d %d",
                                             z, p.IdentZone[z], p.TempZone[z][0], p.TempZone[z][1],
                                             p.TempZone[z][2], p.TempZone[z][3])});
        for (int d = 0; d < NbJours; ++d) {
            const QString cle = zone + ", " + NomsDesJours().value(d);
            l.push_back({cle, cle + ' ' + Heures(p.ProgJour[z][d])});
        }
    }
    return l;
}

// Les commandes : les grisées nommées, puis celles dont le reste a changé.
Scenario::Lignes Scenario::CommandesVues() const {
    Lignes l;
    QStringList menus, grisees;
    for (const QAction* a : fenetre->menuBar()->actions()) menus << a->text();
    l.push_back({"menus", QStringLiteral("barre de menus : ") + menus.join(QStringLiteral(" | "))});
    for (const QAction* a : fenetre->findChildren<QAction*>())
        if (!a->objectName().isEmpty() && !a->isEnabled()) grisees << a->objectName();
    l.push_back(
        {"grisées", QStringLiteral("grisées : ") +
                        (grisees.isEmpty() ? QStringLiteral("aucune") : grisees.join(' '))});
    for (const QAction* a : fenetre->findChildren<QAction*>())
        if (!a->objectName().isEmpty()) l.push_back({a->objectName(), Commande(a, false)});
    return l;
}

QString Scenario::Commande(const QAction* a, bool grisee) const {
    return QStringLiteral("commande %1 « %2 »%3%4%5%6%7")
        .arg(a->objectName(), Clair(a->text()))
        .arg(a->isChecked() ? QStringLiteral(" cochée") : QString())
        .arg(!grisee || a->isEnabled() ? QString() : QStringLiteral(" grisée"))
        .arg(a->isVisible() ? QString() : QStringLiteral(" cachée"))
        .arg(a->shortcut().isEmpty() ? QString() : QStringLiteral(" ") + a->shortcut().toString())
        .arg(a->statusTip().isEmpty() || a->statusTip() != a->toolTip()
                 ? QString()
                 : QStringLiteral(" bulle « %1 »").arg(Clair(a->statusTip())));
}

void Scenario::Port() {
    QStringList ouvertures, pauses;
    for (const int n : plateforme.port.Ouvertures) ouvertures << QString::number(n);
    for (const int ms : plateforme.minuterie.Pauses) pauses << QString::number(ms);
    Note(QStringLiteral("port : ouvertures %1 ; %2 ; %3 octets remis ; pauses %4")
             .arg(ouvertures.join(','),
                  plateforme.port.EstOuvert() ? QStringLiteral("ouvert") : QStringLiteral("fermé"))
             .arg(plateforme.port.Remis.size())
             .arg(pauses.join(' ')));
    // Les octets par instant de remise, en hexadécimal, 32 par ligne.
    const std::vector<OctetRemis>& remis = plateforme.port.Remis;
    for (size_t i = 0, j = 0; i < remis.size(); i = j) {
        QByteArray octets;
        while (j < remis.size() && remis[j].instant == remis[i].instant)
            octets += static_cast<char>(remis[j++].octet);
        Note(QStringLiteral("à %1 ms, octets %2 à %3 :").arg(remis[i].instant).arg(i).arg(j - 1));
        for (qsizetype k = 0; k < octets.size(); k += 32)
            Note(QStringLiteral("  ") + QString::fromLatin1(octets.mid(k, 32).toHex(' ')));
    }
    plateforme.port.Remis.clear();
    plateforme.port.Ouvertures.clear();
    plateforme.minuterie.Pauses.clear();
    plateforme.horloge.ms = 0;
}

// Tous les contrôles avec leurs positions (twips, pixels), ou un seul, sans elles. Une famille
// indexée dit une fois ce que ses membres ont en commun (état, apparence, parent), puis chaque
// membre : "(indice) place [pixels] « texte »".
void Scenario::ControlesVus(const QString& seul, bool place) {
    const bool tous = seul.isEmpty();
    std::vector<std::pair<QString, QStringList>> lignes; // (famille et son commun, membres)
    for (const QWidget* w : fenetre->findChildren<QWidget*>()) {
        const QString nom = w->objectName(), famille = nom.section('(', 0, 0);
        // Les barres de confort cachées n'ont pas de place à dire.
        if (nom.isEmpty() || nom.startsWith(QLatin1String("qt_")) || (!tous && nom != seul) ||
            (tous && w->isHidden() && famille == QLatin1String("ShTemp")))
            continue;
        QString etat, s;
        if (w->isHidden()) etat += QStringLiteral(" caché");
        if (!w->isEnabled()) etat += QStringLiteral(" grisé");
        if (const auto* c = qobject_cast<const QCheckBox*>(w); c && c->isChecked())
            s += QStringLiteral(" coché");
        if (const auto* b = qobject_cast<const BarreDefilement*>(w))
            s += QString::asprintf(" %s %d..%d = %d pas %d/%d",
                                   b->orientation() == Qt::Horizontal ? "horizontale" : "verticale",
                                   b->Min(), b->Max(), b->Valeur(), b->singleStep(), b->pageStep());
        if (const auto* p = qobject_cast<const QProgressBar*>(w))
            s += QString::asprintf(" %d..%d = %d%s", p->minimum(), p->maximum(), p->value(),
                                   p->isTextVisible() ? " en %" : "");
        if (const auto* m = qobject_cast<const QMenu*>(w)) {
            QStringList textes;
            for (const QAction* a : m->actions())
                textes << (tous && !a->objectName().isEmpty() ? Commande(a, false).mid(9)
                                                              : Clair(a->text()));
            s += QStringLiteral(" : ") + textes.join(QStringLiteral(" | ")) +
                 (m->toolTipsVisible() ? QStringLiteral(" (bulles)") : QString());
        }
        // Bulle et police ne changent pas : elles se disent avec les positions.
        if (tous && !w->toolTip().isEmpty()) s += QStringLiteral(" bulle « %1 »").arg(w->toolTip());
        s += Apparence(w, tous);
        const QString texte =
            Texte(w).isEmpty() ? QString() : QStringLiteral(" « %1 »").arg(Texte(w));
        const QString ici =
            QStringLiteral(" < %1 %2").arg(w->parentWidget()->objectName(), Twips(w));
        if (!tous || famille == nom) {
            Note(nom + (tous || place ? ici : QString()) + etat + texte + s);
            continue;
        }
        const QString commun = famille + etat + s;
        auto l = std::find_if(lignes.begin(), lignes.end(),
                              [&](const auto& l) { return l.first == commun; });
        if (l == lignes.end()) l = lignes.insert(l, {commun, {}});
        l->second << nom.mid(famille.size()) + ici + texte;
    }
    // Le parent commun à toute la famille se dit une fois.
    for (auto& [commun, membres] : lignes) {
        const QString famille = commun.section(' ', 0, 0), parent = membres[0].section(' ', 1, 2);
        const bool unParent = membres.filter(parent + ' ').size() == membres.size();
        if (unParent) membres.replaceInStrings(parent + ' ', QString());
        Note(famille + (unParent ? ' ' + parent : QString()) + commun.mid(famille.size()) +
             QStringLiteral(" : ") + membres.join(QStringLiteral(" ; ")));
    }
    // La barre de menus, puis les commandes qui ne sont dans aucun menu (raccourcis seuls).
    if (tous) {
        QStringList barre, ailleurs;
        for (const QAction* a : fenetre->menuBar()->actions())
            barre << (a->menu() ? a->text() : Commande(a, false).mid(9));
        for (const QAction* a : fenetre->findChildren<QAction*>())
            if (!a->objectName().isEmpty() && a->associatedObjects().size() == 1 &&
                !qobject_cast<QMenu*>(a->associatedObjects()[0]) &&
                !qobject_cast<QMenuBar*>(a->associatedObjects()[0]))
                ailleurs << Commande(a, false).mid(9);
        Note(QStringLiteral("barre de menus : ") + barre.join(QStringLiteral(" | ")));
        Note(QStringLiteral("hors des menus : ") + ailleurs.join(QStringLiteral(" | ")));
    }
    for (const QAction* a : fenetre->findChildren<QAction*>())
        if (!a->objectName().isEmpty() && a->objectName() == seul) Note(Commande(a, true));
}

void VerifieScenario(const QString& nom) {
    const QString chemin = QStringLiteral(GC_DONNEES_TESTS "/scenarios/") + nom + ".txt";
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    const QString attendu = QString::fromUtf8(f.readAll());
    f.close();
    Scenario scenario;
    const QString vu = scenario.Joue(attendu);
    if (Reecrit()) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(vu.toUtf8());
        return;
    }
    EXPECT_EQ(vu.toStdString(), attendu.toStdString()) << nom.toStdString();
}
