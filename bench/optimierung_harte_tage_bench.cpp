// The optimisation on the three hard days built from a 1,000-entry day (beispiel/
// harte_tage.h): the talks it places against the most talks possible (the bound the
// program shows), the gap, and the CPU time, by default and thorough. Every result also
// goes through the independent plan checker of the tests; "Regelfehler" must stay 0.
#include "../tests/core/plan_pruefer.h"
#include "beispiel/harte_tage.h"
#include "berechnung/zeitplanrechner.h"
#include "optimierung/optimierer.h"
#include "optimierung/schranke.h"

#include <benchmark/benchmark.h>

namespace {

void Messe(benchmark::State& state, THarteArt art)
{
    const bool gruendlich = state.range(0) != 0;
    TSprechtag tag;
    FuelleHartenTag(tag, art, int(state.range(1)));
    TStillerFortschritt still;
    TStillerOptimierFortschritt stillO;
    int vorher = 0;
    TOptimierErgebnis e;
    for (auto _ : state) {
        state.PauseTiming();
        tag.Zufall.SetSeed(0);
        BerechneZeitplaene(tag, still);
        state.ResumeTiming();
        e = Optimiere(tag, stillO, -1, gruendlich);
        vorher = e.Vorher.Termine;
    }
    const int schranke = TerminSchranke(tag);
    const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
    state.counters["TermineBerechnung"] = vorher;
    state.counters["Termine"] = b.Termine;
    state.counters["Schranke"] = schranke;
    state.counters["Luecke"] = schranke - b.Termine;
    state.counters["LueckeProzent"] = 100.0 * (schranke - b.Termine) / std::max(1, schranke);
    state.counters["Regelfehler"] = double(b.Fehler.size());
}

void BM_HartGeschwisterFenster(benchmark::State& s) { Messe(s, THarteArt::GeschwisterFenster); }
void BM_HartEineStunde(benchmark::State& s) { Messe(s, THarteArt::EineStunde); }
void BM_HartNachTagesende(benchmark::State& s) { Messe(s, THarteArt::NachTagesende); }

// The bound alone on the hardest of the three days.
void BM_Schranke(benchmark::State& state)
{
    TSprechtag tag;
    FuelleHartenTag(tag, THarteArt::EineStunde, int(state.range(0)));
    int schranke = 0;
    for (auto _ : state)
        schranke = TerminSchranke(tag);
    state.counters["Schranke"] = schranke;
}

} // namespace

// Arguments: 0 default, 1 thorough; entries of the day the hard one is built from.
BENCHMARK(BM_HartGeschwisterFenster)->ArgsProduct({{0, 1}, {1000, 2000}})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HartEineStunde)->ArgsProduct({{0, 1}, {1000, 2000}})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HartNachTagesende)->ArgsProduct({{0, 1}, {1000, 2000}})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Schranke)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
