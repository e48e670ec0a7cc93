#pragma once
// Replacing the teachers' covering letter by the lines of a text file.

#include <QString>

class TSprechtag;

struct TBriefImport {
    /// False when the file could not be read; then the letter is unchanged.
    bool ok = true;
    QString Fehler;
    /// Set when characters the data file cannot store were replaced by "?"; the caller
    /// shows it as information.
    QString Hinweis;
};

/// Reads the whole file; on success its lines become Vorschau.Brief.
TBriefImport ImportiereBrief(TSprechtag& tag, const QString& pfad);
