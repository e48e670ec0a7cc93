#pragma once
// "Liste exportieren" of the statistics window: the unmet requests as a plain text file in
// Windows-1252, one line per request, each ended by CR LF.

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The file content; an empty list gives no bytes at all.
QByteArray NichtErfuellteAlsText(const QStringList& zeilen);

/// Writes the list to `pfad`, replacing an existing file only once the new one is
/// complete. Returns an empty text on success, else the German message for the user.
QString SchreibeNichtErfuellte(const QString& pfad, const QStringList& zeilen);
