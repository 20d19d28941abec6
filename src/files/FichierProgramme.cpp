#include "files/FichierProgramme.h"
#include "model/Textes.h"
#include "plateforme/FichierOrdinaire.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <array>

#include <limits>
#include <optional>

namespace {

// Lecture champ par champ : virgule ou fin de ligne séparent, les blancs de tête sont sautés.
class LecteurListe {
public:
    explicit LecteurListe(const QByteArray& texte) : t_(texte) {}

    // Ligne du dernier champ commencé (ou de la fin du fichier quand il en manque un).
    int Ligne() const { return static_cast<int>(t_.left(debut_).count('\n')) + 1; }

    std::optional<QByteArray> Texte() {
        if (!DebutChamp()) return std::nullopt;
        QByteArray champ;
        if (t_[p_] == '"') {
            const qsizetype fin = t_.indexOf('"', p_ + 1);
            if (fin < 0) return std::nullopt; // guillemet jamais refermé
            champ = t_.mid(p_ + 1, fin - p_ - 1);
            p_ = fin + 1;
        } else {
            const qsizetype debut = p_;
            while (p_ < t_.size() && t_[p_] != ',' && !FinLigne(t_[p_])) ++p_;
            champ = t_.mid(debut, p_ - debut);
            while (!champ.isEmpty() && EstBlanc(champ.back())) champ.chop(1);
        }
        SauteSeparateur();
        return champ;
    }

    // Entier dans [min, max] ; tout autre texte rend le fichier non conforme.
    std::optional<qint64> Nombre(qint64 min, qint64 max) {
        if (!DebutChamp()) return std::nullopt;
        const qsizetype debut = p_;
        while (p_ < t_.size() && !EstBlanc(t_[p_]) && t_[p_] != ',' && !FinLigne(t_[p_])) ++p_;
        const QByteArray champ = t_.mid(debut, p_ - debut);
        SauteSeparateur();
        // toLongLong s'arrête au premier zéro : "46\0" + "60" se lirait 46.
        if (champ.isEmpty() || champ.size() > 12 || champ.contains('\0')) return std::nullopt;
        bool ok = false;
        const qint64 valeur = champ.toLongLong(&ok, 10);
        if (!ok || valeur < min || valeur > max) return std::nullopt;
        return valeur;
    }

private:
    static bool EstBlanc(char c) { return c == ' ' || c == '\t'; }
    static bool FinLigne(char c) { return c == '\r' || c == '\n'; }

    // Faux à la fin du fichier : il manque des champs.
    bool DebutChamp() {
        while (p_ < t_.size() && EstBlanc(t_[p_])) ++p_;
        debut_ = p_;
        return p_ < t_.size();
    }

    // Après un champ : blancs, puis une virgule ou une fin de ligne (CR LF comptant pour une).
    void SauteSeparateur() {
        while (p_ < t_.size() && EstBlanc(t_[p_])) ++p_;
        if (p_ >= t_.size()) return;
        if (t_[p_] == '\r') {
            ++p_;
            if (p_ < t_.size() && t_[p_] == '\n') ++p_;
        } else if (t_[p_] == ',' || t_[p_] == '\n') {
            ++p_;
        }
    }

    const QByteArray& t_;
    qsizetype p_ = 0;
    qsizetype debut_ = 0;
};

// Un jour plus long ne vient que d'un fichier abîmé. À cette borne, tout programme lu se
// réécrit sous la taille maximale, et la sauvegarde se relit donc toujours.
constexpr qsizetype LongueurMaxJourLu =
    (TailleMaxFichierProgramme - 4096) / (qsizetype{NbZones} * NbJours) - 3;

constexpr char MarqueProgramme[] = "VK472";

bool NomDeProgramme(const QString& chemin) {
    return chemin.endsWith(QLatin1String(".PRG"), Qt::CaseInsensitive);
}

} // namespace

QString RefusCiblePdf(const QString& chemin) {
    QString programme = QStringLiteral("C'est un fichier programme : le PDF ne le remplace pas.");
    const QFileInfo cible(chemin);
    if (NomDeProgramme(cible.fileName()) || NomDeProgramme(cible.canonicalFilePath()))
        return programme;
    if (!cible.exists()) return QString();
    if (!cible.isFile())
        return cible.isDir() ? QStringLiteral("C'est un dossier.")
                             : QStringLiteral("Ce n'est pas un fichier ordinaire.");
    // Le premier champ, comme à la lecture : c'est lui qui porte la marque.
    QFile fichier(chemin);
    if (!OuvreFichierOrdinaire(fichier)) return QString();
    const QByteArray debut = fichier.read(4096);
    const auto marque = LecteurListe(debut).Texte();
    return marque && marque->contains(MarqueProgramme) ? programme : QString();
}

std::optional<QByteArray> LitContenuFichierProgramme(const QString& chemin) {
    QFile fichier(chemin);
    if (!OuvreFichierOrdinaire(fichier)) return std::nullopt;
    // Lecture bornée : le fichier peut grandir pendant qu'on le lit.
    QByteArray contenu = fichier.read(TailleMaxFichierProgramme + 1);
    if (contenu.size() > TailleMaxFichierProgramme || fichier.error() != QFile::NoError)
        return std::nullopt;
    return contenu;
}

ResultatLecture LireFichierProgramme(const QByteArray& contenu) {
    ResultatLecture resultat;
    LecteurListe lecteur(contenu);
    const auto refuse = [&](const QString& cause) {
        resultat.ligne = lecteur.Ligne();
        resultat.cause = cause;
        return resultat;
    };
    // Pas de refus des caractères de contrôle : après le 37e champ (fin de fichier DOS 0x1A,
    // zéros), rien n'est lu ; dans un jour, ils comptent en éco comme tout autre que "1" ;
    // dans un nombre (un zéro compris), il n'est plus un nombre.
    if (contenu.size() > TailleMaxFichierProgramme) {
        resultat.cause =
            QStringLiteral("fichier de plus de %1 octets").arg(TailleMaxFichierProgramme);
        return resultat;
    }
    const auto marque = lecteur.Texte();
    if (!marque) return refuse(QStringLiteral("fichier vide"));
    if (!marque->contains(MarqueProgramme)) {
        resultat.statut = StatutLecture::Incompatible;
        return refuse(QStringLiteral("** FICHIER INCOMPATIBLE AVEC L'APPLICATION **"));
    }
    Programme& p = resultat.programme;
    auto& lignesZones = resultat.lignesZones;
    for (int z = 0; z < NbZones; ++z) {
        const auto ident =
            lecteur.Nombre(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
        if (!ident)
            return refuse(QStringLiteral("Zone %1 : identifiant manquant ou invalide.").arg(z));
        lignesZones[z] = lecteur.Ligne();
        p.IdentZone[z] = static_cast<qint32>(*ident);
        for (int t = 0; t < NbTemperatures; ++t) {
            const auto temperature = lecteur.Nombre(std::numeric_limits<qint16>::min(),
                                                    std::numeric_limits<qint16>::max());
            if (!temperature)
                return refuse(QStringLiteral("Zone %1 : température « %2 » manquante ou invalide.")
                                  .arg(z)
                                  .arg(NomTemperature(t)));
            p.TempZone[z][t] = static_cast<qint16>(*temperature);
        }
        for (int d = 0; d < NbJours; ++d) {
            const auto jour = lecteur.Texte();
            // Un guillemet dans un jour ne se réécrit pas : la sauvegarde décalerait les champs.
            if (!jour || jour->contains('"') || jour->size() > LongueurMaxJourLu)
                return refuse(QStringLiteral("Zone %1 : jour « %2 » manquant ou invalide.")
                                  .arg(z)
                                  .arg(NomsDesJours()[d]));
            p.ProgJour[z][d] = *jour;
        }
    }
    // Les températures de la zone 0 sont chargées dans les barres, qui ne vont que de
    // 128 à 198 : hors de là, la lecture échoue.
    for (int t = 0; t < NbTemperatures; ++t) {
        const qint16 valeur = p.TempZone[0][t];
        if (valeur < TemperatureMin || valeur > TemperatureMax) {
            resultat.ligne = lignesZones[0];
            resultat.cause = TexteTemperatureHorsLimites({0, t, valeur});
            return resultat;
        }
    }
    resultat.statut = StatutLecture::Lu;
    return resultat;
}

QByteArray EcrireFichierProgramme(const Programme& programme, const QString& titre) {
    QByteArray sortie = titre.toLatin1() + "\r\n";
    for (int z = 0; z < NbZones; ++z) {
        const qint32 ident = programme.IdentZone[z];
        // Colonne de signe : un blanc pour un nombre positif, le "-" sinon ; un blanc après.
        sortie += (ident < 0 ? "" : " ") + QByteArray::number(ident) + ' ';
        for (int t = 0; t < NbTemperatures; ++t)
            sortie += QByteArray::number(programme.TempZone[z][t]) + ',';
        for (int d = 0; d < NbJours; ++d) {
            sortie += '"' + programme.ProgJour[z][d] + '"';
            sortie += d < NbJours - 1 ? "," : "\r\n";
        }
    }
    return sortie;
}

QString TitreAvecFichier(const QString& titreApplication, const QString& chemin) {
    return titreApplication + QString(36, QLatin1Char(' ')) + QStringLiteral("Fichier:  ") +
           chemin.right(30);
}
