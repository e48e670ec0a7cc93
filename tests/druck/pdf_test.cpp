#include "druckauftrag.h"
#include "textdruck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int SeitenIn(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

void FuelleTag(TSprechtag& tag)
{
    for (const char* l : {"Adler (R1)", "Berg (R2)", "Clausen (R3)"})
        tag.LehrerUebernehmen(QString::fromUtf8(l));
    for (int e = 0; e < 6; ++e) {
        const QString name = QStringLiteral("6b: Eltern %1").arg(e + 1);
        tag.ElternUebernehmen(name);
        const QString lehrer = tag.Lehrer.Name(e % 3);
        tag.Eltern.Suche(name)->Sprechwuensche.append(lehrer);
        tag.Eltern.Suche(name)->Zeitplan.Hinzufuegen(QStringLiteral("15:%1 Uhr: ").arg(e * 10, 2, 10, QLatin1Char('0')) + lehrer);
        tag.Lehrer.Suche(lehrer)->Zeitplan.append(QStringLiteral("15:%1 Uhr: ").arg(e * 10, 2, 10, QLatin1Char('0')) + name);
    }
    tag.PlaeneGueltig = true;
}

TEST(PdfAusgabe, AllePlaeneAufFuenfBlaettern)
{
    TSprechtag tag;
    FuelleTag(tag);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("plaene.pdf"));
    const auto fehler = PlaeneAlsPdf(pfad, tag, TDruckOptionen{}, TPlanTexte::Aus(tag.Plan, QStringLiteral("Schule")));
    ASSERT_FALSE(fehler.has_value()) << fehler->toStdString();
    EXPECT_EQ(SeitenIn(pfad), 5);
}

TEST(PdfAusgabe, DruckauftragHatTitelUndHochformat)
{
    TSprechtag tag;
    FuelleTag(tag);
    QTemporaryDir dir;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(dir.filePath(QStringLiteral("job.pdf")));
    drucker.setPageOrientation(QPageLayout::Landscape);
    ASSERT_FALSE(PrintSomePlans(drucker, tag, TDruckOptionen{}, TPlanTexte{}).has_value());
    EXPECT_EQ(drucker.docName(), QStringLiteral("QVT Zeitpläne"));
    EXPECT_EQ(drucker.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(SeitenIn(dir.filePath(QStringLiteral("job.pdf"))), 5);
}

TEST(PdfAusgabe, UnschreibbaresZielMeldetFehlerUndLaesstAltesStehen)
{
    TSprechtag tag;
    FuelleTag(tag);
    QTemporaryDir dir;
    const auto fehlt = PlaeneAlsPdf(dir.filePath(QStringLiteral("fehlt/plaene.pdf")), tag, TDruckOptionen{}, TPlanTexte{});
    ASSERT_TRUE(fehlt.has_value());
    EXPECT_TRUE(fehlt->startsWith(QStringLiteral("Die Datei "))) << fehlt->toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("fehlt/plaene.pdf"))));

    // A target that is a folder: the folder stays as it is.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf")));
    EXPECT_TRUE(PlaeneAlsPdf(dir.filePath(QStringLiteral("ordner.pdf")), tag, TDruckOptionen{}, TPlanTexte{}).has_value());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("ordner.pdf"))).isDir());
}

TEST(PdfAusgabe, TextdokumentAufDemDrucker)
{
    QTemporaryDir dir;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(dir.filePath(QStringLiteral("vorschau.pdf")));
    const auto fehler = Textdruck::Drucke(drucker, QStringLiteral("Vorschaulisten"),
                                          {QStringLiteral("KALUMO"), QStringLiteral("\f"), QStringLiteral("KALUMO"),
                                           QStringLiteral("\f")});
    ASSERT_FALSE(fehler.has_value());
    EXPECT_EQ(drucker.docName(), QStringLiteral("Vorschaulisten"));
    EXPECT_EQ(SeitenIn(dir.filePath(QStringLiteral("vorschau.pdf"))), 2);
}

} // namespace
