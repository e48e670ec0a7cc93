#include "optimierung/optimierer.h"

#include "berechnung/statistik.h"
#include "optimierung/ganzzahlig.h"
#include "optimierung/ketten.h"
#include "optimierung/neuordnung.h"
#include "optimierung/plaene.h"
#include "optimierung/rangzug.h"
#include "optimierung/schranke.h"
#include "optimierung/zuege.h"
#include "raster/tagesraster.h"

#include <algorithm>
#include <optional>

namespace {

// Slots beyond two whole days of one-minute slots exist only in damaged files.
constexpr int MaxSlots = 2 * 24 * 60;

// Progress units of each pass of placing groups anew, beside the moves of the annealing.
constexpr qint64 NeuordnungSchritte = 1000;
// A thorough run also anneals longer.
constexpr qint64 GruendlichZuegeFaktor = 5;
// Progress units of a thorough run's exact windows.
constexpr qint64 FensterSchritte = 2000;
// Days this small are solved whole by the integer search in a thorough run.
constexpr int GanzBisWuensche = 400;

/// The windows of a thorough run: narrow ones first, which are quick and take most of the
/// gain, then wider ones. Few nodes per window: a window the search does not settle at
/// once rarely pays for more.
std::vector<TFensterGrenzen> GruendlicheFenster()
{
    TFensterGrenzen schmal;
    schmal.Breite = 3;
    schmal.Schritt = 1;
    schmal.Runden = 6;
    schmal.Suche.Knoten = 5;
    TFensterGrenzen breit = schmal;
    breit.Breite = 4;
    breit.Runden = 3;
    return {schmal, breit};
}

/// After the thorough annealing, once more wide windows with more nodes each.
std::vector<TFensterGrenzen> NachFenster()
{
    TFensterGrenzen breit;
    breit.Breite = 4;
    breit.Schritt = 1;
    breit.Runden = 3;
    breit.Suche.Knoten = 20;
    return {breit};
}

/// splitmix64: the standard library's distributions differ between implementations, and
/// the same day must give the same plans everywhere.
class TRng {
public:
    explicit TRng(quint64 saat)
        : m_s(saat)
    {
    }
    quint64 Naechste()
    {
        quint64 z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /// 0..n-1 for n > 0.
    int Zahl(int n) { return int((Naechste() >> 32) * quint64(n) >> 32); }
    quint32 Bits32() { return quint32(Naechste() >> 32); }

private:
    quint64 m_s;
};

/// Two runs of Verbessere inside one progress: reports the moves of the current run after
/// `Basis` of all, and the figures from the very start.
class TFortschrittAbschnitt : public TOptimierFortschritt {
public:
    TFortschrittAbschnitt(TOptimierFortschritt& ganz, qint64 gesamt)
        : m_ganz(ganz)
        , m_gesamt(gesamt)
    {
    }
    bool Zwischenstand(const TKennwerte& vorher, const TKennwerte& bester, qint64 zug, qint64) override
    {
        if (!m_vorher)
            m_vorher = vorher;
        return m_ganz.Zwischenstand(*m_vorher, bester, Basis + zug, m_gesamt);
    }
    qint64 Basis = 0;

private:
    TOptimierFortschritt& m_ganz;
    qint64 m_gesamt;
    std::optional<TKennwerte> m_vorher;
};

quint64 Saat(const TOptimierZustand& z)
{
    quint64 h = 1469598103934665603ull;
    auto misch = [&h](qint64 v) {
        for (int i = 0; i < 8; ++i) {
            h ^= quint64(v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    misch(z.AnzSlots());
    misch(z.AnzLehrer());
    misch(z.AnzEltern());
    for (int r = 0; r < z.AnzWuensche(); ++r) {
        misch(z.W(r).lehrer);
        misch(z.Slot(r));
    }
    return h;
}

// One sentence for one talk, another with the number for several; nothing for none.
void Satz(QStringList& h, int anzahl, const QString& einer, const QString& mehrere)
{
    if (anzahl == 1)
        h << einer;
    else if (anzahl > 1)
        h << mehrere.arg(anzahl);
}

} // namespace

QString VerworfenText(int verworfen)
{
    return verworfen == 1
        ? QStringLiteral("Ein Termin der bisherigen Pläne stand nur in einem Plan oder passte zu keinem "
                         "Sprechwunsch und wurde neu verteilt.")
        : QStringLiteral("%1 Termine der bisherigen Pläne standen nur in einem Plan oder passten zu keinem "
                         "Sprechwunsch und wurden neu verteilt.")
              .arg(verworfen);
}

QStringList OptimierHinweise(const TOptimierErgebnis& e)
{
    QStringList h;
    Satz(h, e.Raumwechsel,
         QStringLiteral("Ein Termin wurde verschoben, damit zwischen zwei Gesprächen einer Familie Zeit zum "
                        "Raumwechsel bleibt."),
         QStringLiteral("%1 Termine wurden verschoben, damit zwischen zwei Gesprächen einer Familie Zeit zum "
                        "Raumwechsel bleibt."));
    Satz(h, e.Regelverstoss,
         QStringLiteral("Ein von Hand eingetragener Termin lag außerhalb der Sprech- oder Anwesenheitszeit "
                        "oder zugleich mit einem anderen Termin der Familie und wurde verschoben."),
         QStringLiteral("%1 von Hand eingetragene Termine lagen außerhalb der Sprech- oder Anwesenheitszeit "
                        "oder zugleich mit einem anderen Termin der Familie und wurden verschoben."));
    Satz(h, e.Belassen, QStringLiteral("Ein Termin fand keinen besseren Platz und steht weiter, wo er stand."),
         QStringLiteral("%1 Termine fanden keinen besseren Platz und stehen weiter, wo sie standen."));
    if (e.Verworfen > 0)
        h << VerworfenText(e.Verworfen);
    return h;
}

qint64 StandardZuege(const TSprechtag& tag)
{
    return 100 * qint64(tag.Eltern.Anzahl()) + 1000;
}

QString OptimierungsHindernis(const TSprechtag& tag)
{
    if (!tag.PlaeneGueltig || tag.Eltern.IstLeer() || tag.Lehrer.IstLeer())
        return QStringLiteral("Es liegen keine gültigen Zeitpläne vor. Bitte berechnen Sie zuerst die Zeitpläne.");
    int anzahl = Raster::AnzSlots(tag);
    for (const auto& l : tag.Lehrer)
        anzahl = std::max(anzahl, Raster::LetzterSlot(tag, *l.record) + 1);
    if (anzahl > MaxSlots)
        return QStringLiteral("Die Sprechzeiten reichen über mehr als zwei Tage hinaus; "
                              "diese Zeitpläne lassen sich nicht optimieren.");
    return {};
}

TOptimierErgebnis Verbessere(TOptimierZustand& z, qint64 zuege, quint64 saat, TOptimierFortschritt& fortschritt,
                             bool gruendlich)
{
    TOptimierErgebnis ergebnis;
    ergebnis.Vorher = z.Kennwerte();
    z.Festschreiben();
    TZuege zug(z);
    TRng rng(saat);

    RangPlatzieren(z, zug);
    zug.Auffuellen();
    z.Festschreiben();
    // Chains of moves the single moves miss: before the waiting is shortened, so that the
    // annealing works on the most talks, and once more on the best state at the end.
    const TNeuordnungsGrenzen grenzen = gruendlich ? NeuordnungGruendlich() : TNeuordnungsGrenzen{};
    const qint64 gesamt = zuege + 2 * NeuordnungSchritte;
    auto neuordnen = [&](qint64 basis) {
        TNeuordnung neu(z);
        neu.Verbessere(grenzen, [&](qint64 schritt, qint64 schritte) {
            const qint64 stand = basis + schritt * NeuordnungSchritte / std::max<qint64>(1, schritte);
            if (fortschritt.Zwischenstand(ergebnis.Vorher, z.Kennwerte(), stand, gesamt))
                return true;
            ergebnis.Abgebrochen = true;
            return false;
        });
        z.Festschreiben();
        if (ergebnis.Abgebrochen)
            return;
        // Longer chains than the groups reach: tight attendance windows need them.
        TKetten ketten(z);
        ketten.Verbessere(TKettenGrenzen{}, [&](qint64, qint64) {
            ergebnis.Abgebrochen
                = !fortschritt.Zwischenstand(ergebnis.Vorher, z.Kennwerte(), basis + NeuordnungSchritte, gesamt);
            return !ergebnis.Abgebrochen;
        });
        z.Festschreiben();
    };
    neuordnen(0);
    if (ergebnis.Abgebrochen)
        return ergebnis;
    TKennwerte aktuell = z.Kennwerte();
    TKennwerte bester = aktuell;
    std::vector<int> besteSlots = z.Slots();
    auto merke = [&] {
        if (aktuell.BesserAls(bester)) {
            bester = aktuell;
            besteSlots = z.Slots();
        }
    };

    const int nF = z.AnzFamilien();
    const int nW = z.AnzWuensche();
    const qint64 auffuellTakt = std::max<qint64>(1000, zuege / 10);
    // A move that adds d slots of waiting is taken with probability p^d, p falling from
    // 1/2 to 0 over the run. Integers only: exp() may round differently elsewhere, and the
    // same day must give the same plans on every machine.
    auto annehmbar = [&](qint64 i, qint64 mehr) {
        quint64 p = (quint64(zuege - i) << 31) / quint64(std::max<qint64>(1, zuege));
        quint64 q = p;
        for (qint64 d = 1; d < mehr && q > 0; ++d)
            q = (q * p) >> 32;
        return quint64(rng.Bits32()) < q;
    };
    for (qint64 i = 0; i < zuege && nW > 0; ++i) {
        if (i % 1024 == 0 && !fortschritt.Zwischenstand(ergebnis.Vorher, bester, NeuordnungSchritte + i, gesamt)) {
            ergebnis.Abgebrochen = true;
            break;
        }
        if (i > 0 && i % auffuellTakt == 0) {
            zug.Auffuellen();
            z.Festschreiben();
            aktuell = z.Kennwerte();
            merke();
        }
        const int art = rng.Zahl(100);
        bool geaendert = false;
        if (art < 80 && nF > 0) {
            // A family that waits: from a random start, the next one in order.
            int f = rng.Zahl(nF);
            for (int n = 0; n < 64 && z.Wartezeit(f) == 0; ++n)
                f = f + 1 == nF ? 0 : f + 1;
            if (z.Wartezeit(f) > 0)
                geaendert = art < 50   ? zug.SpanneVerkuerzen(f, rng.Zahl(2) == 0)
                            : art < 70 ? zug.FamilieNeuPlanen(f)
                                       : zug.FamilieVerdichten(f);
        } else {
            int r = rng.Zahl(nW);
            for (int n = 0; n < 256 && !(z.Slot(r) < 0 && z.OhneTermin(z.W(r).eltern)); ++n)
                r = r + 1 == nW ? 0 : r + 1;
            if (z.Slot(r) < 0 && z.OhneTermin(z.W(r).eltern))
                geaendert = zug.Weitergeben(r, 6);
        }
        if (!geaendert)
            continue;
        const TKennwerte neu = z.Kennwerte();
        bool annehmen;
        if (neu.Einladungen != aktuell.Einladungen)
            annehmen = neu.Einladungen > aktuell.Einladungen;
        else if (neu.Vorrang != aktuell.Vorrang)
            annehmen = neu.Vorrang > aktuell.Vorrang;
        else if (neu.Termine != aktuell.Termine)
            annehmen = neu.Termine > aktuell.Termine;
        else if (neu.OhneTermin != aktuell.OhneTermin)
            annehmen = neu.OhneTermin < aktuell.OhneTermin;
        else {
            const qint64 mehr = neu.Wartezeit - aktuell.Wartezeit;
            annehmen = mehr <= 0 || annehmbar(i, mehr);
        }
        if (annehmen) {
            z.Festschreiben();
            aktuell = neu;
            merke();
        } else {
            z.ZurueckZu(0);
        }
        ergebnis.Zuege = i + 1;
    }
    if (!ergebnis.Abgebrochen) {
        RangPlatzieren(z, zug);
        zug.Auffuellen();
        z.Festschreiben();
        aktuell = z.Kennwerte();
        merke();
    }
    z.Uebernimm(besteSlots);
    // The best state seen may be one the ranked placement has not yet worked on.
    if (!ergebnis.Abgebrochen && RangPlatzieren(z, zug) > 0)
        zug.Auffuellen();
    if (!ergebnis.Abgebrochen)
        neuordnen(NeuordnungSchritte + zuege);
    ergebnis.Nachher = z.Kennwerte();
    return ergebnis;
}

TOptimierErgebnis Optimiere(TSprechtag& tag, TOptimierFortschritt& fortschritt, qint64 zuege, bool gruendlich)
{
    if (!OptimierungsHindernis(tag).isEmpty())
        return {};
    TOptimierZustand z(tag);
    const TGelesenePlaene gelesen = LiesPlaene(tag, z);
    const quint64 saat = Saat(z);
    const TKennwerte wieGelesen = z.Kennwerte();

    // Talks the plans hold against a rule move first, each to a place that keeps every
    // rule if there is one; a talk that finds none stays as it stood, never lost.
    int raumwechsel = 0, regelverstoss = 0;
    {
        TZuege zug(z);
        for (const int r : gelesen.Regelwidrig) {
            const int k = z.Slot(r);
            if (k < 0 || z.HaeltRegeln(r))
                continue;
            bool gleichzeitig = false;
            for (const int x : z.Termine(z.W(r).familie))
                gleichzeitig = gleichzeitig || (x != r && z.Slot(x) == k);
            const bool nurNachbar = z.Erlaubt(r, k) && !gleichzeitig;
            const size_t marke = z.Marke();
            z.Entferne(r);
            if (zug.Einfuegen(r) || zug.Reparieren(r))
                ++(nurNachbar ? raumwechsel : regelverstoss);
            else
                z.ZurueckZu(marke);
        }
        z.Festschreiben();
    }

    if (zuege < 0)
        zuege = StandardZuege(tag);
    TOptimierErgebnis ergebnis;
    if (!gruendlich) {
        ergebnis = Verbessere(z, zuege, saat, fortschritt);
    } else {
        // The thorough run goes on from the default one, so it never ends below it. Between
        // the annealing runs whole windows of slots are placed anew exactly: the chains
        // across families and teachers that the moves do not find. Annealing afterwards
        // shortens the waiting again from the new plan.
        const qint64 gesamt = (GruendlichZuegeFaktor + 2) * zuege + 6 * NeuordnungSchritte + 2 * FensterSchritte;
        TFortschrittAbschnitt abschnitt(fortschritt, gesamt);
        ergebnis = Verbessere(z, zuege, saat, abschnitt);
        // At the bound only the priorities could still gain; without them the windows
        // would only cost time.
        const bool stufen = z.AnzMitStufe(0) + z.AnzMitStufe(1) > 0;
        const int schranke = stufen ? -1 : TerminSchranke(z);
        auto fensterPhase = [&](const std::vector<TFensterGrenzen>& fenster, qint64 basis, bool ganzErlaubt) {
            const TKennwerte vorher = z.Kennwerte();
            for (size_t i = 0; i < fenster.size() && !ergebnis.Abgebrochen; ++i) {
                if (!stufen && z.Kennwerte().Termine >= schranke)
                    break;
                const qint64 teil = FensterSchritte / qint64(fenster.size());
                auto weiter = [&](qint64 schritt, qint64 schritte) {
                    const qint64 stand = basis + qint64(i) * teil + schritt * teil / std::max<qint64>(1, schritte);
                    ergebnis.Abgebrochen = !abschnitt.Zwischenstand(ergebnis.Vorher, z.Kennwerte(), stand, 0);
                    return !ergebnis.Abgebrochen;
                };
                if (ganzErlaubt && i == 0 && z.AnzWuensche() <= GanzBisWuensche) {
                    TGanzzahlGrenzen ganz;
                    ganz.Knoten = 20000;
                    GanzzahligVerbessern(z, ganz, weiter);
                } else {
                    FensterVerbessern(z, fenster[i], weiter);
                }
            }
            z.Festschreiben();
            return z.Kennwerte().BesserAls(vorher);
        };
        const TKennwerte start = ergebnis.Vorher;
        qint64 alleZuege = ergebnis.Zuege;
        qint64 basis = zuege + 2 * NeuordnungSchritte;
        if (!ergebnis.Abgebrochen)
            fensterPhase(GruendlicheFenster(), basis, true);
        basis += FensterSchritte;
        if (!ergebnis.Abgebrochen) {
            abschnitt.Basis = basis;
            ergebnis = Verbessere(z, GruendlichZuegeFaktor * zuege, saat + 1, abschnitt, true);
            alleZuege += ergebnis.Zuege;
        }
        basis += GruendlichZuegeFaktor * zuege + 2 * NeuordnungSchritte;
        if (!ergebnis.Abgebrochen && fensterPhase(NachFenster(), basis, false) && !ergebnis.Abgebrochen) {
            abschnitt.Basis = basis + FensterSchritte;
            ergebnis = Verbessere(z, zuege, saat + 2, abschnitt);
            alleZuege += ergebnis.Zuege;
        }
        ergebnis.Vorher = start;
        ergebnis.Zuege = alleZuege;
    }
    ergebnis.Vorher = wieGelesen;
    ergebnis.Verworfen = gelesen.Verworfen;
    ergebnis.Raumwechsel = raumwechsel;
    ergebnis.Regelverstoss = regelverstoss;
    // Of two talks that stand too close only one would have had to move.
    std::vector<char> belassen(size_t(z.AnzWuensche()), 0);
    for (int r = 0; r < z.AnzWuensche(); ++r) {
        const int k = z.Slot(r);
        if (k < 0 || z.HaeltRegeln(r))
            continue;
        bool offen = !z.Erlaubt(r, k);
        for (const int x : z.Termine(z.W(r).familie))
            offen = offen || (x != r && !belassen[size_t(x)] && z.Konflikt(z.Slot(x), k));
        belassen[size_t(r)] = offen ? 1 : 0;
        ergebnis.Belassen += offen ? 1 : 0;
    }
    if (ergebnis.Abgebrochen)
        return ergebnis;
    SchreibePlaene(tag, z);
    ErstelleStatistik(tag, tag.StatistikAendern());
    tag.PlaeneGueltig = true;
    tag.Geaendert(QStringLiteral("Zeitpläne optimieren"), TSichern::Sofort);
    return ergebnis;
}
