// The editing rules of the teacher and parent pages on a large school (150 teachers,
// 2,000 parent entries): what runs on every click in the parent list, on every keystroke
// in the search field and whenever the sibling marks are stored.
#include "bearbeiten/ablehnungen.h"
#include "bearbeiten/elternsuche.h"
#include "bearbeiten/geschwister.h"
#include "bearbeiten/sprechwuensche.h"
#include "bearbeiten/umbenennen.h"
#include "beispiel/beispieltag.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

TSprechtag& GrosseSchule()
{
    static TSprechtag* tag = [] {
        auto* t = new TSprechtag;
        TBeispielVorgaben v;
        v.lehrer = 150;
        v.eltern = 2000;
        FuelleBeispieltag(*t, v);
        return t;
    }();
    return *tag;
}

// A click on a parent entry: the sibling list with the similarity filter, its selection,
// and the selection of the request list.
void BM_ElternKlick_GeschwisterUndWuensche(benchmark::State& state)
{
    const TSprechtag& tag = GrosseSchule();
    const QString p = tag.Eltern.Name(tag.Eltern.Anzahl() / 2);
    for (auto _ : state) {
        const QStringList kandidaten = GeschwisterKandidaten(tag, p, true, int(state.range(0)));
        benchmark::DoNotOptimize(GeschwisterAuswahl(tag, p, kandidaten));
        benchmark::DoNotOptimize(SprechwunschAuswahl(tag, p));
    }
}
BENCHMARK(BM_ElternKlick_GeschwisterUndWuensche)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// A click on a teacher: the refusal list of the requesting parents with the counters.
void BM_LehrerKlick_Ablehnungen(benchmark::State& state)
{
    const TSprechtag& tag = GrosseSchule();
    const QString l = tag.Lehrer.Name(0);
    for (auto _ : state) {
        const TAblehnListe a = AblehnListe(tag, l, true);
        benchmark::DoNotOptimize(AblehnAuswahl(tag, l, a.Eintraege));
    }
}
BENCHMARK(BM_LehrerKlick_Ablehnungen)->Unit(benchmark::kMillisecond);

// One keystroke in the search field. A text without any hit scans every entry and every
// part after a blank: the worst case.
void BM_Suche_Tastendruck(benchmark::State& state)
{
    const TSprechtag& tag = GrosseSchule();
    const QString suche = state.range(0) == 0 ? QStringLiteral("zzq") : QStringLiteral("13b");
    int treffer = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(ElternSuche(tag, suche, treffer));
    state.SetLabel(suche.toStdString());
}
BENCHMARK(BM_Suche_Tastendruck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Storing the marks of one entry that joins a family of three with a pair: one family of
// five afterwards. Each run starts from the two separate families again; only the store
// is timed.
void BM_GeschwisterSpeichern_FamilieVonFuenf(benchmark::State& state)
{
    TSprechtag& tag = GrosseSchule();
    QStringList f;
    for (const auto& e : tag.Eltern) {
        if (e.record->Geschwister.isEmpty())
            f.append(e.name);
        if (f.size() == 5)
            break;
    }
    const QString& x = f[0];
    const QStringList markiert{f[1], f[2], f[3]};
    for (auto _ : state) {
        tag.Eltern.Suche(f[0])->Geschwister.Setze({f[1], f[2]});
        tag.Eltern.Suche(f[1])->Geschwister.Setze({f[0], f[2]});
        tag.Eltern.Suche(f[2])->Geschwister.Setze({f[0], f[1]});
        tag.Eltern.Suche(f[3])->Geschwister.Setze({f[4]});
        tag.Eltern.Suche(f[4])->Geschwister.Setze({f[3]});
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(GeschwisterSpeichern(tag, x, markiert));
        const auto ende = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(ende - start).count());
    }
    if (tag.Eltern.Suche(f[4])->Geschwister.size() != 4)
        state.SkipWithError("Familie nicht geschlossen");
    for (const QString& n : f)
        tag.Eltern.Suche(n)->Geschwister.Leeren();
}
BENCHMARK(BM_GeschwisterSpeichern_FamilieVonFuenf)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Renaming a teacher rewrites the requests of every parent entry; renaming there and back.
void BM_LehrerUmbenennen(benchmark::State& state)
{
    TSprechtag& tag = GrosseSchule();
    const QString a = tag.Lehrer.Name(0);
    const QString b = a + QStringLiteral(" neu");
    bool hin = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hin ? LehrerUmbenennen(tag, a, b) : LehrerUmbenennen(tag, b, a));
        hin = !hin;
    }
    if (!hin)
        LehrerUmbenennen(tag, b, a);
}
BENCHMARK(BM_LehrerUmbenennen)->Unit(benchmark::kMillisecond);

} // namespace
