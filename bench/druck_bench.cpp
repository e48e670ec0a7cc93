// Printing every plan of a generated day into a PDF: teachers on A4, parents four to a
// sheet, as a school prints them the evening before the day.
#include "druck_umgebung.h"
#include "druckauftrag.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_AllePlaeneAlsPdf(benchmark::State& state)
{
    DruckBench::SorgeFuerAnwendung();
    TSprechtag tag;
    DruckBench::BerechneterTag(tag, int(state.range(0)));

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
