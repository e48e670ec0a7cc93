#pragma once
// Names are single lines of printable text: a control character in a name (a bell, an
// escape sequence, a line break) would reach terminals, lists and calendar files raw.
// Wherever names come in from outside, such characters become blanks.

#include <QString>

namespace Steuerzeichen {

/// Whether the text holds a control character (C0 or DEL) or a line or paragraph
/// separator.
bool Enthaelt(const QString& text);

/// The text with every such character replaced by one blank.
QString DurchLeerzeichen(const QString& text);

/// The text for a message: C0 controls and DEL as their visible symbols ("␇", "␛"),
/// line and paragraph separators as "↵".
QString Sichtbar(const QString& text);

} // namespace Steuerzeichen
