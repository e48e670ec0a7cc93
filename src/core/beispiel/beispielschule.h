#pragma once
// A complete, plausible conference day of a fictional school, for trying the program out
// and for tests that need a realistic day: teachers "Name (Raum)", parent entries
// "Klasse: Elternname" with one to six requests, families with several children (every
// member lists every other as a sibling), a few refusals, parents who come late or leave
// early, a few teachers with their own hours and two breaks. All names are invented.
// The same options always give the same day: the generator has its own random numbers,
// starts from a fixed value and never looks at the clock or touches the day's generator.

#include <QtGlobal>

class TSprechtag;

struct TBeispielschule {
    int Lehrer = 40;
    int Eltern = 400;
    quint32 Startwert = 4711;
};

/// Replaces whatever the day holds (names, breaks, day settings) by the example school.
/// Afterwards the day counts as changed.
void BaueBeispielschule(TSprechtag& tag, const TBeispielschule& optionen = {});
