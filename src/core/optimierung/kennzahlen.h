#pragma once
// Figures of a day's plans that the statistics window adds to the classic ones: entries
// with requests but no talk and the families' waiting. Read from the plan lines, so they
// describe any plans, computed, optimised or loaded.

#include "model/sprechtag.h"

#include <QString>

struct TPlanKennzahlen {
    /// Talks: own lines of the parents' plans that name one of the entry's requests.
    int Termine = 0;
    /// Entries with a request the teacher does not refuse, but no talk.
    int OhneTermin = 0;
    /// Families (sibling groups) with two talks or more; their waiting in minutes: the
    /// time between the start of the first and the end of the last talk not spent talking.
    int FamilienMitWartezeit = 0;
    int WarteMedian = 0;
    int WarteP90 = 0;
    int WarteMax = 0;
    /// Sum of the waiting in slots.
    qint64 WarteSlots = 0;
    /// Invitations and "Vorrang" requests of the day, and how many of them are talks.
    int Einladungen = 0;
    int EinladungenErteilt = 0;
    int Vorrang = 0;
    int VorrangErteilt = 0;
};

/// "Einladungen: 41 von 42 erteilt"; empty on a day without invitations.
QString EinladungenText(const TPlanKennzahlen& k);
/// "Vorrang: 30 von 35 erteilt"; empty on a day without such marks.
QString VorrangText(const TPlanKennzahlen& k);

TPlanKennzahlen BerechnePlanKennzahlen(const TSprechtag& tag);

/// Nearest-rank percentile (1..100) of ascending values; 0 for none.
int Perzentil(const std::vector<int>& aufsteigend, int prozent);
