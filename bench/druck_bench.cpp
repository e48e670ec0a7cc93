// Printing every plan of a generated day into a PDF: teachers on A4, parents four to a
// sheet, as a school prints them the evening before the day.
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"
#include "druckauftrag.h"

#include <QGuiApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Text measuring needs a GUI application; the benchmark main does not make one.
void SorgeFuerAnwendung()
{
    static int argc = 1;
    static char name[] = "kalumo_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
}

void BM_AllePlaeneAlsPdf(benchmark::State& state)
{
    SorgeFuerAnwendung();
    TSprechtag tag;
    TBeispielVorgaben v;
    v.eltern = int(state.range(0));
    FuelleBeispieltag(tag, v);
    TStillerFortschritt still;
    BerechneZeitplaene(tag, still);

    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("plaene.pdf"));
    const TPlanTexte texte = TPlanTexte::Aus(tag.Plan, QStringLiteral("Gesamtschule Am Hang"));
    const auto auftrag = PlaneDruckauftrag(tag, TDruckOptionen{});
    for (auto _ : state) {
        const auto fehler = PlaeneAlsPdf(pfad, tag, TDruckOptionen{}, texte);
        if (fehler)
            state.SkipWithError(fehler->toStdString().c_str());
    }
    state.counters["Plaene"] = double(auftrag.size());
    state.counters["Seiten"] = AnzahlSeiten(auftrag, texte);
    state.counters["MB"] = double(QFileInfo(pfad).size()) / 1e6;
}

} // namespace

BENCHMARK(BM_AllePlaeneAlsPdf)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
