// The timetable computation on generated days of growing size: the time must grow no
// faster than the number of parent entries.
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Zeitplanberechnung(benchmark::State& state)
{
    TSprechtag tag;
    TBeispielVorgaben v;
    v.eltern = int(state.range(0));
    FuelleBeispieltag(tag, v);
    TStillerFortschritt still;
    int vergeben = 0;
    for (auto _ : state) {
        // Every run starts from the same seed, as the first run after program start does.
        tag.Zufall.SetSeed(0);
        vergeben = BerechneZeitplaene(tag, still).Vergeben;
        benchmark::DoNotOptimize(vergeben);
    }
    state.counters["Termine"] = vergeben;
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_Zeitplanberechnung)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
