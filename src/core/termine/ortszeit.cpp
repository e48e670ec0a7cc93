#include "termine/ortszeit.h"

#include <QTime>

namespace Termine {

namespace {

/// Offset of German time at `utc`: summer time from 01:00 UTC on the last Sunday of March
/// to 01:00 UTC on the last Sunday of October (the rule since 1996).
int DeutscherVersatz(const QDateTime& utc)
{
    const int jahr = utc.date().year();
    const auto letzterSonntag = [jahr](int monat) {
        QDate d(jahr, monat, QDate(jahr, monat, 1).daysInMonth());
        return d.addDays(-(d.dayOfWeek() % 7));
    };
    const QDateTime beginn(letzterSonntag(3), QTime(1, 0), Qt::UTC);
    const QDateTime ende(letzterSonntag(10), QTime(1, 0), Qt::UTC);
    return utc >= beginn && utc < ende ? 7200 : 3600;
}

} // namespace

QTimeZone Schulzeitzone()
{
    static const QTimeZone zone = [] {
        QTimeZone z(QByteArrayLiteral("Europe/Berlin"));
        return z.isValid() ? z : QTimeZone();
    }();
    return zone;
}

QDateTime Ortszeit(QDate datum, int minuten)
{
    const int tage = minuten >= 0 ? minuten / 1440 : -((-minuten + 1439) / 1440);
    const int rest = minuten - tage * 1440;
    const QDate tag = datum.addDays(tage);
    const QTime uhr(rest / 60, rest % 60);
    const QTimeZone zone = Schulzeitzone();
    if (zone.isValid())
        return QDateTime(tag, uhr, zone);
    // No zone data on this machine: the wall clock as a fixed offset of the German rules.
    const QDateTime alsWinter(tag, uhr, QTimeZone(3600));
    const int versatz = DeutscherVersatz(alsWinter.toUTC());
    return QDateTime(tag, uhr, QTimeZone(versatz));
}

QDateTime InSchulzeit(const QDateTime& moment)
{
    const QTimeZone zone = Schulzeitzone();
    if (zone.isValid())
        return moment.toTimeZone(zone);
    return moment.toOffsetFromUtc(DeutscherVersatz(moment.toUTC()));
}

} // namespace Termine
