#pragma once
// Window managers cut a caption that is wider than the title bar leaves room for ("Vorschaul…").
// Small dialogs therefore keep a minimum width that holds their caption.

class QWidget;

/// Room the title bar needs beside the caption: icon and the buttons to close, minimise
/// and maximise.
inline constexpr int TitelleisteKnoepfe = 150;

/// The width a title bar needs for the caption of `fenster`, measured in a bold font a
/// quarter larger than the window's, as window managers commonly draw it.
int TitelBreite(const QWidget* fenster);

/// Raises the minimum width of `fenster` to TitelBreite, if it is below.
void RaumFuerTitel(QWidget* fenster);
