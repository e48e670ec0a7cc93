#pragma once
// Delimited text as exports write it: fields separated by one character, quoted with '"'
// where needed (a doubled quote inside stands for one), records ending in CR LF, LF or
// CR. A quoted field may span lines, so every record remembers the physical line it
// starts on: reports name lines as an editor shows them.

#include "schuldaten/lauf.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace Schuldaten {

struct TCsvZeile {
    /// 1-based physical line where the record begins.
    int Zeile = 0;
    QStringList Felder;
};

/// Splits the text into records. Records with no text in any field (empty lines) are
/// left out; their lines still count. A character 26 (DOS end of file) ends the text.
/// `maxZeilen` > 0 stops after that many records (the preview). A quote still open at the
/// end of the text leaves the line where it opened in `offenSeit` (else 0). A run that is
/// cancelled stops with no records.
QList<TCsvZeile> LeseCsv(const QString& text, QChar trenner, int maxZeilen = 0, int* offenSeit = nullptr,
                         const TLauf* lauf = nullptr);

/// The separators exports use, in the order they win a tie: ';' Tab ',' '|' (commas
/// occur inside names, tabs hardly ever).
inline constexpr char16_t Trennzeichen[] = {u';', u'\t', u',', u'|'};

/// Guesses the separator from the first records: the one that gives the same number of
/// fields (more than one) in most of them; ';' when none does.
QChar ErkenneTrenner(const QString& text);

/// "Semikolon", "Komma", "Tabulator", "senkrechter Strich" or the character itself.
QString TrennerName(QChar trenner);

} // namespace Schuldaten
