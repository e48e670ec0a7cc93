// The timetable computation on generated days of growing size: the time must grow no
// faster than the number of parent entries.
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"

#include <benchmark/benchmark.h>

namespace {

void Messe(benchmark::State& state, const TBeispielVorgaben& v)
{
    TSprechtag tag;
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
    state.counters["NichtErfuellt"] = double(tag.Statistik().NichtErtBox.size());
    state.SetComplexityN(state.range(0));
}

// 150 teachers for every size: the bigger days are ever more overbooked, so the list of
// unmet requests (sorted at the end) grows faster than the number of entries.
void BM_Zeitplanberechnung(benchmark::State& state)
{
    TBeispielVorgaben v;
    v.eltern = int(state.range(0));
    Messe(state, v);
}

// Teachers grow with the entries (150 per 2,000), so that every day is equally booked.
void BM_ZeitplanberechnungMitLehrern(benchmark::State& state)
{
    TBeispielVorgaben v;
    v.eltern = int(state.range(0));
    v.lehrer = int(state.range(0) * 150 / 2000);
    Messe(state, v);
}

} // namespace

BENCHMARK(BM_Zeitplanberechnung)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(BM_ZeitplanberechnungMitLehrern)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
