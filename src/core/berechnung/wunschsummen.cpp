#include "berechnung/wunschsummen.h"

#include "model/namen.h"

#include <QSet>

TWunschSummen ZaehleWuensche(const TSprechtag& tag)
{
    // Refusals are few: count every request, then take away the requests of each refused
    // entry that name the refusing teacher, rather than looking up every request.
    TWunschSummen s;
    for (const auto& e : tag.Eltern)
        s.Insgesamt += int(e.record->Sprechwuensche.size());
    s.NichtAbgelehnt = s.Insgesamt;

    for (const auto& l : tag.Lehrer) {
        // A refusal list may name an entry twice (in another spelling); it refuses once.
        QSet<const TEltern*> abgelehnt;
        for (const QString& a : std::as_const(l.record->Ablehnungen)) {
            const TEltern* e = tag.Eltern.Suche(a);
            if (!e || abgelehnt.contains(e))
                continue;
            abgelehnt.insert(e);
            for (const QString& w : e->Sprechwuensche)
                if (Namen::Gleich(w, l.name))
                    --s.NichtAbgelehnt;
        }
    }
    return s;
}
