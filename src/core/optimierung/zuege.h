#pragma once
// The moves of the optimisation on a TOptimierZustand. Each move either succeeds and
// leaves the state changed, or fails and leaves it exactly as it was (it undoes its own
// changes through the state's record). Re-planning after a teacher drops out can use the
// same moves: take the teacher's talks out, then Auffuellen.

#include "optimierung/zustand.h"

#include <vector>

class TZuege {
public:
    explicit TZuege(TOptimierZustand& z);

    /// Places request r (no talk yet) at a slot in lo..hi: a free slot of its teacher
    /// with the family's shortest waiting, or else by moving other families' talks along
    /// the teacher's column until a free slot is reached (shortest chain first).
    bool Einfuegen(int r, int lo = 0, int hi = -1);

    /// Places r by lifting the one or two talks of its own family that block a free slot
    /// of its teacher and placing them again elsewhere.
    bool Reparieren(int r);

    /// Places r by giving up one talk of its own family, if the slot that frees at that
    /// talk's teacher then takes a waiting request of another entry: one talk more.
    bool Tauschen(int r);

    /// Repeats Einfuegen, Reparieren and Tauschen over every waiting request whose
    /// teacher has a free slot, while that gains talks. Returns the talks gained.
    int Auffuellen();

    /// Moves the family's first or last talk (`ersten`) so that its span shrinks, if
    /// possible by moving talks of other families in the same teacher's column.
    bool SpanneVerkuerzen(int familie, bool ersten);

    /// Places the family's talks anew into the shortest window a small search finds.
    /// Succeeds only if the family waits less afterwards.
    bool FamilieNeuPlanen(int familie, int maxKnoten = 4000);

    /// Places the family's talks into a window two slots shorter than its span, moving
    /// other families' talks along the teachers' columns where needed; `fenster` windows
    /// are tried. Succeeds only if the family waits less afterwards.
    bool FamilieVerdichten(int familie, int fenster = 3);

    /// Gives the slot of a talk of an entry with two or more talks to request r of an
    /// entry without any talk (r's teacher is full).
    bool Weitergeben(int r, int versuche);

private:
    bool direkt(int r, int lo, int hi);
    bool kette(int r, int lo, int hi);
    bool suche(const std::vector<int>& termine, size_t i, int lo, int hi, int& knoten);

    TOptimierZustand& m_z;
    std::vector<int> m_vorg;
    std::vector<int> m_besucht;
    int m_stempel = 0;
    std::vector<int> m_schlange;
};
