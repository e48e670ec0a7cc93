#pragma once
// The typefaces of the door sheets: every kind of text in the plans' typeface, its size
// fitted like the plans' (a sample sentence spans a given width), so the sheets match the
// plans on every printer. The planner measures with the same sizes, in millimetres on
// paper, to give the notes column all the room the names leave.

#include "tuerliste.h"

#include <QFont>
#include <QString>

struct TTuerSchriftArt {
    const QString* muster;
    /// The sample spans this many centimetres.
    double breiteCm;
    bool fett;
};

TTuerSchriftArt TuerSchriftArt(TTuerText::Schrift s);

/// The family and settings every door sheet font starts from.
QFont TuerGrundschrift();

/// Width of `text` in millimetres on paper, in the font of kind `s` (needs a
/// QGuiApplication for the font data).
double TuerTextBreiteMm(const QString& text, TTuerText::Schrift s);
