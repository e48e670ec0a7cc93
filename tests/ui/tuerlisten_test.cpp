// Door sheets from the "Zeitpläne" page: the menu goes through the print dialog the plans
// use, for all teachers or for those selected in the teachers' list.
#include "dialoge/druckerwahl.h"
#include "fenster/rechenfenster.h"
#include "pdf_pruefen.h"
#include "seiten/plaeneseite.h"
#include "ui_hilfen.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class Tuerlisten : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        for (const char* l : {"Huber (R1)", "Meier (R2)", "Dr. Ohne (R3)"})
            ASSERT_TRUE(tag().LehrerUebernehmen(QString::fromUtf8(l)).ok());
        for (const char* e : {"1a: Albers", "3c: Özdemir"})
            ASSERT_TRUE(tag().ElternUebernehmen(QString::fromUtf8(e)).ok());
        tag().Eltern.Suche(QStringLiteral("1a: Albers"))->Sprechwuensche = {QStringLiteral("Huber (R1)")};
        tag().Eltern.Suche(QStringLiteral("3c: Özdemir"))->Sprechwuensche = {QStringLiteral("Meier (R2)")};
        berechneUndWeiter();
        ASSERT_TRUE(tag().PlaeneGueltig);
        // A school's own heading: the question before the shipped one is not these tests'.
        tag().Plan.Headline2 = QStringLiteral("Elternsprechtag am 12.03.");
    }

    /// Opens the menu's content as the user would see it and triggers one entry.
    QAction* eintrag(const char* name)
    {
        auto* menue = finde<QMenu>("TuerlistenMenue");
        emit menue->aboutToShow();
        return finde<QAction>(name, menue);
    }

    QString pdfNachDruck(const char* aktion, bool bestaetigen)
    {
        const QString pdf = dir.filePath(QStringLiteral("tuer.pdf"));
        programm.DruckerWahl()->SetWahl([&](QPrinter& drucker, QWidget*) {
            ++gefragt;
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            return bestaetigen;
        });
        eintrag(aktion)->trigger();
        return pdf;
    }

    QTemporaryDir dir;
    int gefragt = 0;
};

} // namespace

TEST_F(Tuerlisten, AlleLehrerEineSeiteJe)
{
    const QString pdf = pdfNachDruck("TuerlistenAlleDrucken", true);
    EXPECT_EQ(gefragt, 1);
    // Printing into a file says where the file is, as for the plans.
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Die Türlisten wurden in die PDF-Datei „%1“ geschrieben.")
                                     .arg(QFileInfo(pdf).absoluteFilePath()));
    ASSERT_EQ(PdfPruefen::Seiten(pdf), 3);
    // List order: "Dr. Ohne" sorts first; nobody wants him, his slots are all free.
    EXPECT_TRUE(PdfPruefen::Text(pdf, 1).contains(QStringLiteral("Raum R3")));
    EXPECT_FALSE(PdfPruefen::Text(pdf, 1).contains(QStringLiteral("1a: Albers")));
    EXPECT_TRUE(PdfPruefen::Text(pdf, 2).contains(QStringLiteral("1a: Albers")));
    EXPECT_TRUE(PdfPruefen::Text(pdf, 3).contains(QStringLiteral("3c: Özdemir")));
    EXPECT_TRUE(PdfPruefen::Text(pdf).contains(QStringLiteral("Stand: ")));
}

TEST_F(Tuerlisten, NurAusgewaehlteUndAbbruchDruecktNichts)
{
    auto* wahl = finde<QListWidget>("WahlBoxL");
    wahl->clearSelection();
    EXPECT_FALSE(eintrag("TuerlistenAuswahlDrucken")->isEnabled()) << "nothing selected";
    wahl->item(2)->setSelected(true); // Meier (R2)
    EXPECT_EQ(eintrag("TuerlistenAuswahlDrucken")->text(), QStringLiteral("A&usgewählte Lehrer drucken (1) …"));

    const QString abgebrochen = pdfNachDruck("TuerlistenAuswahlDrucken", false);
    EXPECT_EQ(gefragt, 1);
    EXPECT_FALSE(QFile::exists(abgebrochen)) << "a cancelled print dialog prints nothing";

    const QString pdf = pdfNachDruck("TuerlistenAuswahlDrucken", true);
    ASSERT_EQ(PdfPruefen::Seiten(pdf), 1);
    EXPECT_TRUE(PdfPruefen::Text(pdf).contains(QStringLiteral("Raum R2")));
    EXPECT_EQ(meldungen.size(), 1u) << "only the message where the file is";
}

// The job shows its progress page by page, and "Abbrechen" stops it: an existing PDF file
// keeps its old content and no message claims it was written.
TEST_F(Tuerlisten, DruckZeigtFortschrittUndLaesstSichAbbrechen)
{
    const QString pdf = dir.filePath(QStringLiteral("tuer.pdf"));
    {
        QFile alt(pdf);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    QStringList gesehen;
    {
        TDruckAbbruchNach abbruch(1);
        pdfNachDruck("TuerlistenAlleDrucken", true);
        gesehen = abbruch.gesehen;
    }
    EXPECT_EQ(gesehen, (QStringList{QStringLiteral("Seite 1 von 3 wird gedruckt …"),
                                    QStringLiteral("Seite 2 von 3 wird gedruckt …")}));
    EXPECT_TRUE(meldungen.empty());
    QFile alt(pdf);
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("alt"));
}

TEST_F(Tuerlisten, NurBeiGueltigenPlaenen)
{
    auto* knopf = finde<QPushButton>("TuerlistenBtn");
    EXPECT_TRUE(knopf->isVisibleTo(&haupt()));
    tag().PlaeneGueltig = false;
    haupt().Plaene()->CheckZplPageVis();
    EXPECT_FALSE(knopf->isVisibleTo(&haupt()));
}

TEST_F(Tuerlisten, VorschauZeigtEineSeiteJeLehrkraft)
{
    int seiten = -1;
    QString titel;
    BeimNaechstenDialog([&](QWidget* d) {
        titel = d->windowTitle();
        if (auto* vorschau = d->findChild<QPrintPreviewWidget*>())
            seiten = vorschau->pageCount();
        qobject_cast<QDialog*>(d)->reject();
    });
    eintrag("TuerlistenAlleVorschau")->trigger();
    EXPECT_EQ(titel, QStringLiteral("Türlisten – Vorschau"));
    EXPECT_EQ(seiten, 3);
    EXPECT_TRUE(meldungen.empty());
}

// The preview's own printer button prints the way the menu does: through the print dialog,
// with the same message where the PDF file is (for the plans' preview as well).
TEST_F(Tuerlisten, DruckknopfDerVorschauMeldetDiePdfDatei)
{
    const QString pdf = dir.filePath(QStringLiteral("aus_vorschau.pdf"));
    programm.DruckerWahl()->SetWahl([&](QPrinter& drucker, QWidget*) {
        ++gefragt;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    });
    const auto druckknopf = [](QWidget* d) {
        const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
        for (QAction* a : d->findChildren<QAction*>())
            if (a->text() == text)
                return a;
        return static_cast<QAction*>(nullptr);
    };
    struct Weg {
        const char* name;
        std::function<void()> oeffnen;
        QString meldung;
        int seiten;
    };
    const Weg wege[] = {
        {"Türlisten", [&] { eintrag("TuerlistenAlleVorschau")->trigger(); },
         QStringLiteral("Die Türlisten wurden in die PDF-Datei „%1“ geschrieben."), 3},
        {"Zeitpläne", [&] { finde<QPushButton>("DruckVorschauBtn")->click(); },
         QStringLiteral("Die Zeitpläne wurden in die PDF-Datei „%1“ geschrieben."), -1},
    };
    for (const Weg& w : wege) {
        SCOPED_TRACE(w.name);
        meldungen.clear();
        QFile::remove(pdf);
        gefragt = 0;
        BeimNaechstenDialog([&](QWidget* d) {
            QAction* drucken = druckknopf(d);
            ASSERT_NE(drucken, nullptr);
            drucken->trigger();
        });
        w.oeffnen();
        EXPECT_EQ(gefragt, 1) << "the program's print dialog";
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
        EXPECT_EQ(meldungen[0].text, w.meldung.arg(QFileInfo(pdf).absoluteFilePath()));
        if (w.seiten > 0)
            EXPECT_EQ(PdfPruefen::Seiten(pdf), w.seiten);
        else
            EXPECT_GT(PdfPruefen::Seiten(pdf), 0);
    }
}
