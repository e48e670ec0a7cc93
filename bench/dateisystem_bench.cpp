// The file paths every save and load goes through: the atomic replacement with its flush
// to disk, the bounded read, and the settings file that is rewritten key by key when the
// program ends.
#include "dateisystem/lesen.h"
#include "dateisystem/schreiben.h"
#include "ini/einstellungsdatei.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// About the size of a computed day of 2,000 families.
const QByteArray& Inhalt()
{
    static const QByteArray b(6 * 1024 * 1024, 'x');
    return b;
}

void BM_SchreibeAtomar6MB(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tag.qvt"));
    for (auto _ : state)
        if (!Dateisystem::SchreibeAtomar(pfad, Inhalt()).isEmpty())
            state.SkipWithError("Schreiben fehlgeschlagen");
    state.SetBytesProcessed(state.iterations() * Inhalt().size());
}
BENCHMARK(BM_SchreibeAtomar6MB)->Unit(benchmark::kMillisecond);

void BM_LiesDatei6MB(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("tag.qvt"));
    Dateisystem::SchreibeAtomar(pfad, Inhalt());
    for (auto _ : state)
        benchmark::DoNotOptimize(Dateisystem::LiesDatei(pfad, qint64(256) * 1024 * 1024).Bytes.size());
    state.SetBytesProcessed(state.iterations() * Inhalt().size());
}
BENCHMARK(BM_LiesDatei6MB)->Unit(benchmark::kMillisecond);

// Eleven values, each one read, set and written atomically.
void BM_EinstellungenBeimBeenden(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("qvt.ini"));
    TIniWerte werte;
    werte.SchulName = QStringLiteral("Gesamtschule am Überweg");
    for (auto _ : state)
        if (!SaveIni(pfad, werte).ok)
            state.SkipWithError("Schreiben fehlgeschlagen");
}
BENCHMARK(BM_EinstellungenBeimBeenden)->Unit(benchmark::kMillisecond);

} // namespace
