#pragma once
// The list of every talk for spreadsheets: "Datum;Beginn;Ende;Lehrkraft;Raum;Eintrag"
// (the date first, so that the lists of two days can be put together), UTF-8
// with a byte order mark (without it common spreadsheet programs take the file for
// Windows-1252), ';' between fields, CR LF after every line.

#include "termine/termine.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace Termine {

/// A field, in double quotes (inner quotes doubled) when it holds ';', '"', a line
/// break, or a blank at either end that a spreadsheet would otherwise drop. A field that
/// begins like a formula ('=', '+', '-', '@', tab, carriage return) gets a leading
/// apostrophe, so that a spreadsheet shows a name from an imported file as text rather
/// than running it. Control characters other than tab and line breaks become a blank, as
/// in the calendar files.
QString CsvFeld(const QString& text);

/// The list of `liste` on `datum` ("TT.MM.JJJJ" in every row).
QByteArray Csv(const TTerminListe& liste, QDate datum);

} // namespace Termine
