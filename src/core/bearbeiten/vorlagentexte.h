#pragma once
// Texts the program ships as examples and that belong on no school's paper: the plans'
// heading "Elternsprechtag am XX.XX." and, in the preview lists' letter, another school's
// date and signature. Printing asks before they go out; the heading can take the day's
// date instead.

#include <QDate>
#include <QString>
#include <QStringList>

class TSprechtag;

namespace Vorlagentexte {

/// The heading still holds the placeholder of the shipped one.
bool UeberschriftIstVorlage(const QString& ueberschrift);

/// The shipped letter's sentences about a date and a person that are still in `brief`,
/// as they are shipped; empty when none is left.
QStringList BriefReste(const QStringList& brief);

/// The heading for a known date: "Elternsprechtag am Donnerstag, 11.03.2027".
QString UeberschriftFuer(QDate datum);

/// Makes `text` the plans' heading as one change of the day. Returns whether it changed.
bool UeberschriftSetzen(TSprechtag& tag, const QString& text);

} // namespace Vorlagentexte
