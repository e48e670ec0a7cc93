// Does "Optimieren" reach the most talks a day can hold? Small seeded days are searched
// exhaustively by the test itself (kleine_tage.h); every result goes through the
// independent plan checker.
#include "berechnung_hilfen.h"
#include "kleine_tage.h"
#include "plan_pruefer.h"

#include "beispiel/harte_tage.h"
#include "datei/datei.h"
#include "datei/inhaltsmaske.h"
#include "optimierung/optimierer.h"
#include "optimierung/schranke.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString A = QStringLiteral("Adler (R1)");
const QString B = QStringLiteral("Buche (R2)");
const QString C = QStringLiteral("Citrus (R3)");
const QString D = QStringLiteral("Dattel (R4)");
const QString Kind = QStringLiteral("5a: Kind");

TEST(KleineTageSuche, HandgerechneteMaximaUndDieSchrankeTrifftSie)
{
    // 15:00-16:00 in 10-minute slots: slots 0..5, slot 6 is 16:00.
    struct Fall {
        const char* name;
        std::function<void(TSprechtag&)> einrichten;
        int maximum;
    };
    auto vierLehrer = [](TSprechtag& tag, bool dattelSpaeter) {
        for (const QString& l : {A, B, C})
            Lehrer(tag, l);
        TLehrer& d = Lehrer(tag, D);
        if (dattelSpaeter)
            d.AbweichZeit = true, d.StartZeit = Zeit::Kodiere(16, 10), d.EndZeit = Zeit::Kodiere(16, 30);
        Eltern(tag, Kind, {A, B, C, D});
    };
    const std::vector<Fall> faelle = {
        {"sieben Einträge, eine Lehrkraft mit sechs Slots",
         [](TSprechtag& tag) {
             Lehrer(tag, A);
             for (int i = 0; i < 7; ++i)
                 Eltern(tag, QStringLiteral("5a: Kind %1").arg(i), {A});
         },
         6},
        {"ein Eintrag, drei Lehrkräfte bis 16:00 und eine 16:10-16:30: 15:00, 15:20, 15:40 und 16:10",
         [&](TSprechtag& tag) { vierLehrer(tag, true); }, 4},
        {"dazu ein Geschwister nur bis 15:40: 15:00 und 15:20",
         [&](TSprechtag& tag) {
             vierLehrer(tag, true);
             TEltern& s = Eltern(tag, QStringLiteral("7b: Kind"));
             s.NichtNach = true, s.NichtNachZeit = Zeit::Kodiere(15, 40);
             Geschwister(tag, Kind, QStringLiteral("7b: Kind"));
         },
         2},
        {"Adler lehnt ab", [&](TSprechtag& tag) {
             vierLehrer(tag, true);
             tag.Lehrer.Suche(A)->Ablehnungen.append(Kind);
         },
         3},
        {"Dattel nur 16:00-16:10: der letzte Slot des Tages, drei Gespräche davor passen mit 15:00, 15:20, 15:40",
         [&](TSprechtag& tag) {
             vierLehrer(tag, false);
             TLehrer& d = *tag.Lehrer.Suche(D);
             d.AbweichZeit = true, d.StartZeit = Zeit::Kodiere(16, 0), d.EndZeit = Zeit::Kodiere(16, 10);
         },
         4},
        {"ohne Raumwechsel passen vier Gespräche in 15:00-15:30",
         [&](TSprechtag& tag) {
             tag.SetRaumwechselPause(false);
             vierLehrer(tag, false);
             TEltern& e = *tag.Eltern.Suche(Kind);
             e.NichtNach = true, e.NichtNachZeit = Zeit::Kodiere(15, 40);
         },
         4},
        {"mit Raumwechsel nur zwei davon",
         [&](TSprechtag& tag) {
             vierLehrer(tag, false);
             TEltern& e = *tag.Eltern.Suche(Kind);
             e.NichtNach = true, e.NichtNachZeit = Zeit::Kodiere(15, 40);
         },
         2},
        {"Pause 15:20: Adler hat fünf Slots für sechs Einträge",
         [](TSprechtag& tag) {
             Lehrer(tag, A);
             Pause(tag, 15, 20, 10);
             for (int i = 0; i < 6; ++i)
                 Eltern(tag, QStringLiteral("5a: Kind %1").arg(i), {A});
         },
         5},
    };
    for (const Fall& f : faelle) {
        TSprechtag tag;
        Rahmen(tag, 15, 0, 16, 0, 10);
        f.einrichten(tag);
        EXPECT_EQ(KleineTage::Maximum(tag), f.maximum) << f.name;
        // Each of these limits is one the bound knows: a teacher's slots, a refusal, a
        // family's time with or without the room change.
        EXPECT_EQ(TerminSchranke(tag), f.maximum) << f.name;
    }
}

TEST(OptimierungSchranke, TextMitDeutschenZahlen)
{
    const struct {
        int termine, schranke;
        const char* text;
    } faelle[] = {
        {964, 964, "964 Termine – mehr sind nicht möglich."},
        {2326, 2339, "2.326 Termine, höchstens 2.339 möglich"},
        {1, 1, "1 Termin – mehr ist nicht möglich."},
        {1, 2, "1 Termin, höchstens 2 möglich"},
        {0, 0, "0 Termine – mehr sind nicht möglich."},
        // Two talks the computation booked side by side after the day's end count as they
        // stand, beyond what a new placement may reach.
        {12, 11, "12 Termine – mehr sind nicht möglich."},
        {12000, 12345, "12.000 Termine, höchstens 12.345 möglich"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SchrankenText(f.termine, f.schranke), QString::fromUtf8(f.text));
}

struct TKleineReihe {
    const char* name;
    KleineTage::TArt art;
    quint32 ersteSaat;
    int tage;
};

const std::vector<TKleineReihe> KleineReihen = {
    {"3 Lehrkräfte, 10 Einträge", {3, 10, 30, 40, true}, 1, 160},
    {"4 Lehrkräfte, 12 Einträge, viele Geschwister", {4, 12, 60, 40, true}, 1001, 80},
    {"4 Lehrkräfte, 12 Einträge, fast alle mit Anwesenheitszeiten", {4, 12, 30, 80, true}, 2001, 80},
    {"3 Lehrkräfte, 12 Einträge, ohne Raumwechsel", {3, 12, 40, 50, false}, 3001, 40},
};

TEST(OptimierungOptimum, ErreichtAufKleinenTagenDasMaximum)
{
    // Started from the computation's plans. Where the computation booked two talks of a
    // family side by side beyond the day's end and no other place exists, the step keeps
    // them (it never drops a talk); such a day may then hold more than the search allows.
    for (const TKleineReihe& reihe : KleineReihen) {
        int unterMaximum = 0;
        for (quint32 saat = reihe.ersteSaat; saat < reihe.ersteSaat + quint32(reihe.tage); ++saat) {
            TSprechtag tag;
            KleineTage::Erzeuge(tag, reihe.art, saat);
            Rechne(tag);
            TStillerOptimierFortschritt still;
            Optimiere(tag, still);
            const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
            ASSERT_TRUE(b.Fehler.isEmpty()) << reihe.name << ", Saat " << saat << ": "
                                            << b.Fehler.join(u'\n').toStdString();
            // The checked plan is a start for the search: it only has to look for more.
            const int maximum = KleineTage::Maximum(tag, b.NurBerechnung.isEmpty() ? b.Termine : 0);
            EXPECT_GE(TerminSchranke(tag), maximum) << reihe.name << ", Saat " << saat;
            if (b.NurBerechnung.isEmpty())
                EXPECT_EQ(b.Termine, maximum) << reihe.name << ", Saat " << saat;
            else
                EXPECT_GE(b.Termine, maximum) << reihe.name << ", Saat " << saat;
            unterMaximum += b.Termine < maximum ? 1 : 0;
        }
        EXPECT_EQ(unterMaximum, 0) << reihe.name;
    }
}

TEST(OptimierungOptimum, ZweiLaeufeGebenDieselbenBytes)
{
    for (const bool gruendlich : {false, true}) {
        QByteArray bytes[2];
        for (QByteArray& b : bytes) {
            TSprechtag tag;
            KleineTage::Erzeuge(tag, {4, 12, 60, 80, true}, 77);
            Rechne(tag);
            TStillerOptimierFortschritt still;
            Optimiere(tag, still, -1, gruendlich);
            b = Datei::SpeichereInBytes(tag, Inhalt::Alles);
        }
        EXPECT_EQ(bytes[0], bytes[1]) << gruendlich;
    }
}

TEST(OptimierungOptimum, SchwereTageBleibenGueltigUnterDerSchranke)
{
    const struct {
        const char* name;
        THarteArt art;
    } tage[] = {{"Geschwister mit verschiedenen Zeiten", THarteArt::GeschwisterFenster},
                {"Familien mit einer Stunde", THarteArt::EineStunde},
                {"Sprechzeiten nach Tagesende", THarteArt::NachTagesende}};
    for (const auto& t : tage) {
        for (const bool gruendlich : {false, true}) {
            TSprechtag tag;
            FuelleHartenTag(tag, t.art, 150);
            Rechne(tag);
            const PlanPruefer::TBefund vorher = PlanPruefer::Pruefe(tag);
            TStillerOptimierFortschritt still;
            Optimiere(tag, still, -1, gruendlich);
            const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
            ASSERT_TRUE(b.Fehler.isEmpty()) << t.name << ": " << b.Fehler.mid(0, 5).join(u'\n').toStdString();
            EXPECT_TRUE(vorher.NurBerechnung.contains(b.NurBerechnung)) << t.name;
            EXPECT_GE(b.Termine, vorher.Termine) << t.name;
            if (b.NurBerechnung.isEmpty()) {
                EXPECT_LE(b.Termine, TerminSchranke(tag)) << t.name;
            }
        }
    }
}

// Stops at the n-th report and remembers how far the reports had come.
class TAbbruchNach : public TOptimierFortschritt {
public:
    explicit TAbbruchNach(int n)
        : m_rest(n)
    {
    }
    bool Zwischenstand(const TKennwerte&, const TKennwerte&, qint64 zug, qint64 zuege) override
    {
        EXPECT_LE(zug, zuege);
        EXPECT_GE(zug, m_letzter);
        m_letzter = zug;
        return --m_rest > 0;
    }
    int Rest() const { return m_rest; }

private:
    int m_rest;
    qint64 m_letzter = 0;
};

TEST(OptimierungOptimum, GruendlichLaesstSichJederzeitAbbrechen)
{
    // At the first report (in the first exact pass), halfway and at the last one: the day
    // stays as it was each time, and the reports never run backwards.
    int berichte = 0;
    {
        TSprechtag tag;
        KleineTage::Erzeuge(tag, {4, 12, 60, 80, true}, 5);
        Rechne(tag);
        TAbbruchNach nie(1 << 30);
        ASSERT_FALSE(Optimiere(tag, nie, -1, true).Abgebrochen);
        berichte = (1 << 30) - nie.Rest();
    }
    ASSERT_GE(berichte, 3);
    for (const int n : {1, berichte / 2, berichte}) {
        TSprechtag tag;
        KleineTage::Erzeuge(tag, {4, 12, 60, 80, true}, 5);
        Rechne(tag);
        tag.AlsGespeichertMarkieren();
        const QStringList plaene = AllePlaene(tag);
        TAbbruchNach abbruch(n);
        const TOptimierErgebnis e = Optimiere(tag, abbruch, -1, true);
        EXPECT_TRUE(e.Abgebrochen) << n;
        EXPECT_EQ(AllePlaene(tag), plaene) << n;
        EXPECT_FALSE(tag.UngespeicherteAenderungen()) << n;
    }
}

} // namespace
