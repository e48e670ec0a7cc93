// "Termine exportieren" on a computed 2,000-entry day: the list of every talk and one
// calendar file per family, written into a fresh folder as the organiser does it.
#include "druck_umgebung.h"
#include "termine/export.h"

#include <QDate>
#include <QDateTime>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void BM_TermineExportieren(benchmark::State& state)
{
    TSprechtag tag;
    DruckBench::BerechneterTag(tag, int(state.range(0)));
    const QDateTime stempel(QDate(2026, 12, 1), QTime(12, 0), Qt::UTC);
    int dateien = 0;
    std::unique_ptr<QTemporaryDir> ordner;
    for (auto _ : state) {
        // A fresh folder each time; removing the last one is not part of the export.
        state.PauseTiming();
        ordner = std::make_unique<QTemporaryDir>();
        state.ResumeTiming();
        const TTerminExport e = Termine::Exportiere(tag, ordner->path(), QDate(2026, 12, 10), stempel);
        if (!e.ok())
            state.SkipWithError(e.Fehler.toStdString().c_str());
        dateien = e.Kalender;
    }
    state.counters["Kalender"] = dateien;
}

} // namespace

BENCHMARK(BM_TermineExportieren)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
