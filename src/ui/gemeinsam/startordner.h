#pragma once
// The folder a file or folder dialog opens in when the user has not chosen one yet: the
// folder of the day's file, else the user's documents folder, never the program's folder
// (where the user's files do not belong and may not even be writable).

#include <QString>
#include <functional>

namespace Startordner {

/// Where the program learns the day's file (empty while the day has none); set once at
/// start.
void SetTagesdateiQuelle(std::function<QString()> quelle);

/// The folder of the day's file, or empty.
QString Tagesordner();

/// `gemerkt` when it is an existing folder other than the program's, else the day's
/// folder, else the documents folder.
QString Vorschlag(const QString& gemerkt);

bool IstProgrammOrdner(const QString& ordner);

} // namespace Startordner
