// A teacher dropping out on a generated day of 2,000 entries (150 teachers) with computed
// plans: planning and applying, for the busiest teacher and for one in the middle by
// talks, wholly, from the middle of the hours and until then. The counters say how many
// talks lay outside the new hours (what simply cancelling would cancel), how many were
// placed again, how many other talks moved and how many entries' plans changed.
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "optimierung/ausfall.h"
#include "raster/tagesraster.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

struct TVorrat {
    QByteArray bytes;
    QString busiest;
    QString mitte;
};

const TVorrat& Vorrat()
{
    static const TVorrat vorrat = [] {
        TVorrat v;
        TBeispielVorgaben b;
        b.eltern = 2000;
        TSprechtag tag;
        FuelleBeispieltag(tag, b);
        TStillerFortschritt still;
        BerechneZeitplaene(tag, still);
        std::vector<std::pair<qsizetype, QString>> nachTerminen;
        for (const auto& l : tag.Lehrer)
            nachTerminen.emplace_back(l.record->Zeitplan.size(), l.name);
        std::stable_sort(nachTerminen.begin(), nachTerminen.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        v.busiest = nachTerminen.front().second;
        v.mitte = nachTerminen[nachTerminen.size() / 2].second;
        v.bytes = Datei::SpeichereInBytes(tag, Inhalt::Alles);
        return v;
    }();
    return vorrat;
}

// range(0): 0 busiest teacher, 1 the middle one; range(1): 0 whole day, 1 from, 2 until the
// middle of the teacher's hours (on the half hour).
void BM_Ausfall(benchmark::State& state)
{
    const TVorrat& vorrat = Vorrat();
    const QString lehrer = state.range(0) == 0 ? vorrat.busiest : vorrat.mitte;
    const TAusfallArt art = state.range(1) == 0   ? TAusfallArt::Ganz
                            : state.range(1) == 1 ? TAusfallArt::Ab
                                                  : TAusfallArt::Bis;
    TAusfallPlan plan;
    for (auto _ : state) {
        state.PauseTiming();
        TSprechtag tag;
        Datei::LadeAusBytes(tag, vorrat.bytes, TLadeModus::Hinzufuegen);
        const TLehrer& l = *tag.Lehrer.Suche(lehrer);
        const Zeit::Uhrzeit u =
            Zeit::Zerlege((Raster::LehrerStart(tag, l) + Raster::LehrerEnde(tag, l)) / 2);
        const TAusfallWunsch wunsch{lehrer, art, Zeit::Kodiere(u.stunden, u.minuten < 30 ? 0 : 30)};
        state.ResumeTiming();
        plan = PlaneAusfall(tag, wunsch);
        WendeAusfallAn(tag, plan);
    }
    int neuGesetzt = 0;
    for (const auto& t : plan.Verschoben)
        neuGesetzt += t.Lehrer == plan.Lehrer && (t.Alt < plan.Erster || t.Alt > plan.Letzter) ? 1 : 0;
    state.counters["Herausgenommen"] = plan.Herausgenommen;
    state.counters["NeuGesetzt"] = neuGesetzt;
    state.counters["AndereVerlegt"] = double(plan.Verschoben.size()) - neuGesetzt;
    state.counters["Abgesagt"] = double(plan.Abgesagt.size());
    state.counters["Behalten"] = double(plan.Behalten.size());
    state.counters["Familien"] = plan.Familien.size();
}

} // namespace

BENCHMARK(BM_Ausfall)
    ->ArgNames({"lehrer", "art"})
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
