#include "files/ImpressionSemaine.h"
#include "model/Horaires.h"
#include "model/Jour.h"
#include "model/Textes.h"
#include "plateforme/EcritureAtomique.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {
// Unités de dessin : le dixième de millimètre, sur la zone imprimable (277 x 190 mm).
constexpr int Largeur = 2770;
constexpr int Hauteur = 1900;
constexpr int GaucheBarres = 250;
constexpr int LargeurHeure = 100; // 24 h sur 2400
constexpr int HautJours = 300;
constexpr int HauteurRangee = 215;

const QColor Confort(0, 255, 0);
const QColor Eco(0, 255, 255);

QString Degres(qint16 valeur) {
    return QString::number((valeur - TemperatureMin) / 2.0) + QStringLiteral(" °C");
}

QFont Police(int taille, bool gras = false) {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(taille);
    police.setBold(gras);
    return police;
}

void DessineZone(QPainter& p, const Programme& prog, int z, const QString& fichier,
                 const QDateTime& date) {
    p.setFont(Police(48, true));
    p.drawText(QRect(0, 0, Largeur, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 — %2 — %3")
                   .arg(TitreVersion, fichier, date.toString(QStringLiteral("dd/MM/yyyy HH:mm"))));
    QStringList temperatures;
    for (int t = 0; t < NbTemperatures; ++t)
        temperatures << NomTemperature(t) + QLatin1Char(' ') + Degres(prog.TempZone[z][t]);
    p.setFont(Police(38));
    p.drawText(QRect(0, 90, Largeur, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Zone %1 — Identifiant %2 — %3")
                   .arg(z)
                   .arg(prog.IdentZone[z])
                   .arg(temperatures.join(QStringLiteral(", "))));

    // Échelle des heures au-dessus des jours.
    p.setFont(Police(28));
    for (int h = 0; h <= 24; ++h)
        p.drawText(QRect(GaucheBarres + h * LargeurHeure - 50, HautJours - 60, 100, 40),
                   Qt::AlignCenter, QStringLiteral("%1H").arg(h));

    const QStringList noms = NomsDesJours();
    int semaine = 0;
    for (int d = 0; d < NbJours; ++d) {
        const QByteArray& jour = prog.ProgJour[z][d];
        const int haut = HautJours + d * HauteurRangee;
        p.setFont(Police(36, true));
        p.drawText(QRect(0, haut, GaucheBarres - 20, 100), Qt::AlignLeft | Qt::AlignVCenter,
                   noms[d]);
        // La bande éco sur toute la journée, les barres de confort par-dessus.
        p.fillRect(QRect(GaucheBarres, haut + 30, 24 * LargeurHeure, 40), Eco);
        for (const BarreSegment& s : BarresJour(jour))
            p.fillRect(QRect(GaucheBarres + s.debut * LargeurHeure / 6, haut,
                             s.largeur * LargeurHeure / 6, 100),
                       Confort);
        // Les lignes des heures par-dessus les barres, comme à l'écran ; plus marquées
        // toutes les six heures.
        for (int h = 0; h <= 24; ++h) {
            const int x = GaucheBarres + h * LargeurHeure;
            p.setPen(QPen(Qt::black, h % 6 == 0 ? 4 : 2));
            p.drawLine(x, haut - 10, x, haut + 110);
        }
        p.setPen(Qt::black);
        const int minutes = MinutesConfort(jour);
        semaine += minutes;
        p.setFont(Police(30));
        p.drawText(QRect(GaucheBarres, haut + 105, 24 * LargeurHeure, 45),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   HeuresConfort(jour) + QStringLiteral("    Confort : ") + TexteDuree(minutes));
    }
    p.setFont(Police(38, true));
    p.drawText(QRect(0, Hauteur - 70, Largeur, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Confort : %1 / semaine").arg(TexteDuree(semaine)));
}
} // namespace

QString HeuresConfort(const QByteArray& jour) {
    const QString horaires = TexteHoraires(jour);
    return horaires.isEmpty() ? QStringLiteral("Éco toute la journée") : horaires;
}

int MinutesConfort(const QByteArray& jour) {
    int creneaux = 0;
    for (const BarreSegment& s : BarresJour(jour)) creneaux += s.largeur;
    return creneaux * 10;
}

QString TexteDuree(int minutes) {
    return QStringLiteral("%1 h %2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool ImprimeSemaines(QPagedPaintDevice& appareil, const Programme& programme,
                     const QString& fichier, const QDateTime& date) {
    appareil.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter peintre;
    if (!peintre.begin(&appareil)) return false;
    for (int z = 0; z < NbZones; ++z) {
        if (z > 0) appareil.newPage();
        // Dixièmes de millimètre sur toute la zone imprimable, quelle que soit la résolution.
        peintre.setWindow(0, 0, Largeur, Hauteur);
        peintre.setViewport(0, 0, appareil.width(), appareil.height());
        DessineZone(peintre, programme, z, fichier, date);
    }
    return peintre.end();
}

QString ExportePdf(const QString& chemin, const Programme& programme, const QString& fichier,
                   const QDateTime& date) {
    // Peint en mémoire, écrit ensuite d'un coup par la seule porte d'écriture du programme.
    QByteArray octets;
    {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&tampon);
        pdf.setResolution(300);
        pdf.setCreator(TitreVersion);
        pdf.setTitle(QStringLiteral("Programme de chauffage — ") + fichier);
        if (!ImprimeSemaines(pdf, programme, fichier, date))
            return QStringLiteral("Le PDF n'a pas pu être dessiné.");
    }
    return EcritFichierAtomique(chemin, octets);
}
