#include "optimierung/ganzzahlig.h"

#include <glpk.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

namespace {

struct TProblemLoeschen {
    void operator()(glp_prob* p) const { glp_delete_prob(p); }
};
using TProblem = std::unique_ptr<glp_prob, TProblemLoeschen>;

/// The programme of the state: columns (request, slot), rows of the three kinds.
struct TModell {
    TProblem lp{glp_create_prob()};
    std::vector<int> wunsch; // per column (0-based)
    std::vector<int> slot;
    /// Column of the talk the state holds now, per request; -1 for none.
    std::vector<int> jetzt;
    /// Requests with an invitation or "Vorrang" in the model: the objective weighs them.
    bool gewichtet = false;
};

/// Builds the programme for the talks in slots von..bis and the requests without a talk;
/// every other talk stays as it stands. With `stufen` the objective puts invitations
/// before "Vorrang" before talks, each level above everything the lower ones can add;
/// else it counts talks.
TModell Baue(const TOptimierZustand& z, bool stufen, int von, int bis)
{
    TModell m;
    const int nW = z.AnzWuensche(), nS = z.AnzSlots(), nL = z.AnzLehrer(), nF = z.AnzFamilien();
    // Talks outside the slots and talks that break a rule stay; their teacher slot and
    // what they exclude in the family stay closed to the others.
    std::vector<char> fest(size_t(nW), 0);
    std::vector<char> lehrerZu(size_t(nL) * size_t(nS), 0);
    std::vector<char> familieZu(size_t(nF) * size_t(nS), 0);
    for (int r = 0; r < nW; ++r) {
        const int k = z.Slot(r);
        if (k < 0 || (k >= von && k <= bis && z.HaeltRegeln(r)))
            continue;
        fest[size_t(r)] = 1;
        const auto& w = z.W(r);
        lehrerZu[size_t(w.lehrer) * size_t(nS) + size_t(k)] = 1;
        for (int j = 0; j < nS; ++j)
            if (z.Konflikt(k, j))
                familieZu[size_t(w.familie) * size_t(nS) + size_t(j)] = 1;
    }

    qint64 summe = 0;
    for (int r = 0; r < nW; ++r)
        summe += z.W(r).Gewicht();
    const double vorrangGewicht = double(summe + 1);
    const double einladungGewicht = vorrangGewicht * double(z.AnzMitStufe(1) + 1) + double(summe + 1);

    // Columns, and for each the rows it enters; rows are numbered as they first appear.
    std::vector<int> zeileWunsch(size_t(nW), 0);
    std::vector<int> zeileLehrer(size_t(nL) * size_t(nS), 0);
    // Family cliques: with the room change clique k is {k, k+1} below the day's last
    // slot g, and {g, j, j+1} for j > g; without it clique k is {k}.
    std::vector<int> zeileFamilie(size_t(nF) * size_t(nS + 1), 0);
    // g: the slot every later slot excludes; found from the state's own rule rather than
    // recomputed, so that the cliques follow whatever Konflikt says.
    int g = -1;
    for (int k = 0; k < nS && z.Raumwechsel(); ++k)
        if (k + 2 < nS && z.Konflikt(k, k + 2)) {
            g = k;
            break;
        }
    auto cliquen = [&](int k, int* aus) {
        int n = 0;
        if (!z.Raumwechsel()) {
            aus[n++] = k;
            return n;
        }
        if (g < 0 || k < g) {
            // {k-1, k} and {k, k+1} (the last slot's second clique is itself alone)
            if (k > 0)
                aus[n++] = k - 1;
            aus[n++] = k;
            return n;
        }
        if (k == g) {
            if (k > 0)
                aus[n++] = k - 1;
            for (int j = g + 1; j < nS; ++j)
                aus[n++] = j; // {g, j, j+1}
            return n;
        }
        // k > g: {g, k-1, k} (when k-1 > g) and {g, k, k+1}
        if (k - 1 > g)
            aus[n++] = k - 1;
        aus[n++] = k;
        return n;
    };

    // Rows as lists of columns first: a row with one column says no more than the
    // column's own bound, and dropping those keeps the simplex small.
    std::vector<std::vector<int>> reihen;
    auto zeile = [&reihen](int& nr) -> std::vector<int>& {
        if (nr == 0) {
            reihen.emplace_back();
            nr = int(reihen.size());
        }
        return reihen[size_t(nr - 1)];
    };
    std::vector<int> cl(size_t(nS) + 2);
    m.jetzt.assign(size_t(nW), -1);
    for (int r = 0; r < nW; ++r) {
        if (fest[size_t(r)])
            continue;
        const auto& w = z.W(r);
        for (int k = std::max(0, von); k <= std::min(bis, nS - 1); ++k) {
            if (!z.Erlaubt(r, k) || lehrerZu[size_t(w.lehrer) * size_t(nS) + size_t(k)]
                || familieZu[size_t(w.familie) * size_t(nS) + size_t(k)])
                continue;
            const int spalte = int(m.wunsch.size()) + 1;
            if (z.Slot(r) == k)
                m.jetzt[size_t(r)] = spalte - 1;
            m.wunsch.push_back(r);
            m.slot.push_back(k);
            zeile(zeileWunsch[size_t(r)]).push_back(spalte);
            zeile(zeileLehrer[size_t(w.lehrer) * size_t(nS) + size_t(k)]).push_back(spalte);
            const int n = cliquen(k, cl.data());
            for (int i = 0; i < n; ++i)
                zeile(zeileFamilie[size_t(w.familie) * size_t(nS + 1) + size_t(cl[size_t(i)])]).push_back(spalte);
        }
    }
    std::vector<int> ia{0}, ja{0};
    std::vector<double> ar{0.0};
    glp_prob* lp = m.lp.get();
    glp_set_obj_dir(lp, GLP_MAX);
    int zeilen = 0;
    for (const auto& reihe : reihen)
        zeilen += reihe.size() >= 2 ? 1 : 0;
    if (zeilen > 0)
        glp_add_rows(lp, zeilen);
    int nr = 0;
    for (const auto& reihe : reihen) {
        if (reihe.size() < 2)
            continue;
        ++nr;
        glp_set_row_bnds(lp, nr, GLP_UP, 0.0, 1.0);
        for (const int spalte : reihe) {
            ia.push_back(nr);
            ja.push_back(spalte);
            ar.push_back(1.0);
        }
    }
    const int spalten = int(m.wunsch.size());
    if (spalten > 0) {
        glp_add_cols(lp, spalten);
        for (int j = 1; j <= spalten; ++j) {
            const auto& w = z.W(m.wunsch[size_t(j - 1)]);
            glp_set_col_bnds(lp, j, GLP_DB, 0.0, 1.0);
            glp_set_col_kind(lp, j, GLP_BV);
            double c = w.Gewicht();
            if (stufen && w.stufe == 0)
                c += einladungGewicht;
            else if (stufen && w.stufe == 1)
                c += vorrangGewicht;
            m.gewichtet = m.gewichtet || (stufen && w.stufe < 2);
            glp_set_obj_coef(lp, j, c);
        }
        if (ia.size() > 1)
            glp_load_matrix(lp, int(ia.size()) - 1, ia.data(), ja.data(), ar.data());
    }
    return m;
}

/// The talks the rules keep fixed, by weight: they count towards the bound as they stand.
int FesteTermine(const TOptimierZustand& z)
{
    int n = 0;
    for (int r = 0; r < z.AnzWuensche(); ++r)
        if (z.Slot(r) >= 0 && !z.HaeltRegeln(r))
            n += z.W(r).Gewicht();
    return n;
}

/// Rounds a bound of an integer objective down, forgiving the solver's tolerance.
int Abrunden(double wert)
{
    return int(std::floor(wert + 1e-6));
}

/// Solves the relaxation; false when it does not end optimal within the iterations.
bool Relaxation(glp_prob* lp, int iterationen)
{
    if (glp_get_num_cols(lp) == 0)
        return true;
    glp_smcp parm;
    glp_init_smcp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.it_lim = iterationen;
    // Without the presolver the search's callback sees the columns as built here, which
    // it needs to hand over the optimiser's plan.
    parm.presolve = GLP_OFF;
    glp_std_basis(lp);
    return glp_simplex(lp, &parm) == 0 && glp_get_status(lp) == GLP_OPT;
}

struct TSuche {
    const TModell* modell = nullptr;
    const std::function<bool(qint64, qint64)>* weiter = nullptr;
    qint64 grenze = 0;
    qint64 knoten = 0;
    bool start = false;
    bool abgebrochen = false;
    double schranke = 0.0;
    bool schrankeBekannt = false;
};

void Rueckruf(glp_tree* baum, void* info)
{
    auto& s = *static_cast<TSuche*>(info);
    switch (glp_ios_reason(baum)) {
    case GLP_IHEUR:
        // The plan the optimiser holds, as the first solution to beat.
        if (!s.start) {
            s.start = true;
            std::vector<double> x(s.modell->wunsch.size() + 1, 0.0);
            for (const int spalte : s.modell->jetzt)
                if (spalte >= 0)
                    x[size_t(spalte) + 1] = 1.0;
            glp_ios_heur_sol(baum, x.data());
        }
        break;
    case GLP_ISELECT: {
        const int bester = glp_ios_best_node(baum);
        if (bester != 0) {
            s.schranke = glp_ios_node_bound(baum, bester);
            s.schrankeBekannt = true;
        }
        ++s.knoten;
        if (!(*s.weiter)(s.knoten, s.grenze)) {
            s.abgebrochen = true;
            glp_ios_terminate(baum);
        } else if (s.knoten >= s.grenze) {
            glp_ios_terminate(baum);
        }
        break;
    }
    default:
        break;
    }
}

struct TGlpkStill {
    TGlpkStill() { glp_term_out(GLP_OFF); }
};

} // namespace

TGanzzahlErgebnis GanzzahligVerbessern(TOptimierZustand& z, const TGanzzahlGrenzen& grenzen,
                                       const std::function<bool(qint64, qint64)>& weiter, int von, int bis)
{
    static const TGlpkStill still;
    TGanzzahlErgebnis ergebnis;
    const bool ganz = von <= 0 && bis >= z.AnzSlots() - 1;
    const TModell m = Baue(z, true, von, bis);
    glp_prob* lp = m.lp.get();
    if (glp_get_num_cols(lp) == 0) {
        // Nothing can move: the talks as they stand are all there is.
        ergebnis.Optimal = true;
        if (ganz)
            ergebnis.Schranke = FesteTermine(z);
        return ergebnis;
    }
    if (!weiter(0, grenzen.Knoten)) {
        ergebnis.Abgebrochen = true;
        return ergebnis;
    }
    if (!Relaxation(lp, grenzen.Iterationen))
        return ergebnis;
    const int fest = FesteTermine(z);
    if (!m.gewichtet && ganz)
        ergebnis.Schranke = fest + Abrunden(glp_get_obj_val(lp));

    TSuche s;
    s.modell = &m;
    s.weiter = &weiter;
    s.grenze = grenzen.Knoten;
    glp_iocp parm;
    glp_init_iocp(&parm);
    parm.msg_lev = GLP_MSG_OFF;
    parm.presolve = GLP_OFF;
    parm.clq_cuts = GLP_ON;
    parm.cb_func = Rueckruf;
    parm.cb_info = &s;
    const int rc = glp_intopt(lp, &parm);
    ergebnis.Knoten = s.knoten;
    ergebnis.Abgebrochen = s.abgebrochen;
    const int status = glp_mip_status(lp);
    if (rc == 0 && status == GLP_OPT) {
        ergebnis.Optimal = true;
        if (!m.gewichtet && ganz)
            ergebnis.Schranke = fest + Abrunden(glp_mip_obj_val(lp));
    } else if (s.schrankeBekannt && !m.gewichtet && ganz) {
        ergebnis.Schranke = std::min(ergebnis.Schranke, fest + Abrunden(s.schranke));
    }
    if (status != GLP_OPT && status != GLP_FEAS)
        return ergebnis;

    // Take the plan only through the state's own rules, and only when it is better.
    const TKennwerte vorher = z.Kennwerte();
    const size_t marke = z.Marke();
    for (const int spalte : m.jetzt)
        if (spalte >= 0)
            z.Entferne(m.wunsch[size_t(spalte)]);
    bool gueltig = true;
    for (int j = 1; j <= glp_get_num_cols(lp) && gueltig; ++j) {
        if (glp_mip_col_val(lp, j) < 0.5)
            continue;
        const int r = m.wunsch[size_t(j - 1)], k = m.slot[size_t(j - 1)];
        gueltig = z.KannSetzen(r, k);
        if (gueltig)
            z.Setze(r, k);
    }
    const TKennwerte nachher = z.Kennwerte();
    const auto stufen = [](const TKennwerte& w) { return std::tuple(w.Einladungen, w.Vorrang, w.Termine); };
    if (!gueltig || stufen(nachher) <= stufen(vorher)) {
        z.ZurueckZu(marke);
        return ergebnis;
    }
    ergebnis.Uebernommen = true;
    return ergebnis;
}

int FensterVerbessern(TOptimierZustand& z, const TFensterGrenzen& grenzen,
                      const std::function<bool(qint64, qint64)>& weiter)
{
    const int nS = z.AnzSlots();
    const int schritt = std::max(1, grenzen.Schritt);
    const int fenster = (std::max(0, nS - grenzen.Breite) + schritt - 1) / schritt + 1;
    const qint64 alle = qint64(grenzen.Runden) * fenster;
    int gewonnen = 0;
    qint64 nr = 0;
    for (int runde = 0; runde < grenzen.Runden; ++runde) {
        bool besser = false;
        for (int i = 0; i < fenster; ++i, ++nr) {
            if (!weiter(nr, alle))
                return gewonnen;
            const int von = std::min(i * schritt, std::max(0, nS - grenzen.Breite));
            const int vorher = z.Kennwerte().Termine;
            bool halt = false;
            const TGanzzahlErgebnis e = GanzzahligVerbessern(z, grenzen.Suche, [&](qint64, qint64) {
                halt = !weiter(nr, alle);
                return !halt;
            }, von, von + grenzen.Breite - 1);
            if (e.Uebernommen) {
                besser = true;
                gewonnen += z.Kennwerte().Termine - vorher;
            }
            if (halt)
                return gewonnen;
        }
        if (!besser)
            break;
    }
    return gewonnen;
}
