#include "optimierung/zustand.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/planregeln.h"
#include "model/namen.h"
#include "raster/tagesraster.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

/// Every entry a talk serves: its own and, for a joint talk of siblings, the others.
template <typename F>
void jedeBeteiligte(const TOptimierZustand::Wunsch& w, F&& f)
{
    f(w.eltern);
    for (const int e : w.mit)
        f(e);
}

template <class R>
QHash<QString, int> Index(const TNamensListe<R>& liste)
{
    QHash<QString, int> index;
    index.reserve(liste.Anzahl());
    for (qsizetype i = 0; i < liste.Anzahl(); ++i)
        index.insert(Namen::Schluessel(liste.Name(i)), int(i));
    return index;
}

int Wurzel(std::vector<int>& vater, int i)
{
    while (vater[size_t(i)] != i) {
        vater[size_t(i)] = vater[size_t(vater[size_t(i)])];
        i = vater[size_t(i)];
    }
    return i;
}

} // namespace

TOptimierZustand::TOptimierZustand(const TSprechtag& tag)
{
    const int nL = int(tag.Lehrer.Anzahl());
    const int nE = int(tag.Eltern.Anzahl());
    m_raumwechsel = tag.Vorgaben.RaumwechselPause;
    m_grenze = std::max(0, Raster::AnzSlots(tag));

    std::vector<int> erster(static_cast<size_t>(nL)), letzter(static_cast<size_t>(nL));
    int maxLetzter = -1;
    for (int l = 0; l < nL; ++l) {
        erster[size_t(l)] = Raster::ErsterSlot(tag, tag.Lehrer.Record(l));
        letzter[size_t(l)] = Raster::LetzterSlot(tag, tag.Lehrer.Record(l));
        maxLetzter = std::max(maxLetzter, letzter[size_t(l)]);
    }
    m_slots = std::max(maxLetzter + 1, m_grenze + 1);
    m_worte = size_t((m_slots + 63) / 64);

    std::vector<char> pause(static_cast<size_t>(m_slots));
    for (int k = 0; k < m_slots; ++k)
        pause[size_t(k)] = Raster::IstPausenSlot(tag, k) ? 1 : 0;
    m_nutzbar.assign(size_t(nL) * m_worte, 0);
    m_kapazitaet.assign(size_t(nL), 0);
    for (int l = 0; l < nL; ++l) {
        for (int k = std::max(0, erster[size_t(l)]); k <= letzter[size_t(l)]; ++k) {
            if (!pause[size_t(k)]) {
                m_nutzbar[size_t(l) * m_worte + size_t(k >> 6)] |= quint64(1) << (k & 63);
                ++m_kapazitaet[size_t(l)];
            }
        }
    }

    // Families: the connected groups of the sibling links, read in both directions.
    const QHash<QString, int> elternIndex = Index(tag.Eltern);
    std::vector<int> vater(static_cast<size_t>(nE));
    std::iota(vater.begin(), vater.end(), 0);
    for (int e = 0; e < nE; ++e) {
        for (const QString& g : tag.Eltern.Record(e).Geschwister) {
            const int s = elternIndex.value(Namen::Schluessel(g), -1);
            if (s >= 0)
                vater[size_t(Wurzel(vater, e))] = Wurzel(vater, s);
        }
    }
    m_elternFamilie.assign(size_t(nE), -1);
    std::vector<int> familieDerWurzel(size_t(nE), -1);
    for (int e = 0; e < nE; ++e) {
        const int w = Wurzel(vater, e);
        if (familieDerWurzel[size_t(w)] < 0) {
            familieDerWurzel[size_t(w)] = int(m_familienEltern.size());
            m_familienEltern.emplace_back();
        }
        m_elternFamilie[size_t(e)] = familieDerWurzel[size_t(w)];
        m_familienEltern[size_t(familieDerWurzel[size_t(w)])].push_back(e);
    }

    // The slots every member of a family attends; with the room change a talk also needs
    // both neighbours (clamped to 0..AnzSlots) inside the limits.
    const double start = tag.Vorgaben.SprechStart;
    const double takt = tag.Vorgaben.Takt();
    std::vector<qint64> zeitMs(static_cast<size_t>(m_slots));
    for (int k = 0; k < m_slots; ++k)
        zeitMs[size_t(k)] = Planregeln::AufMs(k * takt + start);
    const int nF = AnzFamilien();
    m_fenster.assign(size_t(nF) * m_worte, 0);
    std::vector<char> da(static_cast<size_t>(m_slots));
    for (int f = 0; f < nF; ++f) {
        std::fill(da.begin(), da.end(), 1);
        for (const int e : m_familienEltern[size_t(f)]) {
            const TEltern& rec = tag.Eltern.Record(e);
            const qint64 vor = Planregeln::AufMs(rec.NichtVorZeit);
            const qint64 nach = Planregeln::AufMs(rec.NichtNachZeit);
            for (int k = 0; k < m_slots; ++k) {
                const qint64 t = zeitMs[size_t(k)];
                if (!Planregeln::Anwesend(t, rec.NichtVor, vor, rec.NichtNach, nach))
                    da[size_t(k)] = 0;
            }
        }
        for (int k = 0; k < m_slots; ++k) {
            bool ok = da[size_t(k)] != 0;
            if (ok && m_raumwechsel)
                ok = da[size_t(Planregeln::RaumwechselNachbar(k, -1, m_grenze))]
                     && da[size_t(Planregeln::RaumwechselNachbar(k, +1, m_grenze))];
            if (ok)
                m_fenster[size_t(f) * m_worte + size_t(k >> 6)] |= quint64(1) << (k & 63);
        }
    }

    // Requests that may become talks: an existing teacher, named once, who does not
    // refuse the entry.
    const QHash<QString, int> lehrerIndex = Index(tag.Lehrer);
    std::vector<std::vector<char>> lehntAb(static_cast<size_t>(nL));
    for (int l = 0; l < nL; ++l) {
        for (const QString& a : tag.Lehrer.Record(l).Ablehnungen) {
            const int e = elternIndex.value(Namen::Schluessel(a), -1);
            if (e < 0)
                continue;
            if (lehntAb[size_t(l)].empty())
                lehntAb[size_t(l)].assign(size_t(nE), 0);
            lehntAb[size_t(l)][size_t(e)] = 1;
        }
    }
    m_lehrerWuensche.assign(size_t(nL), {});
    m_elternWuensche.assign(size_t(nE), {});
    m_zaehlt.assign(size_t(nE), 0);
    for (int e = 0; e < nE; ++e) {
        for (const QString& text : tag.Eltern.Record(e).Sprechwuensche) {
            const int l = lehrerIndex.value(Namen::Schluessel(text), -1);
            if (l < 0 || (!lehntAb[size_t(l)].empty() && lehntAb[size_t(l)][size_t(e)]))
                continue;
            m_zaehlt[size_t(e)] = 1;
            bool doppelt = false;
            for (const int r : m_elternWuensche[size_t(e)])
                doppelt = doppelt || m_wuensche[size_t(r)].lehrer == l;
            if (doppelt)
                continue;
            const int r = int(m_wuensche.size());
            const TPrioritaet p = Prioritaet(tag.Eltern.Record(e), text);
            const int stufe = p == TPrioritaet::Einladung ? 0 : p == TPrioritaet::Vorrang ? 1 : 2;
            if (stufe < 2)
                ++m_mitStufe[size_t(stufe)];
            m_wuensche.push_back({e, l, m_elternFamilie[size_t(e)], text, stufe, {}, {}, {}});
            if (stufe < 2)
                m_wuensche.back().marken[size_t(stufe)] = 1;
            m_lehrerWuensche[size_t(l)].push_back(r);
            m_elternWuensche[size_t(e)].push_back(r);
        }
    }

    m_gemeinsamMit.assign(size_t(nE), {});
    if (tag.GemeinsameGespraeche)
        geschwisterZusammenfassen();

    m_slot.assign(m_wuensche.size(), -1);
    m_spalte.assign(size_t(nL) * size_t(m_slots), -1);
    m_frei = m_kapazitaet;
    m_familienTermine.assign(size_t(nF), {});
    m_familienWarten.assign(size_t(nF), 0);
    m_elternTermine.assign(size_t(nE), 0);
    m_ohneTermin = int(std::count(m_zaehlt.begin(), m_zaehlt.end(), 1));
}

void TOptimierZustand::geschwisterZusammenfassen()
{
    // The requests were made entry by entry in the order of the parents list, so the first
    // request of a family for a teacher is its first entry's, and the others follow in
    // list order: the teacher's line names them in that order.
    std::vector<Wunsch> alle = std::move(m_wuensche);
    m_wuensche.clear();
    for (auto& l : m_lehrerWuensche)
        l.clear();
    for (auto& e : m_elternWuensche)
        e.clear();
    m_mitStufe = {0, 0};
    QHash<qint64, int> gemeinsam; // family * teachers + teacher -> request
    for (Wunsch& w : alle) {
        const qint64 schluessel = qint64(w.familie) * AnzLehrer() + w.lehrer;
        const auto it = m_familienEltern[size_t(w.familie)].size() > 1 ? gemeinsam.constFind(schluessel)
                                                                         : gemeinsam.cend();
        if (it != gemeinsam.cend()) {
            Wunsch& erster = m_wuensche[size_t(*it)];
            erster.mit.push_back(w.eltern);
            erster.mitText.append(w.text);
            erster.stufe = std::min(erster.stufe, w.stufe);
            for (size_t s = 0; s < 2; ++s)
                erster.marken[s] += w.marken[s];
            m_gemeinsamMit[size_t(w.eltern)].push_back(*it);
            continue;
        }
        const int r = int(m_wuensche.size());
        gemeinsam.insert(schluessel, r);
        m_lehrerWuensche[size_t(w.lehrer)].push_back(r);
        m_elternWuensche[size_t(w.eltern)].push_back(r);
        m_wuensche.push_back(std::move(w));
    }
    for (const Wunsch& w : m_wuensche)
        for (size_t s = 0; s < 2; ++s)
            m_mitStufe[s] += w.marken[s];
}

bool TOptimierZustand::Erlaubt(int r, int k) const
{
    if (k < 0 || k >= m_slots)
        return false;
    const Wunsch& w = m_wuensche[size_t(r)];
    return bit(m_nutzbar, w.lehrer, k) && bit(m_fenster, w.familie, k);
}

void TOptimierZustand::BeschraenkeLehrer(int lehrer, int erster, int letzter)
{
    for (int k = 0; k < m_slots; ++k) {
        if ((k >= erster && k <= letzter) || !bit(m_nutzbar, lehrer, k))
            continue;
        Q_ASSERT(Belegt(lehrer, k) == -1);
        m_nutzbar[size_t(lehrer) * m_worte + size_t(k >> 6)] &= ~(quint64(1) << (k & 63));
        --m_kapazitaet[size_t(lehrer)];
        --m_frei[size_t(lehrer)];
    }
}

bool TOptimierZustand::Konflikt(int a, int b) const
{
    return Planregeln::FamilienKonflikt(a, b, m_grenze, m_raumwechsel, Planregeln::TNachbarLesart::Streng);
}

bool TOptimierZustand::HaeltRegeln(int r) const
{
    const int k = m_slot[size_t(r)];
    return k >= 0 && Erlaubt(r, k) && FamilieFrei(m_wuensche[size_t(r)].familie, k, r);
}

bool TOptimierZustand::KannUebernehmen(int r, int k) const
{
    return m_slot[size_t(r)] == -1 && k >= 0 && k < m_slots && Belegt(m_wuensche[size_t(r)].lehrer, k) == -1;
}

void TOptimierZustand::SperreSlot(int lehrer, int k)
{
    if (k < 0 || k >= m_slots || !bit(m_nutzbar, lehrer, k) || Belegt(lehrer, k) != -1)
        return;
    m_nutzbar[size_t(lehrer) * m_worte + size_t(k >> 6)] &= ~(quint64(1) << (k & 63));
    --m_kapazitaet[size_t(lehrer)];
    --m_frei[size_t(lehrer)];
}

void TOptimierZustand::SperreFamilie(int familie, int k)
{
    for (int j = k - (m_raumwechsel ? 1 : 0); j <= k + (m_raumwechsel ? 1 : 0); ++j)
        if (j >= 0 && j < m_slots)
            m_fenster[size_t(familie) * m_worte + size_t(j >> 6)] &= ~(quint64(1) << (j & 63));
}

bool TOptimierZustand::FamilieFrei(int familie, int k, int ohne) const
{
    for (const int x : m_familienTermine[size_t(familie)])
        if (x != ohne && Konflikt(m_slot[size_t(x)], k))
            return false;
    return true;
}

bool TOptimierZustand::KannSetzen(int r, int k) const
{
    if (m_slot[size_t(r)] != -1 || k < 0 || k >= m_slots)
        return false;
    const Wunsch& w = m_wuensche[size_t(r)];
    return Belegt(w.lehrer, k) == -1 && Erlaubt(r, k) && FamilieFrei(w.familie, k);
}

void TOptimierZustand::Uebernehmen(int r, int k)
{
    m_protokoll.emplace_back(r, -1);
    setzeRoh(r, k);
}

void TOptimierZustand::Setze(int r, int k)
{
    m_protokoll.emplace_back(r, -1);
    setzeRoh(r, k);
}

void TOptimierZustand::Entferne(int r)
{
    m_protokoll.emplace_back(r, m_slot[size_t(r)]);
    entferneRoh(r);
}

void TOptimierZustand::ZurueckZu(size_t marke)
{
    while (m_protokoll.size() > marke) {
        const auto [r, alt] = m_protokoll.back();
        m_protokoll.pop_back();
        if (m_slot[size_t(r)] != -1)
            entferneRoh(r);
        if (alt != -1)
            setzeRoh(r, alt);
    }
}

void TOptimierZustand::setzeRoh(int r, int k)
{
    const Wunsch& w = m_wuensche[size_t(r)];
    m_slot[size_t(r)] = k;
    m_spalte[size_t(w.lehrer) * size_t(m_slots) + size_t(k)] = r;
    if (bit(m_nutzbar, w.lehrer, k))
        --m_frei[size_t(w.lehrer)];
    m_familienTermine[size_t(w.familie)].push_back(r);
    jedeBeteiligte(w, [this](int e) {
        if (++m_elternTermine[size_t(e)] == 1 && m_zaehlt[size_t(e)])
            --m_ohneTermin;
    });
    m_anzTermine += w.Gewicht();
    m_gesetzt[0] += w.marken[0];
    m_gesetzt[1] += w.marken[1];
    familieNeu(w.familie);
}

void TOptimierZustand::entferneRoh(int r)
{
    const Wunsch& w = m_wuensche[size_t(r)];
    const int k = m_slot[size_t(r)];
    m_slot[size_t(r)] = -1;
    m_spalte[size_t(w.lehrer) * size_t(m_slots) + size_t(k)] = -1;
    if (bit(m_nutzbar, w.lehrer, k))
        ++m_frei[size_t(w.lehrer)];
    auto& termine = m_familienTermine[size_t(w.familie)];
    termine.erase(std::find(termine.begin(), termine.end(), r));
    jedeBeteiligte(w, [this](int e) {
        if (--m_elternTermine[size_t(e)] == 0 && m_zaehlt[size_t(e)])
            ++m_ohneTermin;
    });
    m_anzTermine -= w.Gewicht();
    m_gesetzt[0] -= w.marken[0];
    m_gesetzt[1] -= w.marken[1];
    familieNeu(w.familie);
}

void TOptimierZustand::familieNeu(int f)
{
    const auto& termine = m_familienTermine[size_t(f)];
    int warten = 0;
    if (termine.size() >= 2) {
        int lo = m_slots, hi = -1;
        for (const int x : termine) {
            lo = std::min(lo, m_slot[size_t(x)]);
            hi = std::max(hi, m_slot[size_t(x)]);
        }
        warten = hi - lo + 1 - int(termine.size());
    }
    m_warten += warten - m_familienWarten[size_t(f)];
    m_familienWarten[size_t(f)] = warten;
}

int TOptimierZustand::WartezeitMit(int familie, int k) const
{
    const auto& termine = m_familienTermine[size_t(familie)];
    if (termine.empty())
        return 0;
    int lo = k, hi = k;
    for (const int x : termine) {
        lo = std::min(lo, m_slot[size_t(x)]);
        hi = std::max(hi, m_slot[size_t(x)]);
    }
    return hi - lo + 1 - int(termine.size()) - 1;
}

int TOptimierZustand::BesterSlot(int r, int lo, int hi) const
{
    const Wunsch& w = m_wuensche[size_t(r)];
    if (FreieSlots(w.lehrer) == 0)
        return -1;
    int best = -1;
    int bestWarten = 0;
    for (int k = lo; k <= hi; ++k) {
        if (!KannSetzen(r, k))
            continue;
        const int warten = WartezeitMit(w.familie, k);
        if (best < 0 || warten < bestWarten) {
            best = k;
            bestWarten = warten;
        }
    }
    return best;
}

void TOptimierZustand::Uebernimm(const std::vector<int>& belegung)
{
    for (int r = 0; r < AnzWuensche(); ++r)
        if (m_slot[size_t(r)] != -1)
            entferneRoh(r);
    for (int r = 0; r < AnzWuensche(); ++r)
        if (belegung[size_t(r)] != -1)
            setzeRoh(r, belegung[size_t(r)]);
    m_protokoll.clear();
}
