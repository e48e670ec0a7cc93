// A small day whose complete timetables were worked out with tools/zeitplan_referenz.py
// (grant passes, then placement probing outwards from a hint, with plain lists and linear
// scans, independent of the engine) and checked by hand for the first placements.
//
// Day: 15:00-16:30, 10-minute slots 0..8, break 15:40 + 0:10 (slot 4), room-change on.
// Becker: slots 0..8, capacity 8. Fuchs: same, refuses "6b: Roth". Ziegler: own hours
// 15:30-16:10, slots 3..6, capacity 3 (slot 4 is the break).
//
// Random numbers drawn, seed 0 at start (purpose, n, result):
//   order of the parents (n = 6,5,4,3,2,1):  0 0 3 0 0 0
//     -> Reihenfolge 5a Albers, 5b Brandt, 9d Engel, 6b Roth, 7c Albers, 8a Kurz
//   pass 1 (5a,5b,6b,7c,8a,9d; n = 3,2,2,2,0,3): 0 0 0 0 0 1
//   pass 2:                                       0 1 0 0 0 1
//   pass 3:                                       2 0 1 1 0 0
//   placement, first request of each family, in reverse drawing order:
//     7c Albers bei Fuchs    n = 9 -> 1  (start at 15:10)
//     6b Roth bei Becker     n = 9 -> 2
//     9d Engel bei Becker    n = 9 -> 4
//     5b Brandt bei Ziegler  n = 4 -> 0  (+ ErsterSlot 3)
//     5a Albers bei Becker   n = 9 -> 7
// Worked by hand, first family: 7c with Fuchs from slot 1: slot 1 free, 0 and 2 free for
// 7c and 5a -> 15:10. Ziegler with hint 1: probes 1, 2, 0 lie before his hours (three
// misses), probe 3 is free with free neighbours -> 15:30; hint (1 + 3) div 2 = 2.
// 6b Roth is refused by Fuchs and gets Becker only; 8a Kurz has no request but draws a
// number in every pass.
#include "berechnung/zeitplanrechner.h"

#include <gtest/gtest.h>

namespace {

struct GoldenFall {
    const char* name;
    bool raumwechsel;
    bool freieAnzeigen;
    int bewilligt;
    int vergeben;
    std::vector<std::pair<QString, QStringList>> lehrer;
    std::vector<std::pair<QString, QStringList>> eltern;
};

void BaueTag(TSprechtag& tag, bool raumwechsel, bool freieAnzeigen)
{
    tag.SetSprechStart(Zeit::Kodiere(15, 0));
    tag.SetSprechEnde(Zeit::Kodiere(16, 30));
    tag.SetSprechTakt(10);
    TPause* p = tag.NeuePause();
    p->SetStart(Zeit::Kodiere(15, 40));
    p->SetDauer(Zeit::Kodiere(0, 10));
    tag.SetRaumwechselPause(raumwechsel);
    tag.FreieTermineAnzeigen = freieAnzeigen;

    for (const char* l : {"Becker (R12)", "Fuchs (R20)", "Ziegler (R3)"})
        ASSERT_TRUE(tag.LehrerUebernehmen(QString::fromUtf8(l)).ok());
    tag.Lehrer.Suche(QStringLiteral("Fuchs (R20)"))->Ablehnungen = {QStringLiteral("6b: Roth")};
    TLehrer* z = tag.Lehrer.Suche(QStringLiteral("Ziegler (R3)"));
    z->AbweichZeit = true;
    z->StartZeit = Zeit::Kodiere(15, 30);
    z->EndZeit = Zeit::Kodiere(16, 10);

    auto eltern = [&](const char* name, QStringList wuensche) -> TEltern& {
        const TNeuerName n = tag.ElternUebernehmen(QString::fromUtf8(name));
        EXPECT_TRUE(n.ok());
        TEltern& e = tag.Eltern.Record(n.index);
        e.Sprechwuensche = wuensche;
        return e;
    };
    const QString becker = QStringLiteral("Becker (R12)"), fuchs = QStringLiteral("Fuchs (R20)"),
                  ziegler = QStringLiteral("Ziegler (R3)");
    eltern("5a: Albers", {becker, fuchs, ziegler}).Geschwister.Hinzufuegen(QStringLiteral("7c: Albers"));
    eltern("7c: Albers", {fuchs, ziegler}).Geschwister.Hinzufuegen(QStringLiteral("5a: Albers"));
    TEltern& roth = eltern("6b: Roth", {fuchs, becker});
    roth.NichtVor = true;
    roth.NichtVorZeit = Zeit::Kodiere(15, 30);
    eltern("8a: Kurz", {});
    TEltern& engel = eltern("9d: Engel", {ziegler, becker, fuchs});
    engel.NichtNach = true;
    engel.NichtNachZeit = Zeit::Kodiere(16, 0);
    eltern("5b: Brandt", {ziegler, fuchs});
}

TEST(BerechnungGolden, ErsterLaufNachProgrammstartGibtDieAusgerechnetenPlaene)
{
    const GoldenFall faelle[] = {
        {"mit Raumwechselpause, ohne freie Termine", true, false, 10, 9,
         {
             {"Becker (R12)", {"15:30 Uhr: 9d: Engel", "15:50 Uhr: 6b: Roth", "16:10 Uhr: 5a: Albers"}},
             {"Fuchs (R20)",
              {"15:00 Uhr: 9d: Engel", "15:10 Uhr: 7c: Albers", "15:50 Uhr: 5a: Albers", "16:10 Uhr: 5b: Brandt"}},
             {"Ziegler (R3)", {"15:30 Uhr: 7c: Albers", "15:50 Uhr: 5b: Brandt"}},
         },
         {
             {"5a: Albers",
              {"15:10 Uhr: [ Fuchs (R20) ]", "15:30 Uhr: [ Ziegler (R3) ]", "15:50 Uhr: Fuchs (R20)",
               "16:10 Uhr: Becker (R12)"}},
             {"5b: Brandt", {"15:50 Uhr: Ziegler (R3)", "16:10 Uhr: Fuchs (R20)"}},
             {"6b: Roth", {"15:50 Uhr: Becker (R12)"}},
             {"7c: Albers",
              {"15:10 Uhr: Fuchs (R20)", "15:30 Uhr: Ziegler (R3)", "15:50 Uhr: [ Fuchs (R20) ]",
               "16:10 Uhr: [ Becker (R12) ]"}},
             {"8a: Kurz", {}},
             {"9d: Engel", {"15:00 Uhr: Fuchs (R20)", "15:30 Uhr: Becker (R12)"}},
         }},
        {"ohne Raumwechselpause, mit freien Terminen", false, true, 10, 10,
         {
             {"Becker (R12)",
              {"15:00 Uhr: ", "15:10 Uhr: ", "15:20 Uhr: ", "15:30 Uhr: 6b: Roth", "15:40 Uhr: ",
               "15:50 Uhr: 9d: Engel", "16:00 Uhr: ", "16:10 Uhr: 5a: Albers", "16:20 Uhr: "}},
             {"Fuchs (R20)",
              {"15:00 Uhr: ", "15:10 Uhr: 7c: Albers", "15:20 Uhr: ", "15:30 Uhr: 9d: Engel", "15:40 Uhr: ",
               "15:50 Uhr: ", "16:00 Uhr: 5b: Brandt", "16:10 Uhr: ", "16:20 Uhr: 5a: Albers"}},
             {"Ziegler (R3)",
              {"15:30 Uhr: 7c: Albers", "15:40 Uhr: ", "15:50 Uhr: 5b: Brandt", "16:00 Uhr: 5a: Albers"}},
         },
         {
             {"5a: Albers",
              {"15:10 Uhr: [ Fuchs (R20) ]", "15:30 Uhr: [ Ziegler (R3) ]", "16:00 Uhr: Ziegler (R3)",
               "16:10 Uhr: Becker (R12)", "16:20 Uhr: Fuchs (R20)"}},
             {"5b: Brandt", {"15:50 Uhr: Ziegler (R3)", "16:00 Uhr: Fuchs (R20)"}},
             {"6b: Roth", {"15:30 Uhr: Becker (R12)"}},
             {"7c: Albers",
              {"15:10 Uhr: Fuchs (R20)", "15:30 Uhr: Ziegler (R3)", "16:00 Uhr: [ Ziegler (R3) ]",
               "16:10 Uhr: [ Becker (R12) ]", "16:20 Uhr: [ Fuchs (R20) ]"}},
             {"8a: Kurz", {}},
             {"9d: Engel", {"15:30 Uhr: Fuchs (R20)", "15:50 Uhr: Becker (R12)"}},
         }},
    };

    for (const GoldenFall& f : faelle) {
        SCOPED_TRACE(f.name);
        TSprechtag tag;
        BaueTag(tag, f.raumwechsel, f.freieAnzeigen);
        TStillerFortschritt still;
        TZeitplanRechner rechner(tag, still);
        const TBerechnungsErgebnis r = rechner.Berechne();

        EXPECT_EQ(rechner.Reihenfolge(),
                  QStringList({"5a: Albers", "5b: Brandt", "9d: Engel", "6b: Roth", "7c: Albers", "8a: Kurz"}));
        EXPECT_EQ(r.MaxWuensche, 3);
        EXPECT_EQ(r.Bewilligt, f.bewilligt);
        EXPECT_EQ(r.Vergeben, f.vergeben);
        for (const auto& [name, plan] : f.lehrer)
            EXPECT_EQ(tag.Lehrer.Suche(name)->Zeitplan, plan) << name.toStdString();
        for (const auto& [name, plan] : f.eltern)
            EXPECT_EQ(tag.Eltern.Suche(name)->Zeitplan.Liste(), plan) << name.toStdString();

        EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Becker (R12)"))->AnzErteilt, 3);
        EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Fuchs (R20)"))->AnzErteilt, 4);
        EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Ziegler (R3)"))->AnzErteilt, 3);
        EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("5a: Albers"))->Erteilt,
                  QStringList({"Becker (R12)", "Fuchs (R20)", "Ziegler (R3)"}));
        EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("9d: Engel"))->Erteilt,
                  QStringList({"Becker (R12)", "Fuchs (R20)"}));
        EXPECT_EQ(tag.Eltern.Suche(QStringLiteral("5b: Brandt"))->Erteilt,
                  QStringList({"Ziegler (R3)", "Fuchs (R20)"}));
        EXPECT_TRUE(tag.PlaeneGueltig);
        EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::MaxErtbar], QString::number(f.bewilligt));
        EXPECT_EQ(tag.Statistik().Texte[TStatistikTexte::Erteilt], QString::number(f.vergeben));
    }
}

} // namespace
