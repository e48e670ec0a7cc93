#pragma once
// Names are the keys of the day: a request, a refusal or a sibling mark is the other
// record's name. Look-ups and duplicate tests ignore letter case (umlauts included);
// order follows German collation, so "Ärger" sorts with the A's.

#include <QString>
#include <QStringList>

namespace Namen {

/// Case-insensitive equality (full Unicode simple case folding: "MÜLLER" == "Müller").
bool Gleich(const QString& a, const QString& b);

/// The key under which a name is hashed: equal keys exactly when Gleich holds.
QString Schluessel(const QString& name);

/// German, case-insensitive order; names that collate equal but are not Gleich (such as
/// "Strasse" and "Straße") are ordered by their case-folded text so that the order is
/// total. Returns <0, 0 or >0; 0 exactly when Gleich holds.
int Vergleiche(const QString& a, const QString& b);

/// Sorts in the order of Vergleiche, keeping texts that compare equal in their order.
/// Much faster than sorting with Vergleiche for long lists.
void SortiereStabil(QStringList& texte);

} // namespace Namen
