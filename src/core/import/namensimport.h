#pragma once
// Adding teacher or parent names from a text file, one name per line. Names are taken
// exactly as written (blanks at the ends included); only tabs become blanks. Empty lines
// and names already in the list are skipped without a word.

#include <QString>
#include <QStringList>

class TSprechtag;

struct TNamensImport {
    /// False when the file could not be read; then nothing was added.
    bool ok = true;
    QString Fehler;
    int Hinzugefuegt = 0;
    /// Names that hold a character the data file cannot store, in file order, each once.
    /// They were not added; NichtUebernommenMeldung tells the user.
    QStringList NichtUebernommen;
};

/// Adds the lines as names (teachers when `lehrer`, else parent entries).
TNamensImport NamenUebernehmen(TSprechtag& tag, const QStringList& zeilen, bool lehrer);

/// Reads the whole file, then adds its lines as names.
TNamensImport ImportiereNamen(TSprechtag& tag, const QString& pfad, bool lehrer);

/// The message after an import that left names out; empty when none. Lists at most
/// MaxGezeigteNamen names, then "und N weitere".
inline constexpr int MaxGezeigteNamen = 20;
QString NichtUebernommenMeldung(const QStringList& namen);
