#pragma once
// Replacing a file atomically. The new content goes to a hidden temporary file beside the
// target; only when every write, the flush to the disk and the rename succeeded is the
// target replaced. On any failure the old file stays as it was and no temporary file is
// left behind. Only a missing target or a regular file is written: a device, FIFO or
// folder is never replaced by a file.
//
// The temporary file is called ".NAME.kalumo-XXXXXX" (six letters or digits), a name no
// user file has. A save finds such files of an earlier save of the same file that was
// killed, and removes them once they are older than a minute (a younger one may belong to
// a save still running in another process).

#include <QByteArray>
#include <QList>
#include <QString>

namespace Dateisystem {

/// Whether a save first removes the leftovers of its own file's killed saves. A folder
/// that was just made holds none (the calendar export writes its many files into one): a
/// pass per save would make such an export grow with the square of the number of files.
enum class TReste { Aufraeumen, SchonAufgeraeumt };

/// Empty on success, else a German sentence saying why (without the file's name).
QString SchreibeAtomar(const QString& pfad, const QByteArray& bytes, TReste reste = TReste::Aufraeumen);

/// One of the files a single step writes together.
struct TZielDatei {
    QString pfad;
    QByteArray bytes;
};

/// Several files that belong together (a day and the call list made from it): each is
/// written completely beside its target and flushed first; only then are they renamed over
/// their targets in the given order. A failure leaves every target as it was. Empty on
/// success, else the full message (as NichtGespeichert) for the file that failed.
QString SchreibeAlleAtomar(const QList<TZielDatei>& dateien);

/// The full message for a failed save: names the file, gives the reason and says that an
/// existing file of that name is unchanged. Line breaks are '\r', as in all messages.
QString NichtGespeichert(const QString& pfad, const QString& grund);

/// The name of a temporary file for `zielName` without its random suffix:
/// ".NAME.kalumo-".
QString TemporaerPraefix(const QString& zielName);

/// Leftovers older than this are removed by the next save of the same file.
inline constexpr int AlterUebrigerKopienSekunden = 60;

namespace Pruefhilfe {
/// The flush to disk, fdatasync by default; tests put a failing one in its place.
using TFlush = int (*)(int fd);
/// Sets the flush and returns the previous one.
TFlush SetzeFlush(TFlush flush);
} // namespace Pruefhilfe

} // namespace Dateisystem
