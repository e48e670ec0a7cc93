#include "beispiel/harte_tage.h"

#include "beispiel/beispieltag.h"
#include "verlauf/verlauf.h"
#include "zeit/zeit.h"

#include <random>

void FuelleHartenTag(TSprechtag& tag, THarteArt art, int eltern, quint32 saat)
{
    TBeispielVorgaben v;
    v.eltern = eltern;
    v.saat = saat;
    if (art == THarteArt::GeschwisterFenster)
        v.geschwisterProzent = 40;
    FuelleBeispieltag(tag, v);
    // The generator's own numbers; std::mt19937 gives the same sequence everywhere.
    std::mt19937 rng(saat);
    auto zahl = [&rng](int n) { return int(rng() % quint32(n)); };
    auto uhr = [](int minuten) { return Zeit::Kodiere(minuten / 60, minuten % 60); };
    TSchritt schritt(tag, QStringLiteral("Beispieltag erzeugen"));
    switch (art) {
    case THarteArt::GeschwisterFenster:
        for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i) {
            TEltern& e = tag.Eltern.Record(i);
            if (e.Geschwister.isEmpty())
                continue;
            const qsizetype s = tag.Eltern.IndexVon(e.Geschwister.at(0));
            if (s < i)
                continue;
            e.NichtNach = true;
            e.NichtNachZeit = uhr(17 * 60 + 30 * zahl(4));
            TEltern& g = tag.Eltern.Record(s);
            g.NichtVor = true;
            g.NichtVorZeit = uhr(15 * 60 + 30 + 30 * zahl(3));
        }
        break;
    case THarteArt::EineStunde:
        for (qsizetype i = 0; i < tag.Eltern.Anzahl(); ++i) {
            TEltern& e = tag.Eltern.Record(i);
            // A sibling pair is one family: the member that comes first in the list decides.
            qsizetype erster = i;
            for (const QString& g : e.Geschwister)
                erster = std::min(erster, tag.Eltern.IndexVon(g));
            if (erster < i)
                continue;
            if (zahl(2) != 0)
                continue;
            const int t = 15 * 60 + 10 * zahl(19);
            for (TEltern* m : {&e, e.Geschwister.isEmpty() ? &e : tag.Eltern.Suche(e.Geschwister.at(0))}) {
                m->NichtVor = true;
                m->NichtVorZeit = uhr(t);
                m->NichtNach = true;
                m->NichtNachZeit = uhr(t + 60);
            }
        }
        break;
    case THarteArt::NachTagesende:
        for (qsizetype i = 0; i < std::min<qsizetype>(20, tag.Lehrer.Anzahl()); ++i) {
            TLehrer& l = tag.Lehrer.Record(i);
            l.AbweichZeit = true;
            l.StartZeit = Zeit::Kodiere(18, 0);
            l.EndZeit = Zeit::Kodiere(20, 0);
        }
        break;
    }
    tag.Geaendert();
}
