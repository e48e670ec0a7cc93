#include "optimierung/rangzug.h"

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
        if (tiefe == 0)
            return false;
        const auto& w = m_z.W(r);
        std::vector<int> schuetzen, heben;
        for (int k = 0; k < m_z.AnzSlots(); ++k) {
            if (--m_knoten < 0)
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
            // More than two protected talks to move is a search this step does not pay for.
            if (schuetzen.size() > 2 || (schuetzen.empty() && heben.empty()))
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
    int m_knoten = 20000;
    std::vector<int> m_gehoben;
};

} // namespace

int RangPlatzieren(TOptimierZustand& z, TZuege& zug)
{
    if (z.AnzMitStufe(0) == 0 && z.AnzMitStufe(1) == 0)
        return 0;
    int gewonnen = 0;
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
