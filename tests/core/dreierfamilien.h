#pragma once
// Families of three on a generated day: the generator links pairs only, and a writer that
// marks only one sibling looks right on pairs.

#include "model/sprechtag.h"

#include <vector>

namespace BerechnungTest {

/// Joins an entry without siblings to each of the first `anzahl` sibling pairs, linked
/// both ways with both members.
inline void Dreierfamilien(TSprechtag& tag, int anzahl)
{
    std::vector<qsizetype> allein;
    for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i)
        if (tag.Eltern.Record(i).Geschwister.isEmpty())
            allein.push_back(i);
    size_t naechster = 0;
    for (qsizetype i = 0; i < tag.Eltern.Anzahl() && anzahl > 0 && naechster < allein.size(); ++i) {
        TEltern& a = tag.Eltern.Record(i);
        if (a.Geschwister.size() != 1)
            continue;
        TEltern* b = tag.Eltern.Suche(a.Geschwister.at(0));
        if (!b || b->Geschwister.size() != 1)
            continue;
        const QString dritter = tag.Eltern.Name(allein[naechster++]);
        TEltern& c = *tag.Eltern.Suche(dritter);
        c.Geschwister.Hinzufuegen(tag.Eltern.Name(i));
        c.Geschwister.Hinzufuegen(a.Geschwister.at(0));
        b->Geschwister.Hinzufuegen(dritter);
        a.Geschwister.Hinzufuegen(dritter);
        --anzahl;
    }
}

/// Every sibling also asks for the first teacher of each sibling's first request, so that
/// many families share a teacher (the days joint talks are made of).
inline void GeschwisterTeilenErstenWunsch(TSprechtag& tag)
{
    for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i) {
        TEltern& e = tag.Eltern.Record(i);
        if (e.Sprechwuensche.isEmpty())
            continue;
        for (const QString& g : e.Geschwister)
            if (TEltern* s = tag.Eltern.Suche(g); s && !s->Sprechwuensche.contains(e.Sprechwuensche.front()))
                s->Sprechwuensche.append(e.Sprechwuensche.front());
    }
}

} // namespace BerechnungTest
