// What the computation reports to its progress window, and how often.
#include "berechnung_hilfen.h"

#include "beispiel/beispieltag.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

struct Anzeige {
    int durchgang, durchgaenge;
    bool fertig;
    QString text;
    int platziert, bewilligt, vergeben;
};

class TZaehlenderFortschritt : public TFortschritt {
public:
    void ZeigAn(int durchgang, int durchgaenge, bool fertig, const QString& text, int platziert, int bewilligt,
                int vergeben) override
    {
        anzeigen.push_back({durchgang, durchgaenge, fertig, text, platziert, bewilligt, vergeben});
    }
    void EreignisseVerarbeiten() override { ++ereignisse; }

    std::vector<Anzeige> anzeigen;
    int ereignisse = 0;
};

void BeispielTag(TSprechtag& tag)
{
    TBeispielVorgaben v;
    v.eltern = 400;
    v.lehrer = 40;
    FuelleBeispieltag(tag, v);
}

TEST(BerechnungFortschritt, UngedrosseltKommtJederPunktAn)
{
    TSprechtag tag;
    BeispielTag(tag);
    TZaehlenderFortschritt f;
    const TBerechnungsErgebnis r = BerechneZeitplaene(tag, f, TDrosselTakt::Ungedrosselt());

    const int nE = int(tag.Eltern.Anzahl());
    int erteilt = 0;
    for (const auto& e : tag.Eltern)
        erteilt += int(e.record->Erteilt.size());
    // Start, one per entry and pass, one per granted request, "Daten aufbereiten", "Fertig".
    ASSERT_EQ(f.anzeigen.size(), size_t(1 + r.MaxWuensche * nE + erteilt + 2));

    const Anzeige& start = f.anzeigen.front();
    EXPECT_EQ(start.text, QStringLiteral("Zeitplanvorbereitung"));
    EXPECT_EQ(start.durchgang, 0);
    EXPECT_EQ(start.durchgaenge, r.MaxWuensche);
    EXPECT_FALSE(start.fertig);

    const Anzeige& ersterDurchgang = f.anzeigen.at(1);
    EXPECT_EQ(ersterDurchgang.durchgang, 1);
    EXPECT_EQ(ersterDurchgang.text, tag.Eltern.Name(0));

    const Anzeige& platzierung = f.anzeigen.at(size_t(1 + r.MaxWuensche * nE));
    EXPECT_TRUE(platzierung.text.contains(QStringLiteral(" bei "))) << platzierung.text.toStdString();
    EXPECT_EQ(platzierung.durchgang, r.MaxWuensche);

    const Anzeige& aufbereiten = f.anzeigen.at(f.anzeigen.size() - 2);
    EXPECT_EQ(aufbereiten.text, QStringLiteral("Daten aufbereiten"));
    EXPECT_EQ(aufbereiten.platziert, nE);

    const Anzeige& ende = f.anzeigen.back();
    EXPECT_TRUE(ende.fertig);
    EXPECT_EQ(ende.text, QStringLiteral("Fertig"));
    EXPECT_EQ(ende.bewilligt, r.Bewilligt);
    EXPECT_EQ(ende.vergeben, r.Vergeben);
    EXPECT_GT(f.ereignisse, int(f.anzeigen.size()));
}

TEST(BerechnungFortschritt, DrosselungAendertKeinErgebnis)
{
    TSprechtag ungedrosselt, gedrosselt;
    BeispielTag(ungedrosselt);
    BeispielTag(gedrosselt);
    TZaehlenderFortschritt jeder, selten;
    BerechneZeitplaene(ungedrosselt, jeder, TDrosselTakt::Ungedrosselt());
    // A clock that moves on by one millisecond whenever it is read.
    qint64 ms = 0;
    TDrosselTakt takt;
    takt.uhr = [&ms] { return ++ms; };
    BerechneZeitplaene(gedrosselt, selten, takt);

    EXPECT_EQ(AllePlaene(ungedrosselt), AllePlaene(gedrosselt));
    EXPECT_EQ(ungedrosselt.Statistik().Texte, gedrosselt.Statistik().Texte);
    EXPECT_EQ(ungedrosselt.Zufall.Seed(), gedrosselt.Zufall.Seed());

    // At most one repaint per 33 ms plus the first and the last state, events at most once
    // per 15 ms, and both keep coming while the run lasts.
    ASSERT_GT(ms, 10 * 33) << "der Tag ist zu klein, um die Drosselung zu zeigen";
    EXPECT_LE(selten.anzeigen.size(), size_t(2 + ms / 33));
    EXPECT_GT(selten.anzeigen.size(), size_t(ms / 33 / 4));
    EXPECT_LE(selten.ereignisse, int(ms / 15));
    EXPECT_GE(selten.ereignisse, int(ms / 17) - 1);
    ASSERT_GE(selten.anzeigen.size(), 2u);
    EXPECT_EQ(selten.anzeigen.front().text, QStringLiteral("Zeitplanvorbereitung"));
    EXPECT_TRUE(selten.anzeigen.back().fertig);
    EXPECT_EQ(selten.anzeigen.back().text, QStringLiteral("Fertig"));
}

TEST(BerechnungFortschritt, StehendeUhrZeigtNurAnfangUndEnde)
{
    TSprechtag tag;
    BeispielTag(tag);
    TZaehlenderFortschritt f;
    TDrosselTakt takt;
    takt.uhr = [] { return qint64(0); };
    BerechneZeitplaene(tag, f, takt);

    ASSERT_EQ(f.anzeigen.size(), 2u);
    EXPECT_EQ(f.anzeigen.front().text, QStringLiteral("Zeitplanvorbereitung"));
    EXPECT_EQ(f.anzeigen.back().text, QStringLiteral("Fertig"));
    EXPECT_EQ(f.ereignisse, 0);
}

} // namespace
