#pragma once
// "Optimieren": an optional step after the computation. It starts from the day's valid
// plans and improves them lexicographically: more talks, then fewer entries with requests
// but no talk, then less family waiting; the result is never worse in that order. The
// step is deterministic: its random numbers are seeded from the day, never from the
// clock, and its budget is a number of moves, not a time.

#include "model/sprechtag.h"
#include "optimierung/zustand.h"

#include <QString>

class TOptimierFortschritt {
public:
    virtual ~TOptimierFortschritt() = default;
    /// The figures at the start and the best so far, after `zug` of `zuege` moves.
    /// Returning false stops the step; the day then stays as it was.
    virtual bool Zwischenstand(const TKennwerte& vorher, const TKennwerte& bester, qint64 zug, qint64 zuege) = 0;
};

class TStillerOptimierFortschritt : public TOptimierFortschritt {
public:
    bool Zwischenstand(const TKennwerte&, const TKennwerte&, qint64, qint64) override { return true; }
};

struct TOptimierErgebnis {
    TKennwerte Vorher;
    TKennwerte Nachher;
    /// Talks of the starting plans shown in one plan only (or matching no request); their
    /// requests were placed anew.
    int Verworfen = 0;
    /// Talks of the starting plans that a new placement could not take, moved to a place
    /// that keeps every rule: beside another talk of the family (the computation allows
    /// that beyond the day's end), or against another rule (edited by hand).
    int Raumwechsel = 0;
    int Regelverstoss = 0;
    /// Such talks that found no other place and stand as they stood.
    int Belassen = 0;
    qint64 Zuege = 0;
    bool Abgebrochen = false;
};

/// The note for teacher lines of the starting plans that showed on one side only.
QString VerworfenText(int verworfen);

/// What the step did beyond improving, one sentence each: talks moved for the room
/// change, talks moved from against a rule, talks left as they stood, lines on one side
/// only. Empty when there is nothing to say.
QStringList OptimierHinweise(const TOptimierErgebnis& ergebnis);

/// The moves a day of this size gets unless a budget is given.
qint64 StandardZuege(const TSprechtag& tag);

/// Why the day cannot be optimised (no valid plans), or an empty text.
QString OptimierungsHindernis(const TSprechtag& tag);

/// Improves the state in place: fill-up, then `zuege` moves of annealing on the waiting
/// with the moves that pass talks to entries without one, fill-up now and then; ends in
/// the best state seen. Before and after the annealing, groups of requests are placed
/// anew exactly (neuordnung.h); `gruendlich` gives that larger groups and more nodes.
/// `saat` seeds the random numbers.
TOptimierErgebnis Verbessere(TOptimierZustand& z, qint64 zuege, quint64 saat, TOptimierFortschritt& fortschritt,
                             bool gruendlich = false);

/// The whole step on a day with valid plans: reads the plans, improves them, and unless
/// stopped writes the plans and the statistics (keeping "Maximal erteilbare Termine") and
/// marks the day changed. `zuege` < 0 means StandardZuege. A thorough run (`gruendlich`)
/// first does the default run, then goes on from its result with five times the moves and
/// larger exact groups, so it never ends below the default.
TOptimierErgebnis Optimiere(TSprechtag& tag, TOptimierFortschritt& fortschritt, qint64 zuege = -1,
                            bool gruendlich = false);
