#pragma once
// "Termine exportieren": the list of every talk and a calendar file per family, written
// into one folder: "Termine.csv" and the subfolder "Kalender" with one ".ics" per family.

#include "model/sprechtag.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

inline const QString TermineCsvName = QStringLiteral("Termine.csv");
inline const QString KalenderOrdnerName = QStringLiteral("Kalender");

struct TTerminExport {
    /// Empty on success, else the German message naming the file or folder and the reason.
    QString Fehler;
    int Termine = 0;
    int Kalender = 0;
    /// Own plan lines without a time label, not exported.
    int Uebersprungen = 0;
    /// ".ics" files already in the calendar folder that this export did not write (from
    /// an earlier export of other families); they are left alone.
    QStringList Fremde;
    QString CsvPfad;
    QString KalenderPfad;
    bool ok() const { return Fehler.isEmpty(); }
};

namespace Termine {

/// Writes both into `ordner` (created when missing) for the day `datum`; `stempel` is the
/// time of the export (DTSTAMP). Every file is replaced atomically. Refuses a day without
/// valid plans and an invalid date before writing anything.
TTerminExport Exportiere(const TSprechtag& tag, const QString& ordner, QDate datum, const QDateTime& stempel);

/// The German summary of a successful export for a message box or the console.
QString Bericht(const TTerminExport& e);

} // namespace Termine
