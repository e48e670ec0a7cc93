#pragma once
// The capacity preview: how many requests the free slots of the requested teachers cannot
// meet, and how many teachers are overbooked. Refusals, siblings and attendance windows
// are left out on purpose: it is a first look before any planning.

#include "model/sprechtag.h"

#include <QString>
#include <vector>

struct TKapazitaet {
    /// Requests beyond the capacity of their teachers.
    int Unerfuellbar = 0;
    /// All requests of all parent entries.
    int Wuensche = 0;
    /// Overbooked teachers.
    int Betroffene = 0;
};

TKapazitaet BerechneKapazitaet(const TSprechtag& tag);

/// Per teacher (in list order) the parent entries asking for her, each once; with joint
/// talks of siblings on, each family once, since its children share one slot.
std::vector<int> NachfrageJeLehrer(const TSprechtag& tag);

/// The unmet share as a whole percentage followed by "%"; an exact half goes to the even
/// number (0.5 % -> "0%", 2.5 % -> "2%", 3.5 % -> "4%"); "0%" when there are no requests.
QString KapazitaetProzentText(int unerfuellbar, int wuensche);

/// "der Sprechwünsche nicht erfüllbar (U von T)."
QString KapazitaetUnerfuellbarText(int unerfuellbar, int wuensche);

/// One line per teacher who invites more families than there are slots, in list order:
/// "Frau X hat 14 Einladungen, aber nur 12 Termine" (the teacher's name as stored). Empty
/// on a day without such a teacher.
QStringList EinladungenUeberKapazitaet(const TSprechtag& tag);

/// "Lehrer ist betroffen." for one teacher, else "Lehrer sind betroffen.".
QString KapazitaetBetroffeneText(int betroffene);
