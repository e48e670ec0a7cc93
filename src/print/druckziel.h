#pragma once
// Where a print job goes: to a printer, or into a PDF file the print dialog offers.
// A job into a file ends with a message that says where the file is.

#include <QString>

class QPrinter;

namespace Druckziel {

/// The PDF file the chosen printer writes into, or empty for a real printer.
QString PdfDatei(const QPrinter& drucker);

/// "<was> wurden in die PDF-Datei „<pfad>“ geschrieben.", with the full path.
QString PdfMeldung(const QString& was, const QString& pfad);

/// After a cancel the printer could not withdraw: what was drawn still prints.
QString AbbruchMeldung();

} // namespace Druckziel
