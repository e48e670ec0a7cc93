#pragma once
// Before the plans' heading or the preview lists' letter goes onto paper or into a file
// while it is still the shipped example: one question per run of the program. A
// "Trotzdem" holds until the program ends; any other answer asks again next time. Where
// the date of the day is known (the appointment export remembers it), the question offers
// it as the heading.

#include <QDate>
#include <functional>

class QWidget;
class TSprechtag;

class TVorlagenFrage {
public:
    /// Where the day's date comes from; an invalid date: not known.
    void SetDatum(std::function<QDate()> datum) { m_datum = std::move(datum); }

    /// Plans and door sheets, before the print dialog. True: go on (the heading may have
    /// become the date's). False: print nothing.
    bool Ueberschrift(QWidget* eltern, TSprechtag& tag);

    /// Preview lists, before their output is chosen. True: go on.
    bool Brief(QWidget* eltern, const TSprechtag& tag);

private:
    std::function<QDate()> m_datum;
    bool m_ueberschriftBestaetigt = false;
    bool m_briefBestaetigt = false;
};
