#pragma once
// Files picked by mistake: a PDF, a spreadsheet, a picture or an archive holds no list,
// though some of them start like text. Their first bytes say what they are.

#include <QByteArray>
#include <QString>

namespace Schuldaten {

/// What kind of non-list file the bytes are, as a German noun phrase ("ein PDF-Dokument",
/// "eine Excel-Arbeitsmappe (.xlsx)"); empty when they may be text.
QString FremdeDateiart(const QByteArray& bytes);

} // namespace Schuldaten
