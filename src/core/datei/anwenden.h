#pragma once
// Brings a completely read file into the day: either in place of the current lists or
// combined with them. Every check happens before the first change, so a file that does
// not fit leaves the day exactly as it was.

#include "datei/inhalt.h"

#include <QString>

class TSprechtag;

enum class TLadeModus {
    /// All teachers and parents (and with them their lists) go first.
    Ersetzen,
    /// Names already present stay; lists gain what they lack.
    Hinzufuegen,
};

namespace DateiAnwenden {

/// Why the file does not fit the day (a timetable naming a record that would not
/// exist), as the detail of a damaged file; else empty.
QString Pruefe(const TSprechtag& tag, const TDateiInhalt& inhalt, TLadeModus modus);

/// Applies a checked content; cannot fail.
void Anwenden(TSprechtag& tag, const TDateiInhalt& inhalt, TLadeModus modus);

} // namespace DateiAnwenden
