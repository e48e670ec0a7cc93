#pragma once
// Free texts the user types (plan lines, headings, the letters) are stored in Windows-1252
// like the names. A character outside it would turn into "?" in the data file without a
// word, so a text is checked when it is taken and refused with a message naming the
// characters; it stays as typed until the user replaces them.

#include <QList>
#include <QString>

namespace Freitext {

/// Every character of `text` that Windows-1252 cannot hold, each once, in order of first
/// appearance.
QList<char32_t> FremdeZeichen(const QString& text);

/// Empty when `text` can be stored as it is; otherwise the message. `was` names the text as
/// the subject of the sentence ("Die zweite Zeitplan-Überschrift").
QString Pruefe(const QString& was, const QString& text);

} // namespace Freitext
