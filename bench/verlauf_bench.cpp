// Undo and redo of the biggest steps on a day of 20,000 entries ("Alle löschen" and a
// computation), the cost a single edit pays for the history, and the main thread's share
// of writing the recovery copy (the picture of the day; encoding and writing run on the
// worker) at 2,000 and 20,000 entries.
#include "bearbeiten/sprechwuensche.h"
#include "beispiel/beispieltag.h"
#include "berechnung/fortschritt.h"
#include "berechnung/zeitplanrechner.h"
#include "model/sprechtag.h"
#include "verlauf/verlauf.h"
#include "wiederherstellung/rettung.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

using Uhr = std::chrono::steady_clock;

std::unique_ptr<TSprechtag> Tag(int eltern)
{
    auto tag = std::make_unique<TSprechtag>();
    TBeispielVorgaben v;
    v.eltern = eltern;
    v.lehrer = eltern * 150 / 2000;
    FuelleBeispieltag(*tag, v);
    tag->Verlauf()->NeuBeginnen();
    return tag;
}

template <class F>
double Sekunden(F f)
{
    const auto a = Uhr::now();
    f();
    return std::chrono::duration<double>(Uhr::now() - a).count();
}

/// range(0): entries; range(1): 0 measures undo, 1 redo. The step is done once; the
/// iterations go back and forth over it.
void MesseHinUndHer(benchmark::State& state, const std::function<void(TSprechtag&)>& schritt)
{
    auto tag = Tag(int(state.range(0)));
    schritt(*tag);
    const bool wiederholen = state.range(1) == 1;
    for (auto _ : state) {
        if (wiederholen) {
            tag->Rueckgaengig();
            state.SetIterationTime(Sekunden([&] { tag->Wiederholen(); }));
        } else {
            state.SetIterationTime(Sekunden([&] { tag->Rueckgaengig(); }));
            tag->Wiederholen();
        }
    }
    state.SetLabel(wiederholen ? "Wiederholen" : "Rückgängig");
}

void BM_AlleElternLoeschen(benchmark::State& state)
{
    MesseHinUndHer(state, [](TSprechtag& t) { t.ElternLoesch(); });
}

void BM_Berechnung(benchmark::State& state)
{
    MesseHinUndHer(state, [](TSprechtag& t) {
        TStillerFortschritt still;
        BerechneZeitplaene(t, still);
    });
}

/// What one ordinary edit pays for its step (the comparison with the picture).
void BM_EinzelneAenderungMitVerlauf(benchmark::State& state)
{
    auto tag = Tag(int(state.range(0)));
    const QString eltern = tag->Eltern.Name(tag->Eltern.Anzahl() / 2);
    const QStringList a = {tag->Lehrer.Name(0)}, b = {tag->Lehrer.Name(1)};
    bool hin = false;
    for (auto _ : state) {
        hin = !hin;
        SprechwuenscheSpeichern(*tag, eltern, hin ? a : b);
    }
}

/// The main thread's time for one recovery copy; the worker's writing is awaited outside.
void BM_RettungskopieHauptfaden(benchmark::State& state)
{
    QTemporaryDir ordner;
    auto tag = Tag(int(state.range(0)));
    TRettung rettung(*tag, ordner.path());
    for (auto _ : state) {
        tag->Geaendert();
        state.SetIterationTime(Sekunden([&] { rettung.Sichern(); }));
        rettung.Warten();
    }
    rettung.Beenden();
}

} // namespace

BENCHMARK(BM_AlleElternLoeschen)->Args({20000, 0})->Args({20000, 1})->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Berechnung)->Args({20000, 0})->Args({20000, 1})->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinzelneAenderungMitVerlauf)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RettungskopieHauptfaden)->Arg(2000)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond);
