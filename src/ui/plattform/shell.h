#pragma once
// The operating system's "open" action and the clipboard. Tests replace the opener so that
// nothing is launched.

#include <QString>
#include <QUrl>
#include <functional>

namespace Shell {

/// Hands a document, web address or mailto: link to its program; false on failure.
bool Oeffne(const QUrl& url);
void InZwischenablage(const QString& text);

/// The folder of the running program, with a trailing separator.
QString ProgrammOrdner();

using Oeffner = std::function<bool(const QUrl&)>;
void SetOeffner(Oeffner oeffner);

/// Whether a program is registered for PDF files. The opener cannot tell: the system's
/// launcher starts and reports success even when it then finds no program.
bool PdfBetrachterDa();
using PdfPruefung = std::function<bool()>;
/// Tests replace the check; an empty one restores the system's.
void SetPdfPruefung(PdfPruefung pruefung);

/// The message after a failed open of a web page, mail link or the documentation.
QString BrowserMeldung();

/// The product's web page and the support address (shown in the start window).
inline constexpr const char* WebAdresse = "https://kalumo.example.org";
inline constexpr const char* SupportAdresse = "hilfe@kalumo.example.org";

} // namespace Shell
