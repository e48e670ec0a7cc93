#pragma once
// Reading a whole file with a bound. Only regular files are read: a device such as
// /dev/zero never ends and a FIFO blocks, and the size a device reports (0) says nothing.
// The bound is checked on the bytes actually read, not on the reported size.

#include <QByteArray>
#include <QString>

namespace Dateisystem {

struct TGelesen {
    enum class Art {
        Ok,
        NichtGeoeffnet,   ///< missing, no permission, …: `Grund` says why
        KeineNormaleDatei,///< folder, device, FIFO, socket (also through a symbolic link)
        ZuGross,          ///< more than the bound
        Lesefehler,       ///< the system failed while reading: `Grund` says why
    };
    Art art = Art::Ok;
    QByteArray Bytes;
    /// A German sentence for NichtGeoeffnet and Lesefehler.
    QString Grund;

    bool ok() const { return art == Art::Ok; }
    /// A complete German message that names the file (`pfad` as the user gave it),
    /// with `hoechstens` for ZuGross.
    QString Meldung(const QString& pfad, qint64 hoechstens) const;
};

/// Reads all of the regular file `pfad`, at most `hoechstens` bytes. Does not block on a
/// FIFO, and reads nothing from a device.
TGelesen LiesDatei(const QString& pfad, qint64 hoechstens);

/// The first `anzahl` bytes (fewer when the file is shorter), with the same checks.
TGelesen LiesAnfang(const QString& pfad, qint64 anzahl);

/// "„pfad“ ist keine normale Datei."
QString KeineNormaleDatei(const QString& pfad);

/// A size as the messages show it ("256 MB", "1 MB", "512 KB").
QString Groesse(qint64 bytes);

} // namespace Dateisystem
