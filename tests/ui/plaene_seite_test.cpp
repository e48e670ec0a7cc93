// The "Zeitpläne" page: before and after a computation, the overview, the plan editor, the
// invalidation, the statistics window and the print controls.

#include "aktionen/dateiaktionen.h"
#include "dialoge/druckerwahl.h"
#include "dialoge/druckfortschritt.h"
#include "dialoge/planeditor.h"
#include "dialoge/planeinstellungen.h"
#include "fenster/rechenfenster.h"
#include "fenster/statistikfenster.h"
#include "seiten/plaeneseite.h"
#include "seiten/plaeneseite_druck.h"
#include "pdf_pruefen.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <vector>

namespace {

using Seite = TForm2::Seite;

class PlaeneSeite : public UiTest {
protected:
    /// Three teachers, four parent entries; "Dr. Ohne (R3)" is asked for by nobody,
    /// "4a: Leer" asks for nobody, and Huber refuses "2b: Krause".
    void kleinerTag()
    {
        for (const char* l : {"Huber (R1)", "Meier (R2)", "Dr. Ohne (R3)"})
            ASSERT_TRUE(tag().LehrerUebernehmen(QString::fromUtf8(l)).ok());
        for (const char* e : {"1a: Albers", "2b: Krause", "3c: Özdemir", "4a: Leer"})
            ASSERT_TRUE(tag().ElternUebernehmen(QString::fromUtf8(e)).ok());
        wunsch("1a: Albers", {"Huber (R1)", "Meier (R2)"});
        wunsch("2b: Krause", {"Huber (R1)", "Meier (R2)"});
        wunsch("3c: Özdemir", {"Meier (R2)"});
        tag().Lehrer.Suche(QStringLiteral("Huber (R1)"))->Ablehnungen << QStringLiteral("2b: Krause");
    }
    void wunsch(const char* eltern, const QStringList& lehrer)
    {
        tag().Eltern.Suche(QString::fromUtf8(eltern))->Sprechwuensche = lehrer;
    }

    /// Presses "Zeitpläne be&rechnen" and, once the progress window shows "Fertig!", "&Weiter".
    void berechne()
    {
        haupt().ZeigeSeite(Seite::Plaene);
        const QPoint platz = haupt().pos();
        finde<QPushButton>("ZeitPlanCalcBut")->click();
        TCalcForm* rechnen = programm.Rechenfenster();
        ASSERT_TRUE(rechnen->isVisible());
        ASSERT_TRUE(rechnen->Fertig());
        EXPECT_FALSE(haupt().isVisible()) << "the main window stays hidden until \"&Weiter\"";
        rechnen->WeiterBtn()->click();
        EXPECT_FALSE(rechnen->isVisible());
        EXPECT_TRUE(haupt().isVisible());
        EXPECT_EQ(haupt().pos(), platz) << "back at its old place";
    }

    QStringList zeilen(QListWidget* box)
    {
        QStringList z;
        for (int i = 0; i < box->count(); ++i)
            z << box->item(i)->text();
        return z;
    }
};

TEST_F(PlaeneSeite, VorUndNachDerBerechnung)
{
    kleinerTag();
    haupt().ZeigeSeite(Seite::Plaene);
    auto* rechnen = finde<QPushButton>("ZeitPlanCalcBut");
    EXPECT_EQ(rechnen->text(), QStringLiteral("Zeitpläne be&rechnen"));
    EXPECT_TRUE(rechnen->isDefault());
    EXPECT_TRUE(finde<QLabel>("LabelNoPlans")->isVisible());
    for (const char* versteckt : {"ZeitplanSetupBut", "StatBtn", "Zeitplanpanel"})
        EXPECT_FALSE(finde<QWidget>(versteckt)->isVisible()) << versteckt;

    berechne();
    EXPECT_TRUE(tag().PlaeneGueltig);
    EXPECT_FALSE(finde<QLabel>("LabelNoPlans")->isVisible());
    for (const char* sichtbar : {"ZeitplanSetupBut", "StatBtn", "Zeitplanpanel"})
        EXPECT_TRUE(finde<QWidget>(sichtbar)->isVisible()) << sichtbar;

    // Teacher tab first, first teacher selected and shown.
    auto* wahlL = finde<QListWidget>("WahlBoxL");
    EXPECT_EQ(zeilen(wahlL), tag().Lehrer.Namen());
    EXPECT_EQ(wahlL->currentRow(), 0);
    EXPECT_TRUE(wahlL->item(0)->isSelected());
    EXPECT_EQ(finde<QLabel>("WhosePlan")->text(), tag().Lehrer.Name(0));
    EXPECT_EQ(zeilen(finde<QListWidget>("PlanListBox")), tag().Lehrer.Record(0).Zeitplan);

    // The parents' tab shows the first parent entry's plan.
    finde<QTabWidget>("PcPlanwahl")->setCurrentIndex(1);
    EXPECT_EQ(finde<QLabel>("WhosePlan")->text(), QStringLiteral("1a: Albers"));
    const QStringList albers = tag().Eltern.Suche(QStringLiteral("1a: Albers"))->Zeitplan.Liste();
    EXPECT_EQ(albers.size(), 2);
    EXPECT_EQ(zeilen(finde<QListWidget>("PlanListBox")), albers);

    // A click on another name shows that plan.
    finde<QListWidget>("WahlBoxE")->setCurrentRow(2);
    EXPECT_EQ(finde<QLabel>("WhosePlan")->text(), QStringLiteral("3c: Özdemir"));
}

/// Calls `aktion` whenever `fenster` is shown, before it is painted.
class TBeimZeigen : public QObject {
public:
    TBeimZeigen(QWidget* fenster, std::function<void()> aktion)
        : m_aktion(std::move(aktion))
    {
        fenster->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            m_aktion();
        return false;
    }

private:
    std::function<void()> m_aktion;
};

// The progress window never opens with the previous run's figures and an active
// "&Weiter", and has the totals of this run from its first picture on.
TEST_F(PlaeneSeite, FortschrittsfensterBeginntJedenLaufLeerMitDenSummen)
{
    kleinerTag();
    TCalcForm* f = programm.Rechenfenster();
    struct Bild {
        bool fertig;
        bool weiter;
        QStringList zahlen;
        QString durchgang;
        int balken1;
        int balken2;
    };
    std::vector<Bild> bilder;
    TBeimZeigen beobachter(f, [&] {
        QStringList zahlen;
        for (const char* n : {"InsgesamtT", "UnverweigerteT", "BewilligteT", "ErteilteT"})
            zahlen << finde<QLabel>(n, f)->text();
        bilder.push_back({f->Fertig(), f->WeiterBtn()->isVisibleTo(f), zahlen, finde<QLabel>("Label1", f)->text(),
                          finde<QProgressBar>("ProgressBar1", f)->value(),
                          finde<QProgressBar>("ProgressBar2", f)->value()});
    });
    berechne();
    // One more request, so that old totals would show.
    wunsch("4a: Leer", {"Meier (R2)"});
    tag().Geaendert();
    berechne();

    const QStringList erwartet[] = {
        {QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("0")},
        {QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("0")},
    };
    ASSERT_EQ(bilder.size(), 2u);
    for (size_t i = 0; i < bilder.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_FALSE(bilder[i].fertig);
        EXPECT_FALSE(bilder[i].weiter);
        EXPECT_EQ(bilder[i].zahlen, erwartet[i]);
        EXPECT_EQ(bilder[i].durchgang, QStringLiteral("Bewilligungsdurchgang ** von **"));
        EXPECT_EQ(bilder[i].balken1, 0);
        EXPECT_EQ(bilder[i].balken2, 0);
    }
    // The run itself still ends with its own figures.
    EXPECT_EQ(finde<QLabel>("InsgesamtT", f)->text(), QStringLiteral("6"));
    EXPECT_EQ(finde<QLabel>("Label1", f)->text(), QStringLiteral("Bewilligungsdurchgang 2 von 2"));
}

TEST_F(PlaeneSeite, LeereListenMeldenUndAendernNichts)
{
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Huber")).ok());
    haupt().ZeigeSeite(Seite::Plaene);
    finde<QPushButton>("ZeitPlanCalcBut")->click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Sie müssen zuerst Lehrer und Eltern eingeben!"));
    EXPECT_FALSE(programm.Rechenfenster()->isVisible());
    EXPECT_TRUE(haupt().isVisible());
    EXPECT_FALSE(tag().PlaeneGueltig);
}

TEST_F(PlaeneSeite, FortschrittsfensterZeigtSummenUndWerBeiWem)
{
    kleinerTag();
    berechne();
    TCalcForm* f = programm.Rechenfenster();
    EXPECT_EQ(finde<QLabel>("InsgesamtT", f)->text(), QStringLiteral("5"));
    EXPECT_EQ(finde<QLabel>("UnverweigerteT", f)->text(), QStringLiteral("4"));
    EXPECT_EQ(finde<QLabel>("BewilligteT", f)->text(), QStringLiteral("4"));
    EXPECT_EQ(finde<QLabel>("Label1", f)->text(), QStringLiteral("Bewilligungsdurchgang 2 von 2"));

    // Unticked: the line disappears and keeps its last text; ticked: shown at once.
    f->show();
    auto* cb = finde<QCheckBox>("ShowWerBeiWemCb", f);
    auto* wer = finde<QLabel>("WerBeiWem", f);
    f->ZeigAn(0, 0, false, QStringLiteral("1a: Albers bei Huber (R1)"), 0, 0, 0);
    EXPECT_EQ(finde<QLabel>("Label1", f)->text(), QStringLiteral("Bewilligungsdurchgang 0 von 0"));
    EXPECT_FALSE(f->Fertig()) << "the next run hides the finished panel again";
    cb->click();
    EXPECT_FALSE(wer->isVisible());
    f->ZeigAn(1, 2, false, QStringLiteral("2b: Krause"), 0, 1, 0);
    EXPECT_EQ(wer->text(), QStringLiteral("1a: Albers bei Huber (R1)"));
    cb->click();
    EXPECT_TRUE(wer->isVisible());
    EXPECT_EQ(wer->text(), QStringLiteral("1a: Albers bei Huber (R1)"));
    f->ZeigAn(1, 2, true, QStringLiteral("Fertig"), 4, 1, 0);
    EXPECT_TRUE(f->Fertig());

    // Neither Escape nor the window's close button leave it: only "&Weiter" brings the
    // main window back.
    f->close();
    QTest::keyClick(f, Qt::Key_Escape);
    EXPECT_TRUE(f->isVisible());
    // "&Weiter" is the default button: Enter leaves.
    QTest::keyClick(f, Qt::Key_Return);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(PlaeneSeite, EditorBehaeltLehrerreihenfolgeUndSortiertElternplaene)
{
    kleinerTag();
    berechne();
    auto* bearbeiten = finde<QPushButton>("ZeitplanBearbeitenBtn");
    TPlanEditorForm* editor = programm.PlanEditor();
    auto tippe = [editor](const QString& text, bool ok) {
        BeimNaechstenDialog([=](QWidget* d) {
            ASSERT_EQ(d, editor);
            editor->PlanMemo()->setPlainText(text);
            (ok ? static_cast<QDialog*>(d)->accept() : static_cast<QDialog*>(d)->reject());
        });
    };

    const QString lehrer = tag().Lehrer.Name(0);
    const QStringList vorher = tag().Lehrer.Record(0).Zeitplan;
    tippe(QStringLiteral("17:00 Uhr: Später\n15:00 Uhr: Früher"), false);
    bearbeiten->click();
    EXPECT_EQ(tag().Lehrer.Record(0).Zeitplan, vorher) << "Abbruch changes nothing";

    tippe(QStringLiteral("17:00 Uhr: Später\n15:00 Uhr: Früher\n"), true);
    bearbeiten->click();
    const QStringList lehrerNeu = {QStringLiteral("17:00 Uhr: Später"), QStringLiteral("15:00 Uhr: Früher")};
    EXPECT_EQ(tag().Lehrer.Suche(lehrer)->Zeitplan, lehrerNeu);
    EXPECT_EQ(zeilen(finde<QListWidget>("PlanListBox")), lehrerNeu);
    EXPECT_TRUE(tag().UngespeicherteAenderungen());

    finde<QTabWidget>("PcPlanwahl")->setCurrentIndex(1);
    tippe(QStringLiteral("17:30 Uhr: Meier (R2)\n15:10 Uhr: Huber (R1)\n17:30 Uhr: Meier (R2)"), true);
    bearbeiten->click();
    const QStringList elternNeu = {QStringLiteral("15:10 Uhr: Huber (R1)"), QStringLiteral("17:30 Uhr: Meier (R2)")};
    EXPECT_EQ(tag().Eltern.Suche(QStringLiteral("1a: Albers"))->Zeitplan.Liste(), elternNeu);
    EXPECT_EQ(zeilen(finde<QListWidget>("PlanListBox")), elternNeu);
    EXPECT_TRUE(tag().PlaeneGueltig) << "editing a plan leaves the plans valid";
}

TEST_F(PlaeneSeite, UngueltigePlaeneVerschwindenBeimNaechstenBetreten)
{
    kleinerTag();
    berechne();
    tag().PlaeneGueltig = false;
    haupt().ZeigeSeite(Seite::Eltern);
    haupt().ZeigeSeite(Seite::Plaene);
    EXPECT_TRUE(finde<QLabel>("LabelNoPlans")->isVisible());
    EXPECT_FALSE(finde<QWidget>("Zeitplanpanel")->isVisible());
    EXPECT_FALSE(finde<QWidget>("StatBtn")->isVisible());
}

TEST_F(PlaeneSeite, AuswahlFolgtDemNamenNichtDerPosition)
{
    kleinerTag();
    berechne();
    // A teacher added after the overview shifts the master list; the list still shows
    // the plan of the teacher whose name is selected.
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Adam (R0)")).ok());
    auto* wahlL = finde<QListWidget>("WahlBoxL");
    wahlL->setCurrentRow(1);
    EXPECT_EQ(finde<QLabel>("WhosePlan")->text(), wahlL->item(1)->text());
    EXPECT_EQ(zeilen(finde<QListWidget>("PlanListBox")), tag().Lehrer.Suche(wahlL->item(1)->text())->Zeitplan);
}

TEST_F(PlaeneSeite, NachDemLadenMitPlaenenNeueUebersicht)
{
    kleinerTag();
    berechne();
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Adam (R0)")).ok());
    auto* wahlL = finde<QListWidget>("WahlBoxL");
    emit programm.Dateien()->geladen(false);
    EXPECT_EQ(wahlL->count(), 3) << "a file without plans leaves the overview alone";
    emit programm.Dateien()->geladen(true);
    EXPECT_EQ(zeilen(wahlL), tag().Lehrer.Namen());
    EXPECT_EQ(finde<QLabel>("WhosePlan")->text(), QStringLiteral("Adam (R0)"));
}

TEST_F(PlaeneSeite, OffeneStatistikZeigtDieNeueBerechnungErstWennSieGezaehltIst)
{
    kleinerTag();
    berechne();
    finde<QPushButton>("StatBtn")->click();
    TStatForm* stat = programm.Statistik();
    ASSERT_TRUE(stat->isVisible());
    EXPECT_EQ(finde<QLabel>("LbAbgelehnt", stat)->text(), QStringLiteral("1"));

    // Huber no longer refuses. The figures of the new run are counted on another thread;
    // until they arrive the open window must not pass off the old ones as new.
    tag().Lehrer.Suche(QStringLiteral("Huber (R1)"))->Ablehnungen.clear();
    berechne();
    auto* reiter = finde<QTabWidget>("TabbedNotebook1", stat);
    ASSERT_TRUE(stat->Ausstehend());
    EXPECT_FALSE(reiter->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!stat->Ausstehend(), 60000);
    EXPECT_TRUE(reiter->isEnabled());
    EXPECT_EQ(finde<QLabel>("LbAbgelehnt", stat)->text(), QStringLiteral("0"));
    EXPECT_EQ(finde<QLabel>("LbErteilt", stat)->text(), QStringLiteral("5"));
    EXPECT_EQ(finde<QLabel>("LbKennTermine", stat)->text(), QStringLiteral("5"));
    EXPECT_EQ(finde<QListView>("NichtErtBox", stat)->model()->rowCount(), 0);
    EXPECT_EQ(finde<QListView>("GruendeBox", stat)->model()->rowCount(), 0);
    stat->hide();
}

TEST_F(PlaeneSeite, StatistikNachDerBerechnungUndExport)
{
    kleinerTag();
    berechne();
    finde<QPushButton>("StatBtn")->click();
    TStatForm* stat = programm.Statistik();
    ASSERT_TRUE(stat->isVisible());
    const std::pair<const char*, const char*> werte[] = {
        {"LbWue", "5"}, {"LbNichtAbg", "4"}, {"LbMaxErtbar", "4"}, {"LbErteilt", "4"},
        {"LbAbgelehnt", "1"}, {"LbZeitmangel", "0"}, {"LbNichtErteilt", "1"},
        {"LbWuePerElt", "1,25"}, {"LbTermPerElt", "1,00"}, {"LbTermPerLeh", "1,33"},
    };
    for (const auto& [name, wert] : werte)
        EXPECT_EQ(finde<QLabel>(name, stat)->text(), QString::fromUtf8(wert)) << name;
    auto* liste = finde<QListView>("NichtErtBox", stat);
    ASSERT_EQ(liste->model()->rowCount(), 1);
    EXPECT_EQ(liste->model()->index(0, 0).data().toString(),
              QStringLiteral("Huber (R1)  --  2b: Krause      (abgelehnt)"));

    auto* export_ = finde<QPushButton>("ActBtn", stat);
    auto* reiter = finde<QTabWidget>("TabbedNotebook1", stat);
    EXPECT_FALSE(export_->isVisible());
    reiter->setCurrentIndex(2);
    EXPECT_TRUE(export_->isVisible());
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("offen.txt"));
    stat->SetDateiwahl([&](QWidget*) { return pfad; });
    export_->click();
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Huber (R1)  --  2b: Krause      (abgelehnt)\r\n"));
    reiter->setCurrentIndex(0);
    EXPECT_FALSE(export_->isVisible());
    stat->hide();
}

TEST_F(PlaeneSeite, EinstellungenGehenInDenTag)
{
    kleinerTag();
    berechne();
    TPlanSetupForm* setup = programm.PlanEinstellungen();
    BeimNaechstenDialog([&](QWidget* d) {
        ASSERT_EQ(d, setup);
        EXPECT_EQ(finde<QLineEdit>("Headline2", d)->text(), QStringLiteral("Elternsprechtag am XX.XX."));
        EXPECT_TRUE(finde<QRadioButton>("LehrerFmtA4", d)->isChecked());
        EXPECT_TRUE(finde<QRadioButton>("ElternFmtA6", d)->isChecked());
        EXPECT_TRUE(finde<QCheckBox>("PrintQVTnote", d)->isChecked());
        EXPECT_FALSE(finde<QCheckBox>("FreieTermAnzCb", d)->isChecked());
        finde<QLineEdit>("Headline2", d)->setText(QStringLiteral("Elternsprechtag am 12.03."));
        finde<QRadioButton>("LehrerFmtA6", d)->setChecked(true);
        finde<QCheckBox>("FreieTermAnzCb", d)->setChecked(true);
        finde<QLineEdit>("SchulNameEdit", d)->setText(QStringLiteral("Gesamtschule Süd"));
        static_cast<QDialog*>(d)->accept();
    });
    const QStringList vorher = tag().Lehrer.Record(0).Zeitplan;
    finde<QPushButton>("ZeitplanSetupBut")->click();
    EXPECT_EQ(tag().Plan.Headline2, QStringLiteral("Elternsprechtag am 12.03."));
    EXPECT_EQ(tag().Plan.LehrerFmt, TPlanEinstellungen::FormatA6);
    EXPECT_TRUE(tag().FreieTermineAnzeigen);
    EXPECT_EQ(tag().Lehrer.Record(0).Zeitplan, vorher) << "free slots show only after the next computation";
    EXPECT_EQ(programm.SchulName(), QStringLiteral("Gesamtschule Süd"));
}

TEST_F(PlaeneSeite, DruckoptionenUndAusgewaehltePlaene)
{
    kleinerTag();
    berechne();
    auto* optBtn = finde<QPushButton>("DruckOptBtn");
    EXPECT_EQ(optBtn->text(), QStringLiteral("Druck&optionen zeigen"));
    EXPECT_FALSE(finde<QWidget>("RadioButton1")->isVisible());
    optBtn->click();
    EXPECT_EQ(optBtn->text(), QStringLiteral("Druck&optionen ausblenden"));
    EXPECT_TRUE(finde<QWidget>("RadioButton1")->isVisible());
    EXPECT_TRUE(finde<QRadioButton>("RadioButton5")->isChecked());
    EXPECT_TRUE(finde<QCheckBox>("SkipElternOhneWunsch")->isChecked());
    EXPECT_FALSE(finde<QCheckBox>("SkipElternOhneTerm")->isChecked());
    EXPECT_TRUE(finde<QCheckBox>("SkipLehrerOhneTerm")->isChecked());

    TPlaeneSeite* seite = haupt().Plaene();
    // Defaults: every teacher with a plan on a page of its own, then the parent entries
    // with requests, three quarters of one sheet.
    const auto alle = PlaneDruckauftrag(tag(), seite->DruckOptionen());
    EXPECT_EQ(alle.size(), 2u + 3u);
    EXPECT_EQ(AnzahlSeiten(alle, TPlanTexte::Aus(tag().Plan, QString())), 3);

    // Selected plans: only the visible tab counts, top to bottom.
    finde<QRadioButton>("RadioButton1")->setChecked(true);
    auto* wahlL = finde<QListWidget>("WahlBoxL");
    wahlL->item(1)->setSelected(true); // teachers selected on the other tab do not count
    finde<QTabWidget>("PcPlanwahl")->setCurrentIndex(1);
    auto* wahlE = finde<QListWidget>("WahlBoxE");
    wahlE->clearSelection();
    wahlE->item(3)->setSelected(true);
    wahlE->item(2)->setSelected(true);
    wahlE->item(0)->setSelected(true);
    const auto auftrag = PlaneDruckauftrag(tag(), seite->DruckOptionen());
    ASSERT_EQ(auftrag.size(), 2u) << "\"4a: Leer\" has no requests and is left out";
    EXPECT_EQ(auftrag[0].name, QStringLiteral("1a: Albers"));
    EXPECT_EQ(auftrag[1].name, QStringLiteral("3c: Özdemir"));
    EXPECT_TRUE(auftrag[0].erster);
    EXPECT_TRUE(auftrag[0].mitEinleitung);
    finde<QCheckBox>("SkipElternOhneWunsch")->setChecked(false);
    EXPECT_EQ(PlaneDruckauftrag(tag(), seite->DruckOptionen()).size(), 3u);
    optBtn->click();
    EXPECT_EQ(optBtn->text(), QStringLiteral("Druck&optionen zeigen"));
}

TEST_F(PlaeneSeite, DruckenGehtDurchDenDruckdialog)
{
    kleinerTag();
    berechne();
    tag().Plan.Headline2 = QStringLiteral("Elternsprechtag am 12.03."); // not the shipped one: no question
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plaene.pdf"));
    int gefragt = 0;
    bool bestaetigen = false;
    programm.DruckerWahl()->SetWahl([&](QPrinter& drucker, QWidget*) {
        ++gefragt;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return bestaetigen;
    });
    auto* drucken = finde<QPushButton>("BitBtn6");
    drucken->click();
    EXPECT_EQ(gefragt, 1);
    EXPECT_FALSE(QFile::exists(pdf)) << "a cancelled print dialog prints nothing";
    bestaetigen = true;
    drucken->click();
    // Printing into a file says where the file is.
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
    EXPECT_EQ(meldungen[0].text, QStringLiteral("Die Zeitpläne wurden in die PDF-Datei „%1“ geschrieben.")
                                     .arg(QFileInfo(pdf).absoluteFilePath()));
    // Default options: "Dr. Ohne" (nobody wants him) and "4a: Leer" (no request) are left
    // out; two teachers on A4, then the three families on one quarter sheet.
    ASSERT_EQ(PdfPruefen::Seiten(pdf), 3);
    EXPECT_TRUE(PdfPruefen::Text(pdf, 1).contains(QStringLiteral("Huber (R1)")));
    EXPECT_TRUE(PdfPruefen::Text(pdf, 2).contains(QStringLiteral("Meier (R2)")));
    const QString familien = PdfPruefen::Text(pdf, 3);
    for (const char* e : {"1a: Albers", "2b: Krause", "3c: Özdemir"})
        EXPECT_TRUE(familien.contains(QString::fromUtf8(e))) << e;
    EXPECT_FALSE(PdfPruefen::Text(pdf).contains(QStringLiteral("Dr. Ohne")));
    EXPECT_FALSE(PdfPruefen::Text(pdf).contains(QStringLiteral("4a: Leer")));
}

// The job shows its progress in German and "Abbrechen" stops it: the printer's job is
// aborted, a PDF file keeps its old content, and no message claims it was written.
TEST_F(PlaeneSeite, DruckZeigtFortschrittUndLaesstSichAbbrechen)
{
    kleinerTag();
    berechne();
    tag().Plan.Headline2 = QStringLiteral("Elternsprechtag am 12.03."); // not the shipped one: no question
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plaene.pdf"));
    {
        QFile alt(pdf);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    programm.DruckerWahl()->SetWahl([&](QPrinter& drucker, QWidget*) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    });
    QStringList gesehen;
    {
        TDruckAbbruchNach abbruch(1);
        finde<QPushButton>("BitBtn6")->click();
        gesehen = abbruch.gesehen;
    }
    // Two teachers and three families are printed; the job stopped after the first plan.
    EXPECT_EQ(gesehen, (QStringList{QStringLiteral("Zeitplan 1 von 5 wird gedruckt …"),
                                    QStringLiteral("Zeitplan 2 von 5 wird gedruckt …")}));
    EXPECT_TRUE(meldungen.empty());
    QFile alt(pdf);
    ASSERT_TRUE(alt.open(QIODevice::ReadOnly));
    EXPECT_EQ(alt.readAll(), QByteArray("alt"));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == QStringLiteral("DruckFortschritt") && w->isVisible()) << "closed again";
}

TEST_F(PlaeneSeite, BeiKleinstemFensterUndOffenenOptionenBleibtAllesErreichbar)
{
    kleinerTag();
    berechne();
    haupt().resize(haupt().minimumSize());
    finde<QPushButton>("DruckOptBtn")->click();
    QApplication::processEvents();
    ASSERT_EQ(haupt().size(), haupt().minimumSize());
    // Nothing on the page needs scrolling: the lists give up height for the options.
    auto* rolle = haupt().Plaene()->findChild<QScrollArea*>(QStringLiteral("SeitenRollbereich"));
    ASSERT_NE(rolle, nullptr);
    EXPECT_EQ(rolle->verticalScrollBar()->maximum(), 0);
    const QRect sichtbar = rolle->viewport()->rect();
    QStringList verdeckt;
    for (QWidget* w : haupt().Plaene()->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || w->inherits("QScrollBar"))
            continue;
        const QRect r(w->mapTo(&haupt(), QPoint(0, 0)), w->size());
        const bool imFenster = haupt().rect().contains(r);
        const bool imRollbereich = !rolle->isAncestorOf(w) || sichtbar.contains(QRect(w->mapTo(rolle->viewport(), QPoint(0, 0)), w->size()));
        if (!imFenster || !imRollbereich)
            verdeckt << w->objectName();
    }
    EXPECT_EQ(verdeckt.join(QLatin1Char(' ')).toStdString(), "");
    // The actions on the plans lie outside the scrolling part.
    for (const char* knopf : {"DruckOptBtn", "BitBtn6", "DruckVorschauBtn", "ZeitplanBearbeitenBtn"})
        EXPECT_FALSE(rolle->isAncestorOf(finde<QWidget>(knopf))) << knopf;
}

TEST_F(PlaeneSeite, AuswahlfeldBreiteFolgtDerSeite)
{
    kleinerTag();
    berechne();
    TPlaeneSeite* seite = haupt().Plaene();
    for (int breite : {760, 900, 1000}) {
        haupt().resize(breite, 560);
        QApplication::processEvents();
        EXPECT_EQ(finde<QWidget>("PanelPlanwahl")->width(), (seite->width() - 219) / 2 - 5) << breite;
    }
}

} // namespace

namespace {

TEST_F(PlaeneSeite, FertigBlinktUndDieFigurenRuhen)
{
    kleinerTag();
    berechne();
    TCalcForm* f = programm.Rechenfenster();
    f->show();
    f->ZeigAn(1, 2, false, QStringLiteral("2b: Krause"), 0, 1, 0);
    // While the run goes on, the two figures take turns.
    bool eins = false, zwei = false;
    for (int i = 0; i < 110; ++i) {
        f->AnimTimerTimer();
        eins |= finde<QLabel>("Person1", f)->isVisible();
        zwei |= finde<QLabel>("Person2", f)->isVisible();
    }
    EXPECT_TRUE(eins && zwei);

    f->ZeigAn(2, 2, true, QStringLiteral("Fertig"), 4, 4, 4);
    auto* fertig = finde<QLabel>("FertigLabel", f);
    const bool vorher = fertig->isVisible();
    f->BlinkTimerTimer();
    EXPECT_NE(fertig->isVisible(), vorher);
    f->BlinkTimerTimer();
    EXPECT_EQ(fertig->isVisible(), vorher);
    f->AnimTimerTimer();
    EXPECT_FALSE(finde<QLabel>("Person1", f)->isVisible());
    EXPECT_FALSE(finde<QLabel>("Person2", f)->isVisible());

    f->SpeedButton1Click();
    EXPECT_TRUE(f->windowState() & Qt::WindowMinimized);
    QTest::keyClick(f, Qt::Key_Return);
}

} // namespace
