#pragma once
// The texts a load or save reports. They are returned to the caller, never shown here:
// the core has no windows.

#include <QString>

namespace DateiMeldung {

QString KeineQvtDatei();
QString NeuereRevision();
/// "Cannot open file %s" with the path as the user gave it.
QString KannNichtOeffnen(const QString& pfad);
/// "Cannot create file %s", followed by the note that an existing file is unchanged.
QString KannNichtErzeugen(const QString& pfad);
/// A write that failed after the file had been created; the old file is still there.
QString SchreibFehler(const QString& pfad);
QString LeseFehler();
QString UngueltigerWert();
QString KeineGanzzahl(const QString& text);
QString ListenIndex(qsizetype index);

} // namespace DateiMeldung
