#include "bearbeiten/ablehnungen.h"

#include "bearbeiten/listen_helfer.h"
#include "model/namen.h"
#include "raster/tagesraster.h"

#include <algorithm>

TAblehnListe AblehnListe(const TSprechtag& tag, const QString& lehrer, bool nurGespraechssuchende)
{
    TAblehnListe r;
    if (const qsizetype li = tag.Lehrer.IndexVon(lehrer); li >= 0) {
        const QString& t = tag.Lehrer.Name(li);
        for (const auto& e : tag.Eltern) {
            const QStringList& w = e.record->Sprechwuensche;
            if (std::any_of(w.begin(), w.end(), [&t](const QString& s) { return Namen::Gleich(s, t); })) {
                r.Eintraege.append(e.name);
                ++r.AnzWuensche;
            }
        }
        r.MitZaehlern = true;
        r.MoeglicheTermine = Raster::FreieSlots(tag, tag.Lehrer.Record(li));
        r.Ueberbucht = r.MoeglicheTermine < r.AnzWuensche;
    }
    if (!nurGespraechssuchende)
        r.Eintraege = tag.Eltern.Namen();
    return r;
}

TListenAuswahl AblehnAuswahl(const TSprechtag& tag, const QString& lehrer, const QStringList& eintraege)
{
    const TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l)
        return {};
    return AuswahlInListe(eintraege, l->Ablehnungen);
}

bool AblehnungenSpeichern(TSprechtag& tag, const QString& lehrer, const QStringList& eltern)
{
    TLehrer* l = tag.Lehrer.Suche(lehrer);
    if (!l || !Listen::Ersetze(l->Ablehnungen, Listen::OhneDoppelte(eltern)))
        return false;
    tag.Geaendert(QStringLiteral("Ablehnungen von „%1“ ändern").arg(lehrer));
    return true;
}
