#pragma once
// The search under the parent list: typing selects the first entry that matches, "weiter"
// the next one, and after the last hit the search starts again at the first.

#include "model/sprechtag.h"

#include <QString>
#include <QStringList>

/// Whether `suche` begins the entry, or a part of it right after a blank, ignoring letter
/// case: "5a" and "mei" both find "5a: Meier". An empty text finds nothing.
bool IstSuchTreffer(const QString& eintrag, const QString& suche);

struct TSuchErgebnis {
    /// The entry to select; -1 without any hit (the selection stays as it is).
    qsizetype Position = -1;
    /// The hit number now held by "weiter": as asked, or 1 when the search wrapped.
    int Treffer = 1;
};

/// Finds hit number `treffer` (counted from 1, top to bottom, each entry once). With
/// fewer hits, the first one and Treffer 1. A changed search text asks for hit 1;
/// "weiter" asks for the held number plus one.
TSuchErgebnis ElternSuche(const QStringList& namen, const QString& suche, int treffer);
TSuchErgebnis ElternSuche(const TSprechtag& tag, const QString& suche, int treffer);
