#pragma once
// What one step did to a collection of records, as positions: the entries it took out
// (with their position in the list before) and the entries it put in (with their position
// in the list after). Every entry that is in neither stays, and stays in the same order,
// because a collection is sorted by name. So a step is undone and redone by one pass over
// the list that moves the untouched entries and copies in the few stored ones, without
// comparing a single name; an untouched record keeps its address.
//
// The history keeps a picture of the collection as the last step left it (TListenStand),
// whose records are shared with the steps: a record that no step changed is held once.

#include "model/namen.h"
#include "model/namensliste.h"

#include <QHash>
#include <memory>
#include <vector>

template <class R>
struct TStandEintrag {
    QString name;
    std::shared_ptr<const R> record;
};

template <class R>
using TListenStand = std::vector<TStandEintrag<R>>;

template <class R>
struct TListenStelle {
    qsizetype pos = 0;
    QString name;
    /// The collection's key, so that its index needs no case folding when replaying.
    QString schluessel;
    std::shared_ptr<const R> record;
};

template <class R>
struct TListenAenderung {
    /// Entries removed or changed, ascending positions in the list before the step.
    std::vector<TListenStelle<R>> vorher;
    /// Entries added or changed, ascending positions in the list after the step.
    std::vector<TListenStelle<R>> nachher;

    bool leer() const { return vorher.empty() && nachher.empty(); }
};

/// The one way into a collection's entries and index, for the history only.
template <class R>
struct TListenZugriff {
    using Liste = TNamensListe<R>;
    using Eintrag = typename Liste::Eintrag;

    static const std::vector<Eintrag>& Eintraege(const Liste& l) { return l.m_eintraege; }
    static std::vector<Eintrag>& Eintraege(Liste& l) { return l.m_eintraege; }
    static QHash<QString, R*>& Index(Liste& l) { return l.m_index; }
};

namespace Verlauf {

/// The picture of a whole collection; records shared with no one yet.
template <class R>
TListenStand<R> StandVon(const TNamensListe<R>& liste)
{
    TListenStand<R> s;
    s.reserve(size_t(liste.Anzahl()));
    for (const auto& e : liste)
        s.push_back({e.name, std::make_shared<const R>(*e.record)});
    return s;
}

/// Compares the picture with the collection as it is now, returns the difference and
/// brings the picture up to date (only the changed entries are copied).
template <class R>
TListenAenderung<R> Vergleiche(TListenStand<R>& stand, const TNamensListe<R>& liste)
{
    TListenAenderung<R> a;
    const auto& jetzt = TListenZugriff<R>::Eintraege(liste);
    const qsizetype n = qsizetype(jetzt.size());
    const qsizetype m = qsizetype(stand.size());
    auto gleich = [&](qsizetype i, qsizetype j) {
        const auto& e = jetzt[size_t(i)];
        const auto& s = stand[size_t(j)];
        return e.name == s.name && *e.record == *s.record;
    };
    // Most steps touch a few entries: whatever agrees at both ends is not looked at again.
    qsizetype anfang = 0;
    while (anfang < n && anfang < m && gleich(anfang, anfang))
        ++anfang;
    qsizetype ende = 0;
    while (ende < n - anfang && ende < m - anfang && gleich(n - 1 - ende, m - 1 - ende))
        ++ende;
    const qsizetype nMitte = n - anfang - ende;
    const qsizetype mMitte = m - anfang - ende;
    if (nMitte == 0 && mMitte == 0)
        return a;

    auto nachherStelle = [&](qsizetype i) {
        const auto& e = jetzt[size_t(i)];
        a.nachher.push_back({i, e.name, Namen::Schluessel(e.name), std::make_shared<const R>(*e.record)});
    };
    auto vorherStelle = [&](qsizetype j) {
        const auto& s = stand[size_t(j)];
        a.vorher.push_back({j, s.name, Namen::Schluessel(s.name), s.record});
    };

    // The same names in the same places (a computation, a plan edit): pair them up.
    bool gleicheNamen = nMitte == mMitte;
    for (qsizetype k = 0; gleicheNamen && k < nMitte; ++k)
        gleicheNamen = jetzt[size_t(anfang + k)].name == stand[size_t(anfang + k)].name;
    std::vector<char> bleibtStand(size_t(mMitte), 0);
    if (gleicheNamen) {
        for (qsizetype k = 0; k < nMitte; ++k)
            if (gleich(anfang + k, anfang + k))
                bleibtStand[size_t(k)] = 1;
        for (qsizetype k = 0; k < mMitte; ++k)
            if (!bleibtStand[size_t(k)])
                vorherStelle(anfang + k);
        for (qsizetype k = 0; k < nMitte; ++k)
            if (!bleibtStand[size_t(k)])
                nachherStelle(anfang + k);
    } else {
        // Names added, removed or renamed: match the middle by exact name.
        QHash<QString, qsizetype> imStand;
        imStand.reserve(mMitte);
        for (qsizetype j = anfang; j < m - ende; ++j)
            imStand.insert(stand[size_t(j)].name, j);
        std::vector<char> bleibtJetzt(size_t(nMitte), 0);
        for (qsizetype i = anfang; i < n - ende; ++i) {
            const auto it = imStand.constFind(jetzt[size_t(i)].name);
            if (it != imStand.cend() && gleich(i, *it)) {
                bleibtJetzt[size_t(i - anfang)] = 1;
                bleibtStand[size_t(*it - anfang)] = 1;
            }
        }
        for (qsizetype k = 0; k < mMitte; ++k)
            if (!bleibtStand[size_t(k)])
                vorherStelle(anfang + k);
        for (qsizetype k = 0; k < nMitte; ++k)
            if (!bleibtJetzt[size_t(k)])
                nachherStelle(anfang + k);
    }

    // The picture takes the new entries; the rest of it is moved, not copied.
    TListenStand<R> neu;
    neu.reserve(size_t(n));
    size_t w = 0, h = 0;
    qsizetype alt = 0;
    for (qsizetype p = 0; p < n; ++p) {
        if (h < a.nachher.size() && a.nachher[h].pos == p) {
            neu.push_back({a.nachher[h].name, a.nachher[h].record});
            ++h;
            continue;
        }
        while (w < a.vorher.size() && a.vorher[w].pos == alt) {
            ++w;
            ++alt;
        }
        neu.push_back(std::move(stand[size_t(alt)]));
        ++alt;
    }
    stand = std::move(neu);
    return a;
}

/// Replays one side of a step: takes out the entries `weg` (positions in the list as it
/// is) and puts in the entries `hin` (positions in the list that results), in the
/// collection and in the picture alike.
template <class R>
void Spiele(TNamensListe<R>& liste, TListenStand<R>& stand, const std::vector<TListenStelle<R>>& weg,
            const std::vector<TListenStelle<R>>& hin)
{
    auto& eintraege = TListenZugriff<R>::Eintraege(liste);
    auto& index = TListenZugriff<R>::Index(liste);
    const qsizetype n = qsizetype(eintraege.size()) - qsizetype(weg.size()) + qsizetype(hin.size());
    for (const auto& s : weg)
        index.remove(s.schluessel);

    std::vector<typename TListenZugriff<R>::Eintrag> neu;
    neu.reserve(size_t(n));
    TListenStand<R> neuerStand;
    neuerStand.reserve(size_t(n));
    size_t w = 0, h = 0;
    qsizetype alt = 0;
    for (qsizetype p = 0; p < n; ++p) {
        if (h < hin.size() && hin[h].pos == p) {
            auto r = std::make_unique<R>(*hin[h].record);
            index.insert(hin[h].schluessel, r.get());
            neu.push_back({hin[h].name, std::move(r)});
            neuerStand.push_back({hin[h].name, hin[h].record});
            ++h;
            continue;
        }
        while (w < weg.size() && weg[w].pos == alt) {
            ++w;
            ++alt;
        }
        neu.push_back(std::move(eintraege[size_t(alt)]));
        neuerStand.push_back(std::move(stand[size_t(alt)]));
        ++alt;
    }
    eintraege = std::move(neu);
    stand = std::move(neuerStand);
}

} // namespace Verlauf
