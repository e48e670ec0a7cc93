#pragma once
// Times of day and durations are day fractions in a double (1.0 = 24 hours), as in the
// data file. Every conversion between text, clock values and day fractions lives here.

#include <QString>
#include <optional>

namespace Zeit {

inline constexpr double MSekProTag = 86400000.0;

/// One second as a day fraction: the tolerance of every slot count.
inline constexpr double EineSekunde = 1000.0 / MSekProTag;

/// Hours, minutes, seconds and milliseconds as a day fraction (computed through whole
/// milliseconds, so 15:00 is exactly 0.625).
double Kodiere(int stunden, int minuten, int sekunden = 0, int msek = 0);

/// A slot length of `minuten` minutes as a day fraction.
inline double Minuten(int minuten) { return Kodiere(0, minuten); }

struct Uhrzeit {
    int stunden = 0;
    int minuten = 0;
    int sekunden = 0;
    int msek = 0;
};

/// Splits a day fraction into clock fields. The fraction is rounded to the nearest
/// millisecond first: a slot start reached by repeated addition lies a hair below the
/// intended minute and must still show that minute.
Uhrzeit Zerlege(double t);

/// The time parse rule of every time field: decimal hours, optionally ":" minutes,
/// optionally ":" seconds; hours 0..23, minutes and seconds 0..59. "." may stand for ":"
/// (not both in one text), and three or four digits that are no hour read as hours and
/// minutes ("1630", "930"). Blanks around the text are allowed.
std::optional<double> ZeitText(const QString& text);

/// "hh:nn": two-digit hours and minutes.
QString Anzeige(double t);

/// The 11-character label that begins every timetable line: "hh:nn Uhr: ".
QString ZeitPraefix(double t);

/// A duration typed into a field that says "Minuten": a plain number of minutes (0 to
/// 1439), or a time text as ZeitText with a separator ("0:30" and "0.30" are half an hour).
std::optional<double> DauerText(const QString& text);

/// The message for a time text that does not parse, naming the field when one is given:
/// "Pausenbeginn: „30“ ist keine gültige Uhrzeit. Bitte geben Sie sie als hh:mm, …" with
/// the accepted forms. Every time field uses it.
QString UngueltigeZeitMeldung(const QString& text, const QString& feld = {});
/// The same for a duration (DauerText).
QString UngueltigeDauerMeldung(const QString& text, const QString& feld = {});

} // namespace Zeit
