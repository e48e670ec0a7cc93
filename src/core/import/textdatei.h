#pragma once
// Reading a plain text file for an import: name lists and the teachers' letter. The whole
// file is read and decoded before anybody sees a line, so a failed read changes nothing.

#include <QString>
#include <QStringList>

struct TTextdatei {
    bool ok = false;
    /// German, with the path and the reason; empty when ok.
    QString Fehler;
    QStringList Zeilen;
};

/// Larger files are no name lists or letters (a picture or a database picked by mistake)
/// and are refused; the bound holds for the bytes read, whatever size the file reports.
inline constexpr qint64 MaxImportBytes = 8 * 1024 * 1024;

/// The lines of a text: a carriage return, a line feed and the pair each end a line; a
/// character 26 ends the text; a line break at the very end adds no empty line.
QStringList TextZeilen(const QString& text);

/// Reads, decodes (UTF-8 or Windows-1252 by the bytes, see Textkodierung) and splits the
/// file. Refuses what cannot be read, is no regular file, is too large or holds a zero
/// character (no text).
TTextdatei LeseTextdatei(const QString& pfad);
