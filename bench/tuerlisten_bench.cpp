// The door sheets of every teacher of a generated 2,000-entry day: planning the pages
// alone, and the whole PDF as the organiser prints it on the day.
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"
#include "tuerdrucker.h"
#include "tuerliste.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void Anwendung()
{
    static int argc = 1;
    static char name[] = "kalumo_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
}

TSprechtag& Tag()
{
    static TSprechtag tag;
    if (tag.Lehrer.Anzahl() == 0) {
        TBeispielVorgaben v;
        v.eltern = 2000;
        FuelleBeispieltag(tag, v);
        TStillerFortschritt still;
        BerechneZeitplaene(tag, still);
    }
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
    Anwendung();
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
