// Importing a large school's exports: 150 teachers, 2,000 pupils, 3,000 lessons and
// 2,000 wish lines (short names, surnames and subjects mixed) must go in well under a
// second, reading and decoding included.

#include "model/sprechtag.h"
#include "schuldaten/schulimport.h"

#include <benchmark/benchmark.h>

using namespace Schuldaten;

namespace {

struct TSchule {
    QByteArray lehrer, schueler, unterricht, wuensche;
};

QString kuerzel(int i)
{
    return QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0'));
}

QString klasse(int i)
{
    return QStringLiteral("%1%2").arg(5 + i % 8).arg(QChar(u'a' + (i / 8) % 4));
}

TSchule schule()
{
    static const char* faecher[] = {"M", "D", "E", "F", "BI", "CH", "PH", "GE", "EK", "KU", "MU", "SP"};
    TSchule s;
    QString t;
    for (int i = 0; i < 150; ++i) {
        // Fixed positions: 1 short name, 2 surname, 5 room, 29 first name, 30 title.
        QStringList f(30);
        f[0] = kuerzel(i);
        f[1] = QStringLiteral("Lehrkraft%1").arg(i);
        f[4] = QStringLiteral("R %1").arg(100 + i);
        f[28] = QStringLiteral("Jörg");
        f[29] = i % 5 ? QString() : QStringLiteral("Dr.");
        t += f.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    s.lehrer = t.toUtf8();
    t.clear();
    for (int i = 0; i < 2000; ++i) {
        QStringList f(10);
        f[1] = QStringLiteral("Müller%1").arg(i);
        f[7] = QStringLiteral("Anna");
        f[8] = QString::number(1000 + i);
        f[9] = klasse(i % 32);
        t += f.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    s.schueler = t.toUtf8();
    t.clear();
    for (int i = 0; i < 3000; ++i) {
        QStringList f(8);
        f[4] = klasse(i % 32);
        // One teacher per class and subject, however many lessons they hold there.
        f[5] = kuerzel(((i % 32) * 12 + (i / 32) % 12) % 150);
        f[6] = QString::fromLatin1(faecher[(i / 32) % 12]);
        t += f.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    s.unterricht = t.toUtf8();
    t = QStringLiteral("Klasse;Nachname;Vorname;Wünsche\r\n");
    for (int i = 0; i < 2000; ++i)
        t += QStringLiteral("%1;Müller%2;Anna;\"%3, Lehrkraft%4; M / Deutsch\"\r\n")
                 .arg(klasse(i % 32))
                 .arg(i)
                 .arg(kuerzel(i % 150))
                 .arg((i * 3) % 150);
    s.wuensche = t.toUtf8();
    return s;
}

void SchuldatenImportieren(benchmark::State& state)
{
    const TSchule s = schule();
    auto quelle = [](const char* pfad, TQuellArt art) {
        TQuelle q;
        q.Pfad = QString::fromLatin1(pfad);
        q.Art = art;
        return q;
    };
    for (auto _ : state) {
        const QList<TGeleseneQuelle> quellen{
            LeseQuelleAusBytes(quelle("GPU004.TXT", TQuellArt::Lehrer), s.lehrer),
            LeseQuelleAusBytes(quelle("GPU010.TXT", TQuellArt::Schueler), s.schueler),
            LeseQuelleAusBytes(quelle("GPU002.TXT", TQuellArt::Unterricht), s.unterricht),
            LeseQuelleAusBytes(quelle("wuensche.csv", TQuellArt::Wuensche), s.wuensche)};
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, quellen, {});
        WendeImportAn(tag, plan);
        benchmark::DoNotOptimize(tag.AnzSprechwuensche());
        if (tag.Eltern.Anzahl() != 2000 || tag.Lehrer.Anzahl() != 150 || plan.NeueWuensche.size() < 7000)
            state.SkipWithError("Import unvollständig");
    }
}
BENCHMARK(SchuldatenImportieren)->Unit(benchmark::kMillisecond);

} // namespace
