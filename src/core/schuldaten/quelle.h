#pragma once
// One export file as read for the import: decoded, split into records, its columns
// assigned. Whatever the user overrides in the preview (encoding, separator, header,
// columns) is given in TQuelle; everything left open is detected.

#include "schuldaten/csv.h"
#include "schuldaten/felder.h"
#include "schuldaten/kodierung.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace Schuldaten {

struct TQuelle {
    QString Pfad;
    TQuellArt Art = TQuellArt::Lehrer;
    std::optional<TKodierung> Kodierung;
    std::optional<QChar> Trenner;
    std::optional<bool> Kopf;
    /// Column meanings chosen by the user; a shorter list leaves the other columns unused.
    std::optional<TZuordnung> Zuordnung;
    /// A wishes file that lists teachers' invitations: each wish it names becomes an
    /// invitation (and a request where there was none).
    bool Einladungen = false;
};

struct TGeleseneQuelle {
    TQuelle Quelle;
    /// Empty on success; else the German message naming the file.
    QString Fehler;
    TKodierung Kodierung = TKodierung::Utf8;
    bool Bom = false;
    std::optional<TKodierung> Alternative;
    QChar Trenner = QLatin1Char(';');
    bool Kopf = false;
    /// A timetable program export with fixed positions.
    bool Stundenplan = false;
    /// The header's texts (empty without header).
    QStringList KopfFelder;
    TZuordnung Zuordnung;
    /// The data records, header excluded, each with its physical line.
    QList<TCsvZeile> Zeilen;
    /// The widest record, for the preview's columns.
    int Spalten = 0;

    bool ok() const { return Fehler.isEmpty(); }
    /// The field of `feld` in a record, trimmed; empty when the column is missing.
    QString Wert(const TCsvZeile& z, TFeld feld) const;
};

/// Reads and splits the file; refuses files over MaxBytes, with zero characters outside
/// UTF-16 or with sequences invalid in the encoding taken.
TGeleseneQuelle LeseQuelle(const TQuelle& quelle);

/// The same for bytes already in memory (`quelle.Pfad` names them in messages).
TGeleseneQuelle LeseQuelleAusBytes(const TQuelle& quelle, const QByteArray& bytes);

/// The kind of file a path most likely holds: by the timetable program's file names,
/// else by the header; nullopt when nothing fits (the file is read for the guess).
std::optional<TQuellArt> ErrateArt(const QString& pfad);

/// "1 Kürzel, 2 Nachname, 5 Raum" – the assigned columns, 1-based, with the header text
/// where there is one.
QString ZuordnungsText(const TGeleseneQuelle& q);

} // namespace Schuldaten
