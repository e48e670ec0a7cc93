#include "vorschau/kapazitaet.h"

#include "model/namen.h"
#include "raster/tagesraster.h"

#include <QHash>
#include <QSet>

TKapazitaet BerechneKapazitaet(const TSprechtag& tag)
{
    // Requests per teacher, each parent entry counting once per teacher, in one pass
    // instead of one pass over all parents per teacher.
    QHash<QString, int> nachfrage;
    for (const auto& e : tag.Eltern) {
        QSet<QString> gezaehlt;
        for (const QString& w : e.record->Sprechwuensche) {
            const QString schluessel = Namen::Schluessel(w);
            if (!gezaehlt.contains(schluessel)) {
                gezaehlt.insert(schluessel);
                ++nachfrage[schluessel];
            }
        }
    }

    TKapazitaet k;
    for (const auto& l : tag.Lehrer) {
        const int d = nachfrage.value(Namen::Schluessel(l.name), 0);
        const int f = Raster::FreieSlots(tag, *l.record);
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
