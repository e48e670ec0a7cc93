// What the organiser waits for, through the real widgets: showing an entry's details
// (requests, siblings with the similarity filter, limits) and one search keystroke on a
// day of 150 teachers and 2,000 parent entries; the click on "Zeitpläne berechnen" up to
// "Fertig!", the click on "Statistik" after it and entering the "Vorschau" page on
// generated days of up to 20,000 entries.
#include "beispiel/beispieltag.h"
#include "fenster/hauptfenster.h"
#include "fenster/rechenfenster.h"
#include "fenster/statistikfenster.h"
#include "model/sprechtag.h"
#include "programm.h"
#include "seiten/elternseite.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <utility>

namespace {

struct TUmgebung {
    TUmgebung()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("KALUMO_INI", "/nonexistent-kalumo-bench/qvt.ini");
        // Recovery copies of the generated days stay out of the user's state folder.
        qputenv("XDG_STATE_HOME", QDir::temp().filePath(QStringLiteral("kalumo-bench-zustand")).toUtf8());
        static int argc = 1;
        static char name[] = "kalumo_bench";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        TBeispielVorgaben v;
        v.eltern = 2000;
        v.lehrer = 150;
        programm.FensterErzeugen();
        FuelleBeispieltag(programm.Tag(), v);
        haupt = programm.Hauptfenster();
        haupt->show();
        haupt->DatenNeu();
        haupt->ZeigeSeite(TForm2::Seite::Eltern);
        seite = haupt->Eltern();
        if (!seite->DetailsAn())
            haupt->findChild<QPushButton*>(QStringLiteral("SbElternDetails"))->click();
        QApplication::processEvents();
    }
    QApplication* app;
    TProgramm programm;
    TForm2* haupt;
    TElternSeite* seite;
};

TUmgebung& Umgebung()
{
    static TUmgebung u;
    return u;
}

void BM_ElternDetailsZeigen(benchmark::State& state)
{
    TUmgebung& u = Umgebung();
    int i = 0;
    for (auto _ : state) {
        u.seite->Waehle(i);
        QApplication::processEvents();
        i = (i + 97) % 2000;
    }
}
BENCHMARK(BM_ElternDetailsZeigen)->Unit(benchmark::kMillisecond);

void BM_ElternSucheTaste(benchmark::State& state)
{
    TUmgebung& u = Umgebung();
    auto* suche = u.haupt->findChild<QLineEdit*>(QStringLiteral("ElternSuchEdit"));
    const QStringList texte = {QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("10b"), QStringLiteral("10b:"), QStringLiteral("x")};
    int i = 0;
    for (auto _ : state) {
        suche->setText(texte[i % texte.size()]);
        emit suche->textEdited(suche->text());
        QApplication::processEvents();
        ++i;
    }
}
BENCHMARK(BM_ElternSucheTaste)->Unit(benchmark::kMillisecond);

/// One program per day size, made once and kept for all benchmarks of that size.
struct TGrosserTag {
    TGrosserTag(int eltern, int lehrer)
    {
        Umgebung(); // the application
        TBeispielVorgaben v;
        v.eltern = eltern;
        v.lehrer = lehrer;
        programm.FensterErzeugen();
        FuelleBeispieltag(programm.Tag(), v);
        haupt = programm.Hauptfenster();
        haupt->show();
        haupt->DatenNeu();
        QApplication::processEvents();
    }
    TProgramm programm;
    TForm2* haupt;
};

TGrosserTag& Tag(const benchmark::State& state)
{
    static std::map<std::pair<int, int>, std::unique_ptr<TGrosserTag>> tage;
    const std::pair<int, int> groesse(int(state.range(0)), int(state.range(1)));
    auto& t = tage[groesse];
    if (!t)
        t = std::make_unique<TGrosserTag>(groesse.first, groesse.second);
    return *t;
}

void Groessen(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"eltern", "lehrer"});
    for (const auto& [eltern, lehrer] : {std::pair{2000, 150}, {8000, 150}, {8000, 500}, {20000, 150}, {20000, 500}})
        b->Args({eltern, lehrer});
}

/// The statistics of the last run, counted on another thread, are there.
void AuswertungAbwarten(TGrosserTag& t)
{
    t.programm.Tag().Statistik();
    t.programm.Statistik()->Auffrischen();
    QApplication::processEvents();
}

/// From the click on "Zeitpläne berechnen" until the window shows "Fertig!" and the
/// events of the click have run. The statistics window is closed, as it usually is.
void BM_BerechnenBisFertig(benchmark::State& state)
{
    TGrosserTag& t = Tag(state);
    t.haupt->ZeigeSeite(TForm2::Seite::Plaene);
    QApplication::processEvents();
    auto* knopf = t.haupt->findChild<QPushButton*>(QStringLiteral("ZeitPlanCalcBut"));
    TCalcForm* rechnen = t.programm.Rechenfenster();
    for (auto _ : state) {
        knopf->click();
        QApplication::processEvents();
        state.PauseTiming();
        if (!rechnen->Fertig())
            state.SkipWithError("Die Berechnung endete nicht mit „Fertig!“");
        rechnen->WeiterBtn()->click();
        // A person reads "Fertig!" before the next click; the counting of this run must
        // not slow down the next one.
        AuswertungAbwarten(t);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BerechnenBisFertig)->Apply(Groessen)->Unit(benchmark::kMillisecond);

/// The click on "Statistik" after a computation, until the window is shown with every
/// list filled.
void BM_StatistikZeigen(benchmark::State& state)
{
    TGrosserTag& t = Tag(state);
    t.haupt->ZeigeSeite(TForm2::Seite::Plaene);
    QApplication::processEvents();
    if (!t.programm.Tag().PlaeneGueltig) {
        t.haupt->findChild<QPushButton*>(QStringLiteral("ZeitPlanCalcBut"))->click();
        QApplication::processEvents();
        t.programm.Rechenfenster()->WeiterBtn()->click();
    }
    AuswertungAbwarten(t);
    auto* knopf = t.haupt->findChild<QPushButton*>(QStringLiteral("StatBtn"));
    TStatForm* statistik = t.programm.Statistik();
    for (auto _ : state) {
        knopf->click();
        QApplication::processEvents();
        state.PauseTiming();
        statistik->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["Zeilen"] = double(t.programm.Tag().Statistik().NichtErtBox.size());
}
BENCHMARK(BM_StatistikZeigen)->Apply(Groessen)->Unit(benchmark::kMillisecond);

/// Entering the "Vorschau" page from the parents page. `geaendert`: the day changed
/// since the page was last shown.
void VorschauBetreten(benchmark::State& state, bool geaendert)
{
    TGrosserTag& t = Tag(state);
    for (auto _ : state) {
        state.PauseTiming();
        t.haupt->ZeigeSeite(TForm2::Seite::Eltern);
        if (geaendert)
            t.programm.Tag().Geaendert();
        QApplication::processEvents();
        state.ResumeTiming();
        t.haupt->ZeigeSeite(TForm2::Seite::Vorschau);
        QApplication::processEvents();
    }
}

void BM_VorschauBetretenUnveraendert(benchmark::State& state)
{
    VorschauBetreten(state, false);
}
BENCHMARK(BM_VorschauBetretenUnveraendert)->Apply(Groessen)->Unit(benchmark::kMillisecond);

void BM_VorschauBetretenGeaendert(benchmark::State& state)
{
    VorschauBetreten(state, true);
}
BENCHMARK(BM_VorschauBetretenGeaendert)->Apply(Groessen)->Unit(benchmark::kMillisecond);

} // namespace
