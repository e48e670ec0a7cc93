#pragma once
// The manual from its one Markdown source: laid out once with Qt's text document and
// written as the PDF that the help button opens and as the HTML documentation page.

#include <QString>

class QTextDocument;

namespace Satz {

/// Reads the Markdown file and puts in the pictures it names ("bilder/NAME.png", looked
/// up in `bilderOrdner`). A picture that is missing becomes a short note, so that the
/// manual still comes out. The document is owned by the caller.
QTextDocument* Lies(const QString& markdownDatei, const QString& bilderOrdner, QString* fehler);

/// A4 pages with margins and page numbers.
bool SchreibePdf(QTextDocument& dokument, const QString& pdfDatei, QString* fehler);

/// One self-contained HTML file: the pictures travel inside it, so it can be opened from
/// wherever it was installed.
bool SchreibeHtml(const QTextDocument& dokument, const QString& htmlDatei, QString* fehler);

} // namespace Satz
