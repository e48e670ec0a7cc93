#pragma once
// Loading and saving a conference day: the entry points for the program and the command
// line. Errors come back as the program's message text; nothing here shows a window.
//
// Loading, as the program does it:
//   1. DateiKopf::LiesDatei(pfad): identification, revision and content mask. On an error
//      show the message and stop.
//   2. Datei::LadeFrageNoetig(tag, kopf.Maske): if true, ask "Ersetzen" or "Hinzufügen";
//      without the question load with TLadeModus::Hinzufuegen.
//   3. Datei::Laden(tag, pfad, modus): all or nothing. Afterwards tag.PlaeneGueltig and
//      (ergebnis.Maske & Inhalt::Plaene) tell whether the plan views need rebuilding.
// Saving: Datei::Speichern(tag, pfad, angekreuzt) with the boxes of the save dialog.

#include "datei/anwenden.h"
#include "datei/inhaltsmaske.h"
#include "datei/kopf.h"

#include <QByteArray>
#include <QString>

class TSprechtag;

struct TDateiErgebnis {
    /// Empty on success, else the message to show.
    QString Fehler;
    /// Revision and mask of the file read (loading only).
    int Revision = 0;
    int Maske = 0;
    /// Version of the extension block after the day; 0 when the file has none.
    int ErweiterungVersion = 0;
    /// After a load that had to change something (names with control characters): the
    /// message to show; the day then counts as changed.
    QString Hinweis;

    bool ok() const { return Fehler.isEmpty(); }
};

namespace Datei {

/// The largest data file read. A computed day of 2,000 families takes about 6 MB and
/// one of 20,000 entries about 60 MB; anything far beyond is no day of a school.
inline constexpr qint64 MaxDateiBytes = qint64(256) * 1024 * 1024;

/// The load question is asked when the file brings teacher or parent names and one of
/// the two collections is not empty.
bool LadeFrageNoetig(const TSprechtag& tag, int maske);

/// Reads the whole file (a regular file of at most MaxDateiBytes), checks it and only
/// then changes the day. Afterwards the day counts as saved, unless the load combined two
/// days (see LadeAusBytes). Every message names the file.
TDateiErgebnis Laden(TSprechtag& tag, const QString& pfad, TLadeModus modus);

/// The same for a file already in memory; `pfad` only names it in messages.
TDateiErgebnis LadeAusBytes(TSprechtag& tag, const QByteArray& daten, TLadeModus modus, const QString& pfad = {});

/// Writes the sections of `angekreuzt` (see Inhalt::SpeicherMaske) atomically (see
/// Dateisystem::SchreibeAtomar): the save succeeded only when every write, the flush to
/// the disk and the rename did; on any failure a file that was there before is left
/// exactly as it was and the day stays changed. Draws the key of the
/// timetable texts from the day's generator when timetables are written.
TDateiErgebnis Speichern(TSprechtag& tag, const QString& pfad, int angekreuzt);

/// The bytes a save would write; draws the key like Speichern but marks nothing.
QByteArray SpeichereInBytes(TSprechtag& tag, int angekreuzt);

} // namespace Datei
