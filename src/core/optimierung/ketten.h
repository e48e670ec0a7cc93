#pragma once
// Augmenting chains for requests without a talk, as in bipartite matching with the
// family's rules on the side: the request takes a slot of its teacher, the talk that held
// it (or the family's talk beside it) moves to another slot of its own teacher, which may
// in turn push one talk further, across families and teachers, until the last one finds
// a free slot. Each slot of a teacher is entered at most once per search, so one search
// costs about as much as the slots it can reach; a node limit bounds it besides. The
// single moves stop at chains inside one teacher's column, and the exact regrouping at
// the few requests it gathers; tight attendance windows need longer chains than both.
//
// Counts only, never time: the same day gives the same plans everywhere. A chain is kept
// only when the objective's own comparison says the state is better.

#include "optimierung/zustand.h"

#include <functional>
#include <vector>

struct TKettenGrenzen {
    /// Talks a chain may move before the last one has to find a free slot.
    int Tiefe = 8;
    /// Slots entered in one search for one request.
    int Knoten = 20000;
    /// Other requests of a talk's teacher tried when that talk finds no new slot.
    int Ersatz = 8;
    /// Passes over all requests without a talk; a pass that gains nothing ends early.
    int Runden = 3;
};

class TKetten {
public:
    explicit TKetten(TOptimierZustand& z);

    /// Places request r (no talk) through a chain; on failure the state stays exactly as
    /// it was.
    bool Einfuegen(int r, const TKettenGrenzen& grenzen);

    /// Passes of Einfuegen over every request without a talk whose teacher has a free
    /// slot. `weiter` hears the request (of all) now and then; false stops, keeping what
    /// was gained. Returns the talks gained.
    int Verbessere(const TKettenGrenzen& grenzen, const std::function<bool(qint64, qint64)>& weiter);

private:
    bool platziere(int x, int tiefe);
    bool frei(int x);
    bool ersetze(int h, int tiefe);

    TOptimierZustand& m_z;
    /// Per teacher slot: the search that entered it last.
    std::vector<int> m_besucht;
    /// Per request: the search in whose chain it was moved last.
    std::vector<int> m_bewegt;
    int m_stempel = 0;
    int m_knoten = 0;
    int m_ersatz = 0;
};
