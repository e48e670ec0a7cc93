#include "ini/inidokument.h"
#include "ini/inizahl.h"

#include <gtest/gtest.h>
#include <climits>

namespace {

TIniDokument dok(const char* text) { return TIniDokument::AusBytes(QByteArray(text)); }

} // namespace

TEST(IniZahl, Tabelle)
{
    const struct {
        const char* text;
        int erwartet;
    } faelle[] = {
        {"640", 640},
        {"0x280", 640},
        {"0X280", 640},
        {"$280", 640},
        {"$ff", 255},
        {"-12", -12},
        {"+7", 7},
        {"-$10", -16},
        {"0", 0},
        {"-2147483648", INT_MIN},
        {"0xFFFFFFFF", -1},
        // garbage keeps the default (-99)
        {"", -99},
        {"abc", -99},
        {"12a", -99},
        {"0x", -99},
        {"$", -99},
        {"-", -99},
        {"0xG1", -99},
        {"1 2", -99},
        {"2147483648", -99},
        {"0x100000000", -99},
        {"12.5", -99},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(IniZahl(QString::fromLatin1(f.text), -99), f.erwartet) << f.text;
}

TEST(IniDokument, SektionUndSchluesselOhneRuecksichtAufGrossschreibung)
{
    const TIniDokument d = dok("[screenpos]\nWIDTH = 800 \n[Path]\nopentxt=/daten/texte\n");
    EXPECT_EQ(d.Wert("ScreenPos", "Width"), QString("800"));
    EXPECT_EQ(d.Wert("PATH", "OpenTXT"), QString("/daten/texte"));
    EXPECT_FALSE(d.Wert("ScreenPos", "OpenTXT").has_value()) << "keys belong to their section";
    EXPECT_FALSE(d.Wert("Columns", "ElternBox").has_value());
    EXPECT_EQ(d.Text("Columns", "ElternBox", "3"), "3");
}

TEST(IniDokument, ErsterTrefferZaehltUndWertIstBegrenzt)
{
    const QByteArray lang(2000, 'x');
    const TIniDokument d = TIniDokument::AusBytes("[A]\nk=1\nk=2\n[a]\nk=3\nlang=" + lang + "\n");
    EXPECT_EQ(d.Wert("A", "k"), QString("1"));
    EXPECT_FALSE(d.Wert("A", "lang").has_value()) << "only the first of two equal sections is searched";
    const TIniDokument e = TIniDokument::AusBytes("[A]\nlang=" + lang + "\n");
    EXPECT_EQ(e.Wert("A", "lang")->size(), TIniDokument::MaxWertLaenge);
}

TEST(IniDokument, SetzenBehaeltDenRestDerDatei)
{
    TIniDokument d = dok("; von Hand\n[ScreenPos]\nwidth=800\n\n[Fremd]\nx=y\n");
    d.Setze("ScreenPos", "Width", "1024");   // replaces, keeps the spelling in the file
    d.Setze("SCREENPOS", "Height", "600");   // new key at the end of its section
    d.Setze("Path", "QvtFiles", "/home/jörg/Sprechtag"); // new section at the end
    EXPECT_EQ(QString::fromUtf8(d.Bytes()),
              "; von Hand\n[ScreenPos]\nwidth=1024\nHeight=600\n\n[Fremd]\nx=y\n\n"
              "[Path]\nQvtFiles=/home/jörg/Sprechtag\n");
}

TEST(IniDokument, ZeilenendeUndBomBleiben)
{
    TIniDokument d = TIniDokument::AusBytes("\xEF\xBB\xBF[A]\r\nk=1\r\n");
    EXPECT_EQ(d.Wert("A", "k"), QString("1")) << "the byte-order mark is not part of the section line";
    d.Setze("A", "k", "2");
    EXPECT_EQ(d.Bytes(), QByteArray("\xEF\xBB\xBF[A]\r\nk=2\r\n"));
}

TEST(IniDokument, ZeilenumbruchImWertZerteiltDieDateiNicht)
{
    TIniDokument d;
    d.Setze("Path", "QvtFiles", "/a\nb\r\nc");
    d.Setze("Path", "OpenTXT", "/x");
    const TIniDokument neu = TIniDokument::AusBytes(d.Bytes());
    EXPECT_EQ(neu.Wert("Path", "QvtFiles"), QString("/a b c"));
    EXPECT_EQ(neu.Wert("Path", "OpenTXT"), QString("/x"));
}

TEST(IniDokument, AlteDateiInWindows1252)
{
    // An installation that wrote the code page: "Jörg" with ö as byte F6.
    const TIniDokument d = dok("[Path]\nQvtFiles=C:\\J\xF6rg\\\n");
    EXPECT_EQ(d.Wert("Path", "QvtFiles"), QString::fromUtf8("C:\\Jörg\\"));
}

// Hostile files: once written by the program, reading and writing again gives the same
// bytes, and U+FEFF that is text (after the mark, or in a value) survives.
TEST(IniDokument, SchreibenNachLesenAendertNichtsMehr)
{
    const QByteArray marke("\xEF\xBB\xBF");
    const QByteArray utf16 = QByteArray("\xFF\xFE", 2)
        + QByteArray(reinterpret_cast<const char*>(u"\uFEFF[Druck]\r\nSchulName=x\r\n"), 2 * 23);
    const struct {
        const char* fall;
        QByteArray datei;
        QByteArray erstesSchreiben; // worked out by hand
    } faelle[] = {
        {"drei Marken", marke + marke + marke + "[Druck]\nSchulName=a\n", marke + marke + marke + "[Druck]\nSchulName=a\n"},
        {"Wert beginnt mit U+FEFF", "[Druck]\nSchulName=" + marke + marke + "a\n", "[Druck]\nSchulName=" + marke + marke + "a\n"},
        // Written as UTF-8; its CR LF are not seen in the UTF-16 bytes, so lines end in LF.
        {"UTF-16 mit U+FEFF am Anfang", utf16, marke + marke + "[Druck]\nSchulName=x\n"},
        {"einzelne CR", "[Druck]\rSchulName=a\r\n", "[Druck]\r\nSchulName=a\r\n"},
        {"Windows-1252 ohne Zeilenende", "[Druck]\nSchulName=Gr\xFCn", "[Druck]\nSchulName=Gr\xC3\xBCn\n"},
    };
    for (const auto& f : faelle) {
        const QByteArray erst = TIniDokument::AusBytes(f.datei).Bytes();
        EXPECT_EQ(erst, f.erstesSchreiben) << f.fall;
        EXPECT_EQ(TIniDokument::AusBytes(erst).Bytes(), erst) << f.fall;
    }
    // The value keeps both of its U+FEFF through a write and a read.
    const TIniDokument d = TIniDokument::AusBytes(faelle[1].erstesSchreiben);
    EXPECT_EQ(d.Wert(QStringLiteral("Druck"), QStringLiteral("SchulName")), QStringLiteral("\uFEFF\uFEFFa"));
}
