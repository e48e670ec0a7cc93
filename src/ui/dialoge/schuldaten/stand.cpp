#include "dialoge/schuldaten/stand.h"

using namespace Schuldaten;

QString TSchuldatenStand::Lies(qsizetype i)
{
    while (Gelesen.size() < Quellen.size())
        Gelesen.append(TGeleseneQuelle{});
    const TQuelle& q = Quellen[i];
    TGeleseneQuelle g = LeseQuelle(q);
    if (g.ok() && !q.Zuordnung) {
        const QString gemerkt = GemerkteSpalten.value(q.Art);
        if (!gemerkt.isEmpty())
            if (const auto z = ZuordnungAusText(gemerkt, g.KopfFelder, g.Spalten, g.Zuordnung))
                g.Zuordnung = *z;
    }
    Gelesen[i] = g;
    return g.Fehler;
}
