#pragma once
// The extension a save dialog adds when the user types a name without one.

#include <QString>

namespace Dateisystem {

/// `pfad` with "." + `endung` appended when its file name has no extension of its own.
/// An extension is one to four letters or digits after the last dot, at least one of them
/// a letter: "liste.csv" keeps its own, while "liste", "Sprechtag 10.12.2026" and
/// "Klasse 5." get `endung` (a trailing dot is not doubled). An empty `endung` changes nothing.
QString MitEndung(const QString& pfad, const QString& endung);

} // namespace Dateisystem
