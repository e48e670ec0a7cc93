#pragma once
// A teacher's own hours on the "Anwesenheit" tab. The start never lies before the day's
// start and the end never before the start; the end may lie after the day's end, so that
// a much-asked teacher can stay longer.

#include <QString>

class TSprechtag;

struct TLehrerzeitEingabe {
    /// False: show Meldung and put the focus back into the field; nothing was changed.
    bool Ok = true;
    QString Meldung;
};

/// "individuell abweichende Sprechzeiten" on or off. Returns whether it changed.
bool AbweichZeitSetzen(TSprechtag& tag, const QString& lehrer, bool an);

/// Leaving the start field: StartZeit := the typed time, at least the day's start; the end
/// follows when it would lie before the start.
TLehrerzeitEingabe LehrerStartEingabe(TSprechtag& tag, const QString& lehrer, const QString& text);
/// Leaving the end field: EndZeit := the typed time, at least StartZeit.
TLehrerzeitEingabe LehrerEndeEingabe(TSprechtag& tag, const QString& lehrer, const QString& text);

/// The text a spin button writes into a field: the stored time moved by `minuten` (the
/// lower half of the button: +10, later; the upper half: -10, earlier). The field's exit
/// rule then applies its limits.
QString LehrerzeitSchritt(const TSprechtag& tag, const QString& lehrer, bool start, int minuten);
