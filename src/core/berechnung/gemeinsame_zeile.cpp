#include "berechnung/gemeinsame_zeile.h"

#include "berechnung/planregeln.h"

#include <algorithm>

std::vector<int> ZeilenPartner(const TSprechtag& tag, TNamensIndex& eltern, const QString& rest)
{
    if (const int e = eltern.Suche(rest); e >= 0)
        return {e};
    const QStringList teile = rest.split(QString::fromUtf16(Planregeln::GemeinsamTrenner));
    if (teile.size() < 2)
        return {};
    std::vector<int> namen;
    for (const QString& t : teile) {
        const int e = eltern.Suche(t);
        if (e < 0 || std::find(namen.begin(), namen.end(), e) != namen.end())
            return {};
        namen.push_back(e);
    }
    // One family: every piece reachable from the first through sibling links, read in
    // both directions as the families are everywhere else.
    std::vector<int> familie{namen.front()};
    for (size_t i = 0; i < familie.size(); ++i) {
        const QString name = tag.Eltern.Name(familie[i]);
        for (const QString& g : tag.Eltern.Record(familie[i]).Geschwister) {
            const int s = eltern.Suche(g);
            if (s >= 0 && std::find(familie.begin(), familie.end(), s) == familie.end())
                familie.push_back(s);
        }
        for (qsizetype s = 0; s < tag.Eltern.Anzahl(); ++s)
            if (std::find(familie.begin(), familie.end(), int(s)) == familie.end()
                && tag.Eltern.Record(s).Geschwister.Enthaelt(name))
                familie.push_back(int(s));
    }
    for (const int e : namen)
        if (std::find(familie.begin(), familie.end(), e) == familie.end())
            return {};
    return namen;
}

std::vector<int> ZeilenPartner(const TSprechtag& tag, const QString& rest)
{
    TNamensIndex index(tag.Eltern);
    return ZeilenPartner(tag, index, rest);
}
