#include "import/briefimport.h"
#include "import/importfragen.h"
#include "model/sprechtag.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QString schreibe(const QTemporaryDir& dir, const char* name, const QByteArray& inhalt)
{
    const QString pfad = dir.filePath(name);
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    return pfad;
}

} // namespace

TEST(BriefImport, ZeilenErsetzenDenBrief)
{
    QTemporaryDir dir;
    TSprechtag tag;
    tag.AlsGespeichertMarkieren();
    const QString pfad = schreibe(dir, "brief.txt",
                                  "Liebe Kolleginnen und Kollegen,\r\n\r\nanbei %A.\nMit freundlichen Gr\xFC\xDF" "en\rIhr Team\r\n");
    const TBriefImport r = ImportiereBrief(tag, pfad);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.Hinweis.isEmpty());
    EXPECT_EQ(tag.Vorschau.Brief, (QStringList{"Liebe Kolleginnen und Kollegen,", "", "anbei %A.",
                                               QString::fromUtf8("Mit freundlichen Grüßen"), "Ihr Team"}));
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
}

TEST(BriefImport, FremdeZeichenWerdenSichtbarErsetzt)
{
    QTemporaryDir dir;
    TSprechtag tag;
    const QString pfad = schreibe(dir, "brief.txt", "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80 und \xC4\xB1\xC4\xB1\n");
    const TBriefImport r = ImportiereBrief(tag, pfad);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(tag.Vorschau.Brief, QStringList{QString::fromUtf8("Grüße ? und ??")});
    EXPECT_TRUE(r.Hinweis.contains("U+1F600"));
    EXPECT_EQ(r.Hinweis.count("U+0131"), 1);
}

TEST(BriefImport, FehlgeschlagenesLesenLaesstDenBriefStehen)
{
    QTemporaryDir dir;
    TSprechtag tag;
    const QStringList vorher = tag.Vorschau.Brief;
    tag.AlsGespeichertMarkieren();
    const TBriefImport r = ImportiereBrief(tag, dir.filePath("fehlt.txt"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.Fehler.contains("fehlt.txt"));
    EXPECT_EQ(tag.Vorschau.Brief, vorher);
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

TEST(ImportFrage, JeSeite)
{
    EXPECT_EQ(ImportFrage(TImportSeite::Lehrer), "Wollen Sie Lehrernamen aus einer Textdatei importieren?");
    EXPECT_EQ(ImportFrage(TImportSeite::Eltern), "Wollen Sie Elternnamen aus einer Textdatei importieren?");
    EXPECT_EQ(ImportFrage(TImportSeite::Vorschau), "Wollen Sie einen Einleitungstext aus einer Textdatei importieren?");
}
