#include "berechnung/wunschsummen.h"

#include "model/namen.h"

TWunschSummen ZaehleWuensche(const TSprechtag& tag)
{
    TWunschSummen s;
    for (const auto& e : tag.Eltern) {
        for (const QString& w : e.record->Sprechwuensche) {
            ++s.Insgesamt;
            const TLehrer* l = tag.Lehrer.Suche(w);
            bool abgelehnt = false;
            if (l) {
                for (const QString& a : l->Ablehnungen)
                    if (Namen::Gleich(a, e.name)) {
                        abgelehnt = true;
                        break;
                    }
            }
            if (!abgelehnt)
                ++s.NichtAbgelehnt;
        }
    }
    return s;
}
