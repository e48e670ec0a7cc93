// The extension block after the final Boolean: absent when a day has nothing for it, laid
// out byte for byte as documented, invisible to a reader that stops at the final Boolean,
// and all or nothing when damaged.
#include "datei/datei.h"
#include "datei/erweiterung.h"
#include "datei/schreiber.h"
#include "datei_hilfen.h"
#include "model/sprechtag.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// The smallest file of the format: only "Lehrer" checked, one teacher "A", free slots off.
const char* const KleinsteDatei = "5156542066696c6520726576203920200201020106014108";

// The block of that day once the teacher has the short name "AB", worked out by hand:
// marker, version 1, body length 21, part 1 (short names) of 15 bytes: one pair "A" / "AB",
// CRC-16/X-25 of the body (checked against the reference value 0x906E for "123456789").
const char* const BlockMitKuerzel = "4b414c554d4f2d58" "0100" "15000000"
                                    "0100" "0f000000" "01000000" "0100000041" "020000004142"
                                    "297a";

struct TBlockTag : ::testing::Test {
    TSprechtag tag;
    void SetUp() override { tag.LehrerUebernehmen(QStringLiteral("A")); }
};

TEST_F(TBlockTag, EinTagOhneZusatzdatenSchreibtGenauDieBisherigenBytes)
{
    EXPECT_EQ(DateiSchreiber::Schreibe(tag, Inhalt::Lehrer, 30000), Hex(KleinsteDatei));

    TSprechtag reich;
    DateiTest::FuelleReichenTag(reich);
    const QByteArray b = DateiSchreiber::Schreibe(reich, Inhalt::Alles, 30000);
    EXPECT_FALSE(b.contains(DateiErweiterung::Marke));
    EXPECT_TRUE(b.endsWith(char(0x08)) || b.endsWith(char(0x09))); // the final Boolean
}

TEST_F(TBlockTag, BlockFolgtDemSchlussWertWieVonHandAusgerechnet)
{
    tag.Lehrer.Suche(QStringLiteral("A"))->Kuerzel = QStringLiteral("AB");
    EXPECT_EQ(DateiSchreiber::Schreibe(tag, Inhalt::Lehrer, 30000), Hex(KleinsteDatei) + Hex(BlockMitKuerzel));
    // Short names go with the teacher names: a file without them has no block.
    TSprechtag mitEltern;
    mitEltern.ElternUebernehmen(QStringLiteral("5a: B"));
    mitEltern.LehrerUebernehmen(QStringLiteral("A"));
    mitEltern.Lehrer.Suche(QStringLiteral("A"))->Kuerzel = QStringLiteral("AB");
    EXPECT_FALSE(DateiSchreiber::Schreibe(mitEltern, Inhalt::Eltern, 30000).contains(DateiErweiterung::Marke));
}

TEST_F(TBlockTag, VonHandGebauterBlockWirdGelesen)
{
    TSprechtag neu;
    ASSERT_TRUE(Datei::LadeAusBytes(neu, Hex(KleinsteDatei) + Hex(BlockMitKuerzel), TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(neu.Lehrer.Suche(QStringLiteral("A"))->Kuerzel, QStringLiteral("AB"));
}

void FuelleZusatz(TSprechtag& tag)
{
    tag.Lehrer.Suche(QStringLiteral("Müller (R101)"))->Kuerzel = QStringLiteral("MÜL");
    tag.Lehrer.Suche(QStringLiteral("Özdemir (R7)"))->Kuerzel = QStringLiteral("OEZ");
    tag.Eltern.Suche(QStringLiteral("5a: Groß"))->Schuelernummer = QStringLiteral("12345");
    tag.Eltern.Suche(QStringLiteral("7d: Übel"))->Schuelernummer = QStringLiteral("0815");
    tag.Unterricht = {{QStringLiteral("5a"), QStringLiteral("MÜL"), QStringLiteral("Mathematik")},
                      {QStringLiteral("5a"), QStringLiteral("OEZ"), QStringLiteral("ev. Religion")},
                      {QStringLiteral("7d"), QStringLiteral("OEZ"), QStringLiteral("Deutsch")}};
    tag.Lehrer.Suche(QStringLiteral("Özdemir (R7)"))->EMail = {QStringLiteral("oezdemir@schule.example")};
    tag.Eltern.Suche(QStringLiteral("7d: Übel"))->EMail = {QStringLiteral("mama.uebel@example.org"),
                                                            QStringLiteral("papa@übel.example")};
}

TEST(DateiErweiterung, RundreiseBringtKuerzelNummernUndUnterrichtZurueck)
{
    TSprechtag tag;
    DateiTest::FuelleReichenTag(tag);
    FuelleZusatz(tag);
    const QByteArray bytes = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);

    TSprechtag neu;
    const TDateiErgebnis e = Datei::LadeAusBytes(neu, bytes, TLadeModus::Hinzufuegen);
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.ErweiterungVersion, 1);
    EXPECT_EQ(neu.Lehrer.Suche(QStringLiteral("Müller (R101)"))->Kuerzel, QStringLiteral("MÜL"));
    EXPECT_EQ(neu.Lehrer.Suche(QStringLiteral("Ärger (Aula)"))->Kuerzel, QString());
    EXPECT_EQ(neu.Eltern.Suche(QStringLiteral("7d: Übel"))->Schuelernummer, QStringLiteral("0815"));
    EXPECT_EQ(neu.Unterricht, tag.Unterricht);
    EXPECT_EQ(neu.Lehrer.Suche(QStringLiteral("Özdemir (R7)"))->EMail, QStringList{QStringLiteral("oezdemir@schule.example")});
    EXPECT_EQ(neu.Eltern.Suche(QStringLiteral("7d: Übel"))->EMail,
              (QStringList{QStringLiteral("mama.uebel@example.org"), QStringLiteral("papa@übel.example")}));
    EXPECT_TRUE(neu.Eltern.Suche(QStringLiteral("5a: Groß"))->EMail.isEmpty());
    EXPECT_EQ(DateiSchreiber::Schreibe(neu, Inhalt::Alles, 30000), bytes);
}

// Addresses alone make a block of their own part kinds, laid out as worked out by hand;
// an address that could add a mail header is refused from a file like from the keyboard.
TEST_F(TBlockTag, AdressenStehenInEigenenTeilenUndSteuerzeichenWerdenAbgewiesen)
{
    tag.Lehrer.Suche(QStringLiteral("A"))->EMail = {QStringLiteral("a@b.de")};
    // Block part of kind 4: one record, "A", one address "a@b.de" (6 bytes): 4+5+4+10 = 23 bytes.
    const QByteArray koerper = Hex("0400" "17000000" "01000000" "0100000041" "01000000" "06000000" "6140622e6465");
    const QByteArray b = DateiSchreiber::Schreibe(tag, Inhalt::Lehrer, 30000);
    ASSERT_TRUE(b.startsWith(Hex(KleinsteDatei)));
    const QByteArray block = b.mid(Hex(KleinsteDatei).size());
    EXPECT_EQ(block.mid(14, block.size() - 16), koerper);
    EXPECT_EQ(block.mid(10, 4), Hex("1d000000"));

    TSprechtag neu;
    ASSERT_TRUE(Datei::LadeAusBytes(neu, b, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(neu.Lehrer.Suche(QStringLiteral("A"))->EMail, QStringList{QStringLiteral("a@b.de")});

    for (const char* boese : {"a@b.de\r\nBcc: x@y.de", "a@b.de\n", "a\x01@b.de", "kein-at"}) {
        tag.Lehrer.Suche(QStringLiteral("A"))->EMail = {QString::fromUtf8(boese)};
        TSprechtag ziel;
        const TDateiErgebnis e = Datei::LadeAusBytes(ziel, DateiSchreiber::Schreibe(tag, Inhalt::Lehrer, 30000),
                                                     TLadeModus::Hinzufuegen, QStringLiteral("post.qvt"));
        EXPECT_FALSE(e.ok()) << boese;
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("Zusatzblock"))) << boese;
        EXPECT_EQ(ziel.Lehrer.Anzahl(), 0) << boese;
    }
}

// A reader that stops at the final Boolean (every reader of the layout before the block)
// sees the day without the extra data: cut at the marker, or with the marker unknown,
// the day is the same.
TEST(DateiErweiterung, LeserOhneBlockKenntnisLiestDenselbenTag)
{
    TSprechtag tag;
    DateiTest::FuelleReichenTag(tag);
    const QByteArray ohne = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
    FuelleZusatz(tag);
    const QByteArray mit = DateiSchreiber::Schreibe(tag, Inhalt::Alles, 30000);
    ASSERT_TRUE(mit.startsWith(ohne));

    TSprechtag a, b, c;
    ASSERT_TRUE(Datei::LadeAusBytes(a, ohne, TLadeModus::Hinzufuegen).ok());
    QByteArray fremd = mit;
    fremd[ohne.size()] = 'X'; // no marker: data after the day, as ever, are ignored
    ASSERT_TRUE(Datei::LadeAusBytes(b, fremd, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(DateiTest::Abbild(a), DateiTest::Abbild(b));
    ASSERT_TRUE(Datei::LadeAusBytes(c, mit, TLadeModus::Hinzufuegen).ok());
    c.Lehrer.Suche(QStringLiteral("Müller (R101)"))->Kuerzel.clear();
    c.Lehrer.Suche(QStringLiteral("Özdemir (R7)"))->Kuerzel.clear();
    c.Eltern.Suche(QStringLiteral("5a: Groß"))->Schuelernummer.clear();
    c.Eltern.Suche(QStringLiteral("7d: Übel"))->Schuelernummer.clear();
    c.Unterricht.clear();
    c.Lehrer.Suche(QStringLiteral("Özdemir (R7)"))->EMail.clear();
    c.Eltern.Suche(QStringLiteral("7d: Übel"))->EMail.clear();
    c.AlsGespeichertMarkieren();
    EXPECT_EQ(DateiTest::Abbild(a), DateiTest::Abbild(c));
}

QByteArray MitPruefsumme(QByteArray block)
{
    const QByteArrayView koerper = QByteArrayView(block).sliced(14, block.size() - 16);
    const quint16 crc = qChecksum(koerper, Qt::ChecksumIso3309);
    block[block.size() - 2] = char(crc & 0xFF);
    block[block.size() - 1] = char(crc >> 8);
    return block;
}

TEST(DateiErweiterung, BeschaedigterBlockWirdAbgewiesenUndDerTagBleibt)
{
    const QByteArray kern = Hex(KleinsteDatei);
    const QByteArray block = Hex(BlockMitKuerzel);
    QByteArray kippe = block;
    kippe[20] = char(kippe[20] ^ 0x01); // a body byte without a matching check sum
    QByteArray zuLang = block;
    zuLang[16] = char(0x10); // part length beyond the body, check sum made to match
    QByteArray zuViele = block;
    zuViele[20] = char(0x02); // two pairs announced, one there
    QByteArray keinUtf8 = block;
    keinUtf8[28] = char(0xFF); // "A" of the pair becomes a byte UTF-8 never starts with
    const struct {
        const char* was;
        QByteArray rest;
    } faelle[] = {
        {"nur die Marke", block.left(8)},
        {"Kopf ohne Körper", block.left(14)},
        {"halber Körper", block.left(25)},
        {"ohne Prüfsumme", block.left(block.size() - 1)},
        {"Prüfsumme falsch", kippe},
        {"Teil länger als der Körper", MitPruefsumme(zuLang)},
        {"mehr Paare angekündigt als da", MitPruefsumme(zuViele)},
        {"kein UTF-8", MitPruefsumme(keinUtf8)},
    };
    for (const auto& f : faelle) {
        TSprechtag tag;
        tag.LehrerUebernehmen(QStringLiteral("Bleibt"));
        tag.Unterricht = {{QStringLiteral("5a"), QStringLiteral("BL"), QStringLiteral("Kunst")}};
        const QByteArray vorher = DateiTest::Abbild(tag);
        const TDateiErgebnis e = Datei::LadeAusBytes(tag, kern + f.rest, TLadeModus::Hinzufuegen, QStringLiteral("herbst.qvt"));
        EXPECT_FALSE(e.ok()) << f.was;
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("„herbst.qvt“"))) << f.was;
        EXPECT_TRUE(e.Fehler.contains(QStringLiteral("Zusatzblock"))) << f.was;
        EXPECT_EQ(DateiTest::Abbild(tag), vorher) << f.was;
        EXPECT_EQ(tag.Unterricht.size(), 1u) << f.was;
    }
}

TEST(DateiErweiterung, UnbekannteTeileEinerSpaeterenVersionWerdenUebersprungen)
{
    // Version 2 with a part of kind 99 (3 bytes) before the short names of version 1.
    QByteArray koerper = Hex("6300" "03000000" "616263"
                             "0100" "0f000000" "01000000" "0100000041" "020000004142");
    QByteArray block = Hex("4b414c554d4f2d58" "0200");
    const quint32 n = quint32(koerper.size());
    block += char(n & 0xFF);
    block += Hex("000000");
    block += koerper;
    block += Hex("0000");
    TSprechtag tag;
    const TDateiErgebnis e = Datei::LadeAusBytes(tag, Hex(KleinsteDatei) + MitPruefsumme(block), TLadeModus::Hinzufuegen);
    ASSERT_TRUE(e.ok()) << e.Fehler.toStdString();
    EXPECT_EQ(e.ErweiterungVersion, 2);
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("A"))->Kuerzel, QStringLiteral("AB"));
}

TEST(DateiErweiterung, KombinierenUeberschreibtKuerzelUndVereinigtDenUnterricht)
{
    TSprechtag quelle;
    DateiTest::FuelleReichenTag(quelle);
    FuelleZusatz(quelle);
    const QByteArray bytes = DateiSchreiber::Schreibe(quelle, Inhalt::Alles, 30000);

    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("Müller (R101)"));
    tag.Lehrer.Suche(QStringLiteral("Müller (R101)"))->Kuerzel = QStringLiteral("ALT");
    tag.Unterricht = {{QStringLiteral("5a"), QStringLiteral("MÜL"), QStringLiteral("Mathematik")},
                      {QStringLiteral("9z"), QStringLiteral("ALT"), QStringLiteral("Sport")}};
    ASSERT_TRUE(Datei::LadeAusBytes(tag, bytes, TLadeModus::Hinzufuegen).ok());
    EXPECT_EQ(tag.Lehrer.Suche(QStringLiteral("Müller (R101)"))->Kuerzel, QStringLiteral("MÜL"));
    ASSERT_EQ(tag.Unterricht.size(), 4u);
    EXPECT_EQ(tag.Unterricht[1].Fach, QStringLiteral("Sport"));

    ASSERT_TRUE(Datei::LadeAusBytes(tag, bytes, TLadeModus::Ersetzen).ok());
    EXPECT_EQ(tag.Unterricht, quelle.Unterricht);
}

TEST(DateiErweiterung, AlleLehrerLoeschenNimmtDenUnterrichtMit)
{
    TSprechtag tag;
    DateiTest::FuelleReichenTag(tag);
    FuelleZusatz(tag);
    tag.LehrerLoesch();
    EXPECT_TRUE(tag.Unterricht.empty());
}

} // namespace
