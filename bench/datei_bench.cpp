// Loading and saving a large conference day: 150 teachers, 2,000 parent entries with
// about five requests each, refusals, 50 sibling families and timetables for everybody.
#include "datei/datei.h"
#include "datei/leser.h"
#include "datei/schreiber.h"
#include "model/sprechtag.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void GrosserTag(TSprechtag& tag)
{
    QStringList lehrer;
    for (int i = 0; i < 150; ++i) {
        lehrer.append(QStringLiteral("Lehrkraft %1 Müller (R%2)").arg(i, 3, 10, QLatin1Char('0')).arg(100 + i));
        tag.LehrerUebernehmen(lehrer.back());
    }
    QStringList eltern;
    for (int i = 0; i < 2000; ++i) {
        eltern.append(QStringLiteral("%1%2: Familie Größer %3").arg(5 + i % 8).arg(QChar(u'a' + i % 4)).arg(i, 4, 10, QLatin1Char('0')));
        tag.ElternUebernehmen(eltern.back());
    }
    tag.NeuePause();
    for (int i = 0; i < 2000; ++i) {
        TEltern& e = *tag.Eltern.Suche(eltern[i]);
        for (int w = 0; w < 5; ++w) {
            const QString& l = lehrer[(i * 7 + w * 31) % 150];
            e.Sprechwuensche.append(l);
            e.Zeitplan.Hinzufuegen(Zeit::ZeitPraefix(Zeit::Kodiere(15, 10 * (w * 3 + i % 3))) + l);
        }
        e.NichtVor = i % 10 == 0;
    }
    for (int f = 0; f < 50; ++f) {
        const QStringList familie = {eltern[f * 37], eltern[f * 37 + 1], eltern[f * 37 + 2]};
        for (const QString& a : familie)
            for (const QString& b : familie)
                if (a != b)
                    tag.Eltern.Suche(a)->Geschwister.Hinzufuegen(b);
    }
    for (int i = 0; i < 150; ++i) {
        TLehrer& l = *tag.Lehrer.Suche(lehrer[i]);
        for (int a = 0; a < 5; ++a)
            l.Ablehnungen.append(eltern[(i * 13 + a * 401) % 2000]);
        for (int s = 0; s < 18; ++s)
            l.Zeitplan.append(Zeit::ZeitPraefix(Zeit::Kodiere(15, 10 * s)) + eltern[(i * 18 + s) % 2000]);
    }
    tag.PlaeneGueltig = true;
}

void BM_DateiSpeichern(benchmark::State& state)
{
    TSprechtag tag;
    GrosserTag(tag);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("gross.qvt"));
    for (auto _ : state) {
        const TDateiErgebnis e = Datei::Speichern(tag, pfad, Inhalt::Alles);
        if (!e.ok())
            state.SkipWithError("Speichern fehlgeschlagen");
    }
    state.counters["Bytes"] = double(QFileInfo(pfad).size());
}
BENCHMARK(BM_DateiSpeichern)->Unit(benchmark::kMillisecond);

void BM_DateiLaden(benchmark::State& state)
{
    TSprechtag quelle;
    GrosserTag(quelle);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("gross.qvt"));
    Datei::Speichern(quelle, pfad, Inhalt::Alles);
    for (auto _ : state) {
        TSprechtag tag;
        const TDateiErgebnis e = Datei::Laden(tag, pfad, TLadeModus::Hinzufuegen);
        if (!e.ok())
            state.SkipWithError("Laden fehlgeschlagen");
        benchmark::DoNotOptimize(tag.Eltern.Anzahl());
    }
}
BENCHMARK(BM_DateiLaden)->Unit(benchmark::kMillisecond);

// Only reading and checking, without touching a day.
void BM_DateiNurLesen(benchmark::State& state)
{
    TSprechtag quelle;
    GrosserTag(quelle);
    const QByteArray datei = DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30500);
    for (auto _ : state)
        benchmark::DoNotOptimize(DateiLeser::Lies(datei).ok());
}
BENCHMARK(BM_DateiNurLesen)->Unit(benchmark::kMillisecond);

// The same file combined into a day that already holds all of it: every name is a look-up.
void BM_DateiHinzufuegenZumSelbenTag(benchmark::State& state)
{
    TSprechtag quelle;
    GrosserTag(quelle);
    const QByteArray datei = DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30500);
    TSprechtag tag;
    GrosserTag(tag);
    for (auto _ : state) {
        const TDateiErgebnis e = Datei::LadeAusBytes(tag, datei, TLadeModus::Hinzufuegen);
        if (!e.ok())
            state.SkipWithError("Laden fehlgeschlagen");
    }
}
BENCHMARK(BM_DateiHinzufuegenZumSelbenTag)->Unit(benchmark::kMillisecond);

} // namespace
