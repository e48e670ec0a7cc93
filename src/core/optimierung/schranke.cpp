#include "optimierung/schranke.h"

#include <QLocale>
#include <algorithm>
#include <functional>
#include <limits>

namespace {

/// Dinic's maximum flow on small integer capacities. Written here because the core links
/// only QtCore and ICU; a graph library for some forty lines would be a new dependency.
class TFluss {
public:
    explicit TFluss(int knoten)
        : m_kopf(size_t(knoten), -1)
    {
    }
    int Knoten() const { return int(m_kopf.size()); }
    int NeuerKnoten()
    {
        m_kopf.push_back(-1);
        return int(m_kopf.size()) - 1;
    }
    void Kante(int von, int nach, int kapazitaet)
    {
        m_kanten.push_back({nach, m_kopf[size_t(von)], kapazitaet});
        m_kopf[size_t(von)] = int(m_kanten.size()) - 1;
        m_kanten.push_back({von, m_kopf[size_t(nach)], 0});
        m_kopf[size_t(nach)] = int(m_kanten.size()) - 1;
    }
    int Maximal(int quelle, int senke)
    {
        int fluss = 0;
        while (ebenen(quelle, senke)) {
            m_weiter = m_kopf;
            while (const int f = schiebe(quelle, senke, std::numeric_limits<int>::max()))
                fluss += f;
        }
        return fluss;
    }

private:
    struct Kante_ {
        int nach, naechste, rest;
    };
    bool ebenen(int quelle, int senke)
    {
        m_ebene.assign(m_kopf.size(), -1);
        std::vector<int> schlange{quelle};
        m_ebene[size_t(quelle)] = 0;
        for (size_t i = 0; i < schlange.size(); ++i) {
            const int v = schlange[i];
            for (int e = m_kopf[size_t(v)]; e >= 0; e = m_kanten[size_t(e)].naechste) {
                const Kante_& k = m_kanten[size_t(e)];
                if (k.rest > 0 && m_ebene[size_t(k.nach)] < 0) {
                    m_ebene[size_t(k.nach)] = m_ebene[size_t(v)] + 1;
                    schlange.push_back(k.nach);
                }
            }
        }
        return m_ebene[size_t(senke)] >= 0;
    }
    int schiebe(int v, int senke, int menge)
    {
        if (v == senke)
            return menge;
        for (int& e = m_weiter[size_t(v)]; e >= 0; e = m_kanten[size_t(e)].naechste) {
            Kante_& k = m_kanten[size_t(e)];
            if (k.rest <= 0 || m_ebene[size_t(k.nach)] != m_ebene[size_t(v)] + 1)
                continue;
            if (const int f = schiebe(k.nach, senke, std::min(menge, k.rest))) {
                k.rest -= f;
                m_kanten[size_t(e ^ 1)].rest += f;
                return f;
            }
        }
        return 0;
    }

    std::vector<int> m_kopf;
    std::vector<Kante_> m_kanten;
    std::vector<int> m_ebene;
    std::vector<int> m_weiter;
};

/// The most talks of one family that fit side by side, each at a slot its teacher and
/// the family's limits allow, ignoring everyone else. A small exact search; a family too
/// large for it counts its requests instead, which is still a bound.
int FamilienHoechstzahl(const TOptimierZustand& z, int f, const std::vector<std::vector<int>>& orte)
{
    std::vector<int> wuensche;
    for (const int e : z.ElternDerFamilie(f))
        for (const int r : z.WuenscheVonEltern(e))
            if (!orte[size_t(r)].empty())
                wuensche.push_back(r);
    if (wuensche.size() <= 1)
        return int(wuensche.size());
    // No more than the slots of the family's time that lie apart (every other slot of a
    // run with the room change): the search stops as soon as it reaches that.
    std::vector<char> frei(size_t(z.AnzSlots()) + 1, 0);
    for (const int r : wuensche)
        for (const int k : orte[size_t(r)])
            frei[size_t(k)] = 1;
    int auseinander = 0;
    for (int k = 0; k < z.AnzSlots(); ++k)
        if (frei[size_t(k)]) {
            ++auseinander;
            k += z.Raumwechsel() ? 1 : 0;
        }
    const int ziel = std::min(int(wuensche.size()), auseinander);
    std::vector<int> gewaehlt;
    int bestes = 0;
    qint64 knoten = 20000;
    std::function<void(size_t)> suche = [&](size_t i) {
        bestes = std::max(bestes, int(gewaehlt.size()));
        if (i == wuensche.size() || bestes == ziel || --knoten < 0)
            return;
        if (int(gewaehlt.size() + (wuensche.size() - i)) <= bestes)
            return;
        for (const int k : orte[size_t(wuensche[i])]) {
            bool frei = true;
            for (const int j : gewaehlt)
                frei = frei && !z.Konflikt(j, k);
            if (!frei)
                continue;
            gewaehlt.push_back(k);
            suche(i + 1);
            gewaehlt.pop_back();
        }
        suche(i + 1);
    };
    suche(0);
    return knoten < 0 ? ziel : bestes;
}

/// Families -> requests -> (with `paare` 1 or 2) family time cells -> teacher orte. A
/// cell is a slot, or with the room change two neighbouring orte starting at an even
/// (`versatz` 0) or odd (1) slot, of which a family can use one. The unit a request sends
/// into a cell may leave at another teacher of the same family; that only loosens the
/// bound, it never cuts a real timetable.
int Fluss(const TOptimierZustand& z, const std::vector<std::vector<int>>& orte, const std::vector<int>& hoechst,
          int breite, int versatz)
{
    const int nF = z.AnzFamilien(), nW = z.AnzWuensche(), nL = z.AnzLehrer(), n = z.AnzSlots();
    const int quelle = 0, senke = 1, familie0 = 2, wunsch0 = familie0 + nF;
    TFluss g(wunsch0 + nW);
    std::vector<int> lehrerSlot(size_t(nL) * size_t(n), -1);
    auto slotKnoten = [&](int t, int k) {
        int& v = lehrerSlot[size_t(t) * size_t(n) + size_t(k)];
        if (v < 0) {
            v = g.NeuerKnoten();
            g.Kante(v, senke, 1);
        }
        return v;
    };
    std::vector<int> zelle;
    for (int f = 0; f < nF; ++f) {
        if (hoechst[size_t(f)] == 0)
            continue;
        g.Kante(quelle, familie0 + f, hoechst[size_t(f)]);
        if (breite == 0) {
            for (const int e : z.ElternDerFamilie(f))
                for (const int r : z.WuenscheVonEltern(e)) {
                    if (orte[size_t(r)].empty())
                        continue;
                    g.Kante(familie0 + f, wunsch0 + r, 1);
                    for (const int k : orte[size_t(r)])
                        g.Kante(wunsch0 + r, slotKnoten(z.W(r).lehrer, k), 1);
                }
            continue;
        }
        zelle.assign(size_t(n / breite + 2), -1);
        std::vector<std::pair<int, int>> verbunden; // (cell, teacher slot node), once each
        for (const int e : z.ElternDerFamilie(f)) {
            for (const int r : z.WuenscheVonEltern(e)) {
                if (orte[size_t(r)].empty())
                    continue;
                g.Kante(familie0 + f, wunsch0 + r, 1);
                int letzte = -1;
                for (const int k : orte[size_t(r)]) {
                    const int c = (k + versatz) / breite;
                    if (zelle[size_t(c)] < 0)
                        zelle[size_t(c)] = g.NeuerKnoten();
                    if (c != letzte)
                        g.Kante(wunsch0 + r, zelle[size_t(c)], 1);
                    letzte = c;
                    verbunden.emplace_back(zelle[size_t(c)], slotKnoten(z.W(r).lehrer, k));
                }
            }
        }
        std::sort(verbunden.begin(), verbunden.end());
        verbunden.erase(std::unique(verbunden.begin(), verbunden.end()), verbunden.end());
        for (const auto& [c, s] : verbunden)
            g.Kante(c, s, 1);
    }
    return g.Maximal(quelle, senke);
}

} // namespace

/// A joint talk of siblings grants several requests in one slot, which the flow counts
/// as one: counting the others on top keeps the bound above every plan.
static int GemeinsameZusatztermine(const TOptimierZustand& z)
{
    int zusatz = 0;
    for (int r = 0; r < z.AnzWuensche(); ++r)
        zusatz += z.W(r).Gewicht() - 1;
    return zusatz;
}

int TerminSchranke(const TOptimierZustand& z)
{
    const int nW = z.AnzWuensche();
    std::vector<std::vector<int>> orte(static_cast<size_t>(nW));
    for (int r = 0; r < nW; ++r)
        for (int k = 0; k < z.AnzSlots(); ++k)
            if (z.Erlaubt(r, k))
                orte[size_t(r)].push_back(k);
    std::vector<int> hoechst(size_t(z.AnzFamilien()));
    for (int f = 0; f < z.AnzFamilien(); ++f)
        hoechst[size_t(f)] = FamilienHoechstzahl(z, f, orte);
    int schranke = Fluss(z, orte, hoechst, 0, 0);
    if (z.Raumwechsel()) {
        schranke = std::min(schranke, Fluss(z, orte, hoechst, 2, 0));
        schranke = std::min(schranke, Fluss(z, orte, hoechst, 2, 1));
    } else {
        schranke = std::min(schranke, Fluss(z, orte, hoechst, 1, 0));
    }
    return schranke + GemeinsameZusatztermine(z);
}

int TerminSchranke(const TSprechtag& tag)
{
    return TerminSchranke(TOptimierZustand(tag));
}

QString SchrankenText(int termine, int schranke)
{
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const QString zahl = deutsch.toString(termine);
    const QString einheit = termine == 1 ? QStringLiteral("Termin") : QStringLiteral("Termine");
    if (termine >= schranke)
        return termine == 1 ? QStringLiteral("1 Termin – mehr ist nicht möglich.")
                            : zahl + u' ' + einheit + QStringLiteral(" – mehr sind nicht möglich.");
    return zahl + u' ' + einheit + QStringLiteral(", höchstens ") + deutsch.toString(schranke)
           + QStringLiteral(" möglich");
}
