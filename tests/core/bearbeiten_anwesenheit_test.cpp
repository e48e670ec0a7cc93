#include "bearbeiten/anwesenheit.h"
#include "bearbeiten_hilfen.h"

#include <gtest/gtest.h>

namespace {

using bearbeiten_test::S;

class Anwesenheit : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* e : {"5a: Weber", "6a: Kurz", "7b: Lang"})
            ASSERT_TRUE(tag.ElternUebernehmen(S(e)).ok());
        tag.AlsGespeichertMarkieren();
    }
    TEltern& E(const char* n) { return *tag.Eltern.Suche(S(n)); }
    TSprechtag tag;
    TAnwesenheitsGedaechtnis letzte;
};

TEST_F(Anwesenheit, NeueElternZeigenDieVorgaben)
{
    const TAnwesenheitsAnzeige a = AnwesenheitZeigen(tag, S("5a: Weber"), letzte);
    EXPECT_TRUE(a.Gefunden);
    EXPECT_FALSE(a.NichtVor);
    EXPECT_FALSE(a.NichtNach);
    EXPECT_EQ(a.NichtVorText, S("16:00"));
    EXPECT_EQ(a.NichtNachText, S("18:00"));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    EXPECT_FALSE(AnwesenheitZeigen(tag, S(""), letzte).Gefunden);
}

TEST_F(Anwesenheit, DieZuletztGetippteZeitWandertZumNaechstenEintrag)
{
    AnwesenheitSchalten(tag, S("7b: Lang"), TAnwesenheitsGrenze::NichtVor, true);
    E("7b: Lang").NichtVorZeit = Zeit::Kodiere(15, 30);

    EXPECT_TRUE(AnwesenheitZeitEingabe(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtVor, S("14:30"), letzte).Ok);
    EXPECT_EQ(E("5a: Weber").NichtVorZeit, Zeit::Kodiere(14, 30));
    EXPECT_EQ(letzte.LetzteNichtVorZeit, Zeit::Kodiere(14, 30));
    EXPECT_EQ(letzte.LetzteNichtNachZeit, Zeit::Kodiere(18, 0));

    // Another entry whose limit is off takes the remembered time, flag still off.
    tag.AlsGespeichertMarkieren();
    const TAnwesenheitsAnzeige a = AnwesenheitZeigen(tag, S("6a: Kurz"), letzte);
    EXPECT_EQ(a.NichtVorText, S("14:30"));
    EXPECT_FALSE(a.NichtVor);
    EXPECT_EQ(E("6a: Kurz").NichtVorZeit, Zeit::Kodiere(14, 30));
    EXPECT_FALSE(E("6a: Kurz").NichtVor);
    EXPECT_TRUE(tag.UngespeicherteAenderungen());

    // An active limit keeps its own time.
    const TAnwesenheitsAnzeige b = AnwesenheitZeigen(tag, S("7b: Lang"), letzte);
    EXPECT_TRUE(b.NichtVor);
    EXPECT_EQ(b.NichtVorText, S("15:30"));

    // Showing again changes nothing more.
    tag.AlsGespeichertMarkieren();
    AnwesenheitZeigen(tag, S("6a: Kurz"), letzte);
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST_F(Anwesenheit, UngueltigeZeitenAendernNichts)
{
    ASSERT_TRUE(AnwesenheitZeitEingabe(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtNach, S("17:15"), letzte).Ok);
    tag.AlsGespeichertMarkieren();
    for (const char* text : {"25:00", "14,30", "", "17:60", "abc"}) {
        SCOPED_TRACE(text);
        const TZeitEingabe r =
            AnwesenheitZeitEingabe(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtNach, S(text), letzte);
        EXPECT_FALSE(r.Ok);
        EXPECT_EQ(r.Meldung, S("Termine nicht nach: „") + S(text)
                                 + S("“ ist keine gültige Uhrzeit. Bitte geben Sie sie als hh:mm, hh.mm oder hhmm ein, "
                                     "etwa 16:30, 16.30 oder 1630."));
        EXPECT_EQ(E("5a: Weber").NichtNachZeit, Zeit::Kodiere(17, 15));
        EXPECT_EQ(letzte.LetzteNichtNachZeit, Zeit::Kodiere(17, 15));
    }
    EXPECT_FALSE(tag.UngespeicherteAenderungen());

    // A bare hour is a full hour.
    EXPECT_TRUE(AnwesenheitZeitEingabe(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtNach, S("9"), letzte).Ok);
    EXPECT_EQ(AnwesenheitZeigen(tag, S("5a: Weber"), letzte).NichtNachText, S("09:00"));
}

TEST_F(Anwesenheit, SchalterSetztNurDasEigeneFlag)
{
    E("5a: Weber").NichtVorZeit = Zeit::Kodiere(15, 45);
    EXPECT_TRUE(AnwesenheitSchalten(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtVor, true));
    EXPECT_TRUE(E("5a: Weber").NichtVor);
    EXPECT_FALSE(E("5a: Weber").NichtNach);
    tag.AlsGespeichertMarkieren();
    EXPECT_FALSE(AnwesenheitSchalten(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtVor, true));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    // Unchecking keeps the stored time.
    EXPECT_TRUE(AnwesenheitSchalten(tag, S("5a: Weber"), TAnwesenheitsGrenze::NichtVor, false));
    EXPECT_EQ(E("5a: Weber").NichtVorZeit, Zeit::Kodiere(15, 45));
    EXPECT_FALSE(AnwesenheitSchalten(tag, S("weg"), TAnwesenheitsGrenze::NichtNach, true));
}

} // namespace
