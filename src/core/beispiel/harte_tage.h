#pragma once
// Generated days on which placing every possible talk is hard, built from an ordinary
// generated day: many siblings whose members can come at different times, families that
// can come for one hour only, and teachers whose own hours run past the day's end. For
// measuring how close the optimisation gets to the most talks possible.

#include "model/sprechtag.h"

enum class THarteArt {
    /// 40 % of the entries in sibling pairs; one member may stay until 17:00-18:30, the
    /// other comes from 15:30-16:30 on.
    GeschwisterFenster,
    /// Half the families may only come for one hour ("nicht vor" T, "nicht nach" T + 1 h).
    EineStunde,
    /// 20 teachers hold their hours 18:00-20:00, past the day's end at 19:00.
    NachTagesende,
};

/// Fills an empty day: FuelleBeispieltag with `eltern` entries, then the change of `art`.
void FuelleHartenTag(TSprechtag& tag, THarteArt art, int eltern = 1000, quint32 saat = 1);
