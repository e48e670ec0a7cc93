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

TQuelle quelleVon(const char* pfad, TQuellArt art)
{
    TQuelle q;
    q.Pfad = QString::fromLatin1(pfad);
    q.Art = art;
    return q;
}

// Hostile files at the size limit: every step of reading must stay linear. One field
// "a" followed by " \"" again and again (a quote inside a field is no opening quote).
void SchuldatenAnfuehrungszeichenMuster(benchmark::State& state)
{
    QByteArray b("a");
    b.reserve(MaxBytes);
    while (b.size() + 2 <= MaxBytes)
        b += " \"";
    for (auto _ : state) {
        const TGeleseneQuelle q = LeseQuelleAusBytes(quelleVon("lehrer.txt", TQuellArt::Lehrer), b);
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, {q}, {});
        benchmark::DoNotOptimize(plan.NeueLehrer.size());
        // One record, refused as a name far too long.
        if (!q.ok() || q.Zeilen.size() != 1 || plan.Berichte[0].Abgelehnt != 1)
            state.SkipWithError("Datei nicht als ein Datensatz gelesen");
    }
}
BENCHMARK(SchuldatenAnfuehrungszeichenMuster)->Unit(benchmark::kMillisecond);

// A header of 1,000 columns and rows filling 8 MB, with the remembered assignment of all
// 1,000 columns applied as the wizard does.
void SchuldatenTausendSpalten(benchmark::State& state)
{
    QStringList kopf{QStringLiteral("Nachname"), QStringLiteral("Vorname"), QStringLiteral("Klasse")};
    for (int i = 4; i <= 1000; ++i)
        kopf << QStringLiteral("Spalte %1").arg(i);
    QByteArray b = kopf.join(QLatin1Char(';')).toUtf8() + "\r\n";
    QByteArray rest;
    for (int i = 4; i <= 1000; ++i)
        rest += ";x";
    rest += "\r\n";
    for (int i = 0; b.size() + rest.size() + 32 <= MaxBytes; ++i)
        b += QStringLiteral("Name%1;Anna;%2").arg(i).arg(klasse(i % 32)).toUtf8() + rest;
    TZuordnung alle(1000, TFeld::Keins);
    alle[0] = TFeld::Nachname;
    alle[1] = TFeld::Vorname;
    alle[2] = TFeld::Klasse;
    const QString gemerkt = ZuordnungAlsText(alle, kopf);
    for (auto _ : state) {
        TGeleseneQuelle q = LeseQuelleAusBytes(quelleVon("schueler.csv", TQuellArt::Schueler), b);
        if (const auto z = ZuordnungAusText(gemerkt, q.KopfFelder, q.Spalten, q.Zuordnung))
            q.Zuordnung = *z;
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, {q}, {});
        benchmark::DoNotOptimize(plan.NeueEltern.size());
        if (!q.ok() || q.Spalten != 1000 || plan.NeueEltern.size() < 1000)
            state.SkipWithError("Datei nicht vollständig gelesen");
    }
}
BENCHMARK(SchuldatenTausendSpalten)->Unit(benchmark::kMillisecond);

// A large school's pupil export as the timetable program writes it: 20,000 pupils, read,
// planned and added to an empty day.
void SchuldatenZwanzigtausendSchueler(benchmark::State& state)
{
    static const char* nachnamen[] = {"Müller", "Schmidt", "Yılmaz", "Nguyễn", "Weber", "Kowalczyk", "Öztürk", "Wagner"};
    static const char* vornamen[] = {"Anna", "Ayşe", "Jan", "Łukasz", "Zoë", "Mia", "Tim", "Elif"};
    QString t;
    for (int i = 0; i < 20000; ++i) {
        QStringList f(12);
        f[0] = QStringLiteral("S%1").arg(i);
        f[1] = QString::fromUtf8(nachnamen[i % 8]) + QString::number(i / 64);
        f[7] = QString::fromUtf8(vornamen[(i / 8) % 8]);
        f[8] = QString::number(100000 + i);
        f[9] = klasse(i % 32);
        t += QLatin1Char('"') + f.join(QStringLiteral("\",\"")) + QStringLiteral("\"\r\n");
    }
    const QByteArray b = t.toUtf8();
    for (auto _ : state) {
        const QList<TGeleseneQuelle> quellen{LeseQuelleAusBytes(quelleVon("GPU010.TXT", TQuellArt::Schueler), b)};
        TSprechtag tag;
        const TImportPlan plan = PlaneImport(tag, quellen, {});
        WendeImportAn(tag, plan);
        benchmark::DoNotOptimize(tag.Eltern.Anzahl());
        if (tag.Eltern.Anzahl() != 20000)
            state.SkipWithError("Import unvollständig");
    }
}
BENCHMARK(SchuldatenZwanzigtausendSchueler)->Unit(benchmark::kMillisecond);

} // namespace
