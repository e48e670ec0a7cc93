#pragma once
// Windows-1252, the code page of the data file, the settings file and every text file
// Kalumo writes. The table is taken from ICU's converter once; the five bytes that the
// code page leaves undefined map to the C1 controls of the same value so that every
// byte survives a load and a save.

#include <QByteArray>
#include <QString>
#include <optional>

namespace Cp1252 {

/// Decodes bytes; never fails.
QString Dekodiere(const QByteArray& bytes);

/// Encodes a text. Characters the code page cannot hold become '?'; callers that must not
/// lose anything check with ErstesFremdesZeichen first.
QByteArray Kodiere(const QString& text);

/// The first character (a whole code point) that Windows-1252 cannot hold, if any.
std::optional<char32_t> ErstesFremdesZeichen(const QString& text);

/// A readable form of a character for messages: the character itself and its code, e.g.
/// "„ı“ (U+0131)".
QString ZeichenBeschreibung(char32_t c);

} // namespace Cp1252
