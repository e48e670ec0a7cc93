#pragma once
// The 16-byte header and the content mask: read first, so that the program can refuse a
// foreign or newer file and decide whether to ask how to load before anything is read.

#include <QByteArray>
#include <QString>

struct TDateiKopf {
    /// Empty when the header and the mask could be read.
    QString Fehler;
    int Revision = 0;
    int Maske = 0;

    bool ok() const { return Fehler.isEmpty(); }
};

namespace DateiKopf {

inline constexpr int Laenge = 16;
inline constexpr int Revision = 9;

/// "QVT file rev 9  ".
QByteArray Text();

/// Checks identification and revision and reads the mask from the start of `daten`.
/// `pfad` only names the file in messages.
TDateiKopf Lies(const QByteArray& daten, const QString& pfad = {});

/// The same for a file; reads only its first bytes, and only from a regular file.
TDateiKopf LiesDatei(const QString& pfad);

} // namespace DateiKopf
