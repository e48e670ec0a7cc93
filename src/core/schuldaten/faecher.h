#pragma once
// Parents write subjects as the school abbreviates them ("M", "D") or spelt out
// ("Mathematik"), and the timetable's lessons use the school's own abbreviation. Both
// sides are reduced to one key so that either spelling finds the lesson.

#include <QHash>
#include <QString>

namespace Schuldaten {

/// The organiser's own abbreviations: folded abbreviation -> key of the subject.
using TFachTabelle = QHash<QString, QString>;

/// Reads "PK=Politik; NW=Naturwissenschaften" (entries separated by ';', ',' or line
/// breaks). On an entry without "=" or with an empty side, `fehler` names it in German
/// and the table holds the entries before it.
TFachTabelle FachTabelleAusText(const QString& text, QString* fehler = nullptr);

/// The common key of a subject: the spelt-out name for the usual abbreviations and
/// names, else the text itself, folded (lower case, umlauts spelt out, no blanks). The
/// organiser's own table comes first.
QString FachSchluessel(const QString& fach, const TFachTabelle& eigene = {});

} // namespace Schuldaten
