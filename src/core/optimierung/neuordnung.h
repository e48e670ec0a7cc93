#pragma once
// A large-neighbourhood step of the optimisation: a small group of requests around one
// that is no talk is taken out and placed again by an exact search, while every other
// talk stays. The group follows what stands in the way (the talk at a slot the request
// could use, the family's talks beside it, and what stands in their way in turn), so one
// step covers every chain of moves inside the group, across families and teachers, which
// single moves do not reach when a talk needs four moves to make room.
//
// The search counts nodes, never time, so the same day gives the same plans everywhere.
// A result is taken only when the objective's own comparison says it is better.

#include "optimierung/zustand.h"

#include <functional>
#include <vector>

struct TNeuordnungsGrenzen {
    /// Requests in one group (the exact search grows quickly with it).
    int Gruppe = 12;
    /// Nodes of the exact search for one group.
    qint64 Knoten = 3000;
    /// Rounds over all requests without a talk; a round that gains nothing ends early
    /// unless `AlleRunden` (each round forms its groups from another slot on).
    int Runden = 3;
    bool AlleRunden = false;
    /// Days with at most this many requests are searched whole, with `KnotenGanz` nodes.
    int GanzBis = 48;
    qint64 KnotenGanz = 400000;
};

/// The limits of a thorough run ("gründlich"): larger groups, more nodes, more rounds.
inline TNeuordnungsGrenzen NeuordnungGruendlich()
{
    TNeuordnungsGrenzen g;
    g.Gruppe = 24;
    g.Knoten = 300000;
    g.Runden = 12;
    g.AlleRunden = true;
    g.GanzBis = 80;
    g.KnotenGanz = 4000000;
    return g;
}

class TNeuordnung {
public:
    explicit TNeuordnung(TOptimierZustand& z);

    /// Takes out the talks of `gruppe` (requests, talks or not), places as many of them as
    /// the exact search finds, and keeps that when the figures are better; otherwise the
    /// state stays exactly as it was. Returns whether it kept a change.
    bool OrdneNeu(const std::vector<int>& gruppe, qint64 knoten);

    /// The group of at most `groesse` requests around request r (no talk): r, then
    /// breadth-first what stands in the way of each member at the slots it may use.
    /// `versatz` rotates where the scan of slots begins, so that repeated tries differ.
    std::vector<int> Gruppe(int r, int groesse, int versatz) const;

    /// Rounds of OrdneNeu over every request without a talk (or the whole day when it is
    /// small). `weiter` hears now and then how far the rounds are (step of steps); false
    /// stops at once, keeping what was gained. Returns the talks gained.
    int Verbessere(const TNeuordnungsGrenzen& grenzen, const std::function<bool(qint64, qint64)>& weiter);

private:
    void suche(size_t i, int gesetzt);

    TOptimierZustand& m_z;
    // The search in progress.
    std::vector<int> m_gruppe;
    std::vector<std::vector<int>> m_kandidaten;
    std::vector<int> m_lehrer;  // distinct teachers of the group
    std::vector<int> m_offen;   // per teacher: requests of the group not yet decided
    std::vector<int> m_lehrerNr; // teacher -> its place in m_lehrer
    size_t m_worte = 1;
    std::vector<quint64> m_spaeter;
    std::vector<int> m_spaeterOffen;
    std::vector<int> m_familien;
    std::vector<int> m_familieNr;
    std::vector<quint64> m_famSpaeter;
    std::vector<int> m_famOffen;
    std::vector<int> m_slotsBest;
    int m_bestGesetzt = 0;
    TKennwerte m_bestWerte;
    qint64 m_knoten = 0;
    bool m_voll = false;
};
