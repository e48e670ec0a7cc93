#include "optimierung/kennzahlen.h"

#include "bearbeiten/vorrang.h"

#include "model/namen.h"

#include <QHash>
#include <algorithm>
#include <numeric>

int Perzentil(const std::vector<int>& aufsteigend, int prozent)
{
    if (aufsteigend.empty())
        return 0;
    const size_t n = aufsteigend.size();
    const size_t rang = std::max<size_t>(1, (n * size_t(prozent) + 99) / 100);
    return aufsteigend[std::min(rang, n) - 1];
}

TPlanKennzahlen BerechnePlanKennzahlen(const TSprechtag& tag)
{
    TPlanKennzahlen k;
    const int nE = int(tag.Eltern.Anzahl());
    QHash<QString, int> elternIndex;
    for (int i = 0; i < nE; ++i)
        elternIndex.insert(Namen::Schluessel(tag.Eltern.Name(i)), i);

    // Sibling groups, read in both directions.
    std::vector<int> vater(static_cast<size_t>(nE));
    std::iota(vater.begin(), vater.end(), 0);
    auto wurzel = [&vater](int i) {
        while (vater[size_t(i)] != i)
            i = vater[size_t(i)] = vater[size_t(vater[size_t(i)])];
        return i;
    };
    for (int e = 0; e < nE; ++e)
        for (const QString& g : tag.Eltern.Record(e).Geschwister) {
            const int s = elternIndex.value(Namen::Schluessel(g), -1);
            if (s >= 0)
                vater[size_t(wurzel(e))] = wurzel(s);
        }

    const Zeit::Uhrzeit start = Zeit::Zerlege(tag.Vorgaben.SprechStart);
    const int startMinute = start.stunden * 60 + start.minuten;
    const int takt = std::max(1, int(tag.Vorgaben.SprechTakt));
    struct Spanne {
        int von = 0, bis = -1, anzahl = 0;
        /// With joint talks: the family's own lines (label and teacher) seen so far; the
        /// siblings' lines of one joint talk are one talk of the family.
        QStringList gesehen;
    };
    std::vector<Spanne> familie(static_cast<size_t>(nE));

    for (int e = 0; e < nE; ++e) {
        const TEltern& rec = tag.Eltern.Record(e);
        const QString& name = tag.Eltern.Name(e);
        bool zaehlt = false;
        for (const QString& w : rec.Sprechwuensche) {
            const TLehrer* l = tag.Lehrer.Suche(w);
            if (!l)
                continue;
            bool abgelehnt = false;
            for (const QString& a : l->Ablehnungen)
                abgelehnt = abgelehnt || Namen::Gleich(a, name);
            zaehlt = zaehlt || !abgelehnt;
        }
        int eigene = 0;
        for (const QString& zeile : rec.Zeitplan) {
            const QString partner = zeile.mid(11);
            if (!rec.Sprechwuensche.contains(partner))
                continue;
            ++eigene;
            if (rec.Einladungen.contains(partner))
                ++k.EinladungenErteilt;
            else if (rec.Vorrang.contains(partner))
                ++k.VorrangErteilt;
            const int minute = zeile.left(2).toInt() * 60 + zeile.mid(3, 2).toInt();
            const int slot = (minute - startMinute) / takt;
            Spanne& s = familie[size_t(wurzel(e))];
            if (tag.GemeinsameGespraeche) {
                const QString talk = Namen::Schluessel(zeile);
                if (s.gesehen.contains(talk))
                    continue;
                s.gesehen.append(talk);
            }
            s.von = s.anzahl == 0 ? slot : std::min(s.von, slot);
            s.bis = s.anzahl == 0 ? slot : std::max(s.bis, slot);
            ++s.anzahl;
        }
        k.Termine += eigene;
        for (const QString& w : rec.Sprechwuensche) {
            const TPrioritaet p = Prioritaet(rec, w);
            k.Einladungen += p == TPrioritaet::Einladung ? 1 : 0;
            k.Vorrang += p == TPrioritaet::Vorrang ? 1 : 0;
        }
        if (zaehlt && eigene == 0)
            ++k.OhneTermin;
    }

    std::vector<int> warten;
    for (const Spanne& s : familie) {
        if (s.anzahl < 2)
            continue;
        const int luecke = s.bis - s.von + 1 - s.anzahl;
        k.WarteSlots += luecke;
        warten.push_back(luecke * takt);
    }
    std::sort(warten.begin(), warten.end());
    k.FamilienMitWartezeit = int(warten.size());
    k.WarteMedian = Perzentil(warten, 50);
    k.WarteP90 = Perzentil(warten, 90);
    k.WarteMax = warten.empty() ? 0 : warten.back();
    return k;
}

QString EinladungenText(const TPlanKennzahlen& k)
{
    if (k.Einladungen == 0)
        return {};
    return QStringLiteral("Einladungen: %1 von %2 erteilt").arg(k.EinladungenErteilt).arg(k.Einladungen);
}

QString VorrangText(const TPlanKennzahlen& k)
{
    if (k.Vorrang == 0)
        return {};
    return QStringLiteral("Vorrang: %1 von %2 erteilt").arg(k.VorrangErteilt).arg(k.Vorrang);
}
