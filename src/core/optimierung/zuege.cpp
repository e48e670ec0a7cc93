#include "optimierung/zuege.h"

#include <algorithm>

TZuege::TZuege(TOptimierZustand& z)
    : m_z(z)
    , m_vorg(size_t(z.AnzSlots()), -1)
    , m_besucht(size_t(z.AnzSlots()), 0)
{
    m_schlange.reserve(size_t(z.AnzSlots()));
}

bool TZuege::Einfuegen(int r, int lo, int hi)
{
    if (hi < 0 || hi >= m_z.AnzSlots())
        hi = m_z.AnzSlots() - 1;
    lo = std::max(lo, 0);
    if (lo > hi)
        return false;
    return direkt(r, lo, hi) || kette(r, lo, hi);
}

bool TZuege::direkt(int r, int lo, int hi)
{
    const int best = m_z.BesterSlot(r, lo, hi);
    if (best < 0)
        return false;
    m_z.Setze(r, best);
    return true;
}

bool TZuege::kette(int r, int lo, int hi)
{
    // Breadth-first over the teacher's slots: from a slot r could take, the talk there
    // moves to a slot its family can take, and so on until a free slot is reached.
    const auto& w = m_z.W(r);
    const int t = w.lehrer;
    const int n = m_z.AnzSlots();
    if (m_z.FreieSlots(t) == 0)
        return false;
    if (++m_stempel == 0) {
        std::fill(m_besucht.begin(), m_besucht.end(), 0);
        m_stempel = 1;
    }
    m_schlange.clear();
    for (int k = lo; k <= hi; ++k) {
        if (m_z.Belegt(t, k) >= 0 && m_z.Erlaubt(r, k) && m_z.FamilieFrei(w.familie, k)) {
            m_besucht[size_t(k)] = m_stempel;
            m_vorg[size_t(k)] = -1;
            m_schlange.push_back(k);
        }
    }
    int ziel = -1;
    for (size_t q = 0; q < m_schlange.size() && ziel < 0; ++q) {
        const int k = m_schlange[q];
        const int x = m_z.Belegt(t, k);
        const int fx = m_z.W(x).familie;
        for (int k2 = 0; k2 < n; ++k2) {
            if (m_besucht[size_t(k2)] == m_stempel || !m_z.Erlaubt(x, k2) || !m_z.FamilieFrei(fx, k2, x))
                continue;
            m_besucht[size_t(k2)] = m_stempel;
            m_vorg[size_t(k2)] = k;
            if (m_z.Belegt(t, k2) < 0) {
                ziel = k2;
                break;
            }
            m_schlange.push_back(k2);
        }
    }
    if (ziel < 0)
        return false;

    // Move the talks along the chain from its free end; a talk of r's own family on the
    // chain can still clash with r, so every step is checked and the chain undone if so.
    const size_t marke = m_z.Marke();
    int k = ziel;
    while (m_vorg[size_t(k)] >= 0) {
        const int von = m_vorg[size_t(k)];
        const int x = m_z.Belegt(t, von);
        m_z.Entferne(x);
        if (!m_z.KannSetzen(x, k)) {
            m_z.ZurueckZu(marke);
            return false;
        }
        m_z.Setze(x, k);
        k = von;
    }
    if (!m_z.KannSetzen(r, k)) {
        m_z.ZurueckZu(marke);
        return false;
    }
    m_z.Setze(r, k);
    return true;
}

bool TZuege::Reparieren(int r)
{
    const auto& w = m_z.W(r);
    const int t = w.lehrer;
    std::vector<int> blockiert;
    for (int k = 0; k < m_z.AnzSlots(); ++k) {
        if (m_z.Belegt(t, k) >= 0 || !m_z.Erlaubt(r, k))
            continue;
        blockiert.clear();
        for (const int x : m_z.Termine(w.familie))
            if (m_z.Konflikt(m_z.Slot(x), k))
                blockiert.push_back(x);
        if (blockiert.empty() || blockiert.size() > 2)
            continue;
        const size_t marke = m_z.Marke();
        for (const int x : blockiert)
            m_z.Entferne(x);
        bool ok = m_z.KannSetzen(r, k);
        if (ok)
            m_z.Setze(r, k);
        for (size_t i = 0; ok && i < blockiert.size(); ++i)
            ok = Einfuegen(blockiert[i]);
        if (ok)
            return true;
        m_z.ZurueckZu(marke);
    }
    return false;
}

bool TZuege::Tauschen(int r)
{
    const auto& w = m_z.W(r);
    const std::vector<int> eigene = m_z.Termine(w.familie);
    for (const int y : eigene) {
        const int t2 = m_z.W(y).lehrer;
        const size_t marke = m_z.Marke();
        m_z.Entferne(y);
        if (Einfuegen(r)) {
            int versuche = 0;
            for (const int z : m_z.WuenscheVonLehrer(t2)) {
                if (z == y || m_z.Slot(z) >= 0)
                    continue;
                if (Einfuegen(z))
                    return true;
                if (++versuche == 8)
                    break;
            }
        }
        m_z.ZurueckZu(marke);
    }
    return false;
}

int TZuege::Auffuellen()
{
    // Invitations first, then "Vorrang", then the rest; a day without marks is one group.
    int ersteStufe = 2;
    for (int s = 0; s < 2; ++s)
        if (m_z.AnzMitStufe(s) > 0) {
            ersteStufe = s;
            break;
        }
    int gewonnen = 0;
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (int stufe = ersteStufe; stufe <= 2; ++stufe)
            for (int r = 0; r < m_z.AnzWuensche(); ++r) {
                if (m_z.Slot(r) >= 0 || m_z.FreieSlots(m_z.W(r).lehrer) == 0
                    || (ersteStufe < 2 && m_z.W(r).stufe != stufe))
                    continue;
                const TKennwerte vorher = m_z.Kennwerte();
                const size_t marke = m_z.Marke();
                if (Einfuegen(r) || Reparieren(r) || Tauschen(r)) {
                    // Tauschen gives up a talk of the family: never one of higher rank.
                    if (!m_z.Kennwerte().BesserAls(vorher)) {
                        m_z.ZurueckZu(marke);
                        continue;
                    }
                    ++gewonnen;
                    weiter = true;
                }
            }
    }
    return gewonnen;
}

bool TZuege::SpanneVerkuerzen(int familie, bool ersten)
{
    const auto& termine = m_z.Termine(familie);
    if (termine.size() < 2)
        return false;
    int x = termine.front();
    for (const int y : termine)
        if (ersten ? m_z.Slot(y) < m_z.Slot(x) : m_z.Slot(y) > m_z.Slot(x))
            x = y;
    int a = m_z.AnzSlots(), b = -1;
    for (const int y : termine) {
        if (y == x)
            continue;
        a = std::min(a, m_z.Slot(y));
        b = std::max(b, m_z.Slot(y));
    }
    const int s = m_z.Slot(x);
    // The slots that make the span shorter than it is now.
    const int lo = ersten ? s + 1 : a + b - s + 1;
    const int hi = ersten ? a + b - s - 1 : s - 1;
    const size_t marke = m_z.Marke();
    m_z.Entferne(x);
    if (Einfuegen(x, lo, hi))
        return true;
    m_z.ZurueckZu(marke);
    return false;
}

bool TZuege::suche(const std::vector<int>& termine, size_t i, int lo, int hi, int& knoten)
{
    if (i == termine.size())
        return true;
    const int r = termine[i];
    for (int k = lo; k <= hi; ++k) {
        if (--knoten < 0)
            return false;
        if (!m_z.KannSetzen(r, k))
            continue;
        m_z.Setze(r, k);
        if (suche(termine, i + 1, lo, hi, knoten))
            return true;
        m_z.Entferne(r);
    }
    return false;
}

bool TZuege::FamilieNeuPlanen(int familie, int maxKnoten)
{
    std::vector<int> termine = m_z.Termine(familie);
    const int n = int(termine.size());
    const int vorher = m_z.Wartezeit(familie);
    if (n < 2)
        return false;
    // With the room change a free slot lies between any two talks: the least span.
    const int kuerzeste = m_z.Raumwechsel() ? 2 * n - 1 : n;
    if (n + vorher <= kuerzeste)
        return false;
    int mitte = 0;
    for (const int r : termine)
        mitte += m_z.Slot(r);
    mitte /= n;
    const size_t marke = m_z.Marke();
    for (const int r : termine)
        m_z.Entferne(r);
    // The talk with the fewest free slots first.
    auto moeglich = [this](int r) {
        int m = 0;
        for (int k = 0; k < m_z.AnzSlots(); ++k)
            m += m_z.KannSetzen(r, k) ? 1 : 0;
        return m;
    };
    std::vector<std::pair<int, int>> sortiert;
    for (const int r : termine)
        sortiert.emplace_back(moeglich(r), r);
    std::sort(sortiert.begin(), sortiert.end());
    for (int i = 0; i < n; ++i)
        termine[size_t(i)] = sortiert[size_t(i)].second;

    // Free slots only, shortest window first, windows near the family's old centre first.
    int knoten = maxKnoten;
    for (int laenge = kuerzeste; laenge < n + vorher && knoten > 0; ++laenge) {
        const int anfaenge = m_z.AnzSlots() - laenge + 1;
        for (int i = 0; i < 2 * anfaenge && knoten > 0; ++i) {
            const int s = mitte - laenge / 2 + (i % 2 ? -(i + 1) / 2 : i / 2);
            if (s < 0 || s >= anfaenge)
                continue;
            const size_t vorSuche = m_z.Marke();
            if (suche(termine, 0, s, s + laenge - 1, knoten))
                return true;
            m_z.ZurueckZu(vorSuche);
        }
    }
    m_z.ZurueckZu(marke);
    return false;
}

bool TZuege::FamilieVerdichten(int familie, int fenster)
{
    // Like FamilieNeuPlanen, but each talk may push other families' talks along its
    // teacher's column; the caller weighs what that costs the others.
    std::vector<int> termine = m_z.Termine(familie);
    const int n = int(termine.size());
    const int vorher = m_z.Wartezeit(familie);
    if (n < 2)
        return false;
    const int kuerzeste = m_z.Raumwechsel() ? 2 * n - 1 : n;
    const int laenge = std::max(kuerzeste, n + vorher - 2);
    if (n + vorher <= kuerzeste)
        return false;
    int lo = m_z.AnzSlots(), hi = -1;
    for (const int r : termine) {
        lo = std::min(lo, m_z.Slot(r));
        hi = std::max(hi, m_z.Slot(r));
    }
    const size_t marke = m_z.Marke();
    for (const int r : termine)
        m_z.Entferne(r);
    const int anfaenge = m_z.AnzSlots() - laenge + 1;
    for (int versuch = 0; versuch < fenster; ++versuch) {
        // Windows inside the old span, spread over it.
        const int s = std::clamp(lo + (hi - lo + 1 - laenge) * versuch / std::max(1, fenster - 1), 0,
                                 std::max(0, anfaenge - 1));
        const size_t vorVersuch = m_z.Marke();
        bool ok = true;
        for (size_t i = 0; ok && i < termine.size(); ++i)
            ok = Einfuegen(termine[i], s, s + laenge - 1);
        if (ok && m_z.Wartezeit(familie) < vorher)
            return true;
        m_z.ZurueckZu(vorVersuch);
    }
    m_z.ZurueckZu(marke);
    return false;
}

bool TZuege::Weitergeben(int r, int versuche)
{
    const int t = m_z.W(r).lehrer;
    for (int k = 0; k < m_z.AnzSlots() && versuche > 0; ++k) {
        const int x = m_z.Belegt(t, k);
        if (x < 0 || m_z.TermineVonEltern(m_z.W(x).eltern) < 2)
            continue;
        --versuche;
        const size_t marke = m_z.Marke();
        m_z.Entferne(x);
        if (Einfuegen(r))
            return true;
        m_z.ZurueckZu(marke);
    }
    return false;
}
