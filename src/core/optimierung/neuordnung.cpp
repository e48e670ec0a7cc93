#include "optimierung/neuordnung.h"

#include <algorithm>
#include <bit>

TNeuordnung::TNeuordnung(TOptimierZustand& z)
    : m_z(z)
{
}

std::vector<int> TNeuordnung::Gruppe(int r, int groesse, int versatz) const
{
    const int n = m_z.AnzSlots();
    std::vector<int> gruppe{r};
    std::vector<char> drin(size_t(m_z.AnzWuensche()), 0);
    drin[size_t(r)] = 1;
    auto dazu = [&](int y) {
        if (y >= 0 && !drin[size_t(y)] && int(gruppe.size()) < groesse) {
            drin[size_t(y)] = 1;
            gruppe.push_back(y);
        }
    };
    // The family's other waiting requests may fit once its talks are placed anew.
    for (const int e : m_z.ElternDerFamilie(m_z.W(r).familie))
        for (const int y : m_z.WuenscheVonEltern(e))
            if (m_z.Slot(y) < 0)
                dazu(y);
    // A few obstacles per member, so that the group reaches along chains rather than
    // filling up with the first teacher's whole column.
    for (size_t q = 0; q < gruppe.size() && int(gruppe.size()) < groesse; ++q) {
        const int x = gruppe[q];
        const auto& w = m_z.W(x);
        int breite = q == 0 ? 4 : 2;
        for (int j = 0; j < n && breite > 0 && int(gruppe.size()) < groesse; ++j) {
            const int k = (j + versatz) % n;
            if (!m_z.Erlaubt(x, k) || m_z.Slot(x) == k)
                continue;
            const size_t vorher = gruppe.size();
            const int y = m_z.Belegt(w.lehrer, k);
            if (y != x)
                dazu(y);
            for (const int f : m_z.Termine(w.familie))
                if (f != x && m_z.Konflikt(m_z.Slot(f), k))
                    dazu(f);
            if (gruppe.size() > vorher)
                --breite;
        }
    }
    return gruppe;
}

bool TNeuordnung::OrdneNeu(const std::vector<int>& gruppe, qint64 knoten)
{
    const TKennwerte vorher = m_z.Kennwerte();
    const size_t marke = m_z.Marke();
    int standen = 0;
    for (const int r : gruppe) {
        if (m_z.Slot(r) >= 0) {
            ++standen;
            m_z.Entferne(r);
        }
    }

    // Fewest possible slots first: the search then fails early where it must.
    std::vector<std::pair<int, int>> reihe;
    std::vector<std::vector<int>> kandidaten(gruppe.size());
    for (size_t i = 0; i < gruppe.size(); ++i) {
        const int r = gruppe[i];
        const int t = m_z.W(r).lehrer;
        for (int k = 0; k < m_z.AnzSlots(); ++k)
            if (m_z.Belegt(t, k) < 0 && m_z.Erlaubt(r, k))
                kandidaten[i].push_back(k);
        reihe.emplace_back(int(kandidaten[i].size()), int(i));
    }
    std::stable_sort(reihe.begin(), reihe.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_gruppe.clear();
    m_kandidaten.clear();
    for (const auto& [anzahl, i] : reihe) {
        m_gruppe.push_back(gruppe[size_t(i)]);
        m_kandidaten.push_back(std::move(kandidaten[size_t(i)]));
    }
    m_lehrer.clear();
    m_offen.assign(size_t(m_z.AnzLehrer()), 0);
    m_lehrerNr.assign(size_t(m_z.AnzLehrer()), -1);
    for (const int r : m_gruppe) {
        const int t = m_z.W(r).lehrer;
        if (m_offen[size_t(t)]++ == 0) {
            m_lehrerNr[size_t(t)] = int(m_lehrer.size());
            m_lehrer.push_back(t);
        }
    }
    // Per position and teacher of the group: the slots that a request from there on may
    // use, and how many such requests there are.
    const size_t nG = m_gruppe.size(), nT = m_lehrer.size();
    m_worte = size_t(m_z.AnzSlots() + 63) / 64;
    m_spaeter.assign((nG + 1) * nT * m_worte, 0);
    m_spaeterOffen.assign((nG + 1) * nT, 0);
    for (size_t i = nG; i-- > 0;) {
        std::copy_n(m_spaeter.begin() + std::ptrdiff_t((i + 1) * nT * m_worte), nT * m_worte,
                    m_spaeter.begin() + std::ptrdiff_t(i * nT * m_worte));
        std::copy_n(m_spaeterOffen.begin() + std::ptrdiff_t((i + 1) * nT), nT,
                    m_spaeterOffen.begin() + std::ptrdiff_t(i * nT));
        const size_t j = size_t(m_lehrerNr[size_t(m_z.W(m_gruppe[i]).lehrer)]);
        for (const int k : m_kandidaten[i])
            m_spaeter[(i * nT + j) * m_worte + size_t(k >> 6)] |= quint64(1) << (k & 63);
        ++m_spaeterOffen[i * nT + j];
    }
    // The same per family: its talks keep apart, so it takes no more of the remaining
    // requests than its free slots hold side by side.
    m_familien.clear();
    m_familieNr.assign(size_t(m_z.AnzFamilien()), -1);
    for (const int r : m_gruppe) {
        const int f = m_z.W(r).familie;
        if (m_familieNr[size_t(f)] < 0) {
            m_familieNr[size_t(f)] = int(m_familien.size());
            m_familien.push_back(f);
        }
    }
    const size_t nF = m_familien.size();
    m_famSpaeter.assign((nG + 1) * nF * m_worte, 0);
    m_famOffen.assign((nG + 1) * nF, 0);
    for (size_t i = nG; i-- > 0;) {
        std::copy_n(m_famSpaeter.begin() + std::ptrdiff_t((i + 1) * nF * m_worte), nF * m_worte,
                    m_famSpaeter.begin() + std::ptrdiff_t(i * nF * m_worte));
        std::copy_n(m_famOffen.begin() + std::ptrdiff_t((i + 1) * nF), nF,
                    m_famOffen.begin() + std::ptrdiff_t(i * nF));
        const size_t j = size_t(m_familieNr[size_t(m_z.W(m_gruppe[i]).familie)]);
        for (const int k : m_kandidaten[i])
            m_famSpaeter[(i * nF + j) * m_worte + size_t(k >> 6)] |= quint64(1) << (k & 63);
        ++m_famOffen[i * nF + j];
    }

    m_bestGesetzt = standen;
    m_bestWerte = vorher;
    m_slotsBest.clear();
    m_knoten = knoten;
    m_voll = false;
    suche(0, 0);

    m_z.ZurueckZu(marke + size_t(standen));
    if (m_slotsBest.empty()) {
        m_z.ZurueckZu(marke);
        return false;
    }
    for (size_t i = 0; i < m_gruppe.size(); ++i)
        if (m_slotsBest[i] >= 0)
            m_z.Setze(m_gruppe[i], m_slotsBest[i]);
    if (!m_z.Kennwerte().BesserAls(vorher)) {
        m_z.ZurueckZu(marke);
        return false;
    }
    return true;
}

void TNeuordnung::suche(size_t i, int gesetzt)
{
    if (m_voll || --m_knoten < 0) {
        m_voll = true;
        return;
    }
    if (gesetzt > m_bestGesetzt || (gesetzt == m_bestGesetzt && m_z.Kennwerte().BesserAls(m_bestWerte))) {
        m_bestGesetzt = gesetzt;
        m_bestWerte = m_z.Kennwerte();
        m_slotsBest.assign(m_gruppe.size(), -1);
        for (size_t j = 0; j < i; ++j)
            m_slotsBest[j] = m_z.Slot(m_gruppe[j]);
        if (gesetzt == int(m_gruppe.size())) {
            m_voll = true;
            return;
        }
    }
    if (i == m_gruppe.size())
        return;
    // Each teacher takes at most as many of the remaining requests as it has free slots
    // that one of them may use.
    int schranke = gesetzt;
    const size_t nT = m_lehrer.size();
    for (size_t j = 0; j < nT && schranke <= m_bestGesetzt; ++j) {
        const int t = m_lehrer[j];
        const int offen = m_spaeterOffen[i * nT + j];
        int frei = 0;
        const quint64* maske = &m_spaeter[(i * nT + j) * m_worte];
        for (size_t w = 0; w < m_worte && frei < offen; ++w)
            for (quint64 b = maske[w]; b && frei < offen; b &= b - 1)
                frei += m_z.Belegt(t, int(w * 64) + std::countr_zero(b)) < 0 ? 1 : 0;
        schranke += std::min(offen, frei);
    }
    if (schranke <= m_bestGesetzt)
        return;
    schranke = gesetzt;
    const size_t nF = m_familien.size();
    for (size_t j = 0; j < nF && schranke <= m_bestGesetzt; ++j) {
        const int f = m_familien[j];
        const int offen = m_famOffen[i * nF + j];
        int frei = 0, letzter = -2;
        const quint64* maske = &m_famSpaeter[(i * nF + j) * m_worte];
        for (size_t w = 0; w < m_worte && frei < offen; ++w)
            for (quint64 b = maske[w]; b && frei < offen; b &= b - 1) {
                const int k = int(w * 64) + std::countr_zero(b);
                if ((m_z.Raumwechsel() && k == letzter + 1) || !m_z.FamilieFrei(f, k))
                    continue;
                ++frei;
                letzter = k;
            }
        schranke += std::min(offen, frei);
    }
    if (schranke <= m_bestGesetzt)
        return;

    const int r = m_gruppe[i];
    for (const int k : m_kandidaten[i]) {
        if (!m_z.KannSetzen(r, k))
            continue;
        const size_t marke = m_z.Marke();
        m_z.Setze(r, k);
        suche(i + 1, gesetzt + 1);
        m_z.ZurueckZu(marke);
        if (m_voll)
            break;
    }
    if (!m_voll)
        suche(i + 1, gesetzt);
}

int TNeuordnung::Verbessere(const TNeuordnungsGrenzen& grenzen, const std::function<bool(qint64, qint64)>& weiter)
{
    const int anfang = m_z.Kennwerte().Termine;
    const int nW = m_z.AnzWuensche();
    if (nW == 0)
        return 0;
    if (nW <= grenzen.GanzBis) {
        std::vector<int> alle(static_cast<size_t>(nW));
        for (int r = 0; r < nW; ++r)
            alle[size_t(r)] = r;
        if (OrdneNeu(alle, grenzen.KnotenGanz))
            m_z.Festschreiben();
    }
    // Requests that no slot of their teacher admits can never become talks.
    std::vector<char> moeglich(static_cast<size_t>(nW), 0);
    for (int r = 0; r < nW; ++r)
        for (int k = 0; k < m_z.AnzSlots() && !moeglich[size_t(r)]; ++k)
            moeglich[size_t(r)] = m_z.Erlaubt(r, k) ? 1 : 0;
    const qint64 schritte = qint64(grenzen.Runden) * nW;
    qint64 gefragt = 0;
    for (int runde = 0; runde < grenzen.Runden; ++runde) {
        const int vorRunde = m_z.Kennwerte().Termine;
        for (int r = 0; r < nW; ++r) {
            if (m_z.Slot(r) >= 0 || !moeglich[size_t(r)] || m_z.FreieSlots(m_z.W(r).lehrer) == 0)
                continue;
            if (gefragt++ % 16 == 0 && !weiter(qint64(runde) * nW + r, schritte))
                return m_z.Kennwerte().Termine - anfang;
            if (OrdneNeu(Gruppe(r, grenzen.Gruppe, runde * 5 + r), grenzen.Knoten))
                m_z.Festschreiben();
        }
        if (m_z.Kennwerte().Termine == vorRunde && !grenzen.AlleRunden)
            break;
    }
    return m_z.Kennwerte().Termine - anfang;
}
