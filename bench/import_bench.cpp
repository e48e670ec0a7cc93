// Text import and the example school: a large school's name list must go in without a
// noticeable pause.

#include "beispiel/beispielschule.h"
#include "import/namensimport.h"
#include "import/textdatei.h"
#include "model/sprechtag.h"
#include "text/textkodierung.h"

#include <benchmark/benchmark.h>

namespace {

/// "7b: Name0001, Vorname" lines in a shuffled order, as a class list export gives them.
QByteArray namensDatei(int anzahl)
{
    QByteArray b;
    quint32 z = 1;
    for (int i = 0; i < anzahl; ++i) {
        z = z * 134775813u + 1u;
        const int n = int(z % quint32(anzahl));
        b += QStringLiteral("%1%2: M\u00fcller%3, Jana\r\n").arg(5 + n % 9).arg(QChar(u'a' + n % 4)).arg(n).toUtf8();
    }
    return b;
}

void ElternImportieren(benchmark::State& state)
{
    const QStringList zeilen = TextZeilen(Textkodierung::Dekodiere(namensDatei(int(state.range(0)))));
    for (auto _ : state) {
        TSprechtag tag;
        benchmark::DoNotOptimize(NamenUebernehmen(tag, zeilen, false));
    }
}
BENCHMARK(ElternImportieren)->Arg(400)->Arg(3000)->Unit(benchmark::kMillisecond);

void TextDekodierenUndTeilen(benchmark::State& state)
{
    const QByteArray datei = namensDatei(3000);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextZeilen(Textkodierung::Dekodiere(datei)));
    state.SetBytesProcessed(state.iterations() * datei.size());
}
BENCHMARK(TextDekodierenUndTeilen)->Unit(benchmark::kMicrosecond);

void BeispielschuleBauen(benchmark::State& state)
{
    for (auto _ : state) {
        TSprechtag tag;
        BaueBeispielschule(tag);
    }
}
BENCHMARK(BeispielschuleBauen)->Unit(benchmark::kMillisecond);

} // namespace
