#pragma once
// How many talks a day can hold at most: a bound that every timetable keeping the rules
// stays under, so that a result reaching it is proven to be the best. It is tighter than
// the teachers' capacity: a maximum flow from the families through their requests to the
// teachers' slots, where each request reaches only the slots its attendance limits and
// the teacher's hours allow, each family takes no more talks than fit side by side into
// its time, and with the room change no family has two talks in one pair of neighbouring
// slots. Only for showing; it changes no plan.

#include "optimierung/zustand.h"

#include <QString>

/// The bound for the requests of the state (its talks play no part).
int TerminSchranke(const TOptimierZustand& z);

/// The bound of the day's records, read as the optimiser reads them.
int TerminSchranke(const TSprechtag& tag);

/// "964 Termine – mehr sind nicht möglich." when the talks reach the bound, else
/// "2.326 Termine, höchstens 2.339 möglich".
QString SchrankenText(int termine, int schranke);
