#pragma once
// The texts a load or save reports. They are returned to the caller, never shown here:
// the core has no windows. Every message names the file (the path as the user gave it);
// a message built from bytes without a file says "Die Datei". Line breaks are '\r'.

#include <QString>

namespace DateiMeldung {

QString KeineQvtDatei(const QString& pfad);
QString NeuereRevision(const QString& pfad);
/// "Die Datei „…“ ist unvollständig oder beschädigt und wurde nicht geladen." and the
/// detail on a line of its own.
QString Beschaedigt(const QString& pfad, const QString& detail);

// The details of a damaged file, raised deep in the reader, where the file is unknown.
QString Abgebrochen();
QString UngueltigerWert();
QString KeineGanzzahl(const QString& text);
QString FehlenderName();
QString ErweiterungBeschaedigt();

} // namespace DateiMeldung
