#include "optimierung/plaene.h"

#include "model/namen.h"
#include "raster/tagesraster.h"

#include <QHash>
#include <QStringBuilder>

QStringList PlanPraefixe(const TSprechtag& tag, int n)
{
    QStringList p;
    p.reserve(n);
    double z = tag.Vorgaben.SprechStart;
    for (int k = 0; k < n; ++k) {
        p.append(Zeit::ZeitPraefix(z));
        z += tag.Vorgaben.Takt();
    }
    return p;
}

int LiesPlaene(const TSprechtag& tag, TOptimierZustand& z)
{
    const QStringList praefix = PlanPraefixe(tag, z.AnzSlots());
    QHash<QString, int> slotVon;
    for (int k = praefix.size() - 1; k >= 0; --k)
        slotVon.insert(praefix.at(k), k);
    QHash<QString, int> elternIndex;
    for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i)
        elternIndex.insert(Namen::Schluessel(tag.Eltern.Name(i)), int(i));

    int verworfen = 0;
    for (int l = 0; l < z.AnzLehrer(); ++l) {
        for (const QString& zeile : tag.Lehrer.Record(l).Zeitplan) {
            if (zeile.size() <= 11)
                continue;
            const int k = slotVon.value(zeile.left(11), -1);
            const int e = elternIndex.value(Namen::Schluessel(zeile.mid(11)), -1);
            int r = -1;
            if (e >= 0)
                for (const int w : z.WuenscheVonEltern(e))
                    if (z.W(w).lehrer == l)
                        r = w;
            const bool beideSeiten =
                r >= 0 && tag.Eltern.Record(e).Zeitplan.Enthaelt(zeile.left(11) + z.W(r).text);
            if (beideSeiten && z.KannSetzen(r, k))
                z.Setze(r, k);
            else
                ++verworfen;
        }
    }
    z.Festschreiben();
    return verworfen;
}

void SchreibePlaene(TSprechtag& tag, const TOptimierZustand& z)
{
    const QStringList praefix = PlanPraefixe(tag, z.AnzSlots());
    for (int l = 0; l < z.AnzLehrer(); ++l) {
        TLehrer& rec = tag.Lehrer.Record(l);
        const int erster = Raster::ErsterSlot(tag, rec);
        const int letzter = std::min(Raster::LetzterSlot(tag, rec), z.AnzSlots() - 1);
        QStringList plan;
        for (int k = 0; k <= letzter; ++k) {
            const int r = z.Belegt(l, k);
            if (r >= 0)
                plan.append(praefix.at(k) % tag.Eltern.Name(z.W(r).eltern));
            else if (tag.FreieTermineAnzeigen && k >= erster)
                plan.append(praefix.at(k));
        }
        rec.Zeitplan = std::move(plan);
    }

    QHash<QString, int> elternIndex;
    for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i) {
        elternIndex.insert(Namen::Schluessel(tag.Eltern.Name(i)), int(i));
        tag.Eltern.Record(i).Zeitplan.Leeren();
    }
    for (int e = 0; e < z.AnzEltern(); ++e) {
        TEltern& rec = tag.Eltern.Record(e);
        for (const int r : z.WuenscheVonEltern(e)) {
            const int k = z.Slot(r);
            if (k < 0)
                continue;
            const QString& text = z.W(r).text;
            rec.Zeitplan.Hinzufuegen(praefix.at(k) % text);
            const QString marke = praefix.at(k) % u"[ " % text % u" ]";
            for (const QString& g : rec.Geschwister) {
                const int s = elternIndex.value(Namen::Schluessel(g), -1);
                if (s >= 0)
                    tag.Eltern.Record(s).Zeitplan.Hinzufuegen(marke);
            }
        }
    }
}
