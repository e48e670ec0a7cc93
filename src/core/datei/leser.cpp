#include "datei/leser.h"

#include "datei/erweiterung.h"
#include "datei/inhaltsmaske.h"
#include "datei/kopf.h"
#include "datei/meldungen.h"
#include "datei/plan_schluessel.h"
#include "datei/wert_codec.h"
#include "text/cp1252.h"

#include <cmath>

namespace DateiLeser {

bool ZeitBrauchbar(double t) { return std::isfinite(t) && t >= 0.0 && t <= 2.0; }

namespace {

class TInhaltLeser {
public:
    TInhaltLeser(const QByteArray& daten, int revision) : m_leser(daten), m_rev(revision) {}

    void Ueberspringe(qsizetype n) { m_leser.Roh(n); }

    TDateiInhalt Lies()
    {
        const int maske = m_leser.Int();
        TDateiInhalt inhalt;
        inhalt.Revision = m_rev;
        inhalt.Maske = maske;
        if (maske & Inhalt::Lehrer)
            inhalt.LehrerNamen = LehrerNamen();
        if (maske & Inhalt::Vorgaben)
            inhalt.Vorgaben = Vorgaben();
        if (maske & Inhalt::Eltern)
            inhalt.Eltern = Eltern();
        if (maske & Inhalt::Sprech)
            inhalt.Sprech = Sprech();
        if (maske & Inhalt::Preview)
            inhalt.Vorschau = Vorschau();
        if (maske & Inhalt::Ungewuenscht)
            inhalt.Ablehnungen = Ablehnungen();
        if (maske & Inhalt::Plaene)
            inhalt.Plaene = Plaene();
        if (m_rev >= 7)
            inhalt.FreieTermineAnzeigen = m_leser.Bool();
        if (m_rev == 9)
            inhalt.Erweiterung = DateiErweiterung::Lies(m_leser.Roh(m_leser.Rest()));
        return inhalt;
    }

private:
    // Per-teacher and per-parent blocks repeat once for each name of this file.
    qsizetype AnzLehrer() const { return m_lehrer; }
    qsizetype AnzEltern() const { return m_eltern; }

    double Zeit()
    {
        const double t = m_leser.Float();
        if (!ZeitBrauchbar(t))
            throw TDateiFehler(DateiMeldung::UngueltigerWert());
        return t;
    }

    QStringList LehrerNamen()
    {
        QStringList namen = m_leser.Liste();
        m_lehrer = namen.size();
        return namen;
    }

    TDateiVorgaben Vorgaben()
    {
        TDateiVorgaben v;
        v.SprechStart = Zeit();
        v.SprechEnde = Zeit();
        v.SprechTakt = m_leser.Int();
        if (v.SprechTakt < MinTakt || v.SprechTakt > MaxTakt)
            throw TDateiFehler(DateiMeldung::UngueltigerWert());
        if (m_rev >= 6)
            v.RaumwechselPause = m_leser.Bool();
        v.Lehrer.reserve(size_t(TWertLeser::Vorbelegen(AnzLehrer())));
        for (qsizetype i = 0; i < AnzLehrer(); ++i) {
            TDateiLehrerZeiten z;
            z.StartZeit = m_rev >= 2 ? Zeit() : v.SprechStart;
            z.EndZeit = Zeit();
            // Before revision 9 individual hours were whatever differed from the day.
            z.AbweichZeit = m_rev >= 9 ? m_leser.Bool()
                                       : (z.StartZeit != v.SprechStart || z.EndZeit != v.SprechEnde);
            v.Lehrer.push_back(z);
        }
        if (m_rev >= 4) {
            const qsizetype n = m_leser.Anzahl(2);
            if (n > MaxPausen)
                throw TDateiFehler(DateiMeldung::UngueltigerWert());
            std::vector<TDateiPause> pausen;
            for (qsizetype i = 0; i < n; ++i) {
                TDateiPause p;
                p.Start = Zeit();
                p.Dauer = Zeit();
                pausen.push_back(p);
            }
            v.Pausen = std::move(pausen);
        }
        return v;
    }

    std::vector<TDateiEltern> Eltern()
    {
        const qsizetype n = m_leser.Anzahl(2);
        std::vector<TDateiEltern> eltern;
        eltern.reserve(size_t(TWertLeser::Vorbelegen(n)));
        for (qsizetype i = 0; i < n; ++i) {
            TDateiEltern e;
            e.Name = m_leser.Text();
            if (m_rev >= 5)
                e.Geschwister = m_leser.Liste();
            eltern.push_back(std::move(e));
        }
        m_eltern = n;
        return eltern;
    }

    std::vector<TDateiSprech> Sprech()
    {
        std::vector<TDateiSprech> sprech;
        sprech.reserve(size_t(TWertLeser::Vorbelegen(AnzEltern())));
        for (qsizetype i = 0; i < AnzEltern(); ++i) {
            TDateiSprech s;
            s.Sprechwuensche = m_leser.Liste();
            TDateiZeitgrenzen& g = s.Grenzen;
            if (m_rev >= 8) {
                g.art = TDateiZeitgrenzen::Art::Vollstaendig;
                g.NichtVor = m_leser.Bool();
                g.NichtVorZeit = Zeit();
                g.NichtNach = m_leser.Bool();
                g.NichtNachZeit = Zeit();
            } else if (m_rev >= 3) {
                const bool gesetzt = m_leser.Bool();
                const bool nichtVor = m_leser.Bool();
                // The time of a limit that is not set is skipped, whatever it holds.
                const double t = gesetzt ? Zeit() : m_leser.Float();
                if (gesetzt) {
                    g.art = nichtVor ? TDateiZeitgrenzen::Art::NurVor : TDateiZeitgrenzen::Art::NurNach;
                    g.NichtVor = nichtVor;
                    g.NichtNach = !nichtVor;
                    (nichtVor ? g.NichtVorZeit : g.NichtNachZeit) = t;
                }
            }
            sprech.push_back(std::move(s));
        }
        return sprech;
    }

    TDateiVorschau Vorschau()
    {
        TDateiVorschau v;
        v.Gewuenscht = m_leser.Bool();
        v.Brief = m_leser.Liste();
        v.FuerAlleLehrer = m_leser.Int() == 0;
        return v;
    }

    std::vector<QStringList> Ablehnungen()
    {
        std::vector<QStringList> a;
        a.reserve(size_t(TWertLeser::Vorbelegen(AnzLehrer())));
        for (qsizetype i = 0; i < AnzLehrer(); ++i)
            a.push_back(m_leser.Liste());
        return a;
    }

    int Format()
    {
        const int f = m_leser.Int();
        if (f != TPlanEinstellungen::FormatA4 && f != TPlanEinstellungen::FormatA6)
            throw TDateiFehler(DateiMeldung::UngueltigerWert());
        return f;
    }

    std::vector<TDateiPlan> PlanBloecke(TPlanSchluessel& k)
    {
        // A block is at least a name (2 bytes) and a count (2 bytes).
        const qsizetype n = m_leser.Anzahl(4);
        std::vector<TDateiPlan> plaene;
        plaene.reserve(size_t(TWertLeser::Vorbelegen(n)));
        for (qsizetype i = 0; i < n; ++i) {
            TDateiPlan p;
            p.Name = Cp1252::Dekodiere(k.Zurueck(m_leser.TextBytes()));
            const qsizetype zeilen = m_leser.Anzahl(2);
            p.Zeilen.reserve(TWertLeser::Vorbelegen(zeilen));
            for (qsizetype z = 0; z < zeilen; ++z)
                p.Zeilen.append(Cp1252::Dekodiere(k.Zurueck(m_leser.TextBytes())));
            plaene.push_back(std::move(p));
        }
        return plaene;
    }

    TDateiPlaene Plaene()
    {
        TDateiPlaene p;
        p.Headline2 = m_leser.Text();
        p.Fussnote = m_leser.Bool();
        p.LehrerFmt = Format();
        p.ElternFmt = Format();
        p.SchluesselStart = m_leser.Int();
        p.ElternBrief = m_leser.Liste();
        TPlanSchluessel k(p.SchluesselStart);
        p.Lehrer = PlanBloecke(k);
        p.Eltern = PlanBloecke(k);
        if (m_rev >= 6) {
            TStatistikTexte s;
            for (QString& t : s.Texte)
                t = m_leser.Text();
            s.NichtErtBox = m_leser.Liste();
            p.Statistik = std::move(s);
        }
        return p;
    }

    TWertLeser m_leser;
    int m_rev;
    qsizetype m_lehrer = 0;
    qsizetype m_eltern = 0;
};

} // namespace

TLeseErgebnis Lies(const QByteArray& daten, const QString& pfad)
{
    TLeseErgebnis e;
    const TDateiKopf kopf = DateiKopf::Lies(daten.left(DateiKopf::Laenge + 5), pfad);
    if (!kopf.ok()) {
        e.Fehler = kopf.Fehler;
        return e;
    }
    try {
        TInhaltLeser leser(daten, kopf.Revision);
        leser.Ueberspringe(DateiKopf::Laenge);
        e.Inhalt = leser.Lies();
    } catch (const TDateiFehler& f) {
        e.Fehler = DateiMeldung::Beschaedigt(pfad, f.Meldung());
        e.Inhalt = {};
    } catch (const std::bad_alloc&) {
        e.Fehler = DateiMeldung::Beschaedigt(pfad, DateiMeldung::Abgebrochen());
        e.Inhalt = {};
    }
    return e;
}

} // namespace DateiLeser
