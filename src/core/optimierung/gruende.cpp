#include "optimierung/gruende.h"

#include "bearbeiten/vorrang.h"
#include "model/namen.h"
#include "optimierung/plaene.h"
#include "optimierung/zustand.h"

#include <QStringBuilder>

QStringList ErklaereNichtErfuellte(const TSprechtag& tag)
{
    TOptimierZustand z(tag);
    LiesPlaene(tag, z);
    QStringList einladungen, vorrang, zeilen;
    for (qsizetype e = 0; e < tag.Eltern.Anzahl(); ++e) {
        const QString& name = tag.Eltern.Name(e);
        const TEltern& rec = tag.Eltern.Record(e);
        for (const QString& wunsch : rec.Sprechwuensche) {
            const qsizetype l = tag.Lehrer.IndexVon(wunsch);
            if (l < 0)
                continue;
            int r = -1;
            for (const int w : z.WuenscheVonEltern(int(e)))
                if (z.W(w).lehrer == int(l))
                    r = w;
            for (const int w : z.GemeinsamMit(int(e)))
                if (z.W(w).lehrer == int(l))
                    r = w;
            QString grund;
            if (r < 0) {
                grund = QStringLiteral("von der Lehrkraft abgelehnt");
            } else if (z.Slot(r) >= 0) {
                continue;
            } else if (z.Kapazitaet(int(l)) == 0) {
                grund = QStringLiteral("die Lehrkraft hat keinen freien Termin in ihrer Sprechzeit");
            } else if (z.FreieSlots(int(l)) == 0) {
                grund = QStringLiteral("die Lehrkraft ist ausgebucht");
            } else {
                grund = QStringLiteral("kein freier Termin der Lehrkraft passt zu den Zeiten und übrigen Terminen "
                                       "der Familie");
            }
            switch (Prioritaet(rec, wunsch)) {
            case TPrioritaet::Einladung:
                einladungen.append(wunsch % u"  --  " % name % u" (Einladung): " % grund);
                break;
            case TPrioritaet::Vorrang:
                vorrang.append(wunsch % u"  --  " % name % u" (Vorrang): " % grund);
                break;
            case TPrioritaet::Normal:
                zeilen.append(wunsch % u"  --  " % name % u": " % grund);
                break;
            }
        }
    }
    // The requests that matter most come first: a teacher's unmet invitation, then the
    // parents' own most important requests.
    Namen::SortiereStabil(einladungen);
    Namen::SortiereStabil(vorrang);
    Namen::SortiereStabil(zeilen);
    return einladungen + vorrang + zeilen;
}
