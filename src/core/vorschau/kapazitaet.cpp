#include "vorschau/kapazitaet.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/planregeln.h"
#include "model/namensindex.h"
#include "raster/tagesraster.h"

#include <vector>

TKapazitaet BerechneKapazitaet(const TSprechtag& tag)
{
    // Requests per teacher, each parent entry counting once per teacher, in one pass over
    // the parents.
    const qsizetype nL = tag.Lehrer.Anzahl();
    TNamensIndex lehrer(tag.Lehrer);
    std::vector<int> nachfrage(size_t(nL), 0);
    // The parent entry that counted a teacher last: a second request for the same teacher
    // (in another spelling) counts once.
    std::vector<qsizetype> zuletzt(size_t(nL), -1);
    for (qsizetype e = 0; e < tag.Eltern.Anzahl(); ++e) {
        for (const QString& w : tag.Eltern.Record(e).Sprechwuensche) {
            const int l = lehrer.Suche(w);
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
        if (Planregeln::IstUeberbucht(d, f)) {
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

QStringList EinladungenUeberKapazitaet(const TSprechtag& tag)
{
    if (!HatPrioritaeten(tag))
        return {};
    TNamensIndex lehrer(tag.Lehrer);
    std::vector<int> einladungen(size_t(tag.Lehrer.Anzahl()), 0);
    for (const auto& e : tag.Eltern)
        for (const QString& w : e.record->Einladungen)
            if (const int l = lehrer.Suche(w); l >= 0 && Prioritaet(*e.record, w) == TPrioritaet::Einladung)
                ++einladungen[size_t(l)];
    QStringList r;
    for (qsizetype l = 0; l < tag.Lehrer.Anzahl(); ++l) {
        const int n = einladungen[size_t(l)];
        const int f = Raster::FreieSlots(tag, tag.Lehrer.Record(l));
        if (n <= f)
            continue;
        const QString eingeladen = n == 1 ? QStringLiteral("1 Einladung") : QStringLiteral("%1 Einladungen").arg(n);
        const QString termine = f == 0   ? QStringLiteral("aber keinen Termin")
                                : f == 1 ? QStringLiteral("aber nur 1 Termin")
                                         : QStringLiteral("aber nur %1 Termine").arg(f);
        r.append(QStringLiteral("%1 hat %2, %3").arg(tag.Lehrer.Name(l), eingeladen, termine));
    }
    return r;
}
