#include "berechnung/wunschsummen.h"

#include "model/namen.h"

#include <QHash>

TWunschSummen ZaehleWuensche(const TSprechtag& tag)
{
    // Requests normally spell a teacher exactly as the list does; the exact look-up saves
    // case-folding every request, and the collection's own look-up does the rest.
    QHash<QString, const TLehrer*> genau;
    genau.reserve(tag.Lehrer.Anzahl());
    for (const auto& l : tag.Lehrer)
        genau.insert(l.name, l.record.get());

    TWunschSummen s;
    for (const auto& e : tag.Eltern) {
        for (const QString& w : e.record->Sprechwuensche) {
            ++s.Insgesamt;
            const auto it = genau.constFind(w);
            const TLehrer* l = it != genau.cend() ? *it : tag.Lehrer.Suche(w);
            if (!l || l->Ablehnungen.isEmpty()) {
                ++s.NichtAbgelehnt;
                continue;
            }
            bool abgelehnt = false;
            for (const QString& a : l->Ablehnungen)
                if (Namen::Gleich(a, e.name)) {
                    abgelehnt = true;
                    break;
                }
            if (!abgelehnt)
                ++s.NichtAbgelehnt;
        }
    }
    return s;
}
