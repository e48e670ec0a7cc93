#pragma once
// The plain-text printer document: lines one below the other in a fixed-pitch face, a
// line wider than the page continued on the next, a full page continued on a new one,
// and a new page at every form feed.

#include <QStringList>
#include <functional>
#include <optional>

class QPainter;
class QPrinter;

namespace Textdruck {

/// Prints onto a painter that is active on the first page; `neueSeite` starts the next.
/// The page is the painter's device. A form feed at the very end starts no empty page.
/// Returns the number of pages used.
int Drucke(QPainter& maler, const std::function<bool()>& neueSeite, const QStringList& zeilen);

/// The smallest margin on every side of a printed text page.
inline constexpr double MindestRandMm = 15.0;

/// The whole document on a printer the user has chosen, titled `titel`, inside the
/// printer's page margins but never closer than MindestRandMm to the sheet's edge.
/// Returns the German error message, or nothing on success.
std::optional<QString> Drucke(QPrinter& drucker, const QString& titel, const QStringList& zeilen);

} // namespace Textdruck
