// The optimisation step on generated days of growing size (150 teachers, as the
// computation's benchmark): time, and the quality figures it reaches against the capacity
// bound (sum over teachers of min(usable slots, requests not refused)).
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"
#include "optimierung/kennzahlen.h"
#include "optimierung/optimierer.h"
#include "raster/tagesraster.h"

#include <benchmark/benchmark.h>

namespace {

int Kapazitaetsgrenze(const TSprechtag& tag)
{
    const TOptimierZustand z(tag);
    int summe = 0;
    for (int l = 0; l < z.AnzLehrer(); ++l)
        summe += std::min(z.Kapazitaet(l), int(z.WuenscheVonLehrer(l).size()));
    return summe;
}

void BM_Optimieren(benchmark::State& state)
{
    TBeispielVorgaben v;
    v.eltern = int(state.range(0));
    TSprechtag tag;
    FuelleBeispieltag(tag, v);
    TStillerFortschritt still;
    TStillerOptimierFortschritt stillO;
    TPlanKennzahlen vorher, nachher;
    for (auto _ : state) {
        state.PauseTiming();
        tag.Zufall.SetSeed(0);
        BerechneZeitplaene(tag, still);
        vorher = BerechnePlanKennzahlen(tag);
        state.ResumeTiming();
        Optimiere(tag, stillO);
    }
    nachher = BerechnePlanKennzahlen(tag);
    const int grenze = Kapazitaetsgrenze(tag);
    state.counters["Grenze"] = grenze;
    state.counters["TermineVorher"] = vorher.Termine;
    state.counters["Termine"] = nachher.Termine;
    state.counters["ProzentDerGrenze"] = 100.0 * nachher.Termine / std::max(1, grenze);
    state.counters["OhneTerminVorher"] = vorher.OhneTermin;
    state.counters["OhneTermin"] = nachher.OhneTermin;
    state.counters["WarteMedianVorher"] = vorher.WarteMedian;
    state.counters["WarteP90Vorher"] = vorher.WarteP90;
    state.counters["WarteMedian"] = nachher.WarteMedian;
    state.counters["WarteP90"] = nachher.WarteP90;
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_Optimieren)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
