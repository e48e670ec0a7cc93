#pragma once
// A print preview's own printer button would print behind the program's back: straight
// into a PDF file that is half written on an error, and without a word of where it went.
// Routed here, it closes the preview and the caller prints the way its menu does (print
// dialog, progress, the file complete or not at all, and the message where it is).

class QPrintPreviewDialog;

namespace Vorschaudruck {

/// Call before exec(): afterwards `gewuenscht` says whether the printer button was pressed.
void Umleiten(QPrintPreviewDialog& dlg, bool& gewuenscht);

} // namespace Vorschaudruck
