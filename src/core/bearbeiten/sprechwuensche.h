#pragma once
// The requests of one parent entry, edited as a selection in a list of all teachers.
// `eltern` is the name of the selected parent entry; a name the day does not hold (an
// empty text, for example) means that none is selected and nothing happens.

#include "model/sprechtag.h"

#include <QList>
#include <QStringList>

/// The teacher-list positions to select for the entry's stored requests: ascending, each
/// once, ignoring letter case; requests naming no teacher are left out.
QList<qsizetype> SprechwunschAuswahl(const TSprechtag& tag, const QString& eltern);

/// Stores the selected teacher names (top to bottom) as the entry's requests, replacing
/// the old ones; a second name equal to an earlier one ignoring case is left out. Returns
/// whether the requests changed (order counts); only then the day counts as changed.
bool SprechwuenscheSpeichern(TSprechtag& tag, const QString& eltern, const QStringList& lehrer);
