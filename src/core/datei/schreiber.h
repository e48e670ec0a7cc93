#pragma once
// Writes a conference day in the current layout (revision 9).

#include <QByteArray>

class TSprechtag;

namespace DateiSchreiber {

/// The whole file for `maske` exactly as given (the caller has applied the dependencies),
/// with the timetable texts shifted from `schluesselStart` on. Changes nothing.
QByteArray Schreibe(const TSprechtag& tag, int maske, qint32 schluesselStart);

} // namespace DateiSchreiber
