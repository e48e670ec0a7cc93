// The door sheets of every teacher of a generated 2,000-entry day: planning the pages
// alone, and the whole PDF as the organiser prints it on the day.
#include "druck_umgebung.h"
#include "tuerdrucker.h"
#include "tuerliste.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

TSprechtag& Tag()
{
    // Planning measures texts too, so it needs the application as well as the printing.
    DruckBench::SorgeFuerAnwendung();
    static TSprechtag tag;
    if (tag.Lehrer.Anzahl() == 0)
        DruckBench::BerechneterTag(tag, 2000);
    return tag;
}

void BM_TuerlistenPlanen(benchmark::State& state)
{
    const TSprechtag& tag = Tag();
    const TTuerTexte texte = TTuerTexte::Aus(tag.Plan, QStringLiteral("Gesamtschule Am Hang"), QDateTime::currentDateTime());
    size_t seiten = 0;
    for (auto _ : state) {
        const auto s = PlaneTuerlisten(tag, tag.Lehrer.Namen(), texte);
        seiten = s.size();
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["Seiten"] = double(seiten);
}

void BM_TuerlistenAlsPdf(benchmark::State& state)
{
    DruckBench::SorgeFuerAnwendung();
    const TSprechtag& tag = Tag();
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tuer.pdf"));
    const TTuerTexte texte = TTuerTexte::Aus(tag.Plan, QStringLiteral("Gesamtschule Am Hang"), QDateTime::currentDateTime());
    for (auto _ : state) {
        if (const auto fehler = TuerlistenAlsPdf(pfad, tag, tag.Lehrer.Namen(), texte))
            state.SkipWithError(fehler->toStdString().c_str());
    }
}

} // namespace

BENCHMARK(BM_TuerlistenPlanen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TuerlistenAlsPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
