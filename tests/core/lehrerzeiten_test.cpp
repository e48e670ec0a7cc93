#include "bearbeiten/lehrerzeiten.h"
#include "model/sprechtag.h"

#include <gtest/gtest.h>

namespace {

class Lehrerzeiten : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tag.LehrerUebernehmen(QStringLiteral("Abel (7)")).ok()); }
    TLehrer& abel() { return *tag.Lehrer.Suche(QStringLiteral("Abel (7)")); }
    QString start() { return Zeit::Anzeige(abel().StartZeit); }
    QString ende() { return Zeit::Anzeige(abel().EndZeit); }
    TSprechtag tag;
};

TEST_F(Lehrerzeiten, GrenzenDerEingaben)
{
    struct Fall {
        bool start;
        const char* text;
        const char* erwStart;
        const char* erwEnde;
    };
    const Fall faelle[] = {
        {true, "16:30", "16:30", "18:00"},
        {true, "14:00", "15:00", "18:00"}, // never before the day's start
        {true, "19:10", "19:10", "19:10"}, // the end follows
        {false, "20:00", "15:00", "20:00"}, // past the day's end is allowed
        {false, "14:00", "15:00", "15:00"}, // never before the start
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        abel().StartZeit = Zeit::Kodiere(15, 0);
        abel().EndZeit = Zeit::Kodiere(18, 0);
        const QString text = QString::fromUtf8(f.text);
        const TLehrerzeitEingabe r = f.start ? LehrerStartEingabe(tag, QStringLiteral("Abel (7)"), text)
                                             : LehrerEndeEingabe(tag, QStringLiteral("Abel (7)"), text);
        EXPECT_TRUE(r.Ok);
        EXPECT_EQ(start(), QString::fromUtf8(f.erwStart));
        EXPECT_EQ(ende(), QString::fromUtf8(f.erwEnde));
    }
}

TEST_F(Lehrerzeiten, UngueltigeZeitAendertNichts)
{
    tag.AlsGespeichertMarkieren();
    const TLehrerzeitEingabe r = LehrerStartEingabe(tag, QStringLiteral("Abel (7)"), QStringLiteral("16,30"));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(r.Meldung, QString::fromUtf8("Sprechzeitbeginn: „16,30“ ist keine gültige Uhrzeit. Bitte geben Sie sie als "
                                           "hh:mm, hh.mm oder hhmm ein, etwa 16:30, 16.30 oder 1630."));
    EXPECT_EQ(start(), QStringLiteral("15:00"));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST_F(Lehrerzeiten, DrehknopfUntenSpaeterObenFrueher)
{
    // Upper half at the day's start: the exit rule keeps the start there.
    const QString frueher = LehrerzeitSchritt(tag, QStringLiteral("Abel (7)"), true, -10);
    EXPECT_EQ(frueher, QStringLiteral("14:50"));
    LehrerStartEingabe(tag, QStringLiteral("Abel (7)"), frueher);
    EXPECT_EQ(start(), QStringLiteral("15:00"));
    LehrerEndeEingabe(tag, QStringLiteral("Abel (7)"), LehrerzeitSchritt(tag, QStringLiteral("Abel (7)"), false, 10));
    EXPECT_EQ(ende(), QStringLiteral("18:10"));
    // Entering 16:30 as start when the end is 16:00 moves both.
    abel().EndZeit = Zeit::Kodiere(16, 0);
    LehrerStartEingabe(tag, QStringLiteral("Abel (7)"), QStringLiteral("16:30"));
    EXPECT_EQ(start(), QStringLiteral("16:30"));
    EXPECT_EQ(ende(), QStringLiteral("16:30"));
}

} // namespace
