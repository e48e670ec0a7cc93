#include "import/namensimport.h"
#include "import/textdatei.h"
#include "model/sprechtag.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class NamensImport : public ::testing::Test {
protected:
    QString datei(const QByteArray& inhalt)
    {
        const QString pfad = dir.filePath(QStringLiteral("namen%1.txt").arg(++nummer));
        QFile f(pfad);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        return pfad;
    }

    QTemporaryDir dir;
    int nummer = 0;
    TSprechtag tag;
};

} // namespace

TEST(TextZeilen, Zeilenenden)
{
    const struct {
        const char* text;
        QStringList zeilen;
    } faelle[] = {
        {"A\nB\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
        {"A\n\rB", {"A", "", "B"}},
        {"A\r\n\r\nB", {"A", "", "B"}},
        {"A\n\n", {"A", ""}},
        {"A", {"A"}},
        {"", {}},
        {"A\nB\x1A" "C\nD", {"A", "B"}},
        {"\x1A" "A", {}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TextZeilen(QString::fromLatin1(f.text)), f.zeilen) << f.text;
}

TEST_F(NamensImport, JedesZeilenendeTrenntNamen)
{
    for (const QByteArray& inhalt : {QByteArray("Adler (A1)\nBerg (B2)\n"), QByteArray("Adler (A1)\rBerg (B2)"),
                                    QByteArray("Adler (A1)\r\nBerg (B2)\r\n"), QByteArray("Adler (A1)\nBerg (B2)\r\n")}) {
        TSprechtag t;
        const TNamensImport r = ImportiereNamen(t, datei(inhalt), true);
        ASSERT_TRUE(r.ok) << r.Fehler.toStdString();
        EXPECT_EQ(r.Hinzugefuegt, 2);
        EXPECT_EQ(t.Lehrer.Namen(), (QStringList{"Adler (A1)", "Berg (B2)"})) << inhalt.toStdString();
    }
}

TEST_F(NamensImport, NamenGenauWieGeschriebenDoppelteUndLeereUebersprungen)
{
    ASSERT_TRUE(tag.LehrerUebernehmen(QString::fromUtf8("Özdemir (C3)")).ok());
    tag.AlsGespeichertMarkieren();
    const QString pfad = datei("Zander\t(Z9)\r\n"
                               "   \r\n"
                               "\r\n"
                               " Adler (A1) \r\n"
                               "ADLER (A1)\r\n"
                               " adler (a1) \r\n"
                               "\xD6ZDEMIR (C3)\r\n" // ÖZDEMIR in Windows-1252
                               "\r\n");
    const TNamensImport r = ImportiereNamen(tag, pfad, true);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.NichtUebernommen.isEmpty());
    EXPECT_EQ(r.Hinzugefuegt, 4);
    EXPECT_EQ(tag.Lehrer.Namen(), (QStringList{"   ", " Adler (A1) ", "ADLER (A1)", QString::fromUtf8("Özdemir (C3)"),
                                               "Zander (Z9)"}));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());

    // The same file again adds nothing and counts as no change.
    tag.AlsGespeichertMarkieren();
    const TNamensImport zweimal = ImportiereNamen(tag, pfad, true);
    EXPECT_EQ(zweimal.Hinzugefuegt, 0);
    EXPECT_EQ(tag.Lehrer.Anzahl(), 5);
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST_F(NamensImport, Kodierungen)
{
    const QString mueller = QString::fromUtf8("5a: Müller");
    const struct {
        const char* name;
        QByteArray bytes;
        QString erwartet;
    } faelle[] = {
        {"Windows-1252", QByteArray("5a: M\xFC" "ller\r\n"), mueller},
        {"Windows-1252 Euro", QByteArray("5a: \x80-Klasse\r\n"), QString::fromUtf8("5a: €-Klasse")},
        {"UTF-8 ohne BOM", QByteArray("5a: M\xC3\xBC" "ller\n"), mueller},
        {"UTF-8 mit BOM", QByteArray("\xEF\xBB\xBF" "5a: M\xC3\xBC" "ller\n"), mueller},
        {"BOM gehört nicht zum Namen", QByteArray("\xEF\xBB\xBF" "5a: Adler\n"), "5a: Adler"},
        {"UTF-16 LE mit BOM", QByteArray("\xFF\xFE" "5\0a\0:\0 \0M\0\xFC\0l\0l\0e\0r\0\n\0", 22), mueller},
        {"UTF-16 BE mit BOM", QByteArray("\xFE\xFF" "\0" "5\0a\0:\0 \0M\0\xFC\0l\0l\0e\0r\0\n", 22), mueller},
        // A character beyond Latin-1 shows the byte order: € is 20AC.
        {"UTF-16 LE Euro", QByteArray("\xFF\xFE" "5\0a\0:\0 \0\xAC\x20" "\r\0\n\0", 16), QString::fromUtf8("5a: €")},
        {"UTF-16 BE Euro", QByteArray("\xFE\xFF" "\0" "5\0a\0:\0 \x20\xAC" "\0\r\0\n", 16), QString::fromUtf8("5a: €")},
    };
    for (const auto& f : faelle) {
        TSprechtag t;
        const TNamensImport r = ImportiereNamen(t, datei(f.bytes), false);
        ASSERT_TRUE(r.ok) << f.name << ": " << r.Fehler.toStdString();
        EXPECT_EQ(t.Eltern.Namen(), QStringList{f.erwartet}) << f.name;
    }
}

TEST_F(NamensImport, ZeichenAusserhalbVonWindows1252)
{
    // ı (U+0131) and ễ (U+1EC5) have no place in the code page of the data file.
    const QString pfad = datei("Y\xC4\xB1lmaz (D4)\nNguy\xE1\xBB\x85n (E5)\nY\xC4\xB1lmaz (D4)\nM\xC3\xBCller (F6)\n");
    const TNamensImport r = ImportiereNamen(tag, pfad, true);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.Hinzugefuegt, 1);
    EXPECT_EQ(tag.Lehrer.Namen(), QStringList{QString::fromUtf8("Müller (F6)")});
    EXPECT_EQ(r.NichtUebernommen, (QStringList{QString::fromUtf8("Yılmaz (D4)"), QString::fromUtf8("Nguyễn (E5)")}));

    const QString m = NichtUebernommenMeldung(r.NichtUebernommen);
    EXPECT_TRUE(m.contains(QString::fromUtf8("Yılmaz (D4)")));
    EXPECT_TRUE(m.contains("U+0131"));
    EXPECT_TRUE(m.contains("U+1EC5"));
    EXPECT_TRUE(NichtUebernommenMeldung({}).isEmpty());
}

TEST(NichtUebernommenMeldung, HoechstensZwanzigNamen)
{
    QStringList namen;
    for (int i = 1; i <= 25; ++i)
        namen << QString::fromUtf8("Name%1 ı").arg(i, 2, 10, QLatin1Char('0'));
    const QString m = NichtUebernommenMeldung(namen);
    EXPECT_TRUE(m.contains("Name20"));
    EXPECT_FALSE(m.contains("Name21"));
    EXPECT_TRUE(m.contains("und 5 weitere"));
    EXPECT_FALSE(NichtUebernommenMeldung(namen.mid(0, 20)).contains("weitere"));
}

TEST_F(NamensImport, UnlesbareDateiFuegtNichtsHinzu)
{
    ASSERT_TRUE(tag.ElternUebernehmen("5a: Adler").ok());
    tag.AlsGespeichertMarkieren();
    const struct {
        const char* name;
        QString pfad;
    } faelle[] = {
        {"fehlt", dir.filePath("gibt-es-nicht.txt")},
        {"Ordner", dir.path()},
        {"keine Textdatei", datei(QByteArray("6b: Berg\n\0\0\x01\x02", 14))},
    };
    for (const auto& f : faelle) {
        const TNamensImport r = ImportiereNamen(tag, f.pfad, false);
        EXPECT_FALSE(r.ok) << f.name;
        EXPECT_TRUE(r.Fehler.contains(f.pfad)) << r.Fehler.toStdString();
        EXPECT_EQ(tag.Eltern.Namen(), QStringList{"5a: Adler"}) << f.name;
        EXPECT_FALSE(tag.UngespeicherteAenderungen()) << f.name;
    }
}
