#include "beispiel/beispieltag.h"
#include "verlauf/verlauf.h"

#include <QSet>
#include <algorithm>

namespace {

const char* const Nachnamen[] = {
    "Albers", "Bauer", "Becker", "Brandt", "Dietrich", "Engel", "Fischer", "Franke", "Graf",
    "Hahn", "Hartmann", "Heinrich", "Hoffmann", "Jung", "Kaiser", "Keller", "Klein", "Koch",
    "Krause", "Krüger", "Kuhn", "Lange", "Lehmann", "Lorenz", "Maier", "Möller", "Neumann",
    "Otto", "Peters", "Pohl", "Richter", "Roth", "Schäfer", "Schmitt", "Schneider", "Schröder",
    "Schulz", "Schwarz", "Seidel", "Sommer", "Stein", "Vogel", "Voigt", "Wagner", "Weber",
    "Winkler", "Wolf", "Zimmermann",
};
constexpr int AnzNachnamen = int(sizeof(Nachnamen) / sizeof(Nachnamen[0]));

class TGenerator {
public:
    explicit TGenerator(quint32 saat) { m_z.SetSeed(saat); }
    int Zahl(int n) { return n > 0 ? int(m_z.ZufallsZahl(quint32(n))) : 0; }
    bool Prozent(int p) { return Zahl(100) < p; }

private:
    TZufall m_z;
};

} // namespace

void FuelleBeispieltag(TSprechtag& tag, const TBeispielVorgaben& v)
{
    TGenerator g(v.saat);
    // One step, however many names: each on its own would be compared with the day.
    TSchritt schritt(tag, QStringLiteral("Beispieltag erzeugen"));

    tag.SetSprechStart(Zeit::Kodiere(15, 0));
    tag.SetSprechEnde(Zeit::Kodiere(19, 0));
    tag.SetSprechTakt(10);
    const int pausen[3][3] = {{16, 0, 10}, {17, 0, 20}, {18, 0, 10}};
    for (const auto& p : pausen) {
        if (TPause* pause = tag.NeuePause()) {
            pause->SetStart(Zeit::Kodiere(p[0], p[1]));
            pause->SetDauer(Zeit::Kodiere(0, p[2]));
        }
    }

    QStringList lehrer;
    for (int i = 0; i < v.lehrer; ++i) {
        const QString name = QStringLiteral("%1, %2. (R%3)")
                                 .arg(QString::fromUtf8(Nachnamen[g.Zahl(AnzNachnamen)]))
                                 .arg(QChar(u'A' + g.Zahl(26)))
                                 .arg(100 + i);
        const TNeuerName neu = tag.LehrerUebernehmen(name);
        if (!neu.ok())
            continue;
        lehrer.append(name);
        TLehrer& l = tag.Lehrer.Record(neu.index);
        if (g.Prozent(v.abweichendProzent)) {
            l.AbweichZeit = true;
            const bool frueh = g.Zahl(2) == 0;
            l.StartZeit = frueh ? Zeit::Kodiere(15, 0) : Zeit::Kodiere(16, 0);
            l.EndZeit = frueh ? Zeit::Kodiere(18, 0) : Zeit::Kodiere(19, 30);
        }
    }
    if (lehrer.isEmpty())
        return;

    QStringList eltern;
    for (int i = 0; i < v.eltern; ++i) {
        const QString name = QStringLiteral("%1%2: %3 %4")
                                 .arg(5 + g.Zahl(9))
                                 .arg(QChar(u'a' + g.Zahl(4)))
                                 .arg(QString::fromUtf8(Nachnamen[g.Zahl(AnzNachnamen)]))
                                 .arg(i + 1, 4, 10, QLatin1Char('0'));
        const TNeuerName neu = tag.ElternUebernehmen(name);
        if (!neu.ok())
            continue;
        eltern.append(name);
        TEltern& e = tag.Eltern.Record(neu.index);

        // Popular teachers are asked more often: the smaller of two draws favours the
        // first teachers, so that some of them are overbooked as on a real day.
        const int anzahl = std::min(1 + g.Zahl(2 * v.wuenscheSchnitt - 1), int(lehrer.size()));
        QSet<int> gewaehlt;
        while (gewaehlt.size() < anzahl) {
            const int t = std::min(g.Zahl(int(lehrer.size())), g.Zahl(int(lehrer.size())));
            if (gewaehlt.contains(t))
                continue;
            gewaehlt.insert(t);
            e.Sprechwuensche.append(lehrer.at(t));
            if (g.Prozent(v.ablehnungenProzent))
                tag.Lehrer.Suche(lehrer.at(t))->Ablehnungen.append(name);
        }
        if (g.Prozent(v.grenzenProzent)) {
            e.NichtVor = true;
            e.NichtVorZeit = Zeit::Kodiere(16, 30 * g.Zahl(2));
        }
        if (g.Prozent(v.grenzenProzent)) {
            e.NichtNach = true;
            e.NichtNachZeit = Zeit::Kodiere(18, 30 * g.Zahl(2));
        }
    }

    // Sibling pairs: consecutive entries of the creation order, linked both ways.
    const int paare = int(eltern.size()) * v.geschwisterProzent / 200;
    for (int p = 0; p < paare; ++p) {
        const QString& a = eltern.at(2 * p);
        const QString& b = eltern.at(2 * p + 1);
        tag.Eltern.Suche(a)->Geschwister.Hinzufuegen(b);
        tag.Eltern.Suche(b)->Geschwister.Hinzufuegen(a);
    }
    tag.Geaendert();
}
