#pragma once
// Small seeded days (3-4 teachers, up to 12 entries) with attendance limits, siblings,
// refusals and own hours past the day's end, and an exhaustive search for the most talks
// such a day can hold. The search reads every rule anew from the records, in whole
// milliseconds, without the day grid or the optimiser's state, so that a fault there
// cannot hide in both.

#include "berechnung_hilfen.h"

#include "model/namen.h"
#include "model/sprechtag.h"

#include <QHash>
#include <algorithm>
#include <bitset>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <vector>

namespace KleineTage {

struct TArt {
    int lehrer = 3;
    int eltern = 10;
    /// Percent of entries joined to the entry before them as siblings.
    int geschwister = 30;
    /// Percent of entries with "nicht vor" and, independently, with "nicht nach".
    int fenster = 40;
    bool raumwechsel = true;
};

/// Fills an empty day from the seed: 15:00-16:00 in 10-minute slots, some teachers with
/// own hours (past 16:00 too), sometimes a break, 1-3 requests per entry.
inline void Erzeuge(TSprechtag& tag, const TArt& art, quint32 saat)
{
    using namespace BerechnungTest;
    std::mt19937 rng(saat);
    auto zahl = [&rng](int n) { return int(rng() % quint32(n)); };
    Rahmen(tag, 15, 0, 16, 0, 10);
    tag.SetRaumwechselPause(art.raumwechsel);
    tag.Zufall.SetSeed(saat);
    QStringList lehrer;
    for (int l = 0; l < art.lehrer; ++l) {
        const QString name = QStringLiteral("Lehrkraft %1 (R%1)").arg(l + 1);
        TLehrer& rec = Lehrer(tag, name);
        lehrer << name;
        switch (zahl(5)) {
        case 0: // own hours past the day's end
            rec.AbweichZeit = true;
            rec.StartZeit = Zeit::Kodiere(15, 10 * (1 + zahl(3)));
            rec.EndZeit = Zeit::Kodiere(16, 10 * (1 + zahl(4)));
            break;
        case 1: // leaves early
            rec.AbweichZeit = true;
            rec.StartZeit = Zeit::Kodiere(15, 0);
            rec.EndZeit = Zeit::Kodiere(15, 30 + 10 * zahl(2));
            break;
        default:
            break;
        }
    }
    if (zahl(6) == 0)
        Pause(tag, 15, 10 * (1 + zahl(4)), 10);
    QStringList namen, familie;
    for (int e = 0; e < art.eltern; ++e) {
        const QString name = QStringLiteral("%1a: Kind %2").arg(5 + e % 5).arg(QChar(u'A' + e));
        QStringList wuensche = lehrer;
        std::shuffle(wuensche.begin(), wuensche.end(), rng);
        wuensche = wuensche.mid(0, 1 + zahl(std::min(3, art.lehrer)));
        TEltern& rec = Eltern(tag, name, wuensche);
        if (zahl(100) < art.fenster) {
            rec.NichtVor = true;
            rec.NichtVorZeit = Zeit::Kodiere(15, 10 * (1 + zahl(4)));
        }
        if (zahl(100) < art.fenster) {
            rec.NichtNach = true;
            rec.NichtNachZeit = Zeit::Kodiere(15, 30 + 10 * zahl(6));
        }
        // Siblings form a clique, as the sibling editor keeps them.
        if (!namen.isEmpty() && zahl(100) < art.geschwister) {
            for (const QString& g : familie)
                Geschwister(tag, g, name);
        } else {
            familie.clear();
        }
        familie << name;
        if (zahl(10) == 0)
            tag.Lehrer.Suche(wuensche.front())->Ablehnungen.append(name);
        namen << name;
    }
}

/// The most talks the day can hold under the rules for new placements: every teacher
/// slot once, inside the teacher's hours and outside breaks; each member of a family
/// present at the talk and, with the room change, at both neighbouring slots (clamped to
/// the day); two talks of a family never at one slot, with the room change never side by
/// side, and never one at the day's last slot beside one beyond it.
///
/// `untergrenze`: talks a plan checked to keep these rules already holds; the search then
/// only looks for more, and returns at least this.
inline int Maximum(const TSprechtag& tag, int untergrenze = 0)
{
    auto ms = [](double t) { return std::llround(t * 86400000.0); };
    const qint64 start = ms(tag.Vorgaben.SprechStart);
    const qint64 takt = qint64(tag.Vorgaben.SprechTakt) * 60000;
    const qint64 startMin = (start + 30000) / 60000;
    const qint64 endeMin = (ms(tag.Vorgaben.SprechEnde) + 30000) / 60000;
    const int grenze = std::max<int>(0, int((endeMin - startMin) / tag.Vorgaben.SprechTakt));
    const bool rw = tag.Vorgaben.RaumwechselPause;
    // These days end long before slot 64.
    const int anzahlSlots = std::min(64, 24 * 60 / tag.Vorgaben.SprechTakt);
    auto beginn = [&](int k) { return start + k * takt; };
    auto pause = [&](int k) {
        for (const auto& p : tag.Pausen) {
            const qint64 s = ms(p->Start()), d = ms(p->Dauer());
            if (d > 1000 && beginn(k) >= s - 1000 && beginn(k) < s + d - 1000)
                return true;
        }
        return false;
    };
    auto lehrerKann = [&](const TLehrer& l, int k) {
        const qint64 von = ms(l.AbweichZeit ? l.StartZeit : tag.Vorgaben.SprechStart);
        const qint64 bis = ms(l.AbweichZeit ? l.EndZeit : tag.Vorgaben.SprechEnde);
        return beginn(k) + 1000 >= von && beginn(k) + takt - 1000 < bis && !pause(k);
    };
    auto da = [&](const TEltern& e, int k) {
        const qint64 t = beginn(k);
        return !(e.NichtVor && t < ms(e.NichtVorZeit)) && !(e.NichtNach && t >= ms(e.NichtNachZeit));
    };
    auto klemme = [&](int k) { return std::max(0, std::min(k, grenze)); };
    auto konflikt = [&](int a, int b) {
        if (a == b)
            return true;
        return rw && (std::abs(a - b) == 1 || (std::min(a, b) == grenze && std::max(a, b) > grenze));
    };

    const int nE = int(tag.Eltern.Anzahl());
    std::vector<int> familie(static_cast<size_t>(nE));
    std::iota(familie.begin(), familie.end(), 0);
    std::function<int(int)> wurzel = [&](int i) { return familie[size_t(i)] == i ? i : wurzel(familie[size_t(i)]); };
    for (int e = 0; e < nE; ++e)
        for (const QString& g : tag.Eltern.Record(e).Geschwister)
            if (const qsizetype s = tag.Eltern.IndexVon(g); s >= 0)
                familie[size_t(wurzel(e))] = wurzel(int(s));

    struct TAnfrage {
        int lehrer, familie;
        std::vector<int> orte;
    };
    std::vector<TAnfrage> anfragen;
    for (int e = 0; e < nE; ++e) {
        const TEltern& rec = tag.Eltern.Record(e);
        std::vector<int> gesehen;
        for (const QString& w : rec.Sprechwuensche) {
            const qsizetype l = tag.Lehrer.IndexVon(w);
            if (l < 0 || std::count(gesehen.begin(), gesehen.end(), int(l)))
                continue;
            const TLehrer& lr = tag.Lehrer.Record(l);
            bool abgelehnt = false;
            for (const QString& a : lr.Ablehnungen)
                abgelehnt = abgelehnt || Namen::Gleich(a, tag.Eltern.Name(e));
            if (abgelehnt)
                continue;
            gesehen.push_back(int(l));
            TAnfrage a{int(l), wurzel(e), {}};
            for (int k = 0; k < anzahlSlots; ++k) {
                bool ok = lehrerKann(lr, k);
                for (int m = 0; m < nE && ok; ++m)
                    if (wurzel(m) == wurzel(e)) {
                        const TEltern& mit = tag.Eltern.Record(m);
                        ok = da(mit, k) && (!rw || (da(mit, klemme(k - 1)) && da(mit, klemme(k + 1))));
                    }
                if (ok)
                    a.orte.push_back(k);
            }
            if (!a.orte.empty())
                anfragen.push_back(std::move(a));
        }
    }
    std::stable_sort(anfragen.begin(), anfragen.end(),
                     [](const TAnfrage& a, const TAnfrage& b) { return a.orte.size() < b.orte.size(); });

    // Depth first: place each request at each slot or leave it out. A branch ends when
    // even every remaining request placed, but each teacher (or each family) no more than
    // it has free slots that some remaining request of it may use, cannot beat the best
    // found.
    using TSlots = std::bitset<64>;
    const int nL = int(tag.Lehrer.Anzahl());
    std::vector<TSlots> belegt(static_cast<size_t>(nL));
    std::vector<std::vector<TSlots>> spaeter(anfragen.size() + 1, std::vector<TSlots>(static_cast<size_t>(nL)));
    std::vector<std::vector<int>> offen(anfragen.size() + 1, std::vector<int>(static_cast<size_t>(nL), 0));
    for (size_t i = anfragen.size(); i-- > 0;) {
        spaeter[i] = spaeter[i + 1];
        offen[i] = offen[i + 1];
        for (const int k : anfragen[i].orte)
            spaeter[i][size_t(anfragen[i].lehrer)].set(size_t(k));
        ++offen[i][size_t(anfragen[i].lehrer)];
    }
    std::vector<std::vector<TSlots>> famSpaeter(anfragen.size() + 1, std::vector<TSlots>(static_cast<size_t>(nE)));
    std::vector<std::vector<int>> famOffen(anfragen.size() + 1, std::vector<int>(static_cast<size_t>(nE), 0));
    for (size_t i = anfragen.size(); i-- > 0;) {
        famSpaeter[i] = famSpaeter[i + 1];
        famOffen[i] = famOffen[i + 1];
        for (const int k : anfragen[i].orte)
            famSpaeter[i][size_t(anfragen[i].familie)].set(size_t(k));
        ++famOffen[i][size_t(anfragen[i].familie)];
    }
    std::vector<TSlots> sperrt(static_cast<size_t>(anzahlSlots)); // slots a talk at k excludes
    for (int k = 0; k < anzahlSlots; ++k)
        for (int j = 0; j < anzahlSlots; ++j)
            sperrt[size_t(k)][size_t(j)] = konflikt(k, j);
    std::vector<TSlots> gesperrt(static_cast<size_t>(nE));
    // With the room change a family fits only every other slot of a run of free ones.
    auto nebeneinander = [&](TSlots frei) {
        if (!rw)
            return int(frei.count());
        int n = 0;
        for (int k = 0; k < anzahlSlots; ++k)
            if (frei[size_t(k)]) {
                ++n;
                ++k;
            }
        return n;
    };
    int bestes = untergrenze;
    std::function<void(size_t, int)> suche = [&](size_t i, int gesetzt) {
        bestes = std::max(bestes, gesetzt);
        if (i == anfragen.size())
            return;
        int schranke = gesetzt;
        for (int l = 0; l < nL; ++l)
            schranke += std::min<int>(offen[i][size_t(l)], int((spaeter[i][size_t(l)] & ~belegt[size_t(l)]).count()));
        if (schranke <= bestes)
            return;
        int familienSchranke = gesetzt;
        for (int f = 0; f < nE && familienSchranke <= bestes; ++f)
            if (famOffen[i][size_t(f)] > 0)
                familienSchranke += std::min(famOffen[i][size_t(f)],
                                             nebeneinander(famSpaeter[i][size_t(f)] & ~gesperrt[size_t(f)]));
        if (familienSchranke <= bestes)
            return;
        const TAnfrage& a = anfragen[i];
        TSlots& sperre = gesperrt[size_t(a.familie)];
        for (const int k : a.orte) {
            if (belegt[size_t(a.lehrer)].test(size_t(k)) || sperre.test(size_t(k)))
                continue;
            const TSlots vorher = sperre;
            belegt[size_t(a.lehrer)].set(size_t(k));
            sperre |= sperrt[size_t(k)];
            suche(i + 1, gesetzt + 1);
            sperre = vorher;
            belegt[size_t(a.lehrer)].reset(size_t(k));
        }
        suche(i + 1, gesetzt);
    };
    suche(0, 0);
    return bestes;
}

} // namespace KleineTage
