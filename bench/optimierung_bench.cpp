// The optimisation step on generated days of growing size (150 teachers, as the
// computation's benchmark): time, and the quality figures it reaches against the capacity
// bound (sum over teachers of min(usable slots, requests not refused)).
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"
#include "optimierung/kennzahlen.h"
#include "optimierung/optimierer.h"
#include "optimierung/plaene.h"
#include "raster/tagesraster.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

int Kapazitaetsgrenze(const TSprechtag& tag)
{
    const TOptimierZustand z(tag);
    int summe = 0;
    for (int l = 0; l < z.AnzLehrer(); ++l)
        summe += std::min(z.Kapazitaet(l), int(z.WuenscheVonLehrer(l).size()));
    return summe;
}

// Mean waiting per family with two talks or more beyond what the room change forces (one
// free slot between two talks), in minutes: how far from the least possible waiting.
double WartenUeberMinimum(const TSprechtag& tag)
{
    TOptimierZustand z(tag);
    LiesPlaene(tag, z);
    const int zwang = tag.Vorgaben.RaumwechselPause ? 1 : 0;
    qint64 summe = 0;
    int familien = 0;
    for (int f = 0; f < z.AnzFamilien(); ++f) {
        const int n = int(z.Termine(f).size());
        if (n < 2)
            continue;
        summe += z.Wartezeit(f) - zwang * (n - 1);
        ++familien;
    }
    return familien ? double(summe) * tag.Vorgaben.SprechTakt / familien : 0.0;
}

// The 90th percentile of the waiting no plan can avoid: with the room change a family's
// talks never follow each other, so n talks wait at least n - 1 slots. Every family waits
// at least this long, so the percentile of the real waiting cannot fall below it either;
// on days where families have many talks it shows how much of the p90 is forced.
int WarteP90Untergrenze(const TSprechtag& tag)
{
    TOptimierZustand z(tag);
    LiesPlaene(tag, z);
    const int zwang = tag.Vorgaben.RaumwechselPause ? 1 : 0;
    std::vector<int> warten;
    for (int f = 0; f < z.AnzFamilien(); ++f) {
        const int n = int(z.Termine(f).size());
        if (n >= 2)
            warten.push_back(zwang * (n - 1) * tag.Vorgaben.SprechTakt);
    }
    std::sort(warten.begin(), warten.end());
    return Perzentil(warten, 90);
}

void Messe(benchmark::State& state, qint64 zuege, bool gruendlich = false)
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
        Optimiere(tag, stillO, zuege, gruendlich);
    }
    nachher = BerechnePlanKennzahlen(tag);
    state.counters["UeberMinimum"] = WartenUeberMinimum(tag);
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
    state.counters["WarteP90Untergrenze"] = WarteP90Untergrenze(tag);
    state.SetComplexityN(state.range(0));
}

// The default budget of moves.
void BM_Optimieren(benchmark::State& state)
{
    Messe(state, -1);
}

// What a larger or smaller budget buys: moves per parent entry as the second argument.
void BM_OptimierenBudget(benchmark::State& state)
{
    Messe(state, state.range(1) * state.range(0));
}

// The thorough run, with the exact windows.
void BM_OptimierenGruendlich(benchmark::State& state)
{
    Messe(state, -1, true);
}

} // namespace

BENCHMARK(BM_OptimierenGruendlich)->Arg(1000)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Optimieren)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK(BM_OptimierenBudget)
    ->Args({500, 20})
    ->Args({500, 400})
    ->Args({2000, 20})
    ->Args({2000, 400})
    ->Unit(benchmark::kMillisecond);
