#pragma once
// The day settings: conference hours, slot length and the room-change option.

#include "zeit/zeit.h"

#include <QtGlobal>

struct TVorgaben {
    double SprechStart = Zeit::Kodiere(15, 0);
    double SprechEnde = Zeit::Kodiere(18, 0);
    /// Slot length in whole minutes, 1..45.
    quint8 SprechTakt = 10;
    /// Parents get at least one free slot between two appointments.
    bool RaumwechselPause = true;

    /// The slot length as a day fraction.
    double Takt() const { return Zeit::Minuten(SprechTakt); }

    bool operator==(const TVorgaben&) const = default;
};
