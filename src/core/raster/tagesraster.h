#pragma once
// The slot grid of the day: the only place where times become slot numbers. Slot k
// begins at SprechStart + k * slot length, counted from the global start also for
// teachers with their own hours. Counts step by repeated addition with one second of
// tolerance, so that times on a slot boundary fall the same way everywhere.

#include "model/sprechtag.h"

namespace Raster {

/// StartZeit while the teacher keeps individual hours, else the day's start.
double LehrerStart(const TSprechtag& tag, const TLehrer& l);
/// EndZeit while the teacher keeps individual hours, else the day's end.
double LehrerEnde(const TSprechtag& tag, const TLehrer& l);

/// The first slot whose begin plus one second is not before the teacher's start.
int ErsterSlot(const TSprechtag& tag, const TLehrer& l);
/// The last slot that ends no later than the teacher's end; -1 or -2 for none.
int LetzterSlot(const TSprechtag& tag, const TLehrer& l);
/// The teacher's capacity: slots ErsterSlot..LetzterSlot that no break covers.
int FreieSlots(const TSprechtag& tag, const TLehrer& l);

/// Whole slots between the day's start and end (seconds ignored).
int AnzSlots(const TSprechtag& tag);
/// Begin of slot k, by multiplication.
double SlotZeit(const TSprechtag& tag, int k);
/// Does any break cover slot k.
bool IstPausenSlot(const TSprechtag& tag, int k);

} // namespace Raster
