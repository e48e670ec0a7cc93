#pragma once
// The move that serves the first two goals of the optimisation: an invitation, then a
// "Vorrang" request that is no talk gets one, if need be by lifting talks of lower rank
// and by moving talks of its own rank or higher to other slots (never dropping them). The
// lifted talks are placed again where they still fit. A success places one more talk of
// that rank and drops none of it or above: the state is better in the order of goals.

#include "optimierung/zuege.h"

/// Places waiting invitations, then waiting "Vorrang" requests, as long as that works.
/// Returns how many it placed; does nothing on a day without them.
int RangPlatzieren(TOptimierZustand& z, TZuege& zug);

/// Could request r (no talk) stand at slot k once every talk of lower rank than `stufe`
/// that blocks it were lifted? The test the result of the optimisation keeps: no waiting
/// invitation for which this holds anywhere.
bool PlatzDurchHeben(const TOptimierZustand& z, int r, int k, int stufe);
