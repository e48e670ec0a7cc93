#pragma once
// The teachers' preview lists: a covering letter with four placeholders filled per
// teacher, followed by the numbered parent entries that ask for the teacher. The lists
// are plain lines; the file and the printer receive exactly the same sequence.

#include "model/sprechtag.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace Vorschauliste {

/// The values that replace %A..%D for one teacher.
struct TBriefWerte {
    int sprechTakt = 0;  ///< %A, minutes
    QString start;       ///< %B, "hh:mm"
    QString ende;        ///< %C, "hh:mm"
    int kapazitaet = 0;  ///< %D, free slots
};

TBriefWerte BriefWerte(const TSprechtag& tag, const TLehrer& lehrer);

/// Replaces every "%A", then "%B", "%C" and "%D", each time at the leftmost occurrence
/// until none is left. Nothing else is touched: "%a" and "% A" stay as written.
QString BriefZeile(const QString& zeile, const TBriefWerte& werte);

/// "für betroffene Lehrer": more parent entries ask for the teacher than it has slots.
bool IstBetroffen(const TSprechtag& tag, const QString& name, const TLehrer& lehrer);

/// All lines for one teacher: header, letter, numbered parents and the form-feed line,
/// each already filled in.
QStringList ZeilenFuerLehrer(const TSprechtag& tag, const QString& name, const TLehrer& lehrer);

/// The lines of all teachers in list order; with `alle` false only the affected ones
/// (the day's own choice is tag.Vorschau.FuerAlleLehrer).
QStringList Zeilen(const TSprechtag& tag, bool alle);

/// Windows-1252, every line ended by CR LF.
QByteArray Bytes(const QStringList& zeilen);

/// Writes the lines as a text file, replacing an existing one only when everything was
/// written. Refuses lines with a character Windows-1252 cannot hold (the letter is free
/// text). Returns the German error message, or nothing on success.
std::optional<QString> SchreibeDatei(const QString& pfad, const QStringList& zeilen);

/// The closing message after the file was written (the full path as the system shows it).
QString DateiMeldung(const QString& pfad);
/// The closing message after the lists were sent to the printer.
QString DruckMeldung();

} // namespace Vorschauliste
