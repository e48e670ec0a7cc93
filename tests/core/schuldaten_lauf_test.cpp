// Reading and planning with a run that reports progress and can be cancelled: a run left
// alone gives exactly what a read without one gives, a cancelled one yields nothing to use.
#include "model/sprechtag.h"
#include "schuldaten/lauf.h"
#include "schuldaten/quelle.h"
#include "schuldaten/schulimport.h"

#include <gtest/gtest.h>

using namespace Schuldaten;

namespace {

constexpr int Schueler = 30000;

/// Pupils with quoted fields, one of them spanning two lines, so that records and lines
/// differ.
QByteArray schuelerliste()
{
    QByteArray b = "Klasse;Nachname;Vorname\n";
    for (int i = 0; i < Schueler; ++i)
        b += "\"7b\";\"Kern" + QByteArray::number(i) + "\";" + (i == 7 ? QByteArray("\"Lena\nMarie\"") : QByteArray("Tom"))
           + "\n";
    return b;
}

TQuelle quelle()
{
    TQuelle q;
    q.Pfad = QStringLiteral("schueler.csv");
    q.Art = TQuellArt::Schueler;
    return q;
}

} // namespace

TEST(SchuldatenLauf, UngestoertGleichesErgebnisMitSteigendemFortschritt)
{
    QList<double> stand;
    TLauf lauf([&](double a) { stand.append(a); });
    const TGeleseneQuelle mit = LeseQuelleAusBytes(quelle(), schuelerliste(), &lauf);
    const TGeleseneQuelle ohne = LeseQuelleAusBytes(quelle(), schuelerliste());
    ASSERT_TRUE(mit.ok()) << mit.Fehler.toStdString();
    ASSERT_EQ(mit.Zeilen.size(), Schueler);
    EXPECT_EQ(mit.Zeilen[7].Felder, (QStringList{"7b", "Kern7", "Lena\nMarie"}));
    EXPECT_EQ(mit.Zeilen.last().Zeile, Schueler + 2) << "header and the record over two lines";
    for (qsizetype i = 0; i < ohne.Zeilen.size(); ++i)
        ASSERT_EQ(mit.Zeilen[i].Felder, ohne.Zeilen[i].Felder) << i;
    ASSERT_GT(stand.size(), 2);
    EXPECT_TRUE(std::is_sorted(stand.cbegin(), stand.cend()));
    EXPECT_GE(stand.first(), 0.0);
    EXPECT_LT(stand.last(), 1.0);

    TSprechtag tag;
    TLauf planlauf;
    const TImportPlan plan = PlaneImport(tag, {mit}, TImportMuster{}, &planlauf);
    EXPECT_EQ(plan.NeueEltern.size(), Schueler);
    EXPECT_EQ(plan.NeueEltern.first(), QStringLiteral("7b: Kern0, Tom"));
}

TEST(SchuldatenLauf, AbgebrochenBleibtNichtsZuVerwenden)
{
    // Cancelled at the first report from within the records.
    TLauf* selbst = nullptr;
    TLauf lauf([&selbst](double a) {
        if (a > 0)
            selbst->Abbrechen();
    });
    selbst = &lauf;
    const TGeleseneQuelle g = LeseQuelleAusBytes(quelle(), schuelerliste(), &lauf);
    EXPECT_TRUE(lauf.Abgebrochen());
    EXPECT_FALSE(g.ok());
    EXPECT_TRUE(g.Zeilen.isEmpty());

    // Planning stops before its first step.
    const TGeleseneQuelle gelesen = LeseQuelleAusBytes(quelle(), schuelerliste());
    TLauf schonAbgebrochen;
    schonAbgebrochen.Abbrechen();
    TSprechtag tag;
    const TImportPlan plan = PlaneImport(tag, {gelesen}, TImportMuster{}, &schonAbgebrochen);
    EXPECT_TRUE(plan.Leer());
    EXPECT_TRUE(plan.Berichte.isEmpty());
}
