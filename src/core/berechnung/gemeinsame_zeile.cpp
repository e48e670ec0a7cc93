#include "berechnung/gemeinsame_zeile.h"

#include "berechnung/planregeln.h"

#include <algorithm>

namespace {

/// Every piece reachable from the first through sibling links, read in both directions as
/// the families are everywhere else.
bool EineFamilie(const TSprechtag& tag, TNamensIndex& eltern, const std::vector<int>& namen)
{
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
            return false;
    return true;
}

/// Splits teile[ab..] into names of entries; a name may itself contain the separator, so
/// every way of joining neighbouring pieces is tried, shortest names first.
bool Zerlege(TNamensIndex& eltern, const QStringList& teile, qsizetype ab, std::vector<int>& namen)
{
    if (ab == teile.size())
        return true;
    QString name;
    for (qsizetype bis = ab; bis < teile.size(); ++bis) {
        name += (bis > ab ? QString::fromUtf16(Planregeln::GemeinsamTrenner) : QString()) + teile.at(bis);
        const int e = eltern.Suche(name);
        if (e < 0 || std::find(namen.begin(), namen.end(), e) != namen.end())
            continue;
        namen.push_back(e);
        if (Zerlege(eltern, teile, bis + 1, namen))
            return true;
        namen.pop_back();
    }
    return false;
}

} // namespace

std::vector<int> ZeilenPartner(const TSprechtag& tag, TNamensIndex& eltern, const QString& rest)
{
    if (const int e = eltern.Suche(rest); e >= 0)
        return {e};
    const QStringList teile = rest.split(QString::fromUtf16(Planregeln::GemeinsamTrenner));
    // A text of many separators is no joint line of a school's families; the bound keeps
    // the joining of pieces small.
    if (teile.size() < 2 || teile.size() > 16)
        return {};
    std::vector<int> namen;
    if (!Zerlege(eltern, teile, 0, namen) || namen.size() < 2 || !EineFamilie(tag, eltern, namen))
        return {};
    return namen;
}

std::vector<int> ZeilenPartner(const TSprechtag& tag, const QString& rest)
{
    TNamensIndex index(tag.Eltern);
    return ZeilenPartner(tag, index, rest);
}
