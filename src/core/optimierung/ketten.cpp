#include "optimierung/ketten.h"

#include <algorithm>

TKetten::TKetten(TOptimierZustand& z)
    : m_z(z)
    , m_besucht(size_t(z.AnzLehrer()) * size_t(z.AnzSlots()), 0)
    , m_bewegt(size_t(z.AnzWuensche()), 0)
{
}

bool TKetten::frei(int x)
{
    // The free slot with the family's shortest waiting, as the single moves choose.
    const int best = m_z.BesterSlot(x, 0, m_z.AnzSlots() - 1);
    if (best < 0)
        return false;
    m_z.Setze(x, best);
    m_bewegt[size_t(x)] = m_stempel;
    return true;
}

bool TKetten::platziere(int x, int tiefe)
{
    if (frei(x))
        return true;
    if (tiefe == 0)
        return false;
    const auto& w = m_z.W(x);
    const int t = w.lehrer;
    const int n = m_z.AnzSlots();
    int hindernisse[3];
    for (int k = 0; k < n; ++k) {
        int& besucht = m_besucht[size_t(t) * size_t(n) + size_t(k)];
        if (besucht == m_stempel || !m_z.Erlaubt(x, k))
            continue;
        // At most two talks in the way: the one at the slot and one of the family; a
        // talk this chain already moved stays where the chain put it.
        int anzahl = 0;
        bool geht = true;
        const int belegt = m_z.Belegt(t, k);
        if (belegt >= 0)
            hindernisse[anzahl++] = belegt;
        for (const int y : m_z.Termine(w.familie)) {
            if (y == belegt || !m_z.Konflikt(m_z.Slot(y), k))
                continue;
            if (anzahl == 2) {
                geht = false;
                break;
            }
            hindernisse[anzahl++] = y;
        }
        for (int i = 0; i < anzahl && geht; ++i)
            geht = m_bewegt[size_t(hindernisse[i])] != m_stempel;
        if (!geht)
            continue;
        besucht = m_stempel;
        if (--m_knoten < 0)
            return false;
        const size_t marke = m_z.Marke();
        for (int i = 0; i < anzahl; ++i)
            m_z.Entferne(hindernisse[i]);
        if (!m_z.KannSetzen(x, k)) {
            m_z.ZurueckZu(marke);
            continue;
        }
        m_z.Setze(x, k);
        m_bewegt[size_t(x)] = m_stempel;
        bool ok = true;
        for (int i = 0; i < anzahl && ok; ++i)
            ok = platziere(hindernisse[i], tiefe - 1) || ersetze(hindernisse[i], tiefe - 1);
        if (ok)
            return true;
        m_z.ZurueckZu(marke);
        if (m_knoten < 0)
            return false;
    }
    return false;
}

bool TKetten::ersetze(int h, int tiefe)
{
    // The talk that could not move gives its teacher's time to another request of that
    // teacher without a talk, of no lower rank: the same number of talks, but the chain
    // goes on through the other family, whose limits may leave more room.
    const int stufe = m_z.W(h).stufe;
    int versuche = m_ersatz;
    for (const int z : m_z.WuenscheVonLehrer(m_z.W(h).lehrer)) {
        if (z == h || m_z.Slot(z) >= 0 || m_bewegt[size_t(z)] == m_stempel || m_z.W(z).stufe > stufe)
            continue;
        if (versuche-- == 0 || m_knoten < 0)
            return false;
        m_bewegt[size_t(z)] = m_stempel;
        if (platziere(z, tiefe))
            return true;
    }
    return false;
}

bool TKetten::Einfuegen(int r, const TKettenGrenzen& grenzen)
{
    if (m_z.Slot(r) >= 0 || m_z.FreieSlots(m_z.W(r).lehrer) == 0)
        return false;
    if (++m_stempel == 0) {
        std::fill(m_besucht.begin(), m_besucht.end(), 0);
        std::fill(m_bewegt.begin(), m_bewegt.end(), 0);
        m_stempel = 1;
    }
    m_knoten = grenzen.Knoten;
    m_ersatz = grenzen.Ersatz;
    const TKennwerte vorher = m_z.Kennwerte();
    const size_t marke = m_z.Marke();
    if (platziere(r, grenzen.Tiefe) && m_z.Kennwerte().BesserAls(vorher))
        return true;
    m_z.ZurueckZu(marke);
    return false;
}

int TKetten::Verbessere(const TKettenGrenzen& grenzen, const std::function<bool(qint64, qint64)>& weiter)
{
    const int anfang = m_z.Kennwerte().Termine;
    const int nW = m_z.AnzWuensche();
    const qint64 schritte = qint64(grenzen.Runden) * nW;
    qint64 gefragt = 0;
    for (int runde = 0; runde < grenzen.Runden; ++runde) {
        const int vorRunde = m_z.Kennwerte().Termine;
        for (int r = 0; r < nW; ++r) {
            if (m_z.Slot(r) >= 0 || m_z.FreieSlots(m_z.W(r).lehrer) == 0)
                continue;
            if (gefragt++ % 16 == 0 && !weiter(qint64(runde) * nW + r, schritte))
                return m_z.Kennwerte().Termine - anfang;
            if (Einfuegen(r, grenzen))
                m_z.Festschreiben();
        }
        if (m_z.Kennwerte().Termine == vorRunde)
            break;
    }
    return m_z.Kennwerte().Termine - anfang;
}
