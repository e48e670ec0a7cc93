#pragma once
// The program's one pseudo-random generator. Timetables must come out the same in every
// run of the same day, so the seed starts at 0 and is never taken from the clock.

#include <QtGlobal>

class TZufall {
public:
    /// A number in 0..n-1: seed := seed * 134775813 + 1 (mod 2^32), result the upper
    /// 32 bits of seed * n.
    quint32 ZufallsZahl(quint32 n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return quint32((quint64(m_seed) * quint64(n)) >> 32);
    }

    quint32 Seed() const { return m_seed; }
    void SetSeed(quint32 seed) { m_seed = seed; }

private:
    quint32 m_seed = 0;
};
