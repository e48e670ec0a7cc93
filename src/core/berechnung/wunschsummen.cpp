#include "berechnung/wunschsummen.h"

#include "model/namen.h"

#include <QHash>
#include <QSet>

TWunschSummen ZaehleWuensche(const TSprechtag& tag)
{
    // Requests normally spell a teacher exactly as the list does; the exact look-up saves
    // case-folding every request, and the collection's own look-up does the rest. A
    // teacher's refusals are folded once into a set, so that a long list of refusals is
    // not walked for every request.
    QHash<const TLehrer*, QSet<QString>> ablehnungen;
    QHash<QString, const TLehrer*> genau;
    genau.reserve(tag.Lehrer.Anzahl());
    for (const auto& l : tag.Lehrer) {
        genau.insert(l.name, l.record.get());
        if (!l.record->Ablehnungen.isEmpty()) {
            QSet<QString>& menge = ablehnungen[l.record.get()];
            for (const QString& a : l.record->Ablehnungen)
                menge.insert(Namen::Schluessel(a));
        }
    }

    TWunschSummen s;
    for (const auto& e : tag.Eltern) {
        QString schluessel;
        for (const QString& w : e.record->Sprechwuensche) {
            ++s.Insgesamt;
            const auto it = genau.constFind(w);
            const TLehrer* l = it != genau.cend() ? *it : tag.Lehrer.Suche(w);
            const auto abl = l ? ablehnungen.constFind(l) : ablehnungen.cend();
            if (abl == ablehnungen.cend()) {
                ++s.NichtAbgelehnt;
                continue;
            }
            if (schluessel.isNull())
                schluessel = Namen::Schluessel(e.name);
            if (!abl->contains(schluessel))
                ++s.NichtAbgelehnt;
        }
    }
    return s;
}
