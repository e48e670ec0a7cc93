// What the organiser waits for on the parents page, through the real widgets: showing an
// entry's details (requests, siblings with the similarity filter, limits) and one search
// keystroke, on a day of 150 teachers and 2,000 parent entries.
#include "beispiel/beispieltag.h"
#include "fenster/hauptfenster.h"
#include "model/sprechtag.h"
#include "programm.h"
#include "seiten/elternseite.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

struct TUmgebung {
    TUmgebung()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("KALUMO_INI", "/nonexistent-kalumo-bench/qvt.ini");
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

} // namespace
