// A joint talk of siblings on paper: the teacher's plan and door sheet print the line
// naming both children as it stands, the door sheet marks it invited when the teacher
// invited either child, and the parents' plans keep their own lines.
#include "druckauftrag.h"
#include "pdf_pruefen.h"
#include "tuerdrucker.h"
#include "tuerliste.h"

#include "bearbeiten/vorrang.h"
#include "model/sprechtag.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Abel = QStringLiteral("Abel (7)");
const QString Tim = QStringLiteral("5a: Weber-Schmidt, Maximilian");
const QString Anna = QStringLiteral("7b: Weber-Schmidt, Annabelle");
const QString Gemeinsam = QStringLiteral("15:00 Uhr: 5a: Weber-Schmidt, Maximilian / 7b: Weber-Schmidt, Annabelle");

void Tag(TSprechtag& tag, bool eingeladen)
{
    tag.SetSprechStart(Zeit::Kodiere(15, 0));
    tag.SetSprechEnde(Zeit::Kodiere(15, 20));
    tag.SetSprechTakt(10);
    tag.LehrerUebernehmen(Abel);
    for (const QString& n : {Tim, Anna}) {
        tag.ElternUebernehmen(n);
        tag.Eltern.Suche(n)->Sprechwuensche = {Abel};
        tag.Eltern.Suche(n)->Zeitplan.Setze({QStringLiteral("15:00 Uhr: Abel (7)")});
    }
    tag.Eltern.Suche(Tim)->Geschwister.Hinzufuegen(Anna);
    tag.Eltern.Suche(Anna)->Geschwister.Hinzufuegen(Tim);
    tag.Lehrer.Suche(Abel)->Zeitplan = {Gemeinsam};
    tag.GemeinsameGespraeche = true;
    if (eingeladen)
        PrioritaetSetzen(tag, Anna, Abel, TPrioritaet::Einladung);
    tag.PlaeneGueltig = true;
}

TEST(GemeinsamDruck, TuerlisteNenntBeideUndMarkiertDieEinladung)
{
    for (const bool eingeladen : {false, true}) {
        TSprechtag tag;
        Tag(tag, eingeladen);
        const std::vector<TTuerZeile> zeilen = TuerZeilen(tag, *tag.Lehrer.Suche(Abel));
        ASSERT_EQ(zeilen.size(), 2u);
        EXPECT_EQ(zeilen[0].zeit, QStringLiteral("15:00"));
        EXPECT_EQ(zeilen[0].text, QStringLiteral("5a: Weber-Schmidt, Maximilian / 7b: Weber-Schmidt, Annabelle")
                                      + (eingeladen ? QStringLiteral(" (Einladung)") : QString()))
            << eingeladen;

        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("tuer.pdf"));
        TTuerTexte t;
        t.Stand = QDateTime(QDate(2026, 12, 10), QTime(15, 0), Qt::UTC);
        const auto fehler = TuerlistenAlsPdf(pfad, tag, {Abel}, t);
        ASSERT_FALSE(fehler.has_value()) << fehler->toStdString();
        const QString text = PdfPruefen::Text(pfad, 1).simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("5a: Weber-Schmidt, Maximilian / 7b: Weber-Schmidt, Annabelle")))
            << text.toStdString();
    }
}

TEST(GemeinsamDruck, LehrerplanInBeidenFormatenUndElternplaeneMitEigenerZeile)
{
    for (const int format : {TPlanEinstellungen::FormatA4, TPlanEinstellungen::FormatA6}) {
        TSprechtag tag;
        Tag(tag, false);
        tag.Plan.LehrerFmt = format;
        TDruckOptionen opt;
        const std::vector<TPlanAuftrag> plaene = PlaneDruckauftrag(tag, opt);
        ASSERT_EQ(plaene.size(), 3u);
        EXPECT_EQ(plaene[0].zeilen, QStringList{Gemeinsam});
        EXPECT_EQ(plaene[1].zeilen, QStringList{QStringLiteral("15:00 Uhr: Abel (7)")});
        EXPECT_EQ(plaene[2].zeilen, QStringList{QStringLiteral("15:00 Uhr: Abel (7)")});

        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("plaene.pdf"));
        const auto fehler = PlaeneAlsPdf(pfad, tag, opt, TPlanTexte::Aus(tag.Plan, QStringLiteral("Schule")));
        ASSERT_FALSE(fehler.has_value()) << fehler->toStdString();
        // The line is squeezed into the box if need be, never cut.
        const QString text = PdfPruefen::Text(pfad, 1).simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("Weber-Schmidt, Maximilian / 7b: Weber-Schmidt, Annabelle")))
            << format << text.toStdString();
    }
}

} // namespace
