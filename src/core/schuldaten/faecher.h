#pragma once
// Parents write subjects as the school abbreviates them ("M", "D") or spelt out
// ("Mathematik"), and the timetable's lessons use the school's own abbreviation. Both
// sides are reduced to one key so that either spelling finds the lesson.

#include <QString>

namespace Schuldaten {

/// The common key of a subject: the spelt-out name for the usual abbreviations and
/// names, else the text itself, folded (lower case, umlauts spelt out, no blanks).
QString FachSchluessel(const QString& fach);

} // namespace Schuldaten
