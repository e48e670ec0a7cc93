#pragma once
// The settings file on disk. Every write is one complete, atomic replacement of the file,
// so a refused or interrupted write never leaves a half-written file behind.

#include "ini/inidokument.h"

#include <QString>

/// Where "qvt.ini" lives: beside the program when the file there exists and is writable,
/// or when it does not exist and the program's folder is writable; otherwise in the
/// user's configuration folder ($XDG_CONFIG_HOME/kalumo/qvt.ini).
QString IniPfad(const QString& programmOrdner);

/// The file to read at start: IniPfad, or, while nothing has been written there yet, the
/// (write-protected) file beside the program, so that settings an administrator put there
/// still count.
QString IniLesePfad(const QString& programmOrdner);

/// A settings file holds a few dozen lines; anything larger is not ours.
inline constexpr qint64 MaxIniBytes = 1024 * 1024;

/// The file's content; a missing or unreadable file, one that is no regular file or is
/// larger than MaxIniBytes reads as an empty file.
TIniDokument IniLesen(const QString& pfad);

/// Sets one value in the file: creates the folder, file, section or key when missing and
/// keeps everything else. False when the write is refused (also for a file that cannot be
/// read completely: rewriting it would lose the rest); the file is then as it was, and
/// `grund` (if given) says why in German.
bool IniSchreiben(const QString& pfad, const QString& sektion, const QString& schluessel, const QString& wert,
                  QString* grund = nullptr);
