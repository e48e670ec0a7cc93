#include "berechnung/zeitplanrechner.h"

#include "bearbeiten/vorrang.h"
#include "berechnung/planregeln.h"
#include "berechnung/statistik.h"
#include "model/namensindex.h"
#include "raster/tagesraster.h"

#include <QStringBuilder>
#include <algorithm>
#include <cmath>

namespace {

/// The minute of the day that the line label of `t` shows: two labels are equal exactly
/// when these numbers are.
int labelSchluessel(double t)
{
    const Zeit::Uhrzeit u = Zeit::Zerlege(t);
    return u.stunden * 60 + u.minuten;
}

/// Picks the d-th remaining entry of 0..n-1 and removes it, in O(log n): the random order
/// is drawn from a list that shrinks by one entry per draw.
class TRestliste {
public:
    explicit TRestliste(int n)
        : m_baum(size_t(n) + 1, 0)
    {
        for (int i = 1; i <= n; ++i) {
            m_baum[size_t(i)] += 1;
            const int j = i + (i & -i);
            if (j <= n)
                m_baum[size_t(j)] += m_baum[size_t(i)];
        }
        m_stufe = 1;
        while (m_stufe * 2 <= n)
            m_stufe *= 2;
    }

    int Nimm(int d)
    {
        int pos = 0;
        int rest = d + 1;
        for (int s = m_stufe; s > 0; s /= 2) {
            const int naechste = pos + s;
            if (naechste < int(m_baum.size()) && m_baum[size_t(naechste)] < rest) {
                pos = naechste;
                rest -= m_baum[size_t(naechste)];
            }
        }
        for (int i = pos + 1; i < int(m_baum.size()); i += i & -i)
            m_baum[size_t(i)] -= 1;
        return pos;
    }

private:
    std::vector<int> m_baum;
    int m_stufe = 1;
};

} // namespace

QString BerechnungsHindernis(const TSprechtag& tag)
{
    if (tag.Eltern.IstLeer() || tag.Lehrer.IstLeer())
        return QStringLiteral("Sie müssen zuerst Lehrer und Eltern eingeben!");
    return {};
}

TBerechnungsErgebnis BerechneZeitplaene(TSprechtag& tag, TFortschritt& fortschritt, const TDrosselTakt& takt,
                                        TStatistikAbschluss abschluss)
{
    if (!BerechnungsHindernis(tag).isEmpty())
        return {};
    TZeitplanRechner rechner(tag, fortschritt, takt);
    rechner.SetStatistikAbschluss(std::move(abschluss));
    return rechner.Berechne();
}

TZeitplanRechner::TZeitplanRechner(TSprechtag& tag, TFortschritt& fortschritt, const TDrosselTakt& takt)
    : m_tag(tag)
    , m_drossel(fortschritt, takt)
{
    const auto& L = m_tag.Lehrer;
    const auto& E = m_tag.Eltern;

    m_lehrer.resize(size_t(L.Anzahl()));
    TNamensIndex lehrerIndex(L);
    int maxLetzter = -2;
    for (qsizetype i = 0; i < L.Anzahl(); ++i) {
        Lehrer& l = m_lehrer[size_t(i)];
        l.rec = &m_tag.Lehrer.Record(i);
        l.erster = Raster::ErsterSlot(m_tag, *l.rec);
        l.letzter = Raster::LetzterSlot(m_tag, *l.rec);
        l.frei = Raster::FreieSlots(m_tag, *l.rec);
        maxLetzter = std::max(maxLetzter, l.letzter);
    }
    TNamensIndex elternIndex(E);

    m_eltern.resize(size_t(E.Anzahl()));
    for (qsizetype i = 0; i < E.Anzahl(); ++i) {
        Eltern& e = m_eltern[size_t(i)];
        e.rec = &m_tag.Eltern.Record(i);
        e.name = E.Name(i);
        // Read through a const view: the lists may be shared with a snapshot, and a
        // non-const walk would copy them.
        const TEltern& rec = *e.rec;
        e.wuensche.reserve(size_t(rec.Sprechwuensche.size()));
        for (const QString& w : rec.Sprechwuensche)
            e.wuensche.push_back(lehrerIndex.Suche(w));
        if (!rec.Einladungen.isEmpty() || !rec.Vorrang.isEmpty()) {
            m_mitStufen = true;
            e.stufe.reserve(e.wuensche.size());
            for (const QString& w : rec.Sprechwuensche) {
                const TPrioritaet p = Prioritaet(rec, w);
                e.stufe.push_back(p == TPrioritaet::Einladung ? 0 : p == TPrioritaet::Vorrang ? 1 : 2);
            }
        }
        for (const QString& g : rec.Geschwister) {
            const int s = elternIndex.Suche(g);
            if (s >= 0)
                e.geschwister.push_back(s);
        }
        e.nichtVorMs = Planregeln::AufMs(e.rec->NichtVorZeit);
        e.nichtNachMs = Planregeln::AufMs(e.rec->NichtNachZeit);
    }
    for (size_t l = 0; l < m_lehrer.size(); ++l) {
        for (const QString& a : std::as_const(m_lehrer[l].rec->Ablehnungen)) {
            const int e = elternIndex.Suche(a);
            if (e >= 0)
                m_eltern[size_t(e)].ablehnende.push_back(int(l));
        }
    }
    if (m_tag.GemeinsameGespraeche)
        bildeGruppen();

    m_anzSlots = Raster::AnzSlots(m_tag);
    bereiteSlotsVor(std::max({maxLetzter + 2, m_anzSlots + 1, 1}));
}

void TZeitplanRechner::bildeGruppen()
{
    // Families are the connected groups of the sibling links, read in both directions: a
    // link written on one side only still joins two children of one family.
    const int nE = int(m_eltern.size());
    std::vector<int> vater(static_cast<size_t>(nE));
    for (int i = 0; i < nE; ++i)
        vater[size_t(i)] = i;
    auto wurzel = [&vater](int i) {
        while (vater[size_t(i)] != i)
            i = vater[size_t(i)] = vater[size_t(vater[size_t(i)])];
        return i;
    };
    for (int i = 0; i < nE; ++i)
        for (const int s : m_eltern[size_t(i)].geschwister)
            vater[size_t(wurzel(i))] = wurzel(s);
    std::vector<std::vector<int>> familien(static_cast<size_t>(nE));
    for (int i = 0; i < nE; ++i)
        familien[size_t(wurzel(i))].push_back(i);

    for (const std::vector<int>& familie : familien) {
        if (familie.size() < 2)
            continue;
        std::vector<int> lehrer;
        for (const int i : familie) {
            const Eltern& e = m_eltern[size_t(i)];
            for (const int w : e.wuensche)
                if (w >= 0 && !istAbgelehnt(e, w) && std::find(lehrer.begin(), lehrer.end(), w) == lehrer.end())
                    lehrer.push_back(w);
        }
        for (const int w : lehrer) {
            Gruppe g;
            g.lehrer = w;
            for (const int i : familie) {
                const Eltern& e = m_eltern[size_t(i)];
                if (!istAbgelehnt(e, w) && std::find(e.wuensche.begin(), e.wuensche.end(), w) != e.wuensche.end())
                    g.mitglieder.push_back(i);
            }
            if (g.mitglieder.size() < 2)
                continue;
            for (const int i : g.mitglieder)
                m_eltern[size_t(i)].gemeinsam.emplace_back(w, int(m_gruppen.size()));
            m_gruppen.push_back(std::move(g));
        }
    }
}

int TZeitplanRechner::gruppeVon(const Eltern& e, int lehrer) const
{
    for (const auto& [l, g] : e.gemeinsam)
        if (l == lehrer)
            return g;
    return -1;
}

const QString& TZeitplanRechner::wunschText(const Eltern& e, int lehrer) const
{
    for (size_t i = 0; i < e.wuensche.size(); ++i)
        if (e.wuensche[i] == lehrer)
            return e.rec->Sprechwuensche.at(qsizetype(i));
    static const QString keiner;
    return keiner;
}

void TZeitplanRechner::bereiteSlotsVor(int n)
{
    const double start = m_tag.Vorgaben.SprechStart;
    const double takt = m_tag.Vorgaben.Takt();
    m_praefix.reserve(n);
    m_praefixSchluessel.reserve(size_t(n));
    m_zeitSchluessel.reserve(size_t(n));
    m_zeitMs.reserve(size_t(n));
    m_pause.reserve(size_t(n));
    double z = start;
    for (int k = 0; k < n; ++k) {
        m_praefix.append(Zeit::ZeitPraefix(z));
        m_praefixSchluessel.push_back(labelSchluessel(z));
        const double t = k * takt + start;
        m_zeitSchluessel.push_back(labelSchluessel(t));
        m_zeitMs.push_back(Planregeln::AufMs(t));
        m_pause.push_back(Raster::IstPausenSlot(m_tag, k) ? 1 : 0);
        z += takt;
    }
}

bool TZeitplanRechner::istPause(int k) const
{
    if (k >= 0 && k < int(m_pause.size()))
        return m_pause[size_t(k)] != 0;
    return Raster::IstPausenSlot(m_tag, k);
}

bool TZeitplanRechner::istAbgelehnt(const Eltern& e, int lehrer) const
{
    return std::find(e.ablehnende.begin(), e.ablehnende.end(), lehrer) != e.ablehnende.end();
}

TBerechnungsErgebnis TZeitplanRechner::Berechne()
{
    const int nE = int(m_eltern.size());
    Vorbereiten();
    Bewilligen();

    if (!m_mitStufen) {
        for (int q = nE - 1; q >= 0; --q)
            PlatziereEltern(m_reihenfolgeIndex[size_t(q)], nE - q);
    } else {
        // Every family's invited talks are placed before anybody's "Vorrang" talk, and
        // those before the rest: a routine talk never takes the slot an invitation needed.
        for (int s = 0; s < 3; ++s)
            for (int q = nE - 1; q >= 0; --q) {
                const Eltern& e = m_eltern[size_t(m_reihenfolgeIndex[size_t(q)])];
                const int von = s == 0 ? 0 : e.erteiltBis[s - 1];
                const int bis = s == 2 ? int(e.erteilt.size()) : e.erteiltBis[s];
                if (von < bis)
                    PlatziereEltern(m_reihenfolgeIndex[size_t(q)], nE - q, von, bis);
            }
    }

    m_drossel.ZeigAn(m_maxWuensche, m_maxWuensche, false, [] { return QStringLiteral("Daten aufbereiten"); },
                     nE, m_bewilligt, m_vergeben);
    Aufraeumen();

    TStatistikTexte statistik;
    statistik.Texte[TStatistikTexte::MaxErtbar] = QString::number(m_bewilligt);
    if (m_abschluss) {
        m_abschluss(m_tag, std::move(statistik));
    } else {
        ErstelleStatistik(m_tag, statistik);
        m_tag.StatistikSetzen(std::move(statistik));
    }

    m_drossel.ZeigAn(m_maxWuensche, m_maxWuensche, true, [] { return QStringLiteral("Fertig"); }, nE,
                     m_bewilligt, m_vergeben, true);
    m_tag.PlaeneGueltig = true;
    m_tag.Geaendert(QStringLiteral("Zeitpläne berechnen"), TSichern::Sofort);
    return {m_maxWuensche, m_bewilligt, m_vergeben};
}

void TZeitplanRechner::Vorbereiten()
{
    const int nE = int(m_eltern.size());
    m_bewilligt = 0;
    m_vergeben = 0;
    m_maxWuensche = 0;
    m_reihenfolge.clear();
    m_reihenfolgeIndex.clear();
    m_reihenfolge.reserve(nE);
    m_reihenfolgeIndex.reserve(size_t(nE));

    TRestliste rest(nE);
    for (int m = 0; m < nE; ++m) {
        const int d = int(m_tag.Zufall.ZufallsZahl(quint32(nE - m)));
        const int i = rest.Nimm(d);
        Eltern& e = m_eltern[size_t(i)];
        m_reihenfolge.append(e.name);
        m_reihenfolgeIndex.push_back(i);
        e.rec->Zeitplan.Leeren();
        e.rec->Erteilt.clear();
        e.erteilt.clear();
        e.erteiltBis[0] = e.erteiltBis[1] = 0;
        e.belegt.clear();
        m_maxWuensche = std::max(m_maxWuensche, int(e.rec->Sprechwuensche.size()));
        m_drossel.Ereignisse();
    }

    for (Gruppe& g : m_gruppen)
        g.gesucht = false;
    m_drossel.ZeigAn(0, m_maxWuensche, false, [] { return QStringLiteral("Zeitplanvorbereitung"); }, 0, 0, 0, true);

    for (Lehrer& l : m_lehrer) {
        l.rec->Zeitplan.clear();
        l.rec->AnzErteilt = 0;
        if (l.letzter >= 0) {
            l.rec->Zeitplan.reserve(l.letzter + 1);
            for (int k = 0; k <= l.letzter; ++k)
                l.rec->Zeitplan.append(m_praefix.at(k));
        }
    }
}

void TZeitplanRechner::Bewilligen()
{
    if (!m_mitStufen) {
        bewilligeStufe(-1);
        return;
    }
    for (int s = 0; s < 3; ++s) {
        bewilligeStufe(s);
        if (s < 2)
            for (Eltern& e : m_eltern)
                e.erteiltBis[s] = int(e.erteilt.size());
    }
}

void TZeitplanRechner::bewilligeStufe(int stufe)
{
    // The requests of the group, as positions in the entry's request list; for all
    // requests exactly the list itself, so that the draws stay those of every run before.
    std::vector<int> auswahl;
    int passe = m_maxWuensche;
    if (stufe >= 0) {
        passe = 0;
        // An entry without marks keeps no priority of its own: every request of it is a
        // normal one and needs its pass.
        for (const Eltern& e : m_eltern) {
            int n = 0;
            for (size_t i = 0; i < e.wuensche.size(); ++i)
                n += (i < e.stufe.size() ? e.stufe[i] : 2) == stufe ? 1 : 0;
            passe = std::max(passe, n);
        }
    }
    for (int p = 1; p <= passe; ++p) {
        for (Eltern& e : m_eltern) {
            auswahl.clear();
            for (int i = 0; i < int(e.wuensche.size()); ++i)
                if (stufe < 0 || (size_t(i) < e.stufe.size() ? e.stufe[size_t(i)] : 2) == stufe)
                    auswahl.push_back(i);
            const int n = int(auswahl.size());
            if (stufe >= 0 && n == 0)
                continue;
            int j = int(m_tag.Zufall.ZufallsZahl(quint32(n)));
            const int s = j;
            bool bewilligt = false;
            if (n > 0) {
                do {
                    m_drossel.Ereignisse();
                    const int w = e.wuensche[size_t(auswahl[size_t(j)])];
                    if (w >= 0) {
                        Lehrer& l = m_lehrer[size_t(w)];
                        const bool schonErteilt = std::find(e.erteilt.begin(), e.erteilt.end(), w) != e.erteilt.end();
                        if (!schonErteilt && !istAbgelehnt(e, w) && l.rec->AnzErteilt < l.frei) {
                            bewilligt = true;
                            if (const int g = gruppeVon(e, w); g < 0) {
                                e.erteilt.push_back(w);
                                e.rec->Erteilt.append(e.rec->Sprechwuensche.at(auswahl[size_t(j)]));
                                m_bewilligt += 1;
                            } else {
                                // One talk serves every sibling with this teacher: each
                                // request counts as granted, the teacher gives one slot.
                                for (const int m : m_gruppen[size_t(g)].mitglieder) {
                                    Eltern& mit = m_eltern[size_t(m)];
                                    mit.erteilt.push_back(w);
                                    mit.rec->Erteilt.append(wunschText(mit, w));
                                    m_bewilligt += 1;
                                }
                            }
                            l.rec->AnzErteilt += 1;
                        }
                    }
                    j += 1;
                    if (j >= n)
                        j = 0;
                } while (!bewilligt && j != s);
            }
            m_drossel.ZeigAn(p, m_maxWuensche, false, [&e] { return e.name; }, 0, m_bewilligt, m_vergeben);
        }
    }
}

void TZeitplanRechner::PlatziereEltern(int eltern, int position, int von, int bis)
{
    const Eltern& e = m_eltern[size_t(eltern)];
    int hint = -1;
    if (bis < 0)
        bis = int(e.erteilt.size());
    // Talks searched in this call: the hint is their running mean. A joint talk that a
    // sibling's placement has already looked for is not searched again.
    int gesucht = 0;
    for (int i = von; i < bis; ++i) {
        if (const int g = gruppeVon(e, e.erteilt[size_t(i)]); g >= 0) {
            if (m_gruppen[size_t(g)].gesucht)
                continue;
            m_gruppen[size_t(g)].gesucht = true;
        }
        const int vorher = hint;
        m_drossel.Ereignisse();
        SucheTermin(eltern, i, hint);
        if (gesucht > 0)
            hint = (gesucht * vorher + hint) / (gesucht + 1);
        ++gesucht;
        m_drossel.ZeigAn(
            m_maxWuensche, m_maxWuensche, false,
            [&e, i] { return QString(e.name % u" bei " % e.rec->Erteilt.at(i)); }, position, m_bewilligt,
            m_vergeben);
    }
}

void TZeitplanRechner::SucheTermin(int eltern, int nr, int& hint)
{
    const Eltern& e = m_eltern[size_t(eltern)];
    const int lehrer = e.erteilt[size_t(nr)];
    const Lehrer& l = m_lehrer[size_t(lehrer)];
    const QStringList& plan = l.rec->Zeitplan;
    const int gruppe = gruppeVon(e, lehrer);

    int a = hint;
    if (a == -1)
        a = int(m_tag.Zufall.ZufallsZahl(quint32(l.letzter - l.erster + 1))) + l.erster;
    int k = a;
    int fehlversuche = 0;
    // Without a single whole slot in the day the miss limit 3 x AnzSlots is never reached;
    // then the search ends once the teacher's whole range has been probed.
    const int grenze = 3 * m_anzSlots;
    const int bereich = std::max(0, l.letzter - l.erster + 1);
    int imBereich = 0;

    for (;;) {
        m_drossel.Ereignisse();
        const bool inStunden = k >= l.erster && k <= l.letzter;
        if (inStunden)
            ++imBereich;
        if (inStunden && !istPause(k)) {
            if (plan.at(k).size() == 11 && slotPasst(eltern, gruppe, k)) {
                if (gruppe < 0)
                    bucheSlot(eltern, lehrer, e.rec->Erteilt.at(nr), k);
                else
                    bucheGemeinsam(m_gruppen[size_t(gruppe)], k);
                break;
            }
            k = SpiegelSchritt(a, k);
        } else {
            ++fehlversuche;
            k = SpiegelSchritt(a, k);
        }
        if (m_anzSlots >= 1 ? fehlversuche == grenze : imBereich >= bereich)
            break;
    }
    hint = k;
}

void TZeitplanRechner::bucheSlot(int eltern, int lehrer, const QString& wunsch, int k)
{
    Eltern& e = m_eltern[size_t(eltern)];
    const QString& zeile = m_praefix.at(k);
    const int schluessel = m_praefixSchluessel[size_t(k)];
    e.rec->Zeitplan.Hinzufuegen(Planregeln::Elternzeile(zeile, wunsch));
    e.belegt.push_back(schluessel);
    m_lehrer[size_t(lehrer)].rec->Zeitplan[k] = Planregeln::Lehrerzeile(zeile, e.name);
    m_vergeben += 1;
    const QString marke = Planregeln::Geschwistermarke(zeile, wunsch);
    for (const int s : e.geschwister) {
        Eltern& g = m_eltern[size_t(s)];
        g.rec->Zeitplan.Hinzufuegen(marke);
        g.belegt.push_back(schluessel);
    }
}

bool TZeitplanRechner::slotPasst(int eltern, int g, int k) const
{
    const bool raumwechsel = m_tag.Vorgaben.RaumwechselPause;
    auto frei = [&](int e) {
        return ElternFrei(e, k, true)
            && (!raumwechsel
                || (ElternFrei(e, Planregeln::RaumwechselNachbar(k, -1, m_anzSlots), true)
                    && ElternFrei(e, Planregeln::RaumwechselNachbar(k, +1, m_anzSlots), true)));
    };
    if (g < 0)
        return frei(eltern);
    // Siblings linked through a third child need not list each other: every member's own
    // family view must agree.
    for (const int m : m_gruppen[size_t(g)].mitglieder)
        if (!frei(m))
            return false;
    return true;
}

void TZeitplanRechner::bucheGemeinsam(const Gruppe& g, int k)
{
    const QString& zeile = m_praefix.at(k);
    const int schluessel = m_praefixSchluessel[size_t(k)];
    QStringList namen;
    for (const int m : g.mitglieder) {
        Eltern& e = m_eltern[size_t(m)];
        e.rec->Zeitplan.Hinzufuegen(Planregeln::Elternzeile(zeile, wunschText(e, g.lehrer)));
        e.belegt.push_back(schluessel);
        namen.append(e.name);
        m_vergeben += 1;
    }
    m_lehrer[size_t(g.lehrer)].rec->Zeitplan[k] = Planregeln::GemeinsameLehrerzeile(zeile, namen);
    // Siblings who are not part of the talk see it as the family's, as with any talk.
    const QString marke = Planregeln::Geschwistermarke(zeile, wunschText(m_eltern[size_t(g.mitglieder.front())], g.lehrer));
    std::vector<int> markiert;
    for (const int m : g.mitglieder) {
        for (const int s : m_eltern[size_t(m)].geschwister) {
            if (std::find(g.mitglieder.begin(), g.mitglieder.end(), s) != g.mitglieder.end()
                || std::find(markiert.begin(), markiert.end(), s) != markiert.end())
                continue;
            markiert.push_back(s);
            Eltern& sg = m_eltern[size_t(s)];
            sg.rec->Zeitplan.Hinzufuegen(marke);
            sg.belegt.push_back(schluessel);
        }
    }
}

bool TZeitplanRechner::ElternFrei(int eltern, int k, bool mitGeschwister) const
{
    const Eltern& e = m_eltern[size_t(eltern)];
    int schluessel;
    qint64 tMs;
    if (k >= 0 && k < int(m_zeitMs.size())) {
        schluessel = m_zeitSchluessel[size_t(k)];
        tMs = m_zeitMs[size_t(k)];
    } else {
        const double t = k * m_tag.Vorgaben.Takt() + m_tag.Vorgaben.SprechStart;
        schluessel = labelSchluessel(t);
        tMs = Planregeln::AufMs(t);
    }

    bool frei = std::find(e.belegt.begin(), e.belegt.end(), schluessel) == e.belegt.end();
    if (!Planregeln::Anwesend(tMs, e.rec->NichtVor, e.nichtVorMs, e.rec->NichtNach, e.nichtNachMs))
        frei = false;
    if (mitGeschwister) {
        for (const int s : e.geschwister) {
            if (!frei)
                break;
            frei = ElternFrei(s, k, false);
        }
    }
    return frei;
}

void TZeitplanRechner::Aufraeumen()
{
    const bool freieZeigen = m_tag.FreieTermineAnzeigen;
    for (Lehrer& l : m_lehrer) {
        QStringList& plan = l.rec->Zeitplan;
        QStringList bleibt;
        bleibt.reserve(plan.size());
        for (qsizetype i = 0; i < plan.size(); ++i) {
            if (plan.at(i).size() != 11 || Planregeln::FreieZeile(freieZeigen, int(i), l.erster))
                bleibt.append(plan.at(i));
        }
        plan = std::move(bleibt);
    }
}
