#pragma once
// The date of a conference day as the organiser types it. The date goes into every
// family's calendar, so a text is taken exactly as typed or refused with a message that
// names it; nothing is guessed or replaced.

#include <QDate>
#include <QString>

struct TDatumEingabe {
    QDate Datum;
    /// Empty when the text is a date, else the German message naming the text.
    QString Fehler;
    bool ok() const { return Fehler.isEmpty(); }
};

namespace Termine {

/// "TT.MM.JJJJ" (day and month with one or two digits, the year with four; blanks around
/// are ignored) or "JJJJ-MM-TT".
TDatumEingabe LiesDatum(const QString& text);

/// "Sonntag, 28.03.2027": the weekday in German whatever the system's language.
QString DatumMitWochentag(QDate datum);

/// Why a date deserves a second look before a thousand calendars get it: it lies before
/// `heute` or on a weekend. Empty when neither; else one question naming both.
QString DatumRueckfrage(QDate datum, QDate heute);

} // namespace Termine
