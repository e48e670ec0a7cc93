#pragma once
// Where the main window may open: a placement stored on a larger screen (or with a screen
// that is no longer there) must not put the window, or its buttons, beyond the edges.

#include <QMargins>
#include <QRect>
#include <QSize>

/// The client geometry to use for a stored one. `verfuegbar` is the available geometry of
/// the screen the window lands on, `rahmen` the window's frame (title bar and borders) and
/// `mindest` its minimum client size. The size is cut to what the screen holds, never below
/// the minimum; a window that then fits is moved just far enough to lie inside, one that
/// does not fit is centred, its title bar never above the top edge.
QRect FensterEinpassen(const QRect& gespeichert, const QRect& verfuegbar, const QMargins& rahmen, const QSize& mindest);
