#include "vorschau/vorschauliste.h"

#include "raster/tagesraster.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const Vorschauliste::TBriefWerte Werte{10, QStringLiteral("15:00"), QStringLiteral("18:00"), 17};

struct BriefFall {
    const char* ein;
    const char* aus;
};

class BriefZeileTest : public ::testing::TestWithParam<BriefFall> {};

TEST_P(BriefZeileTest, ErsetztWieGeschrieben)
{
    EXPECT_EQ(Vorschauliste::BriefZeile(QString::fromUtf8(GetParam().ein), Werte), QString::fromUtf8(GetParam().aus));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BriefZeileTest,
    ::testing::Values(
        BriefFall{"", ""},
        BriefFall{"ohne Platzhalter", "ohne Platzhalter"},
        BriefFall{"%A Minuten, %B bis %C, %D Eltern", "10 Minuten, 15:00 bis 18:00, 17 Eltern"},
        BriefFall{"%A und nochmal %A", "10 und nochmal 10"},
        BriefFall{"%a %b %c %d", "%a %b %c %d"},
        BriefFall{"% A %%B", "% A %15:00"},
        BriefFall{"%%AA", "%10A"},
        BriefFall{"%", "%"},
        BriefFall{"%D%C%B%A", "1718:0015:0010"},
        BriefFall{"Lehrer(in): Herr %Dübel (R 12)", "Lehrer(in): Herr 17übel (R 12)"}));

// A day whose teachers have 12 free slots (15:00 to 17:00 at 10 minutes).
class VorschauTag : public ::testing::Test {
protected:
    void SetUp() override
    {
        tag.SetSprechEnde(Zeit::Kodiere(17, 0));
        tag.LehrerUebernehmen(QStringLiteral("Zwölf (R1)"));
        tag.LehrerUebernehmen(QStringLiteral("Dreizehn (R2)"));
        tag.LehrerUebernehmen(QStringLiteral("Niemand (R3)"));
        for (int i = 1; i <= 13; ++i) {
            const QString name = QStringLiteral("5a: Eltern %1").arg(i, 2, 10, QLatin1Char('0'));
            tag.ElternUebernehmen(name);
            TEltern* e = tag.Eltern.Suche(name);
            e->Sprechwuensche.append(QStringLiteral("Dreizehn (R2)"));
            if (i <= 12)
                e->Sprechwuensche.append(QStringLiteral("zwölf (r1)")); // case differs on purpose
        }
    }
    TSprechtag tag;
};

TEST_F(VorschauTag, BetroffenNurBeiMehrWuenschenAlsSlots)
{
    ASSERT_EQ(Raster::FreieSlots(tag, *tag.Lehrer.Suche(QStringLiteral("Zwölf (R1)"))), 12);
    auto betroffen = [&](const char* n) {
        const QString name = QString::fromUtf8(n);
        return Vorschauliste::IstBetroffen(tag, name, *tag.Lehrer.Suche(name));
    };
    EXPECT_FALSE(betroffen("Zwölf (R1)"));
    EXPECT_TRUE(betroffen("Dreizehn (R2)"));
    EXPECT_FALSE(betroffen("Niemand (R3)"));

    const QStringList nurBetroffene = Vorschauliste::Zeilen(tag, false);
    EXPECT_EQ(nurBetroffene.count(QStringLiteral("\f")), 1);
    EXPECT_TRUE(nurBetroffene.contains(QStringLiteral("Lehrer(in): Dreizehn (R2)")));
    EXPECT_EQ(Vorschauliste::Zeilen(tag, true).count(QStringLiteral("\f")), 3);
}

TEST_F(VorschauTag, ZeilenfolgeEinesLehrers)
{
    tag.Vorschau.Brief = {QStringLiteral("Takt %A, %B-%C, %D Plätze"), QString()};
    const QString name = QStringLiteral("Zwölf (R1)");
    const QStringList z = Vorschauliste::ZeilenFuerLehrer(tag, name, *tag.Lehrer.Suche(name));
    ASSERT_EQ(z.size(), 4 + 2 + 1 + 12 + 1);
    EXPECT_EQ(z[0], QStringLiteral("KALUMO"));
    EXPECT_EQ(z[1], QString());
    EXPECT_EQ(z[2], QStringLiteral("Lehrer(in): Zwölf (R1)"));
    EXPECT_EQ(z[3], QString());
    EXPECT_EQ(z[4], QStringLiteral("Takt 10, 15:00-17:00, 12 Plätze"));
    EXPECT_EQ(z[5], QString());
    EXPECT_EQ(z[6], QString());
    EXPECT_EQ(z[7], QStringLiteral("1.  5a: Eltern 01"));
    EXPECT_EQ(z[18], QStringLiteral("12.  5a: Eltern 12"));
    EXPECT_EQ(z.last(), QStringLiteral("\f"));
}

TEST_F(VorschauTag, StandardbriefMitIndividuellenZeiten)
{
    const QString name = QStringLiteral("Niemand (R3)");
    TLehrer& l = *tag.Lehrer.Suche(name);
    l.AbweichZeit = true;
    l.StartZeit = Zeit::Kodiere(16, 0);
    l.EndZeit = Zeit::Kodiere(16, 30);
    const QStringList z = Vorschauliste::ZeilenFuerLehrer(tag, name, l);
    EXPECT_TRUE(z[6].contains(QStringLiteral("von 10 Minuten zwischen 16:00 Uhr und 16:30 Uhr 3 Eltern empfangen")))
        << z[6].toStdString();
    // Nobody asks: the empty line is followed at once by the form feed.
    EXPECT_EQ(z[z.size() - 2], QString());
    EXPECT_EQ(z.last(), QStringLiteral("\f"));
}

TEST_F(VorschauTag, PlatzhalterInNamenWerdenErsetzt)
{
    tag.LehrerUebernehmen(QStringLiteral("Herr %D"));
    tag.ElternUebernehmen(QStringLiteral("6b: %A-Team"));
    tag.Eltern.Suche(QStringLiteral("6b: %A-Team"))->Sprechwuensche.append(QStringLiteral("Herr %D"));
    const QString name = QStringLiteral("Herr %D");
    const QStringList z = Vorschauliste::ZeilenFuerLehrer(tag, name, *tag.Lehrer.Suche(name));
    EXPECT_EQ(z[2], QStringLiteral("Lehrer(in): Herr 12"));
    EXPECT_TRUE(z.contains(QStringLiteral("1.  6b: 10-Team")));
}

TEST(VorschauDatei, BytesInWindows1252MitCrLf)
{
    const QByteArray b = Vorschauliste::Bytes({QStringLiteral("KALUMO"), QString(), QStringLiteral("Größe €"), QStringLiteral("\f")});
    EXPECT_EQ(b, QByteArray("KALUMO\r\n\r\nGr\xF6\xDF" "e \x80\r\n\f\r\n"));
    EXPECT_TRUE(Vorschauliste::Bytes({}).isEmpty());
}

TEST(VorschauDatei, SchreibtUndErsetzt)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("vorschau.txt"));
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alter Inhalt, der länger ist als der neue");
    }
    ASSERT_FALSE(Vorschauliste::SchreibeDatei(pfad, {QStringLiteral("ä")}).has_value());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\xE4\r\n"));

    // No teacher qualifies: the file exists and is empty.
    ASSERT_FALSE(Vorschauliste::SchreibeDatei(pfad, {}).has_value());
    EXPECT_EQ(QFileInfo(pfad).size(), 0);
}

TEST(VorschauDatei, UnschreibbarerOrdnerMeldetFehlerUndLaesstNichtsZurueck)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fehlt/vorschau.txt"));
    const auto fehler = Vorschauliste::SchreibeDatei(pfad, {QStringLiteral("x")});
    ASSERT_TRUE(fehler.has_value());
    EXPECT_TRUE(fehler->startsWith(QStringLiteral("Die Datei "))) << fehler->toStdString();
    EXPECT_FALSE(QFileInfo::exists(pfad));
}

TEST(VorschauDatei, ZeichenAusserhalbDerCodepageWirdGemeldet)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("vorschau.txt"));
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    const auto fehler = Vorschauliste::SchreibeDatei(pfad, {QStringLiteral("KALUMO"), QStringLiteral("Rückgabe → Mittwoch")});
    ASSERT_TRUE(fehler.has_value());
    EXPECT_TRUE(fehler->contains(QStringLiteral("U+2192"))) << fehler->toStdString();
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("alt"));
}

TEST(VorschauMeldungen, Texte)
{
    EXPECT_EQ(Vorschauliste::DateiMeldung(QStringLiteral("/tmp/a.txt")),
              QStringLiteral("Die Vorschaulisten wurden in der Datei /tmp/a.txt gespeichert, die Sie nur noch auszudrucken brauchen..."));
    EXPECT_EQ(Vorschauliste::DruckMeldung(), QStringLiteral("Die Vorschaulisten wurden gedruckt..."));
}

} // namespace
