#pragma once
// The small scene of the progress window, our own artwork drawn with QPainter: a school
// door, and a parent who walks in with a question (Person1) and out again with an answer
// (Person2).

#include <QPixmap>

namespace Rechenfiguren {

inline constexpr QSize FigurGroesse{22, 40};
inline constexpr QSize TuerGroesse{110, 62};

/// The wall with the open door that the figures pass behind (Image1).
QPixmap Tuer();
/// 1: the parent arriving; 2: the parent leaving with the appointment sheet.
QPixmap Figur(int nr);

} // namespace Rechenfiguren
