#include "beispiel/beispielschule.h"

#include "model/sprechtag.h"
#include "verlauf/verlauf.h"

#include <QSet>
#include <algorithm>

namespace {

// Surnames made of a plant or bird and a place ending: they sound German without being
// anybody's name.
const char* const Vorsilben[] = {
    "Ahorn", "Amsel", "Distel", "Eschen", "Fichten", "Ginster", "Hagebutten", "Holunder",
    "Kerbel", "Lerchen", "Mispel", "Quitten", "Salbei", "Schlehen", "Wacholder", "Zeisig",
    "Brombeer", "Mäuse", "Dörr", "Kümmel", "Rüben", "Öhr",
};
const char* const Nachsilben[] = {
    "brink", "hövel", "siek", "loh", "wedel", "kamp", "rode", "beck", "horst", "stedt",
    "mark", "tal", "hausen", "bühl",
};
const char* const Vornamen[] = {
    "Anke", "Birte", "Carla", "Dörte", "Edda", "Frauke", "Gesa", "Hanna", "Ilka", "Jule",
    "Karin", "Lena", "Maren", "Nele", "Okka", "Petra", "Renate", "Silke", "Tanja", "Ute",
    "Achim", "Bernd", "Claas", "Detlef", "Eike", "Folkert", "Gerd", "Hauke", "Ingo", "Jörn",
    "Kai", "Lars", "Malte", "Nils", "Ole", "Piet", "Rainer", "Sönke", "Timo", "Uwe",
};
const char* const Gebaeude[] = {"A", "B", "C", "N"};

template <std::size_t N>
QString eines(const char* const (&liste)[N], int i)
{
    return QString::fromUtf8(liste[std::size_t(i) % N]);
}

class TWuerfel {
public:
    explicit TWuerfel(quint32 startwert) { m_z.SetSeed(startwert); }
    int Zahl(int n) { return n > 0 ? int(m_z.ZufallsZahl(quint32(n))) : 0; }
    bool Prozent(int p) { return Zahl(100) < p; }
    template <std::size_t N>
    QString Aus(const char* const (&liste)[N]) { return eines(liste, Zahl(int(N))); }

private:
    TZufall m_z;
};

QString nachname(TWuerfel& w)
{
    return w.Aus(Vorsilben) + w.Aus(Nachsilben);
}

/// Classes 5a to 13d: nine grades, four classes each.
QString klasse(int jahrgang, int zug)
{
    return QStringLiteral("%1%2").arg(5 + jahrgang).arg(QChar(u'a' + zug));
}

/// 1 to 6 requests; most parents want two or three teachers.
int anzahlWuensche(TWuerfel& w)
{
    static const int verteilung[] = {1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 5, 6};
    return verteilung[w.Zahl(int(std::size(verteilung)))];
}

void bauePausen(TSprechtag& tag)
{
    const int pausen[2][3] = {{16, 30, 15}, {17, 40, 10}};
    for (const auto& p : pausen) {
        TPause* pause = tag.NeuePause();
        pause->SetStart(Zeit::Kodiere(p[0], p[1]));
        pause->SetDauer(Zeit::Minuten(p[2]));
    }
}

QStringList baueLehrer(TSprechtag& tag, TWuerfel& w, int anzahl)
{
    QStringList namen;
    QSet<int> raeume;
    for (int versuch = 0; namen.size() < anzahl && versuch < anzahl * 50; ++versuch) {
        int raum;
        do
            raum = w.Zahl(int(std::size(Gebaeude))) * 100 + 1 + w.Zahl(40);
        while (raeume.contains(raum) && raeume.size() < int(std::size(Gebaeude)) * 40);
        QString name = nachname(w);
        if (w.Prozent(15))
            name = QStringLiteral("Dr. ") + name;
        name += QStringLiteral(" (%1%2)").arg(eines(Gebaeude, raum / 100)).arg(raum % 100, 2, 10, QLatin1Char('0'));
        const TNeuerName neu = tag.LehrerUebernehmen(name);
        if (!neu.ok())
            continue;
        raeume.insert(raum);
        namen.append(name);
        if (w.Prozent(8)) {
            // Part-time colleagues: either only the first hours or starting late.
            TLehrer& l = tag.Lehrer.Record(neu.index);
            l.AbweichZeit = true;
            const bool frueh = w.Zahl(2) == 0;
            l.StartZeit = frueh ? Zeit::Kodiere(15, 0) : Zeit::Kodiere(16, 30);
            l.EndZeit = frueh ? Zeit::Kodiere(17, 0) : Zeit::Kodiere(19, 0);
        }
    }
    return namen;
}

/// Parent entries, grouped by family: one parent name, one entry per child in a class of
/// its own grade.
QList<QStringList> baueFamilien(TSprechtag& tag, TWuerfel& w, int anzahl)
{
    QList<QStringList> familien;
    int eintraege = 0;
    for (int versuch = 0; eintraege < anzahl && versuch < anzahl * 50; ++versuch) {
        const int r = w.Zahl(100);
        const int kinder = std::min(r < 88 ? 1 : r < 97 ? 2 : 3, anzahl - eintraege);
        const QString elternname = nachname(w) + QStringLiteral(", ") + w.Aus(Vornamen);
        QStringList familie;
        QSet<int> jahrgaenge;
        while (familie.size() < kinder) {
            const int jahrgang = w.Zahl(9);
            if (jahrgaenge.contains(jahrgang))
                continue;
            jahrgaenge.insert(jahrgang);
            const QString name = klasse(jahrgang, w.Zahl(4)) + QStringLiteral(": ") + elternname;
            if (!tag.ElternUebernehmen(name).ok())
                break; // the same parent name drawn twice for one class: draw a new family
            familie.append(name);
        }
        if (familie.size() < kinder) {
            for (const QString& n : familie)
                tag.ElternEntfernen(n);
            continue;
        }
        eintraege += int(familie.size());
        familien.append(familie);
    }
    return familien;
}

void baueWuensche(TSprechtag& tag, TWuerfel& w, const QStringList& lehrer, const QString& eltern)
{
    TEltern& e = *tag.Eltern.Suche(eltern);
    const int anzahl = std::min(anzahlWuensche(w), int(lehrer.size()));
    QList<int> gewaehlt;
    while (gewaehlt.size() < anzahl) {
        // The smaller of two draws: the first teachers (main subjects, class teachers)
        // are asked far more often, as on a real day.
        const int t = std::min(w.Zahl(int(lehrer.size())), w.Zahl(int(lehrer.size())));
        if (!gewaehlt.contains(t))
            gewaehlt.append(t);
    }
    // The request list of the parent page takes the teachers in list order.
    std::sort(gewaehlt.begin(), gewaehlt.end(), [&](int a, int b) {
        return tag.Lehrer.IndexVon(lehrer[a]) < tag.Lehrer.IndexVon(lehrer[b]);
    });
    for (const int t : gewaehlt)
        e.Sprechwuensche.append(lehrer[t]);

    if (w.Prozent(7)) {
        e.NichtVor = true;
        e.NichtVorZeit = Zeit::Kodiere(16, 30 * w.Zahl(2));
    }
    if (w.Prozent(7)) {
        e.NichtNach = true;
        e.NichtNachZeit = Zeit::Kodiere(17, 30 + 30 * w.Zahl(2));
    }
}

/// A few teachers decline some of the parents who asked for them (the grades are fine,
/// the teacher sees no need to talk).
void baueAblehnungen(TSprechtag& tag, TWuerfel& w, const QStringList& lehrer)
{
    const int anzahl = std::max(1, int(lehrer.size()) / 8);
    for (int i = 0; i < anzahl; ++i) {
        const QString& name = lehrer[w.Zahl(int(lehrer.size()))];
        QStringList fragende;
        for (const auto& e : tag.Eltern)
            if (e.record->Sprechwuensche.contains(name))
                fragende.append(e.name);
        TLehrer& l = *tag.Lehrer.Suche(name);
        const int n = std::min(int(fragende.size()), 1 + w.Zahl(3));
        for (int k = 0; k < n; ++k) {
            const QString& e = fragende[w.Zahl(int(fragende.size()))];
            if (!l.Ablehnungen.contains(e))
                l.Ablehnungen.append(e);
        }
        // The refusal list shows the parents in list order.
        std::sort(l.Ablehnungen.begin(), l.Ablehnungen.end(), [&](const QString& a, const QString& b) {
            return tag.Eltern.IndexVon(a) < tag.Eltern.IndexVon(b);
        });
    }
}

} // namespace

void BaueBeispielschule(TSprechtag& tag, const TBeispielschule& o)
{
    TWuerfel w(o.Startwert);
    // One step, however many names: each on its own would be compared with the day.
    TSchritt schritt(tag, QStringLiteral("Beispielschule erzeugen"));
    tag.LehrerLoesch();
    tag.ElternLoesch();
    while (!tag.Pausen.empty())
        tag.PauseEntfernen(0);
    tag.PlaeneGueltig = false;

    tag.SetSprechStart(Zeit::Kodiere(15, 0));
    tag.SetSprechEnde(Zeit::Kodiere(19, 0));
    tag.SetSprechTakt(10);
    tag.SetRaumwechselPause(true);
    bauePausen(tag);
    tag.Plan.Headline2 = QStringLiteral("Elternsprechtag am 12.02.");

    const QStringList lehrer = baueLehrer(tag, w, o.Lehrer);
    const QList<QStringList> familien = baueFamilien(tag, w, o.Eltern);
    for (const QStringList& familie : familien) {
        for (const QString& e : familie) {
            if (!lehrer.isEmpty())
                baueWuensche(tag, w, lehrer, e);
            TEltern& r = *tag.Eltern.Suche(e);
            for (const QString& geschwister : familie)
                if (geschwister != e)
                    r.Geschwister.Hinzufuegen(geschwister);
        }
    }
    if (!lehrer.isEmpty())
        baueAblehnungen(tag, w, lehrer);
    tag.Geaendert();
}
