// The optimisation on a day with priorities: 5 % of the requests invitations, 20 %
// "Vorrang". Time, and how many invitations and "Vorrang" requests end as talks; an
// invitation still waiting although lifting talks of lower rank would make room for it
// would be a fault of the step ("WartendMitPlatz" must be 0).
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"
#include "optimierung/optimierer.h"
#include "optimierung/plaene.h"
#include "optimierung/rangzug.h"

#include <benchmark/benchmark.h>

namespace {

void Markiere(TSprechtag& tag)
{
    quint64 s = 20231;
    auto zahl = [&s](int n) {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return int((s >> 33) % quint64(n));
    };
    for (const auto& e : tag.Eltern)
        for (const QString& l : e.record->Sprechwuensche) {
            const int w = zahl(100);
            if (w < 5)
                e.record->Einladungen << l;
            else if (w < 25)
                e.record->Vorrang << l;
        }
}

void BM_OptimierenMitVorrang(benchmark::State& state)
{
    TBeispielVorgaben v;
    v.eltern = int(state.range(0));
    TSprechtag tag;
    FuelleBeispieltag(tag, v);
    Markiere(tag);
    TStillerFortschritt still;
    TStillerOptimierFortschritt stillO;
    TKennwerte berechnet;
    TOptimierErgebnis e;
    for (auto _ : state) {
        state.PauseTiming();
        tag.Zufall.SetSeed(0);
        BerechneZeitplaene(tag, still);
        state.ResumeTiming();
        e = Optimiere(tag, stillO);
    }
    TOptimierZustand z(tag);
    LiesPlaene(tag, z);
    int wartendMitPlatz = 0;
    for (int r = 0; r < z.AnzWuensche(); ++r) {
        if (z.W(r).stufe != 0 || z.Slot(r) >= 0)
            continue;
        bool platz = false;
        for (int k = 0; k < z.AnzSlots() && !platz; ++k)
            platz = PlatzDurchHeben(z, r, k, 0);
        wartendMitPlatz += platz ? 1 : 0;
    }
    state.counters["Einladungen"] = z.AnzMitStufe(0);
    state.counters["EinladungenVorher"] = e.Vorher.Einladungen;
    state.counters["EinladungenNachher"] = e.Nachher.Einladungen;
    state.counters["Vorrang"] = z.AnzMitStufe(1);
    state.counters["VorrangVorher"] = e.Vorher.Vorrang;
    state.counters["VorrangNachher"] = e.Nachher.Vorrang;
    state.counters["TermineVorher"] = e.Vorher.Termine;
    state.counters["TermineNachher"] = e.Nachher.Termine;
    state.counters["WartendMitPlatz"] = wartendMitPlatz;
}

} // namespace

BENCHMARK(BM_OptimierenMitVorrang)->Arg(2000)->Unit(benchmark::kMillisecond);
