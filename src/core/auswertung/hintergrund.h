#pragma once
// The evaluation of a finished computation: the statistics texts the data file stores,
// then the plan figures and the reason of every unmet request that the statistics window
// shows. On a 20,000-entry day that is several times the computation itself, so the
// program counts it on another thread from a snapshot taken as the run ends: later edits
// do not reach it, exactly as when everything was counted before the click returned.

#include "model/sprechtag.h"
#include "optimierung/kennzahlen.h"

#include <QFuture>
#include <QStringList>
#include <optional>

/// What the statistics window shows beyond the stored texts.
struct TPlanAuswertung {
    TPlanKennzahlen Kennzahlen;
    /// "Lehrer  --  Eltern: Grund", sorted.
    QStringList Gruende;
    /// The most talks possible (optimierung/schranke.h); -1 without plans to optimise.
    int Schranke = -1;
};

/// Counted at once.
TPlanAuswertung WertePlaeneAus(const TSprechtag& tag);

/// Takes a snapshot of `tag` and starts the counting on a worker thread; the returned
/// future gives the window's figures. With `texte` (a finished computation's, LbMaxErtbar
/// already set) the day first gets them filled in through TSprechtag::StatistikSpaeter.
QFuture<TPlanAuswertung> WerteImHintergrundAus(TSprechtag& tag, std::optional<TStatistikTexte> texte);
