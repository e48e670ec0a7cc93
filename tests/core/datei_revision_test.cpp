// Files of the revisions 1 to 8, built value by value as those versions wrote them, and
// what each one leaves as it was.
#include "datei_hilfen.h"

#include <gtest/gtest.h>

using namespace DateiTest;

namespace {

const double T1500 = Zeit::Kodiere(15, 0);
const double T1600 = Zeit::Kodiere(16, 0);
const double T1700 = Zeit::Kodiere(17, 0);
const double T1800 = Zeit::Kodiere(18, 0);

// Two teachers: "A" keeps the day's hours, "B" has 16:00 to 17:00. Two parents: "1a: X"
// with a nicht-vor limit at 16:00, "1b: X" (sibling of 1a) with nicht-nach at 17:00 in
// the old layout; the current layout gives both limits to 1a.
QByteArray AlteDatei(int r)
{
    TDatei d(r, Inhalt::Alles);
    d.Liste({QStringLiteral("A"), QStringLiteral("B")});
    d.Float(T1500).Float(T1800).Int(5);
    if (r >= 6)
        d.Bool(false);
    const double zeiten[2][2] = {{T1500, T1800}, {T1600, T1700}};
    for (const auto& z : zeiten) {
        if (r >= 2)
            d.Float(z[0]);
        d.Float(z[1]);
        if (r >= 9)
            d.Bool(z[0] != T1500);
    }
    if (r >= 4)
        d.Int(1).Float(T1600).Float(Zeit::Kodiere(0, 15));
    d.Int(2);
    d.Text(QStringLiteral("1a: X"));
    if (r >= 5)
        d.Liste({QStringLiteral("1b: X")});
    d.Text(QStringLiteral("1b: X"));
    if (r >= 5)
        d.Liste({QStringLiteral("1a: X")});
    // Sprech
    d.Liste({QStringLiteral("B")});
    if (r >= 8)
        d.Bool(true).Float(T1600).Bool(true).Float(T1700);
    else if (r >= 3)
        d.Bool(true).Bool(true).Float(T1600);
    d.Liste({QStringLiteral("A"), QStringLiteral("B")});
    if (r >= 8)
        d.Bool(false).Float(T1600).Bool(false).Float(T1800);
    else if (r >= 3)
        d.Bool(true).Bool(false).Float(T1700);
    // Preview
    d.Bool(true).Liste({QStringLiteral("Brief")}).Int(1);
    // Ungewuenscht
    d.Liste({}).Liste({QStringLiteral("1b: X")});
    // Plaene
    d.Text(QStringLiteral("Kopf")).Bool(true).Int(0).Int(1).Int(30500).Liste({QStringLiteral("Liebe Eltern")});
    d.Int(0).Int(0);
    if (r >= 6) {
        for (int i = 0; i < TStatistikTexte::AnzahlFelder; ++i)
            d.Text(QStringLiteral("neu"));
        d.Liste({QStringLiteral("offen")});
    }
    if (r >= 7)
        d.Bool(false);
    return d.Bytes();
}

class DateiRevision : public ::testing::TestWithParam<int> {};

TEST_P(DateiRevision, LiestWasDieRevisionEnthaeltUndBehaeltDenRest)
{
    const int r = GetParam();
    TSprechtag tag;
    tag.FreieTermineAnzeigen = true;
    tag.StatistikAendern().Texte[0] = QStringLiteral("alt");
    tag.StatistikAendern().NichtErtBox = {QStringLiteral("alt")};
    tag.NeuePause();
    tag.NeuePause();
    const TDateiErgebnis e = Datei::LadeAusBytes(tag, AlteDatei(r), TLadeModus::Hinzufuegen);
    ASSERT_TRUE(e.ok()) << r << ": " << e.Fehler.toStdString();
    EXPECT_EQ(e.Revision, r);

    const TLehrer& a = *tag.Lehrer.Suche(QStringLiteral("A"));
    const TLehrer& b = *tag.Lehrer.Suche(QStringLiteral("B"));
    EXPECT_EQ(tag.Vorgaben.SprechTakt, 5);
    EXPECT_FALSE(a.AbweichZeit);
    EXPECT_EQ(a.StartZeit, T1500);
    // Before revision 2 only the end is stored; the start is the day's start.
    EXPECT_EQ(b.StartZeit, r >= 2 ? T1600 : T1500);
    EXPECT_EQ(b.EndZeit, T1700);
    EXPECT_TRUE(b.AbweichZeit); // derived before 9, stored in 9
    EXPECT_EQ(tag.Vorgaben.RaumwechselPause, r < 6);
    ASSERT_EQ(tag.Pausen.size(), r >= 4 ? 1u : 2u);
    if (r >= 4)
        EXPECT_EQ(tag.Pausen[0]->SlotVon(), 12); // 16:00 with 5-minute slots
    else
        EXPECT_EQ(tag.Pausen[0]->SlotVon(), 24); // the kept 17:00 break follows the new slot length

    const TEltern& x1 = *tag.Eltern.Suche(QStringLiteral("1a: X"));
    const TEltern& x2 = *tag.Eltern.Suche(QStringLiteral("1b: X"));
    EXPECT_EQ(x1.Geschwister.size(), r >= 5 ? 1 : 0);
    EXPECT_EQ(x2.Sprechwuensche, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    if (r < 3) {
        EXPECT_FALSE(x1.NichtVor);
        EXPECT_FALSE(x2.NichtNach);
    } else if (r < 8) {
        EXPECT_TRUE(x1.NichtVor);
        EXPECT_FALSE(x1.NichtNach);
        EXPECT_EQ(x1.NichtVorZeit, T1600);
        EXPECT_TRUE(x2.NichtNach);
        EXPECT_FALSE(x2.NichtVor);
        EXPECT_EQ(x2.NichtNachZeit, T1700);
    } else {
        EXPECT_TRUE(x1.NichtVor && x1.NichtNach);
        EXPECT_EQ(x1.NichtNachZeit, T1700);
        EXPECT_FALSE(x2.NichtVor || x2.NichtNach);
    }
    EXPECT_EQ(b.Ablehnungen, QStringList{QStringLiteral("1b: X")});
    EXPECT_TRUE(tag.Vorschau.Gewuenscht);
    EXPECT_FALSE(tag.Vorschau.FuerAlleLehrer);
    EXPECT_EQ(tag.Plan.ElternFmt, 1);
    EXPECT_TRUE(tag.PlaeneGueltig);
    EXPECT_EQ(tag.Statistik().Texte[0], r >= 6 ? QStringLiteral("neu") : QStringLiteral("alt"));
    EXPECT_EQ(tag.Statistik().NichtErtBox.value(0), r >= 6 ? QStringLiteral("offen") : QStringLiteral("alt"));
    EXPECT_EQ(tag.FreieTermineAnzeigen, r < 7);
}

INSTANTIATE_TEST_SUITE_P(AlleRevisionen, DateiRevision, ::testing::Range(1, 10));

TEST(DateiRevisionAlt, NichtGesetzteGrenzeLaesstAllesWieEsWar)
{
    TSprechtag tag;
    tag.ElternUebernehmen(QStringLiteral("E"));
    TEltern& e = *tag.Eltern.Suche(QStringLiteral("E"));
    e.NichtNach = true;
    e.NichtNachZeit = T1700;
    TDatei d(3, Inhalt::Eltern | Inhalt::Sprech);
    d.Int(1).Text(QStringLiteral("E")).Liste({}).Bool(false).Bool(true).Float(T1500);
    ASSERT_TRUE(Datei::LadeAusBytes(tag, d.Bytes(), TLadeModus::Hinzufuegen).ok());
    EXPECT_TRUE(e.NichtNach);
    EXPECT_EQ(e.NichtNachZeit, T1700);
    EXPECT_FALSE(e.NichtVor);
    EXPECT_EQ(e.NichtVorZeit, T1600);
}

} // namespace
