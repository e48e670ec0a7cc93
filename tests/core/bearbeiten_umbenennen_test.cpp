#include "bearbeiten/plaene_ungueltig.h"
#include "bearbeiten/umbenennen.h"
#include "bearbeiten_hilfen.h"

#include <gtest/gtest.h>

namespace {

using bearbeiten_test::L;
using bearbeiten_test::S;

class Umbenennen : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* l : {"Abel (7)", "Bauer (3)", "Mueller (12)"})
            ASSERT_TRUE(tag.LehrerUebernehmen(S(l)).ok());
        for (const char* e : {"5a: Weber", "7b: Weber", "9c: Weber", "6a: Kurz"})
            ASSERT_TRUE(tag.ElternUebernehmen(S(e)).ok());
        E("5a: Weber").Geschwister.Setze(L({"7b: Weber", "9c: Weber"}));
        E("7b: Weber").Geschwister.Setze(L({"5A: WEBER", "9c: Weber"}));
        E("9c: Weber").Geschwister.Setze(L({"5a: Weber", "7b: Weber"}));
        E("5a: Weber").Sprechwuensche = L({"Bauer (3)", "Abel (7)", "abel (7)"});
        E("6a: Kurz").Sprechwuensche = L({"Abel (7)"});
        E("6a: Kurz").Zeitplan.Hinzufuegen(S("15:00 Uhr: Abel (7)"));
        E("5a: Weber").Erteilt = L({"Abel (7)"});
        Lh("Abel (7)").Ablehnungen = L({"6a: Kurz", "5a: Weber", "5A: weber"});
        Lh("Abel (7)").Zeitplan = L({"15:00 Uhr: 5a: Weber"});
        Lh("Bauer (3)").Ablehnungen = L({"5a: Weber"});
        tag.AlsGespeichertMarkieren();
    }
    TEltern& E(const char* n) { return *tag.Eltern.Suche(S(n)); }
    TLehrer& Lh(const char* n) { return *tag.Lehrer.Suche(S(n)); }
    TSprechtag tag;
};

TEST_F(Umbenennen, LehrerNameWirdInDenSprechwuenschenGenauErsetzt)
{
    const TUmbenennung r = LehrerUmbenennen(tag, S("Abel (7)"), S("Zorn (7)"));
    EXPECT_EQ(r.Status, TUmbenennStatus::Umbenannt);
    EXPECT_EQ(r.Position, 2);
    EXPECT_EQ(tag.Lehrer.Namen(), L({"Bauer (3)", "Mueller (12)", "Zorn (7)"}));
    // Same record under the new name, refusals and plan included.
    EXPECT_EQ(tag.Lehrer.Record(2).Ablehnungen.size(), 3);
    // In place; the request spelled in another case keeps its text.
    EXPECT_EQ(E("5a: Weber").Sprechwuensche, L({"Bauer (3)", "Zorn (7)", "abel (7)"}));
    EXPECT_EQ(E("6a: Kurz").Sprechwuensche, L({"Zorn (7)"}));
    // Computed results keep the old text.
    EXPECT_EQ(E("6a: Kurz").Zeitplan.Liste(), L({"15:00 Uhr: Abel (7)"}));
    EXPECT_EQ(E("5a: Weber").Erteilt, L({"Abel (7)"}));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
}

TEST_F(Umbenennen, ElternNameInGeschwisternUndAblehnungen)
{
    const TUmbenennung r = ElternUmbenennen(tag, S("5a: Weber"), S("10a: Weber"));
    EXPECT_EQ(r.Status, TUmbenennStatus::Umbenannt);
    EXPECT_EQ(r.Position, tag.Eltern.IndexVon(S("10a: Weber")));
    EXPECT_EQ(tag.Eltern.Name(r.Position), S("10a: Weber"));
    EXPECT_EQ(tag.Eltern.Record(r.Position).Sprechwuensche.size(), 3);
    // Siblings: the old name goes ignoring case, the new one is sorted in.
    EXPECT_EQ(E("7b: Weber").Geschwister.Liste(), L({"10a: Weber", "9c: Weber"}));
    EXPECT_EQ(E("9c: Weber").Geschwister.Liste(), L({"10a: Weber", "7b: Weber"}));
    EXPECT_EQ(E("10a: Weber").Geschwister.Liste(), L({"7b: Weber", "9c: Weber"}));
    // Refusals: exactly equal entries only, each at its place.
    EXPECT_EQ(Lh("Abel (7)").Ablehnungen, L({"6a: Kurz", "10a: Weber", "5A: weber"}));
    EXPECT_EQ(Lh("Bauer (3)").Ablehnungen, L({"10a: Weber"}));
    EXPECT_EQ(Lh("Abel (7)").Zeitplan, L({"15:00 Uhr: 5a: Weber"}));
}

TEST_F(Umbenennen, NurGrossUndKleinschreibungGeaendertIstEinUmbenennen)
{
    // The list compares without case: the only entry it finds is the one being renamed.
    const TUmbenennung l = LehrerUmbenennen(tag, S("Abel (7)"), S("ABEL (7)"));
    EXPECT_EQ(l.Status, TUmbenennStatus::Umbenannt);
    EXPECT_EQ(tag.Lehrer.Namen(), L({"ABEL (7)", "Bauer (3)", "Mueller (12)"}));
    EXPECT_EQ(tag.Lehrer.Record(0).Ablehnungen.size(), 3) << "same record";
    // Requests written exactly so follow; the one spelled otherwise keeps its text.
    EXPECT_EQ(E("5a: Weber").Sprechwuensche, L({"Bauer (3)", "ABEL (7)", "abel (7)"}));
    EXPECT_EQ(E("6a: Kurz").Sprechwuensche, L({"ABEL (7)"}));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());

    const TUmbenennung e = ElternUmbenennen(tag, S("5a: Weber"), S("5A: Weber"));
    EXPECT_EQ(e.Status, TUmbenennStatus::Umbenannt);
    EXPECT_EQ(tag.Eltern.Name(e.Position), S("5A: Weber"));
    EXPECT_EQ(E("7b: Weber").Geschwister.Liste(), L({"5A: Weber", "9c: Weber"}));
    EXPECT_EQ(E("9c: Weber").Geschwister.Liste(), L({"5A: Weber", "7b: Weber"}));
    EXPECT_EQ(E("5A: Weber").Geschwister.Liste(), L({"7b: Weber", "9c: Weber"}));
    EXPECT_EQ(tag.Lehrer.Suche(S("ABEL (7)"))->Ablehnungen, L({"6a: Kurz", "5A: Weber", "5A: weber"}));
    EXPECT_EQ(Lh("Bauer (3)").Ablehnungen, L({"5A: Weber"}));
    EXPECT_EQ(tag.Eltern.Anzahl(), 4);

    // Another entry's name stays refused, whatever its case.
    EXPECT_EQ(LehrerUmbenennen(tag, S("ABEL (7)"), S("bauer (3)")).Status, TUmbenennStatus::Abgelehnt);
}

TEST_F(Umbenennen, AbgewieseneNamenAendernNichts)
{
    struct Fall {
        bool lehrer;
        const char* alt;
        const char* neu;
        TUmbenennStatus status;
        const char* meldung;
    };
    const Fall faelle[] = {
        {true, "Abel (7)", "BAUER (3)", TUmbenennStatus::Abgelehnt, "Diesen Lehrernamen gibt es schon!"},
        {true, "Abel (7)", "", TUmbenennStatus::Abgelehnt, "Ein leerer Name ist nicht zulässig!"},
        {false, "6a: Kurz", "7B: WEBER", TUmbenennStatus::Abgelehnt, "Diesen Elternnamen gibt es schon!"},
        {false, "6a: Kurz", "", TUmbenennStatus::Abgelehnt, "Ein leerer Name ist nicht zulässig!"},
        {true, "Abel (7)", "Abel (7)", TUmbenennStatus::Unveraendert, ""},
        {false, "6a: Kurz", "6a: Kurz", TUmbenennStatus::Unveraendert, ""},
        {true, "Niemand", "Neu", TUmbenennStatus::KeineAuswahl, ""},
        {false, "", "Neu", TUmbenennStatus::KeineAuswahl, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.alt << " -> " << f.neu);
        const QStringList lehrerVorher = tag.Lehrer.Namen(), elternVorher = tag.Eltern.Namen();
        const TUmbenennung r = f.lehrer ? LehrerUmbenennen(tag, S(f.alt), S(f.neu))
                                        : ElternUmbenennen(tag, S(f.alt), S(f.neu));
        EXPECT_EQ(r.Status, f.status);
        EXPECT_EQ(r.Meldung, S(f.meldung));
        if (f.status != TUmbenennStatus::KeineAuswahl) {
            EXPECT_EQ(r.Position, (f.lehrer ? tag.Lehrer.IndexVon(S(f.alt)) : tag.Eltern.IndexVon(S(f.alt))));
        }
        EXPECT_EQ(tag.Lehrer.Namen(), lehrerVorher);
        EXPECT_EQ(tag.Eltern.Namen(), elternVorher);
        EXPECT_FALSE(tag.UngespeicherteAenderungen());
    }
}

TEST_F(Umbenennen, ZeichenOhneWindows1252WirdWieBeiDerEingabeAbgewiesen)
{
    const TUmbenennung r = LehrerUmbenennen(tag, S("Abel (7)"), S("Yıldız (7)"));
    EXPECT_EQ(r.Status, TUmbenennStatus::Abgelehnt);
    EXPECT_EQ(r.Meldung, NamensMeldung(tag.PruefeName(S("Yıldız (7)"), true), true));
    EXPECT_TRUE(r.Meldung.contains(S("ı")));
    EXPECT_EQ(ElternUmbenennen(tag, S("6a: Kurz"), S("6a: Łukasz")).Status, TUmbenennStatus::Abgelehnt);
    EXPECT_TRUE(tag.Lehrer.Enthaelt(S("Abel (7)")));
    EXPECT_TRUE(tag.Eltern.Enthaelt(S("6a: Kurz")));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST_F(Umbenennen, NachgestelltesLeerzeichenIstEinNeuerName)
{
    EXPECT_EQ(LehrerUmbenennen(tag, S("Abel (7)"), S("Abel (7) ")).Status, TUmbenennStatus::Umbenannt);
    EXPECT_EQ(E("6a: Kurz").Sprechwuensche, L({"Abel (7) "}));
}

TEST(PlaeneUngueltig, FrageNurBeiGueltigenPlaenen)
{
    EXPECT_EQ(PlaeneUngueltigFrage(),
              S("Es liegen bereits erzeugte Zeitpläne vor.\r\n\r\nBei dieser Aktion werden diese Pläne "
                "ungültig.\n\rSie können die Pläne aber später neu berechnen lassen.\n\r\n\rWollen Sie "
                "fortfahren?"));
    struct Fall {
        bool gueltig;
        bool antwort;
        bool gefragt;
        bool weiter;
        bool gueltigDanach;
    };
    const Fall faelle[] = {
        {false, false, false, true, false},
        {true, false, true, false, true},
        {true, true, true, true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.gueltig << f.antwort);
        TSprechtag tag;
        tag.PlaeneGueltig = f.gueltig;
        tag.AlsGespeichertMarkieren();
        bool gefragt = false;
        const bool weiter = TryInvalidatePlansAction(tag, [&](const QString& frage) {
            gefragt = true;
            EXPECT_EQ(frage, PlaeneUngueltigFrage());
            return f.antwort;
        });
        EXPECT_EQ(gefragt, f.gefragt);
        EXPECT_EQ(weiter, f.weiter);
        EXPECT_EQ(tag.PlaeneGueltig, f.gueltigDanach);
        EXPECT_EQ(tag.UngespeicherteAenderungen(), f.gueltig && f.antwort);
    }
}

} // namespace
