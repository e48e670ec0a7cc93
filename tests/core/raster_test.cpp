#include "raster/tagesraster.h"

#include <gtest/gtest.h>

namespace {

double Uhr(int h, int m) { return Zeit::Kodiere(h, m); }

std::vector<int> GedeckteSlots(const TPause& p, int bis = 40)
{
    std::vector<int> s;
    for (int k = 0; k < bis; ++k)
        if (p.DecktSlot(k))
            s.push_back(k);
    return s;
}

TEST(Pause, NeuePauseBeginntZweiStundenNachTagesbeginn)
{
    TVorgaben v;
    TPause p(v);
    EXPECT_EQ(Zeit::Anzeige(p.Start()), QStringLiteral("17:00"));
    EXPECT_EQ(Zeit::Anzeige(p.Dauer()), QStringLiteral("00:30"));
    EXPECT_EQ(GedeckteSlots(p), (std::vector<int>{12, 13, 14}));
}

TEST(Pause, DecktGenauDieSlotsDieInDerPauseBeginnen)
{
    struct Fall {
        int h, m, dauerMin, takt;
        std::vector<int> gedeckt;
    };
    const Fall faelle[] = {
        {16, 0, 30, 10, {6, 7, 8}},
        {16, 5, 30, 10, {7, 8, 9}},
        {16, 0, 0, 10, {}},
        {14, 0, 90, 10, {0, 1, 2}},
        {17, 0, 30, 15, {8, 9}},
        {15, 0, 10, 10, {0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.h << ":" << f.m << " +" << f.dauerMin << " Takt " << f.takt);
        TVorgaben v;
        v.SprechTakt = quint8(f.takt);
        TPause p(v);
        p.SetStart(Uhr(f.h, f.m));
        p.SetDauer(Zeit::Minuten(f.dauerMin));
        EXPECT_EQ(GedeckteSlots(p), f.gedeckt);
    }
}

TEST(Pause, EineSekundeOderWenigerDecktNichts)
{
    TVorgaben v;
    TPause p(v);
    p.SetStart(Uhr(16, 0));
    p.SetDauer(Zeit::EineSekunde);
    EXPECT_TRUE(GedeckteSlots(p).empty());
    p.SetDauer(2 * Zeit::EineSekunde);
    EXPECT_EQ(GedeckteSlots(p), (std::vector<int>{6}));
}

TEST(Pause, VorTagesbeginnAbSlotNull)
{
    TVorgaben v;
    TPause p(v);
    p.SetStart(Uhr(13, 0));
    EXPECT_EQ(p.SlotVon(), 0);
}

struct Lehrerzeiten {
    bool abweich;
    int vonH, vonM, bisH, bisM;
    int erster, letzter, frei;
};

TEST(Tagesraster, ErsterLetzterUndFreieSlotsEinesLehrers)
{
    const Lehrerzeiten faelle[] = {
        {false, 14, 0, 20, 0, 0, 17, 18},  // own hours ignored while not set
        {true, 15, 0, 18, 0, 0, 17, 18},
        {true, 15, 5, 17, 55, 1, 16, 16},
        {true, 16, 0, 16, 0, 6, 5, 0},
        {true, 17, 0, 19, 0, 12, 23, 12},
        {true, 15, 0, 15, 5, 0, -1, 0},
        {true, 14, 0, 14, 30, 0, -2, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.vonH << ":" << f.vonM << "-" << f.bisH << ":" << f.bisM);
        TSprechtag tag;
        TLehrer l;
        l.AbweichZeit = f.abweich;
        l.StartZeit = Uhr(f.vonH, f.vonM);
        l.EndZeit = Uhr(f.bisH, f.bisM);
        EXPECT_EQ(Raster::ErsterSlot(tag, l), f.erster);
        EXPECT_EQ(Raster::LetzterSlot(tag, l), f.letzter);
        EXPECT_EQ(Raster::FreieSlots(tag, l), f.frei);
    }
}

TEST(Tagesraster, PauseSenktDieKapazitaet)
{
    TSprechtag tag;
    TPause* p = tag.NeuePause();
    p->SetStart(Uhr(16, 0));
    TLehrer l;
    EXPECT_EQ(Raster::FreieSlots(tag, l), 15);
    EXPECT_TRUE(Raster::IstPausenSlot(tag, 6));
    EXPECT_FALSE(Raster::IstPausenSlot(tag, 9));
}

TEST(Tagesraster, AnzSlotsUndSlotZeit)
{
    TSprechtag tag;
    EXPECT_EQ(Raster::AnzSlots(tag), 18);
    tag.SetSprechTakt(7);
    EXPECT_EQ(Raster::AnzSlots(tag), 25);
    EXPECT_EQ(Zeit::Anzeige(Raster::SlotZeit(tag, 24)), QStringLiteral("17:48"));
    tag.SetSprechEnde(Uhr(14, 0));
    EXPECT_LE(Raster::AnzSlots(tag), 0);
}

TEST(Tagesraster, EinzelneSlotsGleichenDerAufsummiertenZaehlung)
{
    // Stepping through the day with 7-minute slots: every slot begin counted by the
    // teacher functions matches the display of SlotZeit.
    TSprechtag tag;
    tag.SetSprechTakt(7);
    TLehrer l;
    l.AbweichZeit = true;
    for (int k = 0; k < 25; ++k) {
        l.StartZeit = Raster::SlotZeit(tag, k);
        l.EndZeit = l.StartZeit + tag.Vorgaben.Takt();
        ASSERT_EQ(Raster::ErsterSlot(tag, l), k);
        ASSERT_EQ(Raster::LetzterSlot(tag, l), k);
    }
}

TEST(Tagesraster, TaktwechselVerschiebtPausen)
{
    TSprechtag tag;
    TPause* p = tag.NeuePause(); // 17:00 + 0:30
    EXPECT_EQ(p->SlotVon(), 12);
    EXPECT_EQ(p->SlotBis(), 15);
    ASSERT_TRUE(tag.SetSprechTakt(15));
    EXPECT_EQ(p->SlotVon(), 8);
    EXPECT_EQ(p->SlotBis(), 10);
    EXPECT_FALSE(tag.SetSprechTakt(46));
    EXPECT_FALSE(tag.SetSprechTakt(0));
    EXPECT_EQ(tag.Vorgaben.SprechTakt, 15);
}

TEST(Tagesraster, LehrerOhneEigeneZeitenFolgenDemTag)
{
    TSprechtag tag;
    TLehrer l;
    tag.SetSprechEnde(Uhr(19, 0));
    EXPECT_EQ(Raster::LehrerEnde(tag, l), Uhr(19, 0));
    EXPECT_EQ(Raster::LetzterSlot(tag, l), 23);
}

TEST(Tagesraster, SpaeteresTagesendeVerschiebtLehrerzeitenNicht)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("A"));
    tag.LehrerUebernehmen(QStringLiteral("B"));
    TLehrer& a = *tag.Lehrer.Suche(QStringLiteral("A"));
    a.EndZeit = Uhr(15, 30);
    tag.SetSprechStart(Uhr(16, 0));
    EXPECT_EQ(a.StartZeit, Uhr(16, 0));
    EXPECT_EQ(a.EndZeit, Uhr(16, 0));
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("B"))->StartZeit, Uhr(16, 0));
    tag.SetSprechEnde(Uhr(17, 0));
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("B"))->EndZeit, Uhr(18, 0));
}

} // namespace
