#include "bearbeiten/elternsuche.h"

#include <QStringView>

#include <algorithm>

bool IstSuchTreffer(const QString& eintrag, const QString& suche)
{
    if (suche.isEmpty())
        return false;
    const QStringView e(eintrag);
    if (e.startsWith(suche, Qt::CaseInsensitive))
        return true;
    for (qsizetype i = e.indexOf(u' '); i >= 0; i = e.indexOf(u' ', i + 1))
        if (e.mid(i + 1).startsWith(suche, Qt::CaseInsensitive))
            return true;
    return false;
}

namespace {

template <class NameBei>
TSuchErgebnis Suche(qsizetype anzahl, NameBei name, const QString& suche, int treffer)
{
    TSuchErgebnis r;
    r.Treffer = std::max(treffer, 1);
    if (suche.isEmpty() || anzahl == 0)
        return r;
    qsizetype erster = -1;
    int gezaehlt = 0;
    for (qsizetype i = 0; i < anzahl; ++i) {
        if (!IstSuchTreffer(name(i), suche))
            continue;
        if (erster < 0)
            erster = i;
        if (++gezaehlt == r.Treffer) {
            r.Position = i;
            return r;
        }
    }
    if (erster >= 0) {
        r.Position = erster;
        r.Treffer = 1;
    }
    return r;
}

} // namespace

TSuchErgebnis ElternSuche(const QStringList& namen, const QString& suche, int treffer)
{
    return Suche(
        namen.size(), [&namen](qsizetype i) -> const QString& { return namen.at(i); }, suche, treffer);
}

TSuchErgebnis ElternSuche(const TSprechtag& tag, const QString& suche, int treffer)
{
    return Suche(
        tag.Eltern.Anzahl(), [&tag](qsizetype i) -> const QString& { return tag.Eltern.Name(i); }, suche,
        treffer);
}
