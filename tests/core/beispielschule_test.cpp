#include "beispiel/beispielschule.h"
#include "datei/datei.h"
#include "model/sprechtag.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

/// Everything of the day that the generator decides, as one text.
QString abdruck(const TSprechtag& tag)
{
    QString s;
    for (const auto& l : tag.Lehrer)
        s += l.name + '|' + l.record->Ablehnungen.join(',') + '|' + QString::number(l.record->AbweichZeit) + '\n';
    for (const auto& e : tag.Eltern)
        s += e.name + '|' + e.record->Sprechwuensche.join(',') + '|' + e.record->Geschwister.Liste().join(',') + '|'
             + QString::number(e.record->NichtVor) + QString::number(e.record->NichtNach) + '\n';
    return s;
}

} // namespace

TEST(Beispielschule, ImmerDerselbeTag)
{
    TSprechtag a, b, c;
    BaueBeispielschule(a);
    BaueBeispielschule(b);
    BaueBeispielschule(b); // over an already filled day
    BaueBeispielschule(c, {40, 400, 12345});
    EXPECT_EQ(abdruck(a), abdruck(b));
    EXPECT_NE(abdruck(a), abdruck(c));
    EXPECT_EQ(a.Zufall.Seed(), 0u) << "the day's own generator stays untouched";
    EXPECT_EQ(b.Pausen.size(), 2u);
}

TEST(Beispielschule, StimmigerTag)
{
    TSprechtag tag;
    BaueBeispielschule(tag);
    ASSERT_EQ(tag.Lehrer.Anzahl(), 40);
    ASSERT_EQ(tag.Eltern.Anzahl(), 400);
    EXPECT_EQ(tag.Pausen.size(), 2u);
    EXPECT_TRUE(tag.UngespeicherteAenderungen());

    int familienMitglieder = 0, dreierFamilien = 0, grenzen = 0, ablehnungen = 0;
    QSet<int> wunschZahlen;
    for (const auto& e : tag.Eltern) {
        EXPECT_FALSE(Cp1252::ErstesFremdesZeichen(e.name)) << e.name.toStdString();
        const TEltern& r = *e.record;
        const qsizetype n = r.Sprechwuensche.size();
        EXPECT_TRUE(n >= 1 && n <= 6) << e.name.toStdString();
        wunschZahlen.insert(int(n));
        EXPECT_EQ(QSet<QString>(r.Sprechwuensche.begin(), r.Sprechwuensche.end()).size(), n) << "no duplicates";
        for (const QString& w : r.Sprechwuensche)
            EXPECT_TRUE(tag.Lehrer.Enthaelt(w)) << w.toStdString();
        // Families are cliques: every member lists every other one and never itself.
        for (const QString& g : r.Geschwister) {
            EXPECT_NE(g, e.name);
            const TEltern* s = tag.Eltern.Suche(g);
            ASSERT_NE(s, nullptr) << g.toStdString();
            EXPECT_EQ(s->Geschwister.size(), r.Geschwister.size());
            EXPECT_TRUE(s->Geschwister.Enthaelt(e.name));
        }
        familienMitglieder += r.Geschwister.isEmpty() ? 0 : 1;
        dreierFamilien += r.Geschwister.size() == 2 ? 1 : 0;
        grenzen += (r.NichtVor || r.NichtNach) ? 1 : 0;
    }
    for (const auto& l : tag.Lehrer) {
        EXPECT_FALSE(Cp1252::ErstesFremdesZeichen(l.name)) << l.name.toStdString();
        for (const QString& a : l.record->Ablehnungen) {
            EXPECT_TRUE(tag.Eltern.Enthaelt(a)) << a.toStdString();
            ++ablehnungen;
        }
    }
    EXPECT_EQ(wunschZahlen.size(), 6) << "every count from 1 to 6 occurs";
    EXPECT_GT(familienMitglieder, 20);
    EXPECT_GT(dreierFamilien, 0);
    EXPECT_GT(grenzen, 10);
    EXPECT_GT(ablehnungen, 0);
}

TEST(Beispielschule, UeberstehtSpeichernUndLaden)
{
    TSprechtag tag;
    BaueBeispielschule(tag);
    TSprechtag geladen;
    const TDateiErgebnis r = Datei::LadeAusBytes(geladen, Datei::SpeichereInBytes(tag, Inhalt::OhnePlaene),
                                                 TLadeModus::Ersetzen);
    ASSERT_TRUE(r.ok()) << r.Fehler.toStdString();
    EXPECT_EQ(abdruck(geladen), abdruck(tag));
    EXPECT_EQ(geladen.Pausen.size(), 2u);
}
