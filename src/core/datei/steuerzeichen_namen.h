#pragma once
// Names in a loaded file never keep control characters: older versions and other
// programs could write a bell, an escape sequence or a line break into a name, which
// would then reach terminals, lists and calendar files raw. Every such character becomes
// a blank, in the names and in every reference to them, so requests, refusals, siblings
// and timetable lines still fit together. The file format stays as it is.

#include "datei/inhalt.h"

#include <QList>
#include <QPair>
#include <QString>

namespace DateiSteuerzeichen {

struct TBereinigt {
    /// Each changed name (before, after), teachers first, in file order.
    QList<QPair<QString, QString>> Namen;
    /// Anything changed, a reference to a record of the day included.
    bool Geaendert = false;
};

/// Cleans the content in place. A cleaned name that would equal another name of the file
/// gets a number so that no two records merge.
TBereinigt Bereinige(TDateiInhalt& inhalt);

/// The message after loading: which names were changed and that the day must be saved
/// to keep it. Control characters are shown as visible symbols.
QString Hinweis(const QString& pfad, const QList<QPair<QString, QString>>& geaendert);

} // namespace DateiSteuerzeichen
