#pragma once
// The working state of the optimisation step: every request that may become a talk, the
// slot each one holds, the teachers' columns and the families' talks. Every change goes
// through Setze/Entferne, which record it, so that a move can be tried and taken back
// with ZurueckZu. The rules of a valid timetable are applied here and nowhere else in this
// folder (written once in berechnung/planregeln.h): which slots a teacher can use, which
// slots a family's attendance limits allow, and which two talks of a family may not lie
// side by side. Talks read from existing plans are taken as they stand, even where they
// break the stricter reading of the room change (the computation allows two talks side
// by side beyond the day's end); every new placement keeps every rule.
//
// Slot numbers are those of the day grid (slot 0 begins at SprechStart). A "family" is
// a connected group of sibling entries; an entry without siblings is a family of its own.

#include "model/sprechtag.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

/// The figures the optimisation improves. On a day with priorities the invitations placed
/// and the "Vorrang" requests placed come first; without them both stay 0 and the three
/// figures of every day decide.
struct TKennwerte {
    /// Talks placed.
    int Termine = 0;
    /// Entries with at least one request the teacher did not refuse, but without a talk.
    int OhneTermin = 0;
    /// Sum over families of (last slot - first slot + 1 - talks), for two or more talks.
    qint64 Wartezeit = 0;
    /// Invitations placed, "Vorrang" requests placed.
    int Einladungen = 0;
    int Vorrang = 0;

    /// Lexicographically better: more invitations, more "Vorrang" talks, more talks, then
    /// fewer entries without one, then less waiting.
    bool BesserAls(const TKennwerte& b) const
    {
        if (Einladungen != b.Einladungen)
            return Einladungen > b.Einladungen;
        if (Vorrang != b.Vorrang)
            return Vorrang > b.Vorrang;
        if (Termine != b.Termine)
            return Termine > b.Termine;
        if (OhneTermin != b.OhneTermin)
            return OhneTermin < b.OhneTermin;
        return Wartezeit < b.Wartezeit;
    }
    bool operator==(const TKennwerte&) const = default;
};

class TOptimierZustand {
public:
    /// One request that may become a talk: an existing, not refusing teacher, named once.
    struct Wunsch {
        int eltern = 0;
        int lehrer = 0;
        int familie = 0;
        /// The request's text as the entry spells it (the parent's plan line shows it).
        QString text;
        /// 0 invitation, 1 "Vorrang", 2 normal.
        int stufe = 2;
        /// Further entries of the family who share this talk (one joint talk of siblings
        /// with the same teacher); empty for an ordinary request.
        std::vector<int> mit;
        /// How each entry in `mit` spells the request (its own plan line shows it).
        QStringList mitText;
        /// Requests this talk grants: 1 plus the entries in `mit`.
        int Gewicht() const { return 1 + int(mit.size()); }
        /// Of those, the invitations (0) and the "Vorrang" requests (1): a joint talk
        /// counts each member's mark, as the statistics do.
        std::array<int, 2> marken = {0, 0};
    };

    /// Reads the day's records; no talk is placed yet.
    explicit TOptimierZustand(const TSprechtag& tag);

    // --- the day, fixed while the state lives --------------------------------------------

    /// Slots 0..AnzSlots()-1 exist in the model (up to the latest teacher's last slot).
    int AnzSlots() const { return m_slots; }
    int AnzWuensche() const { return int(m_wuensche.size()); }
    int AnzLehrer() const { return int(m_lehrerWuensche.size()); }
    int AnzEltern() const { return int(m_elternFamilie.size()); }
    int AnzFamilien() const { return int(m_familienEltern.size()); }
    const Wunsch& W(int r) const { return m_wuensche[size_t(r)]; }
    /// Requests of a teacher, of an entry; entries of a family.
    const std::vector<int>& WuenscheVonLehrer(int l) const { return m_lehrerWuensche[size_t(l)]; }
    const std::vector<int>& WuenscheVonEltern(int e) const { return m_elternWuensche[size_t(e)]; }
    /// Joint talks that serve entry e as one of `mit` (WuenscheVonEltern holds each
    /// request once, under its first entry).
    const std::vector<int>& GemeinsamMit(int e) const { return m_gemeinsamMit[size_t(e)]; }
    const std::vector<int>& ElternDerFamilie(int f) const { return m_familienEltern[size_t(f)]; }
    int FamilieVon(int eltern) const { return m_elternFamilie[size_t(eltern)]; }

    /// The teacher holds slot k (inside the hours, no break).
    bool Nutzbar(int lehrer, int k) const { return bit(m_nutzbar, lehrer, k); }
    /// Request r may use slot k: the teacher can, and k (with the room change also both
    /// neighbours as the computation clamps them) lies inside every family member's limits.
    bool Erlaubt(int r, int k) const;
    /// Two talks of a family need a free slot between them.
    bool Raumwechsel() const { return m_raumwechsel; }
    /// Usable slots of a teacher.
    int Kapazitaet(int lehrer) const { return m_kapazitaet[size_t(lehrer)]; }
    /// Shortens a teacher's hours to the slots erster..letzter (a teacher who leaves early
    /// or comes late). The teacher must hold no talk outside them.
    void BeschraenkeLehrer(int lehrer, int erster, int letzter);

    // --- the changing state ------------------------------------------------------------

    /// Slot of request r, -1 while it is no talk.
    int Slot(int r) const { return m_slot[size_t(r)]; }
    /// Request holding slot k of the teacher, -1 when free.
    int Belegt(int lehrer, int k) const { return m_spalte[size_t(lehrer) * size_t(m_slots) + size_t(k)]; }
    int FreieSlots(int lehrer) const { return m_frei[size_t(lehrer)]; }
    /// The requests of a family that are talks, in no particular order.
    const std::vector<int>& Termine(int familie) const { return m_familienTermine[size_t(familie)]; }
    int TermineVonEltern(int eltern) const { return m_elternTermine[size_t(eltern)]; }
    /// Would the family's talks (without `ohne`) leave slot k free, also of neighbours?
    bool FamilieFrei(int familie, int k, int ohne = -1) const;
    /// Two talks of one family at slots a and b exclude each other (the strict reading).
    bool Konflikt(int a, int b) const;
    /// The talk r keeps every rule where it stands (false while r is no talk).
    bool HaeltRegeln(int r) const;
    /// r is no talk, its teacher's slot k is free, and Erlaubt and FamilieFrei hold.
    bool KannSetzen(int r, int k) const;

    /// Places r at k (must be KannSetzen) and records it.
    void Setze(int r, int k);
    /// r is no talk and its teacher's slot k (inside the model) holds none: a talk the
    /// plans show can be taken over as it stands.
    bool KannUebernehmen(int r, int k) const;
    /// Places a talk of the existing plans at k (must be KannUebernehmen), whatever rule
    /// it breaks; only new placements are held to the rules.
    void Uebernehmen(int r, int k);
    /// Keeps new placements off a slot or a family's time that a plan line the state does
    /// not hold still occupies.
    void SperreSlot(int lehrer, int k);
    void SperreFamilie(int familie, int k);
    /// Takes the talk r back out and records it.
    void Entferne(int r);
    /// A mark in the record of changes; ZurueckZu undoes everything after it.
    size_t Marke() const { return m_protokoll.size(); }
    void ZurueckZu(size_t marke);
    /// Forgets the record: the current state is the new base.
    void Festschreiben() { m_protokoll.clear(); }

    TKennwerte Kennwerte() const
    {
        return {m_anzTermine, m_ohneTermin, m_warten, m_gesetzt[0], m_gesetzt[1]};
    }
    /// Requests of the day with an invitation (0) and with "Vorrang" (1).
    int AnzMitStufe(int stufe) const { return m_mitStufe[size_t(stufe)]; }
    /// Waiting of one family, in slots.
    int Wartezeit(int familie) const { return m_familienWarten[size_t(familie)]; }
    /// The waiting of the family if request r (of that family, no talk) were at slot k.
    int WartezeitMit(int familie, int k) const;
    /// The slot in lo..hi where r (no talk) can be placed with the least waiting for its
    /// family, the earliest of equals; -1 when there is none.
    int BesterSlot(int r, int lo, int hi) const;
    /// Entry e has requests that count and no talk.
    bool OhneTermin(int eltern) const { return m_zaehlt[size_t(eltern)] && m_elternTermine[size_t(eltern)] == 0; }

    /// The slot of every request, for keeping the best state seen.
    const std::vector<int>& Slots() const { return m_slot; }
    /// Replaces all talks by `belegung` (a vector from Slots()); forgets the record.
    void Uebernimm(const std::vector<int>& belegung);

private:
    bool bit(const std::vector<quint64>& m, int zeile, int k) const
    {
        return (m[size_t(zeile) * m_worte + size_t(k >> 6)] >> (k & 63)) & 1u;
    }
    void setzeRoh(int r, int k);
    void entferneRoh(int r);
    void familieNeu(int f);
    /// With the day's setting on: the requests of one family for one teacher become one
    /// joint talk under the family's first entry that asks.
    void geschwisterZusammenfassen();

    int m_slots = 0;
    /// The day's AnzSlots, at least 0: the computation clamps neighbours to 0..this.
    int m_grenze = 0;
    bool m_raumwechsel = true;
    size_t m_worte = 1;

    std::vector<Wunsch> m_wuensche;
    std::vector<std::vector<int>> m_lehrerWuensche;
    std::vector<std::vector<int>> m_elternWuensche;
    std::vector<std::vector<int>> m_gemeinsamMit;
    std::vector<int> m_elternFamilie;
    std::vector<std::vector<int>> m_familienEltern;
    std::vector<char> m_zaehlt;
    std::vector<quint64> m_nutzbar;   // per teacher
    std::vector<quint64> m_fenster;   // per family: slots allowed by every member's limits
    std::vector<int> m_kapazitaet;

    std::vector<int> m_slot;
    std::vector<int> m_spalte;
    std::vector<int> m_frei;
    std::vector<std::vector<int>> m_familienTermine;
    std::vector<int> m_familienWarten;
    std::vector<int> m_elternTermine;
    int m_anzTermine = 0;
    /// Talks placed of invitations and of "Vorrang" requests; requests of each.
    int m_gesetzt[2] = {0, 0};
    std::array<int, 2> m_mitStufe = {0, 0};
    int m_ohneTermin = 0;
    qint64 m_warten = 0;

    /// (request, slot before the change) for every change since the last Festschreiben.
    std::vector<std::pair<int, int>> m_protokoll;
};
