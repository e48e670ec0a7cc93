#include "vorschau/kapazitaet.h"

#include "model/namen.h"
#include "raster/tagesraster.h"

#include <QHash>

#include <vector>

TKapazitaet BerechneKapazitaet(const TSprechtag& tag)
{
    // Requests per teacher, each parent entry counting once per teacher, in one pass over
    // the parents. Requests normally spell a teacher exactly as the list does; the exact
    // look-up saves case-folding every request, the collection's own look-up does the rest.
    const qsizetype nL = tag.Lehrer.Anzahl();
    QHash<QString, qsizetype> genau;
    genau.reserve(nL);
    for (qsizetype l = 0; l < nL; ++l)
        genau.insert(tag.Lehrer.Name(l), l);
    std::vector<int> nachfrage(size_t(nL), 0);
    // The parent entry that counted a teacher last: a second request for the same teacher
    // (in another spelling) counts once.
    std::vector<qsizetype> zuletzt(size_t(nL), -1);
    for (qsizetype e = 0; e < tag.Eltern.Anzahl(); ++e) {
        for (const QString& w : tag.Eltern.Record(e).Sprechwuensche) {
            const auto it = genau.constFind(w);
            const qsizetype l = it != genau.cend() ? *it : tag.Lehrer.IndexVon(w);
            if (l < 0 || zuletzt[size_t(l)] == e)
                continue;
            zuletzt[size_t(l)] = e;
            ++nachfrage[size_t(l)];
        }
    }

    TKapazitaet k;
    for (qsizetype l = 0; l < nL; ++l) {
        const int d = nachfrage[size_t(l)];
        const int f = Raster::FreieSlots(tag, tag.Lehrer.Record(l));
        if (f < d) {
            k.Unerfuellbar += d - f;
            k.Betroffene += 1;
        }
    }
    k.Wuensche = tag.AnzSprechwuensche();
    return k;
}

QString KapazitaetProzentText(int unerfuellbar, int wuensche)
{
    if (wuensche <= 0)
        return QStringLiteral("0%");
    // Exact rational arithmetic, so that a share of exactly x.5 % is recognised as a half.
    const qint64 zaehler = qint64(unerfuellbar) * 100;
    qint64 prozent = zaehler / wuensche;
    const qint64 rest2 = 2 * (zaehler % wuensche);
    if (rest2 > wuensche || (rest2 == wuensche && prozent % 2 != 0))
        ++prozent;
    return QString::number(prozent) + QStringLiteral("%");
}

QString KapazitaetUnerfuellbarText(int unerfuellbar, int wuensche)
{
    return QStringLiteral("der Sprechwünsche nicht erfüllbar (%1 von %2).").arg(unerfuellbar).arg(wuensche);
}

QString KapazitaetBetroffeneText(int betroffene)
{
    return betroffene == 1 ? QStringLiteral("Lehrer ist betroffen.") : QStringLiteral("Lehrer sind betroffen.");
}
