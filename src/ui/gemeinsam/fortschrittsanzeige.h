#pragma once
// A progress window whose parts (text, bar, "Abbrechen") each carry their own accessible
// name, and which neither closes nor resets itself at the end: the caller decides when the
// work is done.

#include <QString>
#include <Qt>

class QProgressBar;
class QProgressDialog;

struct TFortschrittNamen {
    QString fenster; ///< object name of the window
    QString titel;
    QString zugang;  ///< accessible name of the window
    QString text;    ///< accessible name of the text
    QString balken;  ///< accessible name of the bar
    QString abbrechen; ///< object name of the button
    QString abbrechenZugang;
};

/// Sets up `f` with its text, bar and button; returns the bar.
QProgressBar* RichteFortschrittEin(QProgressDialog& f, const TFortschrittNamen& namen, Qt::WindowModality modal);
