#pragma once
// The school's local time. A conference day happens in Germany, whatever zone the
// machine that prints or exports is set to: calendar entries and the "Stand" of printed
// sheets are built from the wall clock in Europe/Berlin, never from the machine's zone and
// never as midnight plus seconds (which shifts by an hour on the days the clocks change).

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

namespace Termine {

/// Europe/Berlin from the system's zone data; without them a zone of the German rules
/// (CET/CEST, change on the last Sundays of March and October).
QTimeZone Schulzeitzone();

/// The moment `minuten` after midnight of `datum` on the school's wall clock; minutes
/// beyond a day count into the next day (a very late end).
QDateTime Ortszeit(QDate datum, int minuten);

/// `moment` on the school's wall clock.
QDateTime InSchulzeit(const QDateTime& moment);

} // namespace Termine
