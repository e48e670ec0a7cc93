#pragma once
// Plain text files come from many editors: old ones write Windows-1252, newer ones UTF-8,
// Notepad sometimes UTF-16 with a byte-order mark. The bytes decide, never a setting.

#include <QByteArray>
#include <QString>

namespace Textkodierung {

enum class Kodierung { Cp1252, Utf8, Utf16 };

/// The encoding the bytes are read in: a UTF-8 byte-order mark, or valid UTF-8 that
/// holds at least one non-ASCII byte, means UTF-8; a UTF-16 byte-order mark means UTF-16;
/// anything else is Windows-1252 (pure ASCII reads the same either way).
Kodierung Erkenne(const QByteArray& bytes);

/// Decodes by the rule of Erkenne. A byte-order mark is never part of the text.
QString Dekodiere(const QByteArray& bytes);

/// Whether the bytes begin with the UTF-8 byte-order mark.
bool HatUtf8Bom(const QByteArray& bytes);

} // namespace Textkodierung
