#pragma once
// Calendar files (RFC 5545) for the families: one VCALENDAR per family with one VEVENT
// per talk. Times are local wall-clock times with TZID=Europe/Berlin and a VTIMEZONE of
// the current German rules, so that a phone abroad still shows the school's time and
// clients without their own zone data can convert it.
//
// Written by hand: the format needs only escaping, folding and a fixed time zone, and a
// calendar library would bring its own zone table with a vendor-prefixed TZID.

#include "termine/termine.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Kalender {

/// A TEXT value: backslash, semicolon and comma escaped, a line break (CR LF, LF or CR)
/// as "\n", other control characters as a blank.
QString Text(const QString& wert);

/// One content line, folded after 75 octets (continuation lines begin with a blank and
/// hold at most 74 more), never inside a UTF-8 sequence; every line ends in CR LF.
QByteArray Falte(const QString& zeile);

/// The calendar of family f of `liste` on `datum`; `stempel` becomes every DTSTAMP.
QByteArray Familie(const TTerminListe& liste, int f, QDate datum, const QDateTime& stempel);

/// Longest calendar file name with ".ics", in bytes of the file system's encoding. Far
/// below the usual 255, so that the hidden copy a save writes first (".NAME.kalumo-XXXXXX")
/// fits as well.
inline constexpr int MaxDateinameBytes = 200;

/// `text` cut at a character boundary to at most `bytes` bytes in the file system's
/// encoding.
QString Kuerze(const QString& text, int bytes);

/// A file name (without ".ics") made from an entry's name that every common system
/// accepts: no path or reserved characters, no control characters, no leading dot, no
/// blank or dot at the end, no reserved device name, with ".ics" at most
/// MaxDateinameBytes bytes.
QString Dateiname(const QString& eintrag);

/// The file names of every family of `liste`, from each family's first entry, made unique
/// without regard to letter case by " (2)", " (3)", ... (within the same cap).
QStringList Dateinamen(const TTerminListe& liste, const TSprechtag& tag);

} // namespace Kalender
