#pragma once
// Pictures of the real windows for the manual: the program is built offscreen, filled with
// a small example day and photographed page by page, so the manual never shows windows
// that no longer look like that.

#include <QString>

namespace Bildschirmfotos {

/// Writes the pictures as PNG files into `ordner` (created if missing). Returns the number
/// of pictures written.
int Erzeuge(const QString& ordner);

} // namespace Bildschirmfotos
