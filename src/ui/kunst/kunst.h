#pragma once
// Kalumo's own artwork, drawn with QPainter so that it scales and needs no image files:
// the start window's background, its picture buttons, the installer picture and the icons.

#include <QIcon>
#include <QPixmap>
#include <QRect>

namespace Kunst {

inline constexpr QSize StartGroesse{502, 372};
inline constexpr QSize KnopfGroesse{118, 45};

/// Where the background shows the web address and the support address; the clickable areas
/// of the start window lie exactly over them.
QRect WebBereich();
QRect MailBereich();

QPixmap StartHintergrund();
/// Two states stacked: the normal one in the upper 45 pixels, the highlighted one below.
QPixmap StartKnopf(const QString& text, bool primaer);
QPixmap InstallerBild();
QIcon ProgrammSymbol();
/// The arrow on the buttons that take a typed name into the list.
QIcon UebernehmenSymbol();
/// The bent arrow of "Rückgängig"; mirrored for "Wiederholen".
QIcon VerlaufSymbol(bool wiederholen);

} // namespace Kunst
