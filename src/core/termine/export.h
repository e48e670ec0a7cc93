#pragma once
// "Termine exportieren": the list of every talk and a calendar file per family, written
// into one folder: "Termine.csv" and the subfolder "Kalender" with one ".ics" per family.
// Both are written into a hidden folder beside them first and swapped in at the end, so
// that the folder holds either the whole old or the whole new export.

#include "model/sprechtag.h"
#include "termine/termine.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

inline const QString TermineCsvName = QStringLiteral("Termine.csv");
inline const QString KalenderOrdnerName = QStringLiteral("Kalender");

struct TTerminExport {
    /// Empty on success, else the German message naming the file or folder and the reason.
    QString Fehler;
    int Termine = 0;
    int Kalender = 0;
    /// Own plan lines without a talk (notes typed by hand), not exported.
    int Uebersprungen = 0;
    /// Lines that begin with a time but could not become an event. The export is written
    /// without them and counts as incomplete.
    std::vector<TAusgelassen> Fehlend;
    /// ".ics" files already in the calendar folder that this export did not write (from
    /// an earlier export of other families); they are left alone.
    QStringList Fremde;
    QString CsvPfad;
    QString KalenderPfad;
    bool ok() const { return Fehler.isEmpty(); }
    /// Every talk of the plans became an event.
    bool Vollstaendig() const { return Fehlend.empty(); }
};

namespace Termine {

/// Writes both into `ordner` (created when missing) for the day `datum`; `stempel` is the
/// time of the export (DTSTAMP). Refuses a day without valid plans and an invalid date
/// before writing anything; on any failure the folder is as it was.
TTerminExport Exportiere(const TSprechtag& tag, const QString& ordner, QDate datum, const QDateTime& stempel);

/// The German summary of an export for a message box or the console; names every line
/// that could not be exported and why.
QString Bericht(const TTerminExport& e);

/// Name prefix of the hidden work folders of an export (".Kalender.kalumo-").
QString ArbeitsordnerPraefix();

} // namespace Termine
