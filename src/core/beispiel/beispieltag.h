#pragma once
// A generated conference day of any size, for benchmarks, demonstrations and tests that
// need a realistic load: teachers with rooms, parent entries with about five requests
// each, sibling pairs, a few refusals, attendance limits, individual hours and three
// breaks, 10-minute slots from 15:00 to 19:00. The same parameters always give the same
// day; the generator has its own random numbers and never touches the day's generator.

#include "model/sprechtag.h"

#include <QtGlobal>

struct TBeispielVorgaben {
    int eltern = 500;
    int lehrer = 150;
    /// Average number of requests per parent entry (each entry gets 1 .. 2 x this - 1).
    int wuenscheSchnitt = 5;
    /// Share of parent entries that belong to a sibling pair.
    int geschwisterProzent = 10;
    /// Share of requests that the teacher refuses.
    int ablehnungenProzent = 2;
    /// Share of parent entries with "nicht vor" and, independently, with "nicht nach".
    int grenzenProzent = 10;
    /// Share of teachers with individual hours.
    int abweichendProzent = 10;
    quint32 saat = 1;
};

/// Fills an empty day (no teachers, no parents, no breaks) with the generated data.
void FuelleBeispieltag(TSprechtag& tag, const TBeispielVorgaben& v = {});
