#pragma once
// A print preview's own printer button would print behind the program's back: straight
// into a PDF file that is half written on an error, and without a word of where it went.
// Routed here, it closes the preview and the caller prints the way its menu does (print
// dialog, progress, the file complete or not at all, and the message where it is).

#include <QString>

#include <functional>
#include <optional>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace Vorschaudruck {

/// Call before exec(): afterwards `gewuenscht` says whether the printer button was pressed.
void Umleiten(QPrintPreviewDialog& dlg, bool& gewuenscht);

/// Draws a page of the preview; the message when drawing failed.
using TZeichne = std::function<std::optional<QString>(QPrinter& drucker)>;

/// A print preview on `drucker` with the printer button routed as above, sized to fit the
/// screen. A failure to draw is reported once the preview is closed. True when the
/// printer button was pressed and drawing went well: the caller then prints.
bool Zeige(QPrinter& drucker, QWidget* eltern, const QString& objektName, const QString& titel, const TZeichne& zeichne);

} // namespace Vorschaudruck
