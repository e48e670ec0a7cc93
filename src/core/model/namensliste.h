#pragma once
// A collection of records keyed by name: kept in German alphabetical order, unique by
// name without regard to case, each entry owning its record. Positions shift on every
// insertion or removal, so other code keeps names, not positions.

#include "model/namen.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

template <class R>
class TNamensListe {
public:
    struct Eintrag {
        QString name;
        std::unique_ptr<R> record;
    };

    qsizetype Anzahl() const { return qsizetype(m_eintraege.size()); }
    bool IstLeer() const { return m_eintraege.empty(); }

    const QString& Name(qsizetype i) const { return m_eintraege.at(size_t(i)).name; }
    R& Record(qsizetype i) { return *m_eintraege.at(size_t(i)).record; }
    const R& Record(qsizetype i) const { return *m_eintraege.at(size_t(i)).record; }

    /// The record named `name` (ignoring case), or nullptr.
    R* Suche(const QString& name)
    {
        const auto it = m_index.constFind(Namen::Schluessel(name));
        return it == m_index.cend() ? nullptr : *it;
    }
    const R* Suche(const QString& name) const { return const_cast<TNamensListe*>(this)->Suche(name); }
    bool Enthaelt(const QString& name) const { return m_index.contains(Namen::Schluessel(name)); }

    /// Position of `name` (ignoring case), or -1.
    qsizetype IndexVon(const QString& name) const
    {
        if (!Enthaelt(name))
            return -1;
        return untereGrenze(name);
    }

    /// Inserts at the sorted position. Returns the position, or -1 when the name is
    /// already present (ignoring case); then nothing changes.
    qsizetype Einfuegen(const QString& name, std::unique_ptr<R> record = std::make_unique<R>())
    {
        const QString schluessel = Namen::Schluessel(name);
        if (m_index.contains(schluessel))
            return -1;
        const qsizetype pos = untereGrenze(name);
        m_index.insert(schluessel, record.get());
        m_eintraege.insert(m_eintraege.begin() + pos, Eintrag{name, std::move(record)});
        return pos;
    }

    /// Removes the entry at `i` and destroys its record.
    void Entfernen(qsizetype i)
    {
        m_index.remove(Namen::Schluessel(Name(i)));
        m_eintraege.erase(m_eintraege.begin() + i);
    }

    /// Takes the entry at `i` out of the collection, handing its record to the caller.
    std::unique_ptr<R> Herausnehmen(qsizetype i)
    {
        std::unique_ptr<R> r = std::move(m_eintraege.at(size_t(i)).record);
        Entfernen(i);
        return r;
    }

    void Leeren()
    {
        m_eintraege.clear();
        m_index.clear();
    }

    /// Every entry with a copy of its record.
    TNamensListe Kopie() const
    {
        TNamensListe k;
        k.m_eintraege.reserve(m_eintraege.size());
        std::vector<std::pair<const R*, R*>> neu;
        neu.reserve(m_eintraege.size());
        for (const auto& e : m_eintraege) {
            auto r = std::make_unique<R>(*e.record);
            neu.emplace_back(e.record.get(), r.get());
            k.m_eintraege.push_back(Eintrag{e.name, std::move(r)});
        }
        // The keys are taken over as they are, so that no name is case-folded again; only
        // the records they point at change.
        std::sort(neu.begin(), neu.end());
        k.m_index = m_index;
        for (auto it = k.m_index.begin(); it != k.m_index.end(); ++it)
            it.value() = std::lower_bound(neu.begin(), neu.end(), std::pair<const R*, R*>(it.value(), nullptr))->second;
        return k;
    }

    QStringList Namen() const
    {
        QStringList n;
        n.reserve(Anzahl());
        for (const auto& e : m_eintraege)
            n.append(e.name);
        return n;
    }

    auto begin() const { return m_eintraege.cbegin(); }
    auto end() const { return m_eintraege.cend(); }

private:
    // The history replays its steps by position, without comparing names again.
    template <class> friend struct TListenZugriff;

    qsizetype untereGrenze(const QString& name) const
    {
        // Names usually arrive in order (a loaded file, a sorted import): one comparison
        // with the last entry then replaces the binary search.
        if (!m_eintraege.empty() && Namen::Vergleiche(m_eintraege.back().name, name) < 0)
            return Anzahl();
        qsizetype lo = 0, hi = Anzahl();
        while (lo < hi) {
            const qsizetype mitte = (lo + hi) / 2;
            if (Namen::Vergleiche(m_eintraege[size_t(mitte)].name, name) < 0)
                lo = mitte + 1;
            else
                hi = mitte;
        }
        return lo;
    }

    std::vector<Eintrag> m_eintraege;
    QHash<QString, R*> m_index;
};
