#pragma once
// Reading a school's export file: administration programs write UTF-8 (with or without a
// byte-order mark), "Unicode" (UTF-16 with a mark) or one of the Western 8-bit code pages.
// The bytes decide, a byte-order mark first; where two encodings would give different
// letters, both are kept so that the user sees the choice instead of a silent guess.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace Schuldaten {

enum class TKodierung { Utf8, Utf16LE, Utf16BE, Cp1252, Latin9 };

/// "UTF-8", "UTF-16 LE", "Windows-1252", "ISO-8859-15", …
QString KodierungsName(TKodierung k);

/// The name the command line takes ("utf-8", "utf-16", "cp1252", "iso-8859-15"), ignoring
/// case; "utf-16" means little endian unless a byte-order mark says otherwise.
std::optional<TKodierung> KodierungAusName(const QString& name);

/// Files larger than this are no exports of a school (a database or a picture picked by
/// mistake) and are refused before they are read.
inline constexpr qint64 MaxBytes = 8 * 1024 * 1024;

struct TDekodiert {
    /// Empty on success; else the German reason (without the file name).
    QString Fehler;
    QString Text;
    TKodierung Kodierung = TKodierung::Utf8;
    bool Bom = false;
    /// Another plausible encoding whose text differs from Text; unset when every plausible
    /// reading gives the same letters.
    std::optional<TKodierung> Alternative;
    bool ok() const { return Fehler.isEmpty(); }
};

/// Decodes the bytes. With `gewaehlt` that encoding is used (a byte-order mark is still
/// dropped); else a byte-order mark decides, then ICU's charset detection among the
/// encodings above. Refuses invalid sequences of the encoding taken and zero characters
/// outside UTF-16.
TDekodiert Dekodiere(const QByteArray& bytes, std::optional<TKodierung> gewaehlt = {});

} // namespace Schuldaten
