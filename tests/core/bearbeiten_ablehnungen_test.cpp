#include "bearbeiten/ablehnungen.h"
#include "bearbeiten/sprechwuensche.h"
#include "bearbeiten_hilfen.h"

#include <gtest/gtest.h>

namespace {

using bearbeiten_test::L;
using bearbeiten_test::S;

class Beziehungen : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* l : {"Abel (7)", "Bauer (3)", "Zander (101)"})
            ASSERT_TRUE(tag.LehrerUebernehmen(S(l)).ok());
        for (const char* e : {"5a: Weber", "6a: Kurz", "7b: Lang", "8c: Roth"})
            ASSERT_TRUE(tag.ElternUebernehmen(S(e)).ok());
        E("5a: Weber").Sprechwuensche = L({"Bauer (3)", "ABEL (7)"});
        E("6a: Kurz").Sprechwuensche = L({"Abel (7)"});
        E("7b: Lang").Sprechwuensche = L({"Zander (101)", "Geht (0)", "abel (7)", "Abel (7)"});
        // 15:00 to 18:00 in 10-minute slots: 18 for everybody, Bauer keeps only 2.
        Lh("Bauer (3)").AbweichZeit = true;
        Lh("Bauer (3)").StartZeit = Zeit::Kodiere(17, 40);
        tag.AlsGespeichertMarkieren();
    }
    TEltern& E(const char* n) { return *tag.Eltern.Suche(S(n)); }
    TLehrer& Lh(const char* n) { return *tag.Lehrer.Suche(S(n)); }
    TSprechtag tag;
};

TEST_F(Beziehungen, AblehnListeUndZaehler)
{
    struct Fall {
        const char* lehrer;
        bool filter;
        QStringList eintraege;
        bool mitZaehlern;
        int wuensche;
        int termine;
        bool rot;
    };
    const QStringList alle = tag.Eltern.Namen();
    const Fall faelle[] = {
        {"Abel (7)", true, L({"5a: Weber", "6a: Kurz", "7b: Lang"}), true, 3, 18, false},
        {"abel (7)", false, alle, true, 3, 18, false},
        {"Zander (101)", true, L({"7b: Lang"}), true, 1, 18, false},
        {"Bauer (3)", true, L({"5a: Weber"}), true, 1, 2, false},
        {"", true, {}, false, 0, 0, false},
        {"", false, alle, false, 0, 0, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.lehrer << " Filter " << f.filter);
        const TAblehnListe a = AblehnListe(tag, S(f.lehrer), f.filter);
        EXPECT_EQ(a.Eintraege, f.eintraege);
        EXPECT_EQ(a.MitZaehlern, f.mitZaehlern);
        EXPECT_EQ(a.AnzWuensche, f.wuensche);
        EXPECT_EQ(a.MoeglicheTermine, f.termine);
        EXPECT_EQ(a.Ueberbucht, f.rot);
    }
    // Red only when the capacity falls below the request count.
    E("6a: Kurz").Sprechwuensche.append(S("Bauer (3)"));
    EXPECT_FALSE(AblehnListe(tag, S("Bauer (3)"), true).Ueberbucht);
    E("7b: Lang").Sprechwuensche.append(S("bauer (3)"));
    EXPECT_TRUE(AblehnListe(tag, S("Bauer (3)"), true).Ueberbucht);
}

TEST_F(Beziehungen, AblehnungenZeigenUndSpeichern)
{
    Lh("Abel (7)").Ablehnungen = L({"8C: ROTH", "6a: Kurz", "3x: Weg"});
    // Unfiltered, the refusal of a parent who does not ask for the teacher shows too.
    const QStringList alle = AblehnListe(tag, S("Abel (7)"), false).Eintraege;
    const TListenAuswahl a = AblehnAuswahl(tag, S("Abel (7)"), alle);
    EXPECT_EQ(a.Positionen, (QList<qsizetype>{1, 3}));
    EXPECT_EQ(a.Fehlend, L({"3x: Weg"}));
    // Filtered, it is not in the list; storing that list drops it.
    const QStringList gefiltert = AblehnListe(tag, S("Abel (7)"), true).Eintraege;
    const TListenAuswahl b = AblehnAuswahl(tag, S("Abel (7)"), gefiltert);
    EXPECT_EQ(b.Positionen, (QList<qsizetype>{1}));
    EXPECT_TRUE(AblehnungenSpeichern(tag, S("Abel (7)"), AusgewaehlteEintraege(gefiltert, b.Positionen)));
    EXPECT_EQ(Lh("Abel (7)").Ablehnungen, L({"6a: Kurz"}));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());

    tag.AlsGespeichertMarkieren();
    EXPECT_FALSE(AblehnungenSpeichern(tag, S("Abel (7)"), L({"6a: Kurz"})));
    EXPECT_FALSE(AblehnungenSpeichern(tag, S(""), L({"6a: Kurz"})));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    // Nobody asks for this teacher: the filtered list is empty, and storing it empties
    // the refusals.
    Lh("Bauer (3)").Ablehnungen = L({"6a: Kurz"});
    E("5a: Weber").Sprechwuensche.clear();
    EXPECT_TRUE(AblehnListe(tag, S("Bauer (3)"), true).Eintraege.isEmpty());
    EXPECT_TRUE(AblehnungenSpeichern(tag, S("Bauer (3)"), {}));
    EXPECT_TRUE(Lh("Bauer (3)").Ablehnungen.isEmpty());
}

TEST_F(Beziehungen, SprechwuenscheZeigenUndSpeichern)
{
    // Case ignored, unknown names skipped, a teacher named twice selected once.
    EXPECT_EQ(SprechwunschAuswahl(tag, S("7b: Lang")), (QList<qsizetype>{0, 2}));
    EXPECT_EQ(SprechwunschAuswahl(tag, S("5a: Weber")), (QList<qsizetype>{0, 1}));
    EXPECT_TRUE(SprechwunschAuswahl(tag, S("8c: Roth")).isEmpty());
    EXPECT_TRUE(SprechwunschAuswahl(tag, S("")).isEmpty());

    // Storing the list's selection writes the list's spelling in list order.
    const QStringList lehrer = tag.Lehrer.Namen();
    EXPECT_TRUE(SprechwuenscheSpeichern(tag, S("7b: Lang"),
                                        AusgewaehlteEintraege(lehrer, SprechwunschAuswahl(tag, S("7b: Lang")))));
    EXPECT_EQ(E("7b: Lang").Sprechwuensche, L({"Abel (7)", "Zander (101)"}));
    // The order alone is a change.
    EXPECT_TRUE(SprechwuenscheSpeichern(tag, S("5a: Weber"), L({"Abel (7)", "Bauer (3)"})));
    EXPECT_EQ(E("5a: Weber").Sprechwuensche, L({"Abel (7)", "Bauer (3)"}));

    tag.AlsGespeichertMarkieren();
    EXPECT_FALSE(SprechwuenscheSpeichern(tag, S("5a: Weber"), L({"Abel (7)", "Bauer (3)", "abel (7)"})));
    EXPECT_FALSE(SprechwuenscheSpeichern(tag, S("niemand"), L({"Abel (7)"})));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
    EXPECT_TRUE(SprechwuenscheSpeichern(tag, S("5a: Weber"), {}));
    EXPECT_TRUE(E("5a: Weber").Sprechwuensche.isEmpty());
}

TEST(ListenAuswahl, FindetOhneRuecksichtAufSchreibung)
{
    const TListenAuswahl a = AuswahlInListe(L({"Abel", "Bauer", "Zander"}), L({"ZANDER", "x", "abel", "Abel"}));
    EXPECT_EQ(a.Positionen, (QList<qsizetype>{0, 2}));
    EXPECT_EQ(a.Fehlend, L({"x"}));
    EXPECT_EQ(AusgewaehlteEintraege(L({"Abel", "Bauer", "Zander"}), {2, 0, 7, 2}), L({"Abel", "Zander"}));
}

TEST(ListenAuswahl, NachDemLoeschenDerFolgendeOderDerNeueLetzte)
{
    struct Fall {
        qsizetype geloescht, anzahl, auswahl;
    };
    const Fall faelle[] = {{1, 3, 1}, {3, 3, 2}, {0, 0, -1}, {-1, 3, -1}};
    for (const Fall& f : faelle)
        EXPECT_EQ(AuswahlNachEntfernen(f.geloescht, f.anzahl), f.auswahl) << f.geloescht << "/" << f.anzahl;
}

} // namespace
