#include "vorschau/kapazitaet.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/planregeln.h"
#include "model/namensindex.h"
#include "raster/tagesraster.h"

#include <set>
#include <vector>

namespace {

/// With joint talks on, the family each entry belongs to (the root of its sibling
/// group, read in both directions); without them every entry is its own.
std::vector<qsizetype> Familien(const TSprechtag& tag)
{
    const qsizetype nE = tag.Eltern.Anzahl();
    std::vector<qsizetype> vater(static_cast<size_t>(nE));
    for (qsizetype i = 0; i < nE; ++i)
        vater[size_t(i)] = i;
    if (!tag.GemeinsameGespraeche)
        return vater;
    auto wurzel = [&vater](qsizetype i) {
        while (vater[size_t(i)] != i)
            i = vater[size_t(i)] = vater[size_t(vater[size_t(i)])];
        return i;
    };
    TNamensIndex eltern(tag.Eltern);
    for (qsizetype e = 0; e < nE; ++e)
        for (const QString& g : tag.Eltern.Record(e).Geschwister)
            if (const int s = eltern.Suche(g); s >= 0)
                vater[size_t(wurzel(e))] = wurzel(s);
    for (qsizetype e = 0; e < nE; ++e)
        vater[size_t(e)] = wurzel(e);
    return vater;
}

} // namespace

std::vector<int> NachfrageJeLehrer(const TSprechtag& tag)
{
    // Requests per teacher, each parent entry counting once per teacher, in one pass over
    // the parents.
    const qsizetype nL = tag.Lehrer.Anzahl();
    TNamensIndex lehrer(tag.Lehrer);
    std::vector<int> nachfrage(size_t(nL), 0);
    // The parent entry that counted a teacher last: a second request for the same teacher
    // (in another spelling) counts once. With joint talks siblings share one slot, so the
    // family counts once.
    const std::vector<qsizetype> familie = Familien(tag);
    std::vector<qsizetype> zuletzt(size_t(nL), -1);
    std::set<std::pair<int, qsizetype>> gezaehlt; // (teacher, family) with joint talks
    for (qsizetype e = 0; e < tag.Eltern.Anzahl(); ++e) {
        for (const QString& w : tag.Eltern.Record(e).Sprechwuensche) {
            const int l = lehrer.Suche(w);
            if (l < 0 || zuletzt[size_t(l)] == e)
                continue;
            zuletzt[size_t(l)] = e;
            if (tag.GemeinsameGespraeche && !gezaehlt.emplace(l, familie[size_t(e)]).second)
                continue;
            ++nachfrage[size_t(l)];
        }
    }
    return nachfrage;
}

TKapazitaet BerechneKapazitaet(const TSprechtag& tag)
{
    const qsizetype nL = tag.Lehrer.Anzahl();
    const std::vector<int> nachfrage = NachfrageJeLehrer(tag);
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
