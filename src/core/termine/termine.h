#pragma once
// The talks of a day as families and teachers hold them on paper: read from the parent
// entries' plans, not from the computation's state, so that a talk the organiser moved or
// added by hand is exported exactly as the printed plan shows it.

#include "model/sprechtag.h"

#include <QString>
#include <vector>

struct TTermin {
    /// The parent entry whose plan shows the talk.
    QString Eintrag;
    /// The partner as the plan line names it (normally a teacher's name).
    QString Lehrkraft;
    /// Text in the last round brackets of the teacher's name, trimmed; empty without.
    QString Raum;
    /// Minutes after midnight; the end may lie beyond 24:00 on a very late day.
    int Beginn = 0;
    int Ende = 0;
};

/// A plan line that looks like a talk (it begins with a time) but cannot be exported.
struct TAusgelassen {
    QString Eintrag;
    QString Zeile;
    /// Why, in German, to follow "weil …" ("die Uhrzeit „25:10“ gibt es nicht").
    QString Grund;
};

struct TTerminListe {
    /// Sorted by entry (the order of the parents list), then by time.
    std::vector<TTermin> Termine;
    /// Families: groups of sibling entries (as indices into the parents list, in list
    /// order); only families where someone has a talk, ordered by their first entry.
    std::vector<std::vector<int>> Familien;
    /// Indices into Termine for every family, sorted by time, then entry.
    std::vector<std::vector<int>> TermineDerFamilie;
    /// Own plan lines that hold no talk (no time at the start, or a time naming nobody),
    /// typed by hand as notes; they are not exported.
    int Uebersprungen = 0;
    /// Lines that begin with a time but cannot become an event; the export names them and
    /// counts as incomplete, so that no talk goes missing unnoticed.
    std::vector<TAusgelassen> Fehlend;
};

namespace Termine {

/// The room in a teacher's name: "Weber (R 12)" gives "R 12", "Weber" gives "".
QString Raum(const QString& lehrer);

/// Every talk of the day's plans. Sibling lines ("hh:nn Uhr: [ Name ]") are the sibling's
/// talks and are read from the sibling's own plan. Needs valid plans; with invalid ones the
/// caller must not export.
TTerminListe Lies(const TSprechtag& tag);

/// "hh:mm" of minutes after midnight (modulo a day).
QString Uhrzeit(int minuten);

} // namespace Termine
