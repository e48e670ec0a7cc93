#include "optimierung/ausfall.h"

#include "berechnung/planregeln.h"
#include "berechnung/statistik.h"
#include "model/namen.h"
#include "optimierung/optimierer.h"
#include "optimierung/plaene.h"
#include "optimierung/zustand.h"
#include "raster/tagesraster.h"
#include "termine/termincsv.h"

#include <QHash>
#include <QSet>
#include <QStringBuilder>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

qint64 Ms(double t) { return std::llround(t * Zeit::MSekProTag); }

/// The teacher's record with the hours after the drop-out.
TLehrer NeueStunden(const TSprechtag& tag, const TLehrer& alt, const TAusfallWunsch& w)
{
    TLehrer neu = alt;
    const double start = Raster::LehrerStart(tag, alt);
    const double ende = Raster::LehrerEnde(tag, alt);
    neu.AbweichZeit = true;
    switch (w.Art) {
    case TAusfallArt::Ganz:
        neu.StartZeit = start;
        neu.EndZeit = start;
        break;
    case TAusfallArt::Ab:
        neu.StartZeit = w.Zeit;
        neu.EndZeit = std::max(ende, w.Zeit);
        break;
    case TAusfallArt::Bis:
        neu.StartZeit = start;
        neu.EndZeit = std::max(start, w.Zeit);
        break;
    }
    return neu;
}

/// Re-places lifted talks with the fewest changes: an exhaustive search over the slots
/// of each talk's teacher, lifting the talks in the way (the one in the teacher's column
/// and the family's talks too close), up to a number of lifts, deepened one lift at a
/// time so that the first depth with a solution has the fewest.
class TNeuplanung {
public:
    TNeuplanung(TOptimierZustand& z, const std::vector<int>& basis, const std::vector<char>& herausgenommen)
        : m_z(z)
        , m_basis(basis)
        , m_heraus(herausgenommen)
    {
    }

    bool Platziere(int r)
    {
        for (int tiefe = 0; tiefe <= MaxTiefe; ++tiefe) {
            m_gefunden = false;
            m_knoten = 0;
            m_offen.assign(1, r);
            m_gehoben.clear();
            suche(tiefe);
            if (m_gefunden) {
                uebernimm(r);
                return true;
            }
        }
        return false;
    }

private:
    static constexpr int MaxTiefe = 3;
    static constexpr qint64 MaxKnoten = 40000;

    int aenderungen() const
    {
        std::vector<int> t = m_gehoben;
        std::sort(t.begin(), t.end());
        t.erase(std::unique(t.begin(), t.end()), t.end());
        int n = 0;
        for (const int x : t)
            n += !m_heraus[size_t(x)] && m_z.Slot(x) != m_basis[size_t(x)] ? 1 : 0;
        return n;
    }

    void suche(int budget)
    {
        if (++m_knoten > MaxKnoten)
            return;
        if (m_offen.empty()) {
            const int n = aenderungen();
            const qint64 warten = m_z.Kennwerte().Wartezeit;
            if (!m_gefunden || n < m_bestAenderungen || (n == m_bestAenderungen && warten < m_bestWarten)) {
                m_gefunden = true;
                m_bestAenderungen = n;
                m_bestWarten = warten;
                m_best.clear();
                for (const int x : m_gehoben)
                    m_best.emplace_back(x, m_z.Slot(x));
            }
            return;
        }
        const int p = m_offen.back();
        m_offen.pop_back();
        const auto& w = m_z.W(p);
        std::vector<int> weg;
        for (int k = 0; k < m_z.AnzSlots(); ++k) {
            if (!m_z.Erlaubt(p, k))
                continue;
            weg.clear();
            if (const int y = m_z.Belegt(w.lehrer, k); y >= 0)
                weg.push_back(y);
            for (const int x : m_z.Termine(w.familie))
                if (m_z.Konflikt(m_z.Slot(x), k) && std::find(weg.begin(), weg.end(), x) == weg.end())
                    weg.push_back(x);
            if (int(weg.size()) > budget)
                continue;
            const size_t marke = m_z.Marke();
            const size_t gehoben = m_gehoben.size();
            for (const int x : weg) {
                m_z.Entferne(x);
                m_gehoben.push_back(x);
            }
            if (m_z.KannSetzen(p, k)) {
                m_z.Setze(p, k);
                m_gehoben.push_back(p);
                const size_t offen = m_offen.size();
                m_offen.insert(m_offen.end(), weg.begin(), weg.end());
                suche(budget - int(weg.size()));
                m_offen.resize(offen);
            }
            m_z.ZurueckZu(marke);
            m_gehoben.resize(gehoben);
        }
        m_offen.push_back(p);
    }

    void uebernimm(int r)
    {
        for (const auto& [x, k] : m_best)
            if (m_z.Slot(x) >= 0)
                m_z.Entferne(x);
        for (const auto& [x, k] : m_best)
            if (m_z.Slot(x) < 0 && k >= 0)
                m_z.Setze(x, k);
        Q_ASSERT(m_z.Slot(r) >= 0);
        m_z.Festschreiben();
    }

    TOptimierZustand& m_z;
    const std::vector<int>& m_basis;
    const std::vector<char>& m_heraus;
    std::vector<int> m_offen;
    std::vector<int> m_gehoben;
    qint64 m_knoten = 0;
    bool m_gefunden = false;
    int m_bestAenderungen = 0;
    qint64 m_bestWarten = 0;
    std::vector<std::pair<int, int>> m_best;
};

TAusfallTermin Termin(const TSprechtag& tag, const TOptimierZustand& z, const QStringList& praefix, int r, int alt,
                      int neu)
{
    TAusfallTermin t;
    t.Eltern = TeilnehmerText(tag, z.W(r));
    t.Lehrer = tag.Lehrer.Name(z.W(r).lehrer);
    t.Text = z.W(r).text;
    t.Alt = alt;
    t.Neu = neu;
    t.AltZeit = praefix.at(alt).left(5);
    t.Einladung = z.W(r).stufe == 0;
    if (neu >= 0)
        t.NeuZeit = praefix.at(neu).left(5);
    return t;
}

/// Slot of a plan line's label, -1 for a line without one.
QHash<QString, int> SlotVonPraefix(const QStringList& praefix)
{
    QHash<QString, int> slot;
    for (int k = int(praefix.size()) - 1; k >= 0; --k)
        slot.insert(praefix.at(k), k);
    return slot;
}

} // namespace

QString AusfallHindernis(const TSprechtag& tag, const TAusfallWunsch& wunsch)
{
    const QString plaene = OptimierungsHindernis(tag);
    if (!plaene.isEmpty())
        return plaene;
    const TLehrer* l = tag.Lehrer.Suche(wunsch.Lehrer);
    if (!l)
        return QStringLiteral("Die Lehrkraft „%1“ gibt es nicht.").arg(wunsch.Lehrer);
    const QString name = tag.Lehrer.Name(tag.Lehrer.IndexVon(wunsch.Lehrer));
    const double start = Raster::LehrerStart(tag, *l);
    const double ende = Raster::LehrerEnde(tag, *l);
    if (wunsch.Art == TAusfallArt::Ab && Ms(wunsch.Zeit) <= Ms(start))
        return QStringLiteral("Die Sprechzeit von %1 beginnt ohnehin erst um %2. Bitte geben Sie eine spätere Zeit an.")
            .arg(name, Zeit::Anzeige(start));
    if (wunsch.Art == TAusfallArt::Bis && Ms(wunsch.Zeit) >= Ms(ende))
        return QStringLiteral("Die Sprechzeit von %1 endet ohnehin um %2. Bitte geben Sie eine frühere Zeit an.")
            .arg(name, Zeit::Anzeige(ende));
    return {};
}

TAusfallPlan PlaneAusfall(const TSprechtag& tag, const TAusfallWunsch& wunsch)
{
    TAusfallPlan plan;
    plan.Wunsch = wunsch;
    const int l = int(tag.Lehrer.IndexVon(wunsch.Lehrer));
    Q_ASSERT(l >= 0);
    plan.Lehrer = tag.Lehrer.Name(l);
    const TLehrer neu = NeueStunden(tag, tag.Lehrer.Record(l), wunsch);
    plan.StartZeit = neu.StartZeit;
    plan.EndZeit = neu.EndZeit;
    plan.Erster = Raster::ErsterSlot(tag, neu);
    plan.Letzter = Raster::LetzterSlot(tag, neu);
    plan.NeueSprechzeit = Raster::FreieSlots(tag, neu) > 0
                              ? Zeit::Anzeige(neu.StartZeit) + QStringLiteral(" bis ") + Zeit::Anzeige(neu.EndZeit)
                              : QStringLiteral("keine");

    TOptimierZustand z(tag);
    const TGelesenePlaene gelesen = LiesPlaene(tag, z);
    plan.Praefixe = PlanPraefixe(tag, z.AnzSlots());
    const std::vector<int> basis = z.Slots();
    auto ausserhalb = [&plan](int k) { return k >= 0 && (k < plan.Erster || k > plan.Letzter); };

    // Lines on one side only: outside the teacher's new hours they are cancelled like the
    // teacher's talks; everywhere else they keep their slot from new placements.
    std::map<std::pair<int, int>, TAusfallTermin> einseitig;
    auto einseitigerTermin = [&](const TFremdeZeile& f) -> TAusfallTermin& {
        TAusfallTermin& t = einseitig[{f.eltern, f.eltern >= 0 ? f.slot : int(einseitig.size()) + 100000}];
        t.Eltern = f.eltern >= 0 ? tag.Eltern.Name(f.eltern) : f.zeile.mid(11);
        t.Lehrer = plan.Lehrer;
        if (t.Text.isEmpty())
            t.Text = plan.Lehrer;
        t.Alt = f.slot;
        t.AltZeit = plan.Praefixe.at(f.slot).left(5);
        return t;
    };
    for (const TFremdeZeile& f : gelesen.Lehrerzeilen) {
        if (f.lehrer == l && ausserhalb(f.slot))
            einseitigerTermin(f);
        else if (f.slot >= 0)
            z.SperreSlot(f.lehrer, f.slot);
    }
    for (const TFremdeZeile& f : gelesen.Elternzeilen) {
        if (f.lehrer == l && ausserhalb(f.slot)) {
            einseitigerTermin(f).Text = f.zeile.mid(11);
            for (const auto& [s, zeile] : TerminZeilen(tag, f.eltern, f.zeile.left(11), f.zeile.mid(11)))
                plan.Entfernen.push_back({tag.Eltern.Name(s), zeile});
        } else if (f.slot >= 0) {
            z.SperreFamilie(z.FamilieVon(f.eltern), f.slot);
        }
    }

    // Out go the teacher's talks outside the new hours.
    std::vector<char> heraus(basis.size(), 0);
    std::vector<int> offen;
    for (const int r : z.WuenscheVonLehrer(l)) {
        const int k = z.Slot(r);
        if (ausserhalb(k)) {
            z.Entferne(r);
            heraus[size_t(r)] = 1;
            offen.push_back(r);
        }
    }
    z.BeschraenkeLehrer(l, plan.Erster, plan.Letzter);
    z.Festschreiben();
    plan.Herausgenommen = int(offen.size() + einseitig.size());

    // Invited talks first, then "Vorrang" ones, and within each the talk with the fewest
    // possible slots first, so that it is not crowded out.
    std::vector<int> moeglich(basis.size(), 0);
    for (const int r : offen)
        for (int k = 0; k < z.AnzSlots(); ++k)
            moeglich[size_t(r)] += z.Erlaubt(r, k) ? 1 : 0;
    std::stable_sort(offen.begin(), offen.end(), [&](int a, int b) {
        return std::tuple(z.W(a).stufe, moeglich[size_t(a)], basis[size_t(a)])
               < std::tuple(z.W(b).stufe, moeglich[size_t(b)], basis[size_t(b)]);
    });
    TNeuplanung neuplanung(z, basis, heraus);
    for (const int r : offen)
        if (z.FreieSlots(l) > 0)
            neuplanung.Platziere(r);

    // The lists, in time order, and the parents' lines that change.
    std::vector<TAusfallPlan::TZeile> neueZeilen;
    for (int r = 0; r < z.AnzWuensche(); ++r) {
        const int alt = basis[size_t(r)];
        const int jetzt = z.Slot(r);
        if (alt < 0)
            continue;
        if (jetzt == alt) {
            if (z.W(r).lehrer == l)
                plan.Behalten.push_back(Termin(tag, z, plan.Praefixe, r, alt, alt));
            continue;
        }
        (jetzt < 0 ? plan.Abgesagt : plan.Verschoben).push_back(Termin(tag, z, plan.Praefixe, r, alt, jetzt));
        for (const auto& [s, zeile] : TerminZeilen(tag, z, r, plan.Praefixe.at(alt)))
            plan.Entfernen.push_back({tag.Eltern.Name(s), zeile});
        if (jetzt >= 0)
            for (const auto& [s, zeile] : TerminZeilen(tag, z, r, plan.Praefixe.at(jetzt)))
                plan.Hinzufuegen.push_back({tag.Eltern.Name(s), zeile});
    }
    for (auto& [schluessel, t] : einseitig)
        plan.Abgesagt.push_back(std::move(t));
    auto zeitfolge = [&tag](const TAusfallTermin& a, const TAusfallTermin& b) {
        return std::tuple(a.Alt, tag.Eltern.IndexVon(a.Eltern)) < std::tuple(b.Alt, tag.Eltern.IndexVon(b.Eltern));
    };
    std::sort(plan.Behalten.begin(), plan.Behalten.end(), zeitfolge);
    std::sort(plan.Verschoben.begin(), plan.Verschoben.end(), zeitfolge);
    std::sort(plan.Abgesagt.begin(), plan.Abgesagt.end(), zeitfolge);

    // The entries whose plans change: the changes tried on copies of the plans they touch,
    // so that the list is exactly what applying does.
    QHash<QString, TSortierteListe> probe;
    for (const auto* zeilen : {&plan.Entfernen, &plan.Hinzufuegen})
        for (const auto& a : *zeilen)
            if (!probe.contains(a.Eltern))
                probe.insert(a.Eltern, tag.Eltern.Suche(a.Eltern)->Zeitplan);
    for (const auto& a : plan.Entfernen)
        probe[a.Eltern].EntferneGenau(a.Zeile);
    for (const auto& a : plan.Hinzufuegen)
        probe[a.Eltern].Hinzufuegen(a.Zeile);
    std::vector<qsizetype> familien;
    for (auto it = probe.cbegin(); it != probe.cend(); ++it)
        if (it.value().Liste() != tag.Eltern.Suche(it.key())->Zeitplan.Liste())
            familien.push_back(tag.Eltern.IndexVon(it.key()));
    std::sort(familien.begin(), familien.end());
    for (const qsizetype e : familien)
        plan.Familien.append(tag.Eltern.Name(e));
    return plan;
}

void WendeAusfallAn(TSprechtag& tag, const TAusfallPlan& plan)
{
    TLehrer* lehrer = tag.Lehrer.Suche(plan.Lehrer);
    if (!lehrer)
        return;
    const QHash<QString, int> slotVon = SlotVonPraefix(plan.Praefixe);
    auto slot = [&slotVon](const QString& zeile) { return slotVon.value(zeile.left(11), -1); };
    auto p = [&plan](int k) { return plan.Praefixe.at(k); };

    // The teacher's lines outside the new hours go, free ones included.
    lehrer->Zeitplan.removeIf([&](const QString& zeile) {
        const int k = slot(zeile);
        return k >= 0 && (k < plan.Erster || k > plan.Letzter);
    });

    // All old lines first, then all new ones: in a chain one talk takes the slot another
    // one leaves.
    for (const auto& a : plan.Entfernen)
        if (TEltern* e = tag.Eltern.Suche(a.Eltern))
            e->Zeitplan.EntferneGenau(a.Zeile);
    for (const auto* termine : {&plan.Verschoben, &plan.Abgesagt}) {
        for (const TAusfallTermin& t : *termine) {
            if (TLehrer* l = tag.Lehrer.Suche(t.Lehrer)) {
                const qsizetype i = l->Zeitplan.indexOf(p(t.Alt) + t.Eltern);
                if (i >= 0 && tag.FreieTermineAnzeigen)
                    l->Zeitplan[i] = p(t.Alt);
                else if (i >= 0)
                    l->Zeitplan.removeAt(i);
            }
        }
    }
    for (const auto& a : plan.Hinzufuegen)
        if (TEltern* e = tag.Eltern.Suche(a.Eltern))
            e->Zeitplan.Hinzufuegen(a.Zeile);
    for (const auto& t : plan.Verschoben) {
        if (TLehrer* l = tag.Lehrer.Suche(t.Lehrer)) {
            const QString zeile = Planregeln::Lehrerzeile(p(t.Neu), t.Eltern);
            const qsizetype frei = l->Zeitplan.indexOf(p(t.Neu));
            if (frei >= 0) {
                l->Zeitplan[frei] = zeile;
            } else {
                qsizetype i = 0;
                while (i < l->Zeitplan.size() && slot(l->Zeitplan.at(i)) < t.Neu)
                    ++i;
                l->Zeitplan.insert(i, zeile);
            }
        }
    }

    lehrer->AbweichZeit = true;
    lehrer->StartZeit = plan.StartZeit;
    lehrer->EndZeit = plan.EndZeit;
    ErstelleStatistik(tag, tag.StatistikAendern());
    tag.Geaendert(QStringLiteral("Ausfall von „%1“").arg(plan.Lehrer), TSichern::Sofort);
}

QString AusfallBeschreibung(const TAusfallWunsch& wunsch)
{
    switch (wunsch.Art) {
    case TAusfallArt::Ab:
        return QStringLiteral("kommt erst ab ") + Zeit::Anzeige(wunsch.Zeit);
    case TAusfallArt::Bis:
        return QStringLiteral("bleibt nur bis ") + Zeit::Anzeige(wunsch.Zeit);
    case TAusfallArt::Ganz:
        break;
    }
    return QStringLiteral("fällt ganz aus");
}

QStringList AusfallListe(const TAusfallPlan& plan)
{
    QStringList z;
    z << plan.Lehrer + QStringLiteral(" ") + AusfallBeschreibung(plan.Wunsch) + QStringLiteral(".");
    z << QStringLiteral("Neue Sprechzeit: ") + plan.NeueSprechzeit;
    z << QStringLiteral("Außerhalb der neuen Sprechzeit lagen %1 Termine, %2 davon wurden neu gesetzt.")
             .arg(plan.Herausgenommen)
             .arg(plan.Herausgenommen - int(plan.Abgesagt.size()));
    auto abschnitt = [&z](const QString& titel, const std::vector<TAusfallTermin>& termine, auto zeile) {
        z << QString() << QStringLiteral("%1 (%2):").arg(titel).arg(termine.size());
        if (termine.empty())
            z << QStringLiteral("  keine");
        for (const auto& t : termine)
            z << QStringLiteral("  ") + zeile(t);
    };
    abschnitt(QStringLiteral("Termine bleiben"), plan.Behalten,
              [](const TAusfallTermin& t) { return t.AltZeit + QStringLiteral("  ") + t.Eltern; });
    // Invited families are the ones to call first: their lines say so.
    auto marke = [](const TAusfallTermin& t) { return t.Einladung ? QStringLiteral(" (Einladung)") : QString(); };
    abschnitt(QStringLiteral("Termine verlegt"), plan.Verschoben, [&marke](const TAusfallTermin& t) {
        return t.AltZeit + QStringLiteral(" → ") + t.NeuZeit + QStringLiteral("  ") + t.Lehrer + QStringLiteral(" – ")
               + t.Eltern + marke(t);
    });
    abschnitt(QStringLiteral("Termine abgesagt"), plan.Abgesagt, [&marke](const TAusfallTermin& t) {
        return t.AltZeit + QStringLiteral("  ") + t.Lehrer + QStringLiteral(" – ") + t.Eltern + marke(t);
    });
    z << QString() << QStringLiteral("Eltern mit geändertem Zeitplan (%1):").arg(plan.Familien.size());
    if (plan.Familien.isEmpty())
        z << QStringLiteral("  keine");
    for (const QString& e : plan.Familien)
        z << QStringLiteral("  ") + e;
    return z;
}

QByteArray AusfallCsv(const TAusfallPlan& plan)
{
    std::vector<const TAusfallTermin*> zeilen;
    for (const auto& t : plan.Verschoben)
        zeilen.push_back(&t);
    for (const auto& t : plan.Abgesagt)
        zeilen.push_back(&t);
    // By entry as the day's lists sort it: the order of the families list.
    std::stable_sort(zeilen.begin(), zeilen.end(), [&plan](const TAusfallTermin* a, const TAusfallTermin* b) {
        const qsizetype ia = plan.Familien.indexOf(a->Eltern), ib = plan.Familien.indexOf(b->Eltern);
        return std::pair(ia, a->Alt) < std::pair(ib, b->Alt);
    });
    const bool einladungen = std::any_of(zeilen.begin(), zeilen.end(), [](const TAusfallTermin* t) { return t->Einladung; });
    QString text = QStringLiteral("Eintrag;Lehrkraft;Bisher;Neu;Änderung");
    text += einladungen ? QStringLiteral(";Einladung\r\n") : QStringLiteral("\r\n");
    for (const TAusfallTermin* t : zeilen) {
        const QString art = t->Neu >= 0 ? QStringLiteral("verlegt") : QStringLiteral("abgesagt");
        text += Termine::CsvFeld(t->Eltern) % u';' % Termine::CsvFeld(t->Lehrer) % u';' % t->AltZeit % u';'
                % t->NeuZeit % u';' % art;
        if (einladungen)
            text += t->Einladung ? QStringLiteral(";ja") : QStringLiteral(";");
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
