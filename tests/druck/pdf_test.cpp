#include "druckauftrag.h"
#include "textdruck.h"
#include "pdf_pruefen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int SeitenIn(const QString& pfad)
{
    return PdfPruefen::Seiten(pfad);
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
    ASSERT_EQ(SeitenIn(pfad), 5);
    // Three teachers on A4, one a page; the six families four to a sheet from page 4 on.
    const char* lehrer[] = {"Adler (R1)", "Berg (R2)", "Clausen (R3)"};
    for (int s = 1; s <= 3; ++s) {
        const QString text = PdfPruefen::Text(pfad, s);
        EXPECT_TRUE(text.contains(QString::fromUtf8(lehrer[s - 1]))) << s << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("6b: Eltern %1").arg(s))) << s;
        EXPECT_FALSE(text.contains(QStringLiteral("6b: Eltern %1").arg(s + 1))) << s;
    }
    const QString blatt4 = PdfPruefen::Text(pfad, 4), blatt5 = PdfPruefen::Text(pfad, 5);
    for (int e = 1; e <= 6; ++e)
        EXPECT_TRUE((e <= 4 ? blatt4 : blatt5).contains(QStringLiteral("6b: Eltern %1").arg(e))) << e;
    EXPECT_TRUE(blatt4.contains(QStringLiteral("Schule")));
    // The footnote, in plain German, on every plan.
    for (int s = 1; s <= 3; ++s)
        EXPECT_TRUE(PdfPruefen::Text(pfad, s).contains(QStringLiteral("Erstellt mit Kalumo."))) << s;
    EXPECT_FALSE(PdfPruefen::Text(pfad).contains(QStringLiteral("mit dem Kalumo")));
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
                                          {QStringLiteral("Liste für Abel"), QStringLiteral("\f"), QStringLiteral("Liste für Bäumer"),
                                           QStringLiteral("\f")});
    ASSERT_FALSE(fehler.has_value());
    EXPECT_EQ(drucker.docName(), QStringLiteral("Vorschaulisten"));
    const QString pdf = dir.filePath(QStringLiteral("vorschau.pdf"));
    ASSERT_EQ(SeitenIn(pdf), 2);
    EXPECT_EQ(PdfPruefen::Text(pdf, 1).trimmed(), QStringLiteral("Liste für Abel"));
    EXPECT_EQ(PdfPruefen::Text(pdf, 2).trimmed(), QStringLiteral("Liste für Bäumer"));
}

/// Left and top edge of the first word pdftotext finds on page 1, in millimetres from the
/// sheet's top-left corner.
QPointF ErstesWortMm(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                          QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    const QRegularExpression wort(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\""));
    const auto m = wort.match(QString::fromUtf8(p.readAllStandardOutput()));
    if (!m.hasMatch())
        return {};
    const double mmProPunkt = 25.4 / 72.0;
    return {m.captured(1).toDouble() * mmProPunkt, m.captured(2).toDouble() * mmProPunkt};
}

// Preview lists start inside the printer's margins, never closer than 15 mm to the edge,
// and the shared printer keeps its own margins for the plans printed next.
TEST(PdfAusgabe, TextdokumentMitSeitenraendern)
{
    struct Fall {
        double randMm;   // what the printer is set to
        double erwartet; // where the text must start
    } faelle[] = {{0.0, 15.0}, {3.5, 15.0}, {22.0, 22.0}};
    for (const Fall& f : faelle) {
        QTemporaryDir dir;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(dir.filePath(QStringLiteral("liste.pdf")));
        drucker.setFullPage(false);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        const QMarginsF rand(f.randMm, f.randMm, f.randMm, f.randMm);
        ASSERT_TRUE(drucker.setPageMargins(rand, QPageLayout::Millimeter));
        ASSERT_FALSE(Textdruck::Drucke(drucker, QStringLiteral("Vorschaulisten"),
                                       {QStringLiteral("KALUMO"), QString(), QStringLiteral("Lehrer(in): Abel")})
                         .has_value());
        const QPointF wort = ErstesWortMm(dir.filePath(QStringLiteral("liste.pdf")));
        // pdftotext's word box follows the font's box, a fraction of a millimetre off the
        // pen position; the old 3.5 mm start is far outside this window.
        EXPECT_NEAR(wort.x(), f.erwartet, 0.5) << f.randMm;
        EXPECT_NEAR(wort.y(), f.erwartet, 0.5) << f.randMm;
        EXPECT_EQ(drucker.pageLayout().margins(QPageLayout::Millimeter), rand) << f.randMm;
    }
}

// A cancelled PDF job writes nothing: an existing file keeps its bytes, a new one does
// not appear; a printer's cancelled job is aborted without an error.
TEST(PdfAusgabe, AbgebrochenerAuftragLaesstDateiUnberuehrt)
{
    TSprechtag tag;
    FuelleTag(tag);
    QTemporaryDir dir;
    const auto nachZwei = [](int fertig, int) { return fertig < 2; };
    const QString alt = dir.filePath(QStringLiteral("alt.pdf"));
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("frueher");
    }
    EXPECT_FALSE(PlaeneAlsPdf(alt, tag, TDruckOptionen{}, TPlanTexte{}, nachZwei).has_value());
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("frueher"));
    const QString neu = dir.filePath(QStringLiteral("neu.pdf"));
    EXPECT_FALSE(PlaeneAlsPdf(neu, tag, TDruckOptionen{}, TPlanTexte{}, nachZwei).has_value());
    EXPECT_FALSE(QFileInfo::exists(neu));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("alt.pdf")})
        << "no temporary file left";


    // A printer that cannot withdraw a job (as here, like CUPS) gets no more pages than
    // the two teachers drawn before the cancel.
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(dir.filePath(QStringLiteral("drucker.pdf")));
    const auto fehler = PrintSomePlans(drucker, tag, TDruckOptionen{}, TPlanTexte{}, nachZwei);
    EXPECT_FALSE(fehler.has_value()) << fehler->toStdString();
    EXPECT_NE(drucker.printerState(), QPrinter::Active);
    if (drucker.printerState() != QPrinter::Aborted) {
        const QString pdf = dir.filePath(QStringLiteral("drucker.pdf"));
        ASSERT_EQ(SeitenIn(pdf), 2);
        EXPECT_TRUE(PdfPruefen::Text(pdf, 2).contains(QStringLiteral("Berg (R2)")));
    }
}

} // namespace
