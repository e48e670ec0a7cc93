// Marks of requests (a teacher's invitation, the parents' "Vorrang"): they stay a subset of
// the requests through every edit of requests and names, an invitation brings its
// request, and a day with them saves and loads them in the extension block.
#include "bearbeiten/sprechwuensche.h"
#include "bearbeiten/umbenennen.h"
#include "bearbeiten/vorrang.h"
#include "datei/datei.h"
#include "datei/erweiterung.h"
#include "datei/schreiber.h"
#include "datei_hilfen.h"
#include "model/sprechtag.h"

#include <gtest/gtest.h>

namespace {

const QString Mei = QStringLiteral("Meier (101)");
const QString Sch = QStringLiteral("Schulz (7)");
const QString Anna = QStringLiteral("5a: Weber, Anna");
const QString Tim = QStringLiteral("7b: Weber, Tim");

struct TMarkenTag : ::testing::Test {
    TSprechtag tag;
    void SetUp() override
    {
        tag.LehrerUebernehmen(Mei);
        tag.LehrerUebernehmen(Sch);
        tag.ElternUebernehmen(Anna);
        tag.ElternUebernehmen(Tim);
        tag.Eltern.Suche(Anna)->Sprechwuensche = {Mei, Sch};
    }
    TEltern& anna() { return *tag.Eltern.Suche(Anna); }
    TEltern& tim() { return *tag.Eltern.Suche(Tim); }
};

TEST_F(TMarkenTag, PrioritaetSetzenHaeltDieMarkenInDenWuenschen)
{
    // An invitation of a teacher the entry does not request brings the request, in the
    // teacher's own spelling.
    EXPECT_TRUE(PrioritaetSetzen(tag, Tim, QStringLiteral("schulz (7)"), TPrioritaet::Einladung));
    EXPECT_EQ(tim().Sprechwuensche, QStringList{Sch});
    EXPECT_EQ(tim().Einladungen, QStringList{Sch});
    EXPECT_EQ(Prioritaet(tim(), Sch), TPrioritaet::Einladung);
    // The parents cannot mark a request they did not make.
    EXPECT_FALSE(PrioritaetSetzen(tag, Tim, Mei, TPrioritaet::Vorrang));
    EXPECT_TRUE(tim().Vorrang.isEmpty());
    // Levels replace each other; "normal" keeps the request.
    EXPECT_TRUE(PrioritaetSetzen(tag, Tim, Sch, TPrioritaet::Vorrang));
    EXPECT_EQ(tim().Einladungen, QStringList());
    EXPECT_EQ(tim().Vorrang, QStringList{Sch});
    EXPECT_FALSE(PrioritaetSetzen(tag, Tim, Sch, TPrioritaet::Vorrang));
    EXPECT_TRUE(PrioritaetSetzen(tag, Tim, Sch, TPrioritaet::Normal));
    EXPECT_EQ(tim().Sprechwuensche, QStringList{Sch});
    EXPECT_TRUE(tim().Vorrang.isEmpty());
    // Unknown names change nothing.
    const quint64 stand = tag.Stand();
    EXPECT_FALSE(PrioritaetSetzen(tag, QStringLiteral("9z: Niemand"), Sch, TPrioritaet::Einladung));
    EXPECT_FALSE(PrioritaetSetzen(tag, Tim, QStringLiteral("Unbekannt"), TPrioritaet::Einladung));
    EXPECT_EQ(tag.Stand(), stand);
    EXPECT_EQ(tim().Sprechwuensche, QStringList{Sch});
}

TEST_F(TMarkenTag, MarkenFolgenWuenschenLoeschenUndUmbenennen)
{
    PrioritaetSetzen(tag, Anna, Mei, TPrioritaet::Einladung);
    PrioritaetSetzen(tag, Anna, Sch, TPrioritaet::Vorrang);

    // Unticking a request drops its mark; the remaining mark stays.
    SprechwuenscheSpeichern(tag, Anna, {Sch});
    EXPECT_TRUE(anna().Einladungen.isEmpty());
    EXPECT_EQ(anna().Vorrang, QStringList{Sch});

    PrioritaetSetzen(tag, Anna, Mei, TPrioritaet::Einladung);
    EXPECT_EQ(anna().Sprechwuensche, (QStringList{Sch, Mei}));
    LehrerUmbenennen(tag, Mei, QStringLiteral("Meyer (102)"));
    EXPECT_EQ(anna().Einladungen, QStringList{QStringLiteral("Meyer (102)")});
    EXPECT_EQ(AnzEinladungen(tag, QStringLiteral("Meyer (102)")), 1);
    tag.LehrerEntfernen(QStringLiteral("Meyer (102)"));
    EXPECT_TRUE(anna().Einladungen.isEmpty());
    EXPECT_EQ(anna().Vorrang, QStringList{Sch});
    tag.LehrerLoesch();
    EXPECT_TRUE(anna().Vorrang.isEmpty());
}

TEST_F(TMarkenTag, EinladungenEinesLehrersInEinemSchritt)
{
    PrioritaetSetzen(tag, Anna, Sch, TPrioritaet::Einladung);
    PrioritaetSetzen(tag, Anna, Mei, TPrioritaet::Vorrang);
    const QByteArray vorher = DateiTest::Abbild(tag);

    // Tim is newly invited (and gets the request), Anna no longer, but keeps her request.
    ASSERT_TRUE(EinladungenSpeichern(tag, Sch, {Tim, QStringLiteral("9z: Niemand")}));
    EXPECT_EQ(Eingeladene(tag, Sch), QStringList{Tim});
    EXPECT_EQ(AnzEinladungen(tag, Sch), 1);
    EXPECT_EQ(tim().Sprechwuensche, QStringList{Sch});
    EXPECT_EQ(anna().Sprechwuensche, (QStringList{Mei, Sch}));
    EXPECT_TRUE(anna().Einladungen.isEmpty());
    EXPECT_EQ(anna().Vorrang, QStringList{Mei}); // another teacher's mark is not touched
    EXPECT_FALSE(EinladungenSpeichern(tag, Sch, {Tim}));

    ASSERT_TRUE(tag.Rueckgaengig());
    EXPECT_EQ(DateiTest::Abbild(tag), vorher);
    EXPECT_EQ(Eingeladene(tag, Sch), QStringList{Anna});
}

// Hand-built block parts: kind 6 or 7 holds one entry "B" with one teacher "A"
// (4 + 5 + 4 + 5 = 18 bytes), kind 8 one byte; body 31 bytes; CRC-16/X-25 worked out by a
// bitwise reference, not by the code under test.
TEST(VorrangDatei, MarkenUndSchalterStehenImZusatzblockWieVonHandAusgerechnet)
{
    struct {
        TPrioritaet p;
        const char* block;
    } faelle[] = {
        {TPrioritaet::Einladung, "4b414c554d4f2d58" "0100" "1f000000"
                                 "0600" "12000000" "01000000" "0100000042" "01000000" "0100000041"
                                 "0800" "01000000" "01" "5d6f"},
        {TPrioritaet::Vorrang, "4b414c554d4f2d58" "0100" "1f000000"
                               "0700" "12000000" "01000000" "0100000042" "01000000" "0100000041"
                               "0800" "01000000" "01" "69aa"},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        tag.LehrerUebernehmen(QStringLiteral("A"));
        tag.ElternUebernehmen(QStringLiteral("B"));
        tag.Eltern.Suche(QStringLiteral("B"))->Sprechwuensche = {QStringLiteral("A")};
        const QByteArray ohne = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
        ASSERT_FALSE(ohne.contains(DateiErweiterung::Marke));
        PrioritaetSetzen(tag, QStringLiteral("B"), QStringLiteral("A"), f.p);
        GemeinsameGespraecheSetzen(tag, true);
        const QByteArray mit = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
        EXPECT_EQ(mit, ohne + QByteArray::fromHex(f.block));

        TSprechtag neu;
        ASSERT_TRUE(Datei::LadeAusBytes(neu, mit, TLadeModus::Ersetzen).ok());
        EXPECT_EQ(Prioritaet(*neu.Eltern.Suche(QStringLiteral("B")), QStringLiteral("A")), f.p);
        EXPECT_TRUE(neu.GemeinsameGespraeche);
        // A reader that stops at the final Boolean reads the same day without them.
        TSprechtag alt;
        ASSERT_TRUE(Datei::LadeAusBytes(alt, mit.left(ohne.size()), TLadeModus::Ersetzen).ok());
        EXPECT_EQ(DateiSchreiber::Schreibe(alt, Inhalt::Alles, 30000), ohne);
        EXPECT_FALSE(alt.GemeinsameGespraeche);
        // A replacing load of a day without the setting switches it off again.
        ASSERT_TRUE(Datei::LadeAusBytes(neu, ohne, TLadeModus::Ersetzen).ok());
        EXPECT_FALSE(neu.GemeinsameGespraeche);
        EXPECT_TRUE(neu.Eltern.Suche(QStringLiteral("B"))->Einladungen.isEmpty());
    }
}

QByteArray MitPruefsumme(QByteArray block)
{
    const QByteArrayView koerper = QByteArrayView(block).sliced(14, block.size() - 16);
    const quint16 crc = qChecksum(koerper, Qt::ChecksumIso3309);
    block[block.size() - 2] = char(crc & 0xFF);
    block[block.size() - 1] = char(crc >> 8);
    return block;
}

TEST(VorrangDatei, BeschaedigteTeileWerdenAbgewiesenUndDerTagBleibt)
{
    TSprechtag quelle;
    quelle.LehrerUebernehmen(QStringLiteral("A"));
    quelle.ElternUebernehmen(QStringLiteral("B"));
    PrioritaetSetzen(quelle, QStringLiteral("B"), QStringLiteral("A"), TPrioritaet::Einladung);
    GemeinsameGespraecheSetzen(quelle, true);
    const QByteArray datei = DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30000);
    const qsizetype block = datei.indexOf(DateiErweiterung::Marke);
    ASSERT_GT(block, 0);
    const qsizetype koerper = block + 14;
    QByteArray zuViele = datei;
    zuViele[koerper + 15] = char(0x05); // five teachers announced, one there
    QByteArray schalter = datei;
    schalter[koerper + 24 + 6] = char(0x02); // the setting's byte is 1 or absent
    QByteArray keinUtf8 = datei;
    keinUtf8[koerper + 6 + 8] = char(0xFF); // the entry name "B"
    const struct {
        const char* was;
        QByteArray bytes;
    } faelle[] = {
        {"mehr Lehrer angekündigt", zuViele.left(block) + MitPruefsumme(zuViele.mid(block))},
        {"Schalter nicht 1", schalter.left(block) + MitPruefsumme(schalter.mid(block))},
        {"kein UTF-8", keinUtf8.left(block) + MitPruefsumme(keinUtf8.mid(block))},
        {"Prüfsumme falsch", schalter},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        tag.LehrerUebernehmen(QStringLiteral("Bleibt"));
        const QByteArray vorher = DateiTest::Abbild(tag);
        const TDateiErgebnis e = Datei::LadeAusBytes(tag, f.bytes, TLadeModus::Ersetzen, QStringLiteral("herbst.qvt"));
        EXPECT_FALSE(e.ok()) << f.was;
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("„herbst.qvt“"))) << f.was;
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("Zusatzblock"))) << f.was;
        EXPECT_EQ(DateiTest::Abbild(tag), vorher) << f.was;
        EXPECT_FALSE(tag.GemeinsameGespraeche) << f.was;
    }
}

TEST(VorrangDatei, KombinierenVereinigtMarkenUndEinladungBringtDenWunsch)
{
    TSprechtag quelle;
    quelle.LehrerUebernehmen(Mei);
    quelle.LehrerUebernehmen(Sch);
    quelle.ElternUebernehmen(Anna);
    PrioritaetSetzen(quelle, Anna, Mei, TPrioritaet::Einladung);
    const QByteArray datei = DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30000);

    TSprechtag tag;
    tag.LehrerUebernehmen(Sch);
    tag.ElternUebernehmen(Anna);
    tag.Eltern.Suche(Anna)->Sprechwuensche = {Sch};
    PrioritaetSetzen(tag, Anna, Sch, TPrioritaet::Vorrang);
    ASSERT_TRUE(Datei::LadeAusBytes(tag, datei, TLadeModus::Hinzufuegen).ok());
    const TEltern& a = *tag.Eltern.Suche(Anna);
    EXPECT_EQ(a.Sprechwuensche, (QStringList{Sch, Mei}));
    EXPECT_EQ(Prioritaet(a, Mei), TPrioritaet::Einladung);
    EXPECT_EQ(Prioritaet(a, Sch), TPrioritaet::Vorrang);
}

} // namespace
