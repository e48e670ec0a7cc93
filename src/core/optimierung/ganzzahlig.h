#pragma once
// The day as an integer programme, handed to GLPK: one 0/1 variable for each request and
// slot its teacher and the family's limits allow; each request at most once, each
// teacher slot at most once, and for each family at most one talk in every group of slots
// that exclude each other (the same slot; with the room change two neighbouring slots,
// and beyond the day's end the day's last slot with any two neighbours there). Solving it
// whole takes minutes on a day of 1,000 entries, so the optimiser solves it whole only on
// small days, and otherwise for windows of a few slots, with every other talk fixed.
//
// Every limit is a count (simplex iterations, search nodes), never a time, so the same day
// gives the same plans and the same bound on every machine running the same GLPK.

#include "optimierung/zustand.h"

#include <functional>

struct TGanzzahlGrenzen {
    /// Simplex iterations of the relaxation; a programme that needs more is left alone.
    int Iterationen = 200000;
    /// Nodes of the branch-and-bound search.
    qint64 Knoten = 2000;
};

struct TGanzzahlErgebnis {
    /// The plan of the search was taken (it was better and kept every rule).
    bool Uebernommen = false;
    /// Proven bound of the talks; -1 when the search gave none (stopped before the
    /// relaxation, or a day with priorities, whose search weighs other figures first).
    int Schranke = -1;
    /// The search proved its plan optimal.
    bool Optimal = false;
    bool Abgebrochen = false;
    qint64 Knoten = 0;
};

/// Searches for the timetable with the most invitations, then "Vorrang" talks, then talks,
/// starting from the state's plan. The result replaces the state's talks only when every
/// placement passes the state's own rules and it is better in those three figures; the
/// entries without a talk and the waiting are left to the moves of the optimiser.
/// `weiter` hears the nodes searched (of the limit); false stops the search, keeping the
/// best plan found so far.
/// With `von`..`bis` only the talks in those slots move, and the requests without a talk
/// may take a slot there; every other talk stays (a neighbourhood of the whole search).
TGanzzahlErgebnis GanzzahligVerbessern(TOptimierZustand& z, const TGanzzahlGrenzen& grenzen,
                                       const std::function<bool(qint64, qint64)>& weiter, int von = 0,
                                       int bis = 1 << 30);

struct TFensterGrenzen {
    /// Slots of one window, and how far the next begins.
    int Breite = 8;
    int Schritt = 4;
    /// Passes over the day; a pass that gains nothing ends early.
    int Runden = 3;
    TGanzzahlGrenzen Suche{20000, 200};
};

/// Slides a window of slots over the day and places the talks in it anew exactly, with
/// every teacher and family at once: the chains of moves across families and teachers
/// that the single moves miss lie inside such a window. `weiter` hears the window (of
/// all); false stops, keeping what was gained. Returns the talks gained.
int FensterVerbessern(TOptimierZustand& z, const TFensterGrenzen& grenzen,
                      const std::function<bool(qint64, qint64)>& weiter);
