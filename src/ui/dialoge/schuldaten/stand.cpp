#include "dialoge/schuldaten/stand.h"

#include "dialoge/schuldaten/arbeit.h"

using namespace Schuldaten;

QString TSchuldatenStand::Lies(qsizetype i)
{
    while (Gelesen.size() < Quellen.size())
        Gelesen.append(TGeleseneQuelle{});
    Gelesen[i] = LiesQuelle(i);
    return Gelesen[i].Fehler;
}

TGeleseneQuelle TSchuldatenStand::LiesQuelle(qsizetype i, const TLauf* lauf) const
{
    const TQuelle& q = Quellen[i];
    TGeleseneQuelle g = LeseQuelle(q, lauf);
    if (g.ok() && !q.Zuordnung) {
        const QString gemerkt = GemerkteSpalten.value(q.Art);
        if (!gemerkt.isEmpty())
            if (const auto z = ZuordnungAusText(gemerkt, g.KopfFelder, g.Spalten, g.Zuordnung))
                g.Zuordnung = *z;
    }
    return g;
}

bool TSchuldatenStand::LiesImHintergrund(qsizetype i, QWidget* fenster)
{
    if (!Arbeit) {
        Lies(i);
        return true;
    }
    TGeleseneQuelle g;
    if (!Arbeit->Fuehre(fenster, QStringLiteral("Die Datei wird neu gelesen …"),
                        [&](TLauf& lauf) { g = LiesQuelle(i, &lauf); }))
        return false;
    while (Gelesen.size() < Quellen.size())
        Gelesen.append(TGeleseneQuelle{});
    Gelesen[i] = g;
    return true;
}
