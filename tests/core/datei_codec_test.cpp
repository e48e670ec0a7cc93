// The tagged values byte by byte: integer tags, 80-bit floats, texts, booleans, and the
// smallest complete file.
#include "datei/extended.h"
#include "datei/wert_codec.h"
#include "datei_hilfen.h"
#include "text/cp1252.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

template <class F>
QByteArray Geschrieben(F f)
{
    QByteArray b;
    TWertSchreiber s(b);
    f(s);
    return b;
}

TEST(DateiCodec, GanzzahlNimmtDasKleinsteTag)
{
    const struct {
        qint32 wert;
        const char* hex;
    } faelle[] = {
        {0, "0200"},          {1, "0201"},           {-1, "02ff"},       {127, "027f"},
        {-128, "0280"},       {128, "038000"},       {-129, "037fff"},   {32767, "03ff7f"},
        {-32768, "030080"},   {32768, "0400800000"}, {30999, "031779"},  {-32769, "04ff7fffff"},
        {std::numeric_limits<qint32>::max(), "04ffffff7f"}, {std::numeric_limits<qint32>::min(), "0400000080"},
    };
    for (const auto& f : faelle) {
        const QByteArray b = Geschrieben([&](TWertSchreiber& s) { s.Int(f.wert); });
        EXPECT_EQ(b.toHex(), QByteArray(f.hex)) << f.wert;
        TWertLeser l(b);
        EXPECT_EQ(l.Int(), f.wert);
        EXPECT_EQ(l.Rest(), 0);
    }
}

TEST(DateiCodec, ZeitenAlsExtended)
{
    // 15:00 and 18:00 exactly as the format shows them.
    EXPECT_EQ(Geschrieben([](TWertSchreiber& s) { s.Float(Zeit::Kodiere(15, 0)); }), Hex("0500000000000000a0fe3f"));
    EXPECT_EQ(Geschrieben([](TWertSchreiber& s) { s.Float(Zeit::Kodiere(18, 0)); }), Hex("0500000000000000c0fe3f"));
    EXPECT_EQ(Geschrieben([](TWertSchreiber& s) { s.Float(0.0); }), Hex("0500000000000000000000"));
    EXPECT_EQ(Geschrieben([](TWertSchreiber& s) { s.Float(1.0); }), Hex("050000000000000080ff3f"));
    EXPECT_EQ(Geschrieben([](TWertSchreiber& s) { s.Float(-2.0); }), Hex("05000000000000008000c0"));
}

TEST(DateiCodec, ExtendedUmwandlungIstExaktUndUmkehrbar)
{
    const double werte[] = {0.0, -0.0, 1.0 / 3, Zeit::Kodiere(16, 20), 1e-300, -1e300,
                            std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::max(), 4.9406564584124654e-320,
                            std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    for (double d : werte) {
        const double zurueck = Extended::ZuDouble(Extended::AusDouble(d));
        EXPECT_EQ(std::bit_cast<quint64>(zurueck), std::bit_cast<quint64>(d)) << d;
    }
    EXPECT_TRUE(std::isnan(Extended::ZuDouble(Extended::AusDouble(std::numeric_limits<double>::quiet_NaN()))));
}

Extended::Bytes Ext(quint64 sig, unsigned se)
{
    Extended::Bytes b{};
    for (int i = 0; i < 8; ++i)
        b[size_t(i)] = quint8(sig >> (8 * i));
    b[8] = quint8(se);
    b[9] = quint8(se >> 8);
    return b;
}

TEST(DateiCodec, ExtendedWirdZumNaechstenDoubleGerundet)
{
    const quint64 eins = quint64(1) << 63;
    // 11 extra bits below the double's 53: exactly half rounds to even, above half up.
    EXPECT_EQ(Extended::ZuDouble(Ext(eins | 0x400, 0x3FFF)), 1.0);
    EXPECT_EQ(Extended::ZuDouble(Ext(eins | 0x401, 0x3FFF)), std::nextafter(1.0, 2.0));
    EXPECT_EQ(Extended::ZuDouble(Ext(eins | 0xC00, 0x3FFF)), std::nextafter(std::nextafter(1.0, 2.0), 2.0));
    EXPECT_EQ(Extended::ZuDouble(Ext(eins | 0x3FF, 0x3FFF)), 1.0);
    // All ones round up into the next power of two.
    EXPECT_EQ(Extended::ZuDouble(Ext(~quint64(0), 0x3FFF)), 2.0);
    // Too large for a double, too small for one, and an 80-bit denormal.
    EXPECT_EQ(Extended::ZuDouble(Ext(eins, 0x3FFF + 1024)), std::numeric_limits<double>::infinity());
    EXPECT_EQ(Extended::ZuDouble(Ext(eins, 0x3FFF - 1100)), 0.0);
    EXPECT_EQ(Extended::ZuDouble(Ext(1, 0)), 0.0);
    // The smallest subnormal and half of it (ties to even: zero).
    EXPECT_EQ(Extended::ZuDouble(Ext(eins, 0x3FFF - 1074)), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(Extended::ZuDouble(Ext(eins, 0x3FFF - 1075)), 0.0);
    EXPECT_EQ(Extended::ZuDouble(Ext(eins | 1, 0x3FFF - 1075)), std::numeric_limits<double>::denorm_min());
    EXPECT_TRUE(std::isnan(Extended::ZuDouble(Ext(eins | 1, 0x7FFF))));
}

TEST(DateiCodec, FloatNimmtAuchGanzzahlTags)
{
    TWertLeser a(Hex("0207"));
    EXPECT_EQ(a.Float(), 7.0);
    TWertLeser b(Hex("03ff7f"));
    EXPECT_EQ(b.Float(), 32767.0);
    TWertLeser c(Hex("0600"));
    try {
        c.Float();
        FAIL();
    } catch (const TDateiFehler& f) {
        EXPECT_EQ(f.Meldung(), QStringLiteral("Ein Wert hat nicht die erwartete Art."));
    }
}

TEST(DateiCodec, TexteKurzBis255DannLang)
{
    const QByteArray t255 = Geschrieben([](TWertSchreiber& s) { s.Text(QString(255, QLatin1Char('x'))); });
    EXPECT_EQ(t255.left(2), Hex("06ff"));
    EXPECT_EQ(t255.size(), 257);
    const QByteArray t256 = Geschrieben([](TWertSchreiber& s) { s.Text(QString(256, QLatin1Char('x'))); });
    EXPECT_EQ(t256.left(5), Hex("0c00010000"));
    EXPECT_EQ(t256.size(), 261);
    EXPECT_EQ(Geschrieben([](TWertSchreiber& s) { s.Text(QStringLiteral("Ä€")); }), Hex("0602c480"));
    TWertLeser l(t256 + t255);
    EXPECT_EQ(l.Text(), QString(256, QLatin1Char('x')));
    EXPECT_EQ(l.Text(), QString(255, QLatin1Char('x')));
}

TEST(DateiCodec, JederBytewertUeberlebtLesenUndSchreiben)
{
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(char(b));
    const QByteArray datei = Hex("0c00010000") + alle;
    TWertLeser l(datei);
    const QString text = l.Text();
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(Geschrieben([&](TWertSchreiber& s) { s.Text(text); }), datei);
    // The five bytes the code page leaves open keep their own value.
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text.at(b).unicode(), b);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
}

TEST(DateiCodec, BoolNimmtGenauEinByte)
{
    TWertLeser l(Hex("0908000209"));
    EXPECT_TRUE(l.Bool());
    EXPECT_FALSE(l.Bool());
    EXPECT_FALSE(l.Bool());
    EXPECT_FALSE(l.Bool()); // 0x02 is no boolean tag: false, and nothing more is consumed
    EXPECT_TRUE(l.Bool());
    EXPECT_EQ(l.Rest(), 0);
}

TEST(DateiCodec, LaengenUndAnzahlenJenseitsDesDateiendes)
{
    const char* faelle[] = {
        "0c00000080",       // 2^31 characters
        "0cffffffff41",     // 4 GiB minus one
        "06054142",         // five announced, two there
        "0440420f00",       // a million texts in a list
        "04ffffff7f0600",   // the largest count
    };
    for (const char* hex : faelle) {
        const QByteArray b = Hex(hex);
        TWertLeser l(b);
        try {
            if (b[0] == Tag::Int32)
                l.Liste();
            else
                l.Text();
            ADD_FAILURE() << hex;
        } catch (const TDateiFehler& f) {
            EXPECT_EQ(f.Meldung(), QStringLiteral("Die Daten brechen vorzeitig ab.")) << hex;
        }
    }
    TWertLeser negativ(Hex("02ff"));
    EXPECT_TRUE(negativ.Liste().isEmpty()); // a negative count is an empty list
}

TEST(DateiCodec, KleinsteDateiMitEinemLehrer)
{
    TSprechtag tag;
    tag.LehrerUebernehmen(QStringLiteral("A"));
    const QByteArray b = Datei::SpeichereInBytes(tag, Inhalt::Lehrer);
    EXPECT_EQ(b, Hex("5156542066696c652072657620392020" "0201" "0201" "060141" "08"));
    EXPECT_EQ(b.size(), 24);
}

} // namespace
