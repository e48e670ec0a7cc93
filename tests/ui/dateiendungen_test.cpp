// Every file the program writes through a file dialog gets the filter's extension when the
// user types a name without one ("liste" -> "liste.txt"); a name with its own extension is
// written as typed.
#include "aktionen/dateiaktionen.h"
#include "dialoge/druckerwahl.h"
#include "dialoge/vorschauspeicherdialog.h"
#include "fenster/statistikfenster.h"
#include "gemeinsam/dateiwahl.h"
#include "seiten/vorschauseite.h"
#include "ui_hilfen.h"

#include <QCheckBox>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

struct TSchreibweg {
    const char* name;
    const char* endung;
    /// Writes through the program's own dialog path; the "dialog" answers `pfad`.
    std::function<void(UiTest&, TProgramm&, const QString& pfad)> schreiben;
};

class Dateiendungen : public UiTest, public testing::WithParamInterface<TSchreibweg> {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Huber")).ok());
        ASSERT_TRUE(tag().ElternUebernehmen(QStringLiteral("1a: Albers")).ok());
        tag().Eltern.Record(0).Sprechwuensche << QStringLiteral("Huber");
        tag().Vorschau.Gewuenscht = true;
    }
    void TearDown() override
    {
        Dateiwahl::SetAbfang({});
        UiTest::TearDown();
    }
    QStringList dateien() const { return QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir ordner;
};

const TSchreibweg wege[] = {
    {"Datendatei", "qvt", [](UiTest&, TProgramm& p, const QString& pfad) {
         Dateiwahl::SetAbfang([pfad](const Dateiwahl::TAnfrage&) { return pfad; });
         BeimNaechstenDialog([](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click(); });
         p.Dateien()->SaveIt();
     }},
    {"Vorschauliste", "txt", [](UiTest&, TProgramm& p, const QString& pfad) {
         p.Hauptfenster()->ZeigeSeite(TForm2::Seite::Vorschau);
         p.Hauptfenster()->Vorschau()->SetDateiwahl([pfad](QWidget*, const QString&) { return pfad; });
         BeimNaechstenDialog([](QWidget* d) {
             auto* form = qobject_cast<TPreviewStoreForm*>(d);
             form->CheckBox1()->setChecked(true);
             form->CheckBox2()->setChecked(false);
             form->accept();
         });
         p.Hauptfenster()->findChild<QPushButton*>(QStringLiteral("MakePreviewsBtn"))->click();
     }},
    {"Statistik", "txt", [](UiTest&, TProgramm& p, const QString& pfad) {
         TStatForm* stat = p.Statistik();
         stat->SetDateiwahl([pfad](QWidget*) { return pfad; });
         stat->show();
         stat->findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"))->setCurrentIndex(2);
         stat->findChild<QPushButton*>(QStringLiteral("ActBtn"))->click();
         stat->hide();
     }},
    {"DruckInPdf", "pdf", [](UiTest&, TProgramm& p, const QString& pfad) {
         p.DruckerWahl()->SetWahl([pfad](QPrinter& drucker, QWidget*) {
             drucker.setOutputFormat(QPrinter::PdfFormat);
             drucker.setOutputFileName(pfad);
             return true;
         });
         p.Hauptfenster()->ZeigeSeite(TForm2::Seite::Vorschau);
         p.Hauptfenster()->Vorschau()->SetDateiwahl([](QWidget*, const QString&) { return QString(); });
         BeimNaechstenDialog([](QWidget* d) {
             auto* form = qobject_cast<TPreviewStoreForm*>(d);
             form->CheckBox1()->setChecked(false);
             form->CheckBox2()->setChecked(true);
             form->accept();
         });
         p.Hauptfenster()->findChild<QPushButton*>(QStringLiteral("MakePreviewsBtn"))->click();
     }},
};

TEST_P(Dateiendungen, NameOhneEndungBekommtDieDesFilters)
{
    const TSchreibweg& w = GetParam();
    GetParam().schreiben(*this, programm, ordner.filePath(QStringLiteral("liste")));
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("liste.") + QString::fromUtf8(w.endung)});
    for (const TGefangeneMeldung& m : meldungen)
        EXPECT_NE(m.art, Meldung::Art::Fehler) << m.text.toStdString();
}

TEST_P(Dateiendungen, EigeneEndungBleibt)
{
    GetParam().schreiben(*this, programm, ordner.filePath(QStringLiteral("liste.dat")));
    EXPECT_EQ(dateien(), QStringList{QStringLiteral("liste.dat")});
}

INSTANTIATE_TEST_SUITE_P(Schreibwege, Dateiendungen, testing::ValuesIn(wege),
                         [](const testing::TestParamInfo<TSchreibweg>& i) { return std::string(i.param.name); });

} // namespace
