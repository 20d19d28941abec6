// Bancs de mesure du code pur et des gestionnaires de la fenêtre (hors écran).
// Mesuré et rapporté, jamais vérifié dans un test : bash scripts/bench.sh
#include "PlateformeBanc.h"
#include "files/Exports.h"
#include "files/FichierProgramme.h"
#include "files/ImpressionSemaine.h"
#include "link/TrameProgramme.h"
#include "model/OctetsJour.h"
#include "plateforme/BarreDefilement.h"
#include "timeline/Segments.h"
#include "ui/FenetrePrincipale.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QString Titre = QStringLiteral("GESTION CHAUFFAGE -VK472- V1.50");

QByteArray Exemple() {
    QFile f(QStringLiteral(GC_DOSSIER_DONNEES "/data.prg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Programme ProgrammeExemple() {
    return LireFichierProgramme(Exemple()).programme;
}

// Le cas le plus lourd accepté : l'exemple gonflé dans son titre jusqu'à la limite.
QByteArray ExempleUnMio() {
    QByteArray contenu = Exemple();
    contenu.insert(contenu.indexOf('\r'),
                   QByteArray(TailleMaxFichierProgramme - contenu.size(), 'x'));
    return contenu;
}

// Dix segments : la validation coupe le neuvième et le dixième.
QByteArray JourDixSegments() {
    QByteArray jour(LongueurJour, '0');
    for (int s = 0; s < 10; ++s) jour.replace(s * 14 + 2, 6, "111111");
    return jour;
}

void LectureFichier(benchmark::State& etat, const QByteArray& contenu) {
    for (auto _ : etat) {
        const ResultatLecture lu = LireFichierProgramme(contenu);
        if (lu.statut != StatutLecture::Lu) etat.SkipWithError("lecture refusée");
        benchmark::DoNotOptimize(lu);
    }
    etat.SetBytesProcessed(etat.iterations() * contenu.size());
}
BENCHMARK_CAPTURE(LectureFichier, exemple, Exemple());
BENCHMARK_CAPTURE(LectureFichier, un_mio, ExempleUnMio())->Unit(benchmark::kMillisecond);

void EcritureFichier(benchmark::State& etat) {
    const Programme programme = ProgrammeExemple();
    for (auto _ : etat) benchmark::DoNotOptimize(EcrireFichierProgramme(programme, Titre));
}
BENCHMARK(EcritureFichier);

void OctetsSemaine(benchmark::State& etat) {
    const Programme programme = ProgrammeExemple();
    for (auto _ : etat)
        for (int z = 0; z < NbZones; ++z)
            for (int d = 0; d < NbJours; ++d)
                benchmark::DoNotOptimize(OctetsJour(programme.ProgJour[z][d]));
}
BENCHMARK(OctetsSemaine);

void ValidationJour(benchmark::State& etat) {
    const QByteArray modele = JourDixSegments();
    for (auto _ : etat) {
        QByteArray jour = modele;
        benchmark::DoNotOptimize(ValideJour(jour));
    }
}
BENCHMARK(ValidationJour);

void TexteDesSegments(benchmark::State& etat) {
    const QByteArray jour = JourDixSegments();
    for (auto _ : etat) benchmark::DoNotOptimize(TexteSegments(jour));
}
BENCHMARK(TexteDesSegments);

void ExportsAnnexes(benchmark::State& etat) {
    const Programme programme = ProgrammeExemple();
    for (auto _ : etat) {
        benchmark::DoNotOptimize(ExportFcb(programme));
        benchmark::DoNotOptimize(ExportXls(programme));
    }
}
BENCHMARK(ExportsAnnexes);

void TrameDeTransmission(benchmark::State& etat) {
    const Programme programme = ProgrammeExemple();
    const QDateTime horloge(QDate(2024, 3, 4), QTime(7, 30));
    for (auto _ : etat)
        benchmark::DoNotOptimize(OctetsTrame(TrameProgramme(programme, 0, horloge)));
}
BENCHMARK(TrameDeTransmission);

// --- La vraie fenêtre, hors écran, avec l'exemple comme data.prg ---

struct FenetreBanc {
    PlateformeBanc plateforme;
    std::unique_ptr<FenetrePrincipale> fenetre;
    FenetreBanc() {
        QFile f(QDir(plateforme.DossierProgramme()).filePath(QStringLiteral("data.prg")));
        if (f.open(QIODevice::WriteOnly)) f.write(Exemple());
        f.close();
        fenetre = std::make_unique<FenetrePrincipale>(plateforme);
        fenetre->Demarre();
    }
};

void DemarrageFenetre(benchmark::State& etat) {
    for (auto _ : etat) {
        FenetreBanc banc;
        benchmark::DoNotOptimize(banc.fenetre.get());
    }
}
BENCHMARK(DemarrageFenetre)->Unit(benchmark::kMillisecond);

// Zone 0 -> 1 -> 2 -> 0 : rechargement des jours, des températures et de l'identifiant.
void ChangementZone(benchmark::State& etat) {
    FenetreBanc banc;
    int zone = 0;
    for (auto _ : etat) {
        zone = (zone + 1) % NbZones;
        banc.fenetre->findChild<BarreDefilement*>("VScrollZone")->ChangeValeur(zone);
    }
}
BENCHMARK(ChangementZone)->Unit(benchmark::kMicrosecond);

// Un cran de la température de confort, aller et retour.
void ChangementTemperature(benchmark::State& etat) {
    FenetreBanc banc;
    BarreDefilement& barre = *banc.fenetre->findChild<BarreDefilement*>("VScroll3(0)");
    const int valeurs[2] = {barre.Valeur(), barre.Valeur() < 198 ? barre.Valeur() + 1 : 197};
    int pas = 0;
    for (auto _ : etat) barre.ChangeValeur(valeurs[++pas % 2]);
}
BENCHMARK(ChangementTemperature)->Unit(benchmark::kMicrosecond);

// Lundi -> dimanche et retour, par la barre des jours.
void ChangementJour(benchmark::State& etat) {
    FenetreBanc banc;
    int jour = 0;
    for (auto _ : etat) {
        jour = (jour + 1) % NbJours;
        banc.fenetre->findChild<BarreDefilement*>("VScJour")->ChangeValeur(jour);
    }
}
BENCHMARK(ChangementJour)->Unit(benchmark::kMicrosecond);

// "Conf." au curseur puis "Eco." au même endroit : écriture, validation et barres du jour.
void ConfortPuisEco(benchmark::State& etat) {
    FenetreBanc banc;
    auto* curseur = banc.fenetre->findChild<BarreDefilement*>("HScroll1");
    auto* confort = banc.fenetre->findChild<QPushButton*>("CmdHigh");
    auto* eco = banc.fenetre->findChild<QPushButton*>("CmdLow");
    for (auto _ : etat) {
        curseur->ChangeValeur(60);
        confort->click();
        curseur->ChangeValeur(60);
        eco->click();
    }
}
BENCHMARK(ConfortPuisEco)->Unit(benchmark::kMicrosecond);

// La semaine imprimée du programme livré : trois pages écrites dans un PDF.
void ExportPdf(benchmark::State& etat) {
    const QTemporaryDir dossier;
    const Programme programme = ProgrammeExemple();
    const QDateTime date(QDate(2026, 12, 1), QTime(14, 5));
    for (auto _ : etat)
        ExportePdf(dossier.filePath(QStringLiteral("semaine.pdf")), programme,
                   QStringLiteral("data.prg"), date);
}
BENCHMARK(ExportPdf)->Unit(benchmark::kMillisecond);

// "CLS" puis "Annuler" : un jour entier remis, la semaine de la zone redessinée.
void AnnulerJourEntier(benchmark::State& etat) {
    FenetreBanc banc;
    auto* efface = banc.fenetre->findChild<QPushButton*>("CmdCLS");
    auto* annuler = banc.fenetre->findChild<QAction*>("Annuler");
    for (auto _ : etat) {
        etat.PauseTiming();
        efface->click();
        etat.ResumeTiming();
        annuler->trigger();
    }
}
BENCHMARK(AnnulerJourEntier)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
