// Printing with the shipped heading "Elternsprechtag am XX.XX." or the shipped letter of
// the preview lists asks first, once per run; where the appointment export knows the date,
// the question offers it as the heading.
#include "dialoge/druckerwahl.h"
#include "dialoge/terminexport.h"
#include "dialoge/vorschauspeicherdialog.h"
#include "pdf_pruefen.h"
#include "seiten/plaeneseite.h"
#include "seiten/vorschauseite.h"
#include "ui_hilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

const QString Frage = S("Die Überschrift ist noch die Vorlage „Elternsprechtag am XX.XX.“. Trotzdem drucken?");

class Vorlagenfrage : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(tag().LehrerUebernehmen(S("Huber (R1)")).ok());
        ASSERT_TRUE(tag().ElternUebernehmen(S("1a: Albers")).ok());
        tag().Eltern.Suche(S("1a: Albers"))->Sprechwuensche = {S("Huber (R1)")};
        berechneUndWeiter();
        ASSERT_TRUE(tag().PlaeneGueltig);
        programm.DruckerWahl()->SetWahl([this](QPrinter& drucker, QWidget*) {
            ++gedruckt;
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            return true;
        });
    }

    void planeDrucken() { finde<QPushButton>("BitBtn6")->click(); }
    void tuerlistenDrucken()
    {
        auto* menue = finde<QMenu>("TuerlistenMenue");
        emit menue->aboutToShow();
        finde<QAction>("TuerlistenAlleDrucken", menue)->trigger();
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plaene.pdf"));
    int gedruckt = 0;
};

TEST_F(Vorlagenfrage, NeinDrucktNichtsJaDrucktUndFragtNichtWieder)
{
    antwort = Meldung::Antwort::Nein;
    planeDrucken();
    tuerlistenDrucken();
    ASSERT_EQ(meldungen.size(), 2u);
    for (const TGefangeneMeldung& m : meldungen) {
        EXPECT_EQ(m.art, Meldung::Art::Frage);
        EXPECT_EQ(m.text, Frage);
    }
    EXPECT_EQ(gedruckt, 0) << "not even the print dialog";
    EXPECT_FALSE(QFile::exists(pdf));

    meldungen.clear();
    antwort = Meldung::Antwort::Ja;
    planeDrucken();
    EXPECT_EQ(gedruckt, 1);
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].text, Frage);
    EXPECT_EQ(meldungen[1].art, Meldung::Art::Information) << "where the PDF went";
    EXPECT_TRUE(PdfPruefen::Text(pdf).contains(S("Elternsprechtag am XX.XX.")));

    // Asked once per run: plans and door sheets print from now on without a question.
    meldungen.clear();
    planeDrucken();
    tuerlistenDrucken();
    EXPECT_EQ(gedruckt, 3);
    for (const TGefangeneMeldung& m : meldungen)
        EXPECT_EQ(m.art, Meldung::Art::Information) << m.text.toStdString();
}

TEST_F(Vorlagenfrage, BekanntesDatumWirdZurUeberschrift)
{
    programm.TermineDialog()->SetDatum(QDate(2027, 3, 11));
    tag().AlsGespeichertMarkieren();

    // Cancel: nothing printed, nothing changed.
    antwort = Meldung::Antwort::Abbrechen;
    tuerlistenDrucken();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::FrageMitAbbruch);
    EXPECT_EQ(meldungen[0].text,
              Frage + S("\r\rDas Datum des Terminexports ist bekannt. Mit „Überschrift einsetzen“ lautet die Überschrift "
                        "„Elternsprechtag am Donnerstag, 11.03.2027“ (in den Zeitplan-Einstellungen zu ändern)."));
    EXPECT_EQ(gedruckt, 0);
    EXPECT_EQ(tag().Plan.Headline2, S("Elternsprechtag am XX.XX."));
    EXPECT_FALSE(tag().UngespeicherteAenderungen());

    // "Überschrift einsetzen" (the second button): the date is the heading, on paper and in
    // the day, and there is nothing left to ask about.
    meldungen.clear();
    antwort = Meldung::Antwort::Nein;
    tuerlistenDrucken();
    EXPECT_EQ(gedruckt, 1);
    EXPECT_EQ(tag().Plan.Headline2, S("Elternsprechtag am Donnerstag, 11.03.2027"));
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    EXPECT_TRUE(PdfPruefen::Text(pdf).contains(S("Elternsprechtag am Donnerstag, 11.03.2027")));
    EXPECT_FALSE(PdfPruefen::Text(pdf).contains(S("XX.XX")));
    meldungen.clear();
    planeDrucken();
    EXPECT_EQ(gedruckt, 2);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
}

TEST_F(Vorlagenfrage, AnschreibenDerVorschaulisten)
{
    const QString liste = dir.filePath(QStringLiteral("vorschau.txt"));
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    haupt().Vorschau()->SetDateiwahl([&](QWidget*, const QString&) { return liste; });
    const auto erzeugen = [&] {
        BeimNaechstenDialog([](QWidget* d) {
            auto* form = qobject_cast<TPreviewStoreForm*>(d);
            form->CheckBox1()->setChecked(true);
            form->CheckBox2()->setChecked(false);
            form->accept();
        });
        finde<QPushButton>("MakePreviewsBtn")->click();
    };
    tag().Vorschau.Gewuenscht = true;
    haupt().ZeigeSeite(TForm2::Seite::Vorgaben);
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);

    antwort = Meldung::Antwort::Nein;
    finde<QPushButton>("MakePreviewsBtn")->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Frage);
    EXPECT_EQ(meldungen[0].text, S("Das Anschreiben der Vorschaulisten enthält noch Text der Vorlage: „bis Mittwoch, den "
                                   "11.2.“, „gez. Tornquell“. Trotzdem erzeugen?"));
    EXPECT_FALSE(QFile::exists(liste));

    meldungen.clear();
    antwort = Meldung::Antwort::Ja;
    erzeugen();
    EXPECT_TRUE(QFile::exists(liste));
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Frage);
    EXPECT_EQ(meldungen[1].art, Meldung::Art::Information);

    meldungen.clear();
    erzeugen();
    ASSERT_EQ(meldungen.size(), 1u) << "asked once per run";
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
}

} // namespace
