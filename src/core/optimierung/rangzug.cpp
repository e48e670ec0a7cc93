#include "optimierung/rangzug.h"

#include <algorithm>
#include <vector>

namespace {

/// One search for one waiting request. Talks of rank `schutz` or higher (smaller number)
/// are moved, never lifted; lower ones may be lifted and wait in `gehoben`.
class TRangSuche {
public:
    TRangSuche(TOptimierZustand& z, TZuege& zug, int schutz)
        : m_z(z)
        , m_zug(zug)
        , m_schutz(schutz)
    {
    }

    bool Platziere(int r, int tiefe)
    {
        if (m_zug.Einfuegen(r))
            return true;
        const auto& w = m_z.W(r);
        std::vector<int> schuetzen, heben;
        // First the slots where only talks of lower rank stand in the way (bounded by the
        // slots, never cut short by the budget), then those that move protected talks.
        for (int durchgang = 0; durchgang < (tiefe > 0 ? 2 : 1); ++durchgang)
            for (int k = 0; k < m_z.AnzSlots(); ++k) {
                if (durchgang == 1 && --m_knoten < 0)
                    return false;
                if (!m_z.Nutzbar(w.lehrer, k) || !m_z.Erlaubt(r, k))
                    continue;
                schuetzen.clear();
                heben.clear();
                auto einordnen = [&](int x) {
                    (m_z.W(x).stufe <= m_schutz ? schuetzen : heben).push_back(x);
                };
                if (const int x = m_z.Belegt(w.lehrer, k); x >= 0)
                    einordnen(x);
                for (const int y : m_z.Termine(w.familie))
                    if (y != r && m_z.Konflikt(m_z.Slot(y), k) && m_z.Belegt(w.lehrer, k) != y)
                        einordnen(y);
                if ((durchgang == 0) != schuetzen.empty() || (schuetzen.empty() && heben.empty()))
                    continue;
                // More than two protected talks to move is a search this step does not pay for.
                if (schuetzen.size() > 2)
                    continue;
                const size_t marke = m_z.Marke();
                const size_t gehoben = m_gehoben.size();
                for (const int x : schuetzen)
                    m_z.Entferne(x);
                for (const int x : heben) {
                    m_z.Entferne(x);
                    m_gehoben.push_back(x);
                }
                bool ok = m_z.KannSetzen(r, k);
                if (ok)
                    m_z.Setze(r, k);
                for (size_t i = 0; ok && i < schuetzen.size(); ++i)
                    ok = Platziere(schuetzen[i], tiefe - 1);
                if (ok)
                    return true;
                m_z.ZurueckZu(marke);
                m_gehoben.resize(gehoben);
            }
        return false;
    }

    /// The lifted talks, placed again where they fit now.
    void Wiedereinsetzen()
    {
        for (const int x : m_gehoben)
            if (m_z.Slot(x) < 0)
                m_zug.Einfuegen(x);
    }

private:
    TOptimierZustand& m_z;
    TZuege& m_zug;
    int m_schutz;
    int m_knoten = 400;
    std::vector<int> m_gehoben;
};

/// The most invitations a plan can hold, searched exactly when a day has few of them:
/// every invitation at every slot or none, on a copy of the state without other talks.
/// Returns the slots of the best set found, or nothing when it holds no more than now.
std::vector<int> BesteEinladungen(const TOptimierZustand& z, const std::vector<int>& einladungen, int knoten)
{
    TOptimierZustand probe = z;
    for (int r = 0; r < probe.AnzWuensche(); ++r)
        if (probe.Slot(r) >= 0)
            probe.Entferne(r);
    probe.Festschreiben();
    int jetzt = 0;
    for (const int r : einladungen)
        jetzt += z.Slot(r) >= 0 ? 1 : 0;
    std::vector<int> ziel(einladungen.size(), -1), beste;
    int best = jetzt;
    const auto suche = [&](const auto& selbst, size_t i, int gesetzt) -> void {
        if (--knoten < 0 || gesetzt + int(einladungen.size() - i) <= best)
            return;
        if (i == einladungen.size()) {
            best = gesetzt;
            beste = ziel;
            return;
        }
        const int r = einladungen[i];
        for (int k = 0; k < probe.AnzSlots(); ++k)
            if (probe.KannSetzen(r, k)) {
                probe.Setze(r, k);
                ziel[i] = k;
                selbst(selbst, i + 1, gesetzt + 1);
                ziel[i] = -1;
                probe.Entferne(r);
            }
        selbst(selbst, i + 1, gesetzt);
    };
    suche(suche, 0, 0);
    return beste;
}

/// Puts the invitations at the slots `ziel`, lifting whatever else stands in the way and placing
/// it again where it fits. False (and nothing changed) if the state refuses.
bool EinladungenSetzen(TOptimierZustand& z, TZuege& zug, const std::vector<int>& einladungen,
                       const std::vector<int>& ziel)
{
    const size_t marke = z.Marke();
    for (const int r : einladungen)
        if (z.Slot(r) >= 0)
            z.Entferne(r);
    std::vector<int> gehoben;
    for (size_t i = 0; i < einladungen.size(); ++i) {
        const int r = einladungen[i], k = ziel[i];
        if (k < 0)
            continue;
        const auto& w = z.W(r);
        std::vector<int> weg;
        if (const int x = z.Belegt(w.lehrer, k); x >= 0)
            weg.push_back(x);
        for (const int y : z.Termine(w.familie))
            if (z.Konflikt(z.Slot(y), k) && std::find(weg.begin(), weg.end(), y) == weg.end())
                weg.push_back(y);
        for (const int x : weg) {
            z.Entferne(x);
            gehoben.push_back(x);
        }
        if (!z.KannSetzen(r, k)) {
            z.ZurueckZu(marke);
            return false;
        }
        z.Setze(r, k);
    }
    for (const int x : gehoben)
        if (z.Slot(x) < 0)
            zug.Einfuegen(x);
    return true;
}

// Days with more invitations than this rely on the moves alone: the exact search grows
// with the number of invitations.
constexpr size_t MaxExaktEinladungen = 24;
constexpr int ExaktKnoten = 50000;

} // namespace

int RangPlatzieren(TOptimierZustand& z, TZuege& zug)
{
    if (z.AnzMitStufe(0) == 0 && z.AnzMitStufe(1) == 0)
        return 0;
    int gewonnen = 0;
    std::vector<int> einladungen;
    for (int r = 0; r < z.AnzWuensche(); ++r)
        if (z.W(r).stufe == 0)
            einladungen.push_back(r);
    for (int stufe = 0; stufe < 2; ++stufe) {
        for (bool weiter = true; weiter;) {
            weiter = false;
            for (int r = 0; r < z.AnzWuensche(); ++r) {
                if (z.W(r).stufe != stufe || z.Slot(r) >= 0)
                    continue;
                const TKennwerte vorher = z.Kennwerte();
                const size_t marke = z.Marke();
                TRangSuche suche(z, zug, stufe);
                if (suche.Platziere(r, 3)) {
                    suche.Wiedereinsetzen();
                    if (z.Kennwerte().BesserAls(vorher)) {
                        ++gewonnen;
                        weiter = true;
                        continue;
                    }
                }
                z.ZurueckZu(marke);
            }
        }
        // A set of invitations that needs others moved in ways the moves above do not
        // reach (two invitations trading places across families, say).
        if (stufe == 0 && !einladungen.empty() && einladungen.size() <= MaxExaktEinladungen
            && z.Kennwerte().Einladungen < z.AnzMitStufe(0)) {
            const std::vector<int> ziel = BesteEinladungen(z, einladungen, ExaktKnoten);
            const TKennwerte vorher = z.Kennwerte();
            const size_t marke = z.Marke();
            if (!ziel.empty() && EinladungenSetzen(z, zug, einladungen, ziel)) {
                if (z.Kennwerte().BesserAls(vorher))
                    gewonnen += z.Kennwerte().Einladungen - vorher.Einladungen;
                else
                    z.ZurueckZu(marke);
            }
        }
    }
    return gewonnen;
}

bool PlatzDurchHeben(const TOptimierZustand& z, int r, int k, int stufe)
{
    const auto& w = z.W(r);
    if (z.Slot(r) >= 0 || !z.Nutzbar(w.lehrer, k) || !z.Erlaubt(r, k))
        return false;
    if (const int x = z.Belegt(w.lehrer, k); x >= 0 && z.W(x).stufe <= stufe)
        return false;
    for (const int y : z.Termine(w.familie))
        if (z.Konflikt(z.Slot(y), k) && z.W(y).stufe <= stufe)
            return false;
    return true;
}
