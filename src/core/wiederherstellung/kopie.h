#pragma once
// The recovery copy of a day with unsaved changes: an ordinary day file with everything
// in it, followed by a short trailer that names the day's own file and the time of the
// copy (a reader of day files ignores what follows the final value). It lives in the
// user's state folder, never beside the day's file, and is named after that file and the
// process that writes it: "herbst-wiederherstellung-4711.qvt" ("unbenannt-…" for a day
// that has no file yet). Each running Kalumo holds the lock "sitzung-PID.lock" there, so
// a copy whose process holds no lock was left by a run that did not end properly.

#include "datei/datei.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

class TSprechtag;

namespace Wiederherstellung {

/// $XDG_STATE_HOME/kalumo, or ~/.local/state/kalumo without it.
QString Ordner();

/// The copy's file name for the day's file `tagesdatei` (empty: none yet) and process.
QString KopieName(const QString& tagesdatei, qint64 pid);
/// The lock a running process holds in the folder.
QString SperrName(qint64 pid);

/// The bytes of a copy: the day file, then the trailer.
QByteArray KopieBytes(TSprechtag& abbild, const QString& tagesdatei, const QDateTime& zeit);

struct TKopie {
    QString Pfad;
    /// The day's own file; empty when the day had none.
    QString Tagesdatei;
    QDateTime Zeit;
    qint64 Pid = 0;

    /// "herbst.qvt", or "einem noch nicht gespeicherten Tag" style text is left to callers.
    QString TagesdateiName() const;
};

/// Reads the trailer of a copy; nothing for a file that is no complete copy.
std::optional<TKopie> LiesKopie(const QString& pfad);

/// The copies in `ordner` whose process no longer runs, oldest first.
QList<TKopie> Verwaiste(const QString& ordner = Ordner());

/// Loads a copy into the day in place of everything it holds. The day then counts as
/// changed: it is in no file of the user's yet.
TDateiErgebnis Laden(TSprechtag& tag, const TKopie& kopie);

/// "Kalumo wurde nicht ordnungsgemäß beendet. Es gibt ungesicherte Änderungen an
/// „herbst.qvt“ von 19:42 Uhr."
QString Frage(const TKopie& kopie);

} // namespace Wiederherstellung
