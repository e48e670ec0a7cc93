#pragma once
// Positions of a name list for many look-ups in a row (a computation, a count over every
// request). Requests and sibling marks normally spell a name exactly as the list does, so
// the exact text is looked up first; only a name in another letter case pays for the
// case folding, and the folded table is built on the first such name.

#include "model/namensliste.h"

#include <QHash>
#include <QStringList>

class TNamensIndex {
public:
    template <class R>
    explicit TNamensIndex(const TNamensListe<R>& liste)
        : m_namen(liste.Namen())
    {
        m_genau.reserve(m_namen.size());
        for (qsizetype i = 0; i < m_namen.size(); ++i)
            m_genau.insert(m_namen.at(i), int(i));
    }

    /// The position of `name` in the list (ignoring case), or -1.
    int Suche(const QString& name)
    {
        const auto it = m_genau.constFind(name);
        if (it != m_genau.cend())
            return *it;
        if (m_gefaltet.isEmpty()) {
            m_gefaltet.reserve(m_namen.size());
            for (qsizetype i = 0; i < m_namen.size(); ++i)
                m_gefaltet.insert(Namen::Schluessel(m_namen.at(i)), int(i));
        }
        return m_gefaltet.value(Namen::Schluessel(name), -1);
    }

private:
    QStringList m_namen;
    QHash<QString, int> m_genau;
    QHash<QString, int> m_gefaltet;
};
