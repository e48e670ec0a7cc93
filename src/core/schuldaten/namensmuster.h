#pragma once
// A day's records keep one name string each; imported people bring their parts
// separately. A pattern with the placeholders {Nachname} {Vorname} {Kürzel} {Raum}
// {Titel} {Klasse} {Schülernummer} joins them. A part that is empty drops out together with its blank,
// its brackets or its separator, so "{Titel} {Nachname} ({Raum})" gives "Weber" for a
// teacher without title and room.

#include <QHash>
#include <QString>

namespace Schuldaten {

inline const QString StandardLehrerMuster = QStringLiteral("{Titel} {Nachname} ({Raum})");
inline const QString StandardElternMuster = QStringLiteral("{Klasse}: {Nachname}, {Vorname}");

/// Parts by placeholder name without braces ("Nachname", "Kürzel", …).
using TNamensTeile = QHash<QString, QString>;

/// Fills the pattern. Unknown placeholders stay as written; blanks inside a part are
/// kept, runs of blanks between parts become one.
QString WendeMusterAn(const QString& muster, const TNamensTeile& teile);

/// The placeholders a pattern may use, with braces, for help texts.
QString MusterPlatzhalter();

} // namespace Schuldaten
