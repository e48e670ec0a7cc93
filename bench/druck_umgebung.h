#pragma once
// What the print benchmarks share: a GUI application for measuring text, and a computed
// generated day.
#include "beispiel/beispieltag.h"
#include "berechnung/zeitplanrechner.h"

#include <QGuiApplication>

namespace DruckBench {

/// Text measuring needs a GUI application; the benchmark main does not make one.
inline void SorgeFuerAnwendung()
{
    static int argc = 1;
    static char name[] = "kalumo_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own statics are gone before ours, and taking the
    // application down then crashes after the figures are out.
    new QGuiApplication(argc, argv);
}

/// A generated day of `eltern` entries with its timetables computed.
inline void BerechneterTag(TSprechtag& tag, int eltern)
{
    TBeispielVorgaben v;
    v.eltern = eltern;
    FuelleBeispieltag(tag, v);
    TStillerFortschritt still;
    BerechneZeitplaene(tag, still);
}

} // namespace DruckBench
