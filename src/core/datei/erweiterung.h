#pragma once
// The extension block: what a day holds beyond the revision-9 layout (teacher short
// names, pupil numbers, the school's lessons). It follows the final Boolean, where every
// reader of that layout stops, so older readers still read the day; a day without such
// data writes no block and so exactly the bytes it always did.
//
// Layout: the marker "KALUMO-X" (8 bytes), the version (2 bytes), the length n of the body
// (4 bytes), the body, its CRC-16 (ISO 3309, 2 bytes); numbers little-endian. The body is
// a sequence of parts, each a kind (2 bytes), a length (4 bytes) and its content, so that
// later versions add parts which this reader passes over. Texts in parts are a 4-byte
// length and UTF-8: the block is not bound to Windows-1252 (e-mail addresses, say).

#include "datei/inhalt.h"

#include <QByteArray>
#include <optional>

class TSprechtag;

namespace DateiErweiterung {

inline constexpr char Marke[] = "KALUMO-X";
inline constexpr int MarkeLaenge = 8;
inline constexpr int Version = 1;

/// Kinds of parts. Kinds added later keep version 1: a reader of version 1 that does not
/// know them passes over them.
enum class TTeil : quint16 {
    LehrerKuerzel = 1,
    Schuelernummern = 2,
    Unterricht = 3,
    LehrerEMail = 4, ///< name, then a count and the addresses
    ElternEMail = 5,
    Einladungen = 6, ///< entry name, then a count and the inviting teachers' names
    Vorrang = 7,     ///< entry name, then a count and the teachers of its marked requests
    GemeinsameGespraeche = 8 ///< one byte, 1; written only when the setting is on
};

/// The block for the sections of `maske` (short names and lessons go with the teacher
/// names, pupil numbers with the parent names, the marks of requests with the requests,
/// the joint-talk setting with the day settings); empty when there is nothing to keep.
QByteArray Schreibe(const TSprechtag& tag, int maske);

/// Reads what follows the final Boolean. Data that do not begin with the marker are
/// ignored, as they always were (nullopt). A block that begins with it but is cut short,
/// fails its check sum or holds malformed parts throws TDateiFehler: a damaged block is
/// not half applied.
std::optional<TDateiErweiterung> Lies(const QByteArray& rest);

} // namespace DateiErweiterung
