// The "Vorschau" page: the capacity preview labels, the letter panel bound to "Ja"/"Nein",
// and "&Erzeugen" with its dialogs and messages.

#include "dialoge/druckerwahl.h"
#include "dialoge/vorschauspeicherdialog.h"
#include "seiten/vorschauseite.h"
#include "pdf_pruefen.h"
#include "ui_hilfen.h"
#include "vorschau/vorschauliste.h"
#include "bearbeiten/lehrerzeiten.h"
#include "dialoge/wartefenster.h"
#include "gemeinsam/relationsliste.h"
#include "seiten/elternseite.h"
#include "seiten/elterntabs.h"
#include "zeit/zeit.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>

namespace {

using Seite = TForm2::Seite;

class VorschauSeite : public UiTest {
protected:
    QString text(const char* name) { return finde<QLabel>(name)->text(); }

    /// "&Erzeugen" with the output dialog answered: file and/or printer box, then OK.
    void erzeugen(bool datei, bool drucken, bool ok = true)
    {
        BeimNaechstenDialog([=](QWidget* d) {
            auto* form = qobject_cast<TPreviewStoreForm*>(d);
            ASSERT_NE(form, nullptr);
            form->CheckBox1()->setChecked(datei);
            form->CheckBox2()->setChecked(drucken);
            ok ? form->accept() : form->reject();
        });
        finde<QPushButton>("MakePreviewsBtn")->click();
    }

    /// A letter of the school's own: the shipped one asks before it goes out.
    void eigenerBrief()
    {
        tag().Vorschau.Brief = {QStringLiteral("Liebe Kolleginnen und Kollegen,"), QStringLiteral("%D Termine."),
                                QStringLiteral("gez. Albers")};
    }

    /// Huber has 18 slots (15:00 to 18:00, 10 minutes) and 20 requests; five colleagues
    /// L1..L5 with 16 requests each are within capacity: 100 requests, 2 of them unmet.
    void huberUeberbucht()
    {
        const QStringList lehrer = {"Huber", "L1", "L2", "L3", "L4", "L5"};
        for (const QString& l : lehrer)
            ASSERT_TRUE(tag().LehrerUebernehmen(l).ok());
        for (int i = 0; i < 80; ++i) {
            const QString name = QStringLiteral("5a: Familie %1").arg(i, 2, 10, QLatin1Char('0'));
            ASSERT_TRUE(tag().ElternUebernehmen(name).ok());
            TEltern& e = *tag().Eltern.Suche(name);
            if (i < 20)
                e.Sprechwuensche << QStringLiteral("Huber");
            e.Sprechwuensche << lehrer[1 + i % 5];
        }
    }
};

TEST_F(VorschauSeite, KapazitaetEinesKleinenTags)
{
    huberUeberbucht();
    haupt().ZeigeSeite(Seite::Vorschau);
    EXPECT_EQ(text("Label3"), QStringLiteral("Die Anzahl der Sprechwünsche wurde mit der tatsächlich verfügbaren Sprechzeit "
                                             "verglichen. Bei den aktuellen Einstellungen sind"));
    EXPECT_EQ(text("PercentLabel"), QStringLiteral("2%"));
    EXPECT_EQ(text("Label1"), QStringLiteral("der Sprechwünsche nicht erfüllbar (2 von 100)."));
    EXPECT_EQ(text("BetroffeneLabel"), QStringLiteral("1"));
    EXPECT_EQ(text("Label17"), QStringLiteral("Lehrer ist betroffen."));

    // A second overbooked teacher, changed as every change path does.
    for (int i = 21; i < 24; ++i)
        tag().Eltern.Record(i).Sprechwuensche << QStringLiteral("L1");
    tag().Geaendert();
    haupt().ZeigeSeite(Seite::Eltern);
    haupt().ZeigeSeite(Seite::Vorschau);
    EXPECT_EQ(text("BetroffeneLabel"), QStringLiteral("2"));
    EXPECT_EQ(text("Label17"), QStringLiteral("Lehrer sind betroffen."));
    EXPECT_EQ(text("Label1"), QStringLiteral("der Sprechwünsche nicht erfüllbar (3 von 103)."));
}

/// Counts how often `fenster` is shown.
class TZeigeZaehler : public QObject {
public:
    explicit TZeigeZaehler(QWidget* fenster) { fenster->installEventFilter(this); }
    int anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            ++anzahl;
        return false;
    }
};

// Entering the page computes the preview only when the day changed since it was shown,
// whichever way it changed; the wait window shows only for a day above the size limit.
TEST_F(VorschauSeite, NeueVorschauNurNachEinerAenderung)
{
    huberUeberbucht();
    haupt().DatenNeu();
    TZeigeZaehler warten(haupt().Warten());
    haupt().Vorschau()->SetWartenAb(101);
    haupt().ZeigeSeite(Seite::Vorschau);
    ASSERT_EQ(text("Label1"), QStringLiteral("der Sprechwünsche nicht erfüllbar (2 von 100)."));
    EXPECT_EQ(warten.anzahl, 0) << "100 requests are below the limit";

    // Unchanged: the figures stay as they are (a planted text shows that nothing
    // computed them anew).
    finde<QLabel>("Label1")->setText(QStringLiteral("unberührt"));
    haupt().ZeigeSeite(Seite::Eltern);
    haupt().ZeigeSeite(Seite::Vorschau);
    EXPECT_EQ(text("Label1"), QStringLiteral("unberührt"));

    struct Fall {
        const char* name;
        std::function<void()> aendern;
        const char* erwartet;
    };
    const Fall faelle[] = {
        // Family 20 asks for L1; a click in its request list adds Huber, stored by the
        // page change itself: 21 requests for 18 slots.
        {"Klick in der Wunschliste", [this] {
             haupt().ZeigeSeite(Seite::Eltern);
             if (!haupt().Eltern()->DetailsAn())
                 finde<QPushButton>("SbElternDetails")->click();
             haupt().Eltern()->Waehle(20);
             haupt().Eltern()->Tabs()->setCurrentIndex(0);
             QListWidget* liste = haupt().Eltern()->Sprechwuensche()->Liste();
             const QList<QListWidgetItem*> huber = liste->findItems(QStringLiteral("Huber"), Qt::MatchExactly);
             ASSERT_EQ(huber.size(), 1);
             ASSERT_FALSE(huber[0]->isSelected());
             huber[0]->setSelected(true);
         },
         "der Sprechwünsche nicht erfüllbar (3 von 101)."},
        // Until 18:20: 20 slots.
        {"Ende des Tages", [this] { tag().SetSprechEnde(Zeit::Kodiere(18, 20)); }, "der Sprechwünsche nicht erfüllbar (1 von 101)."},
        // Huber from 15:30: 17 slots.
        {"Sprechzeit der Lehrkraft", [this] {
             ASSERT_TRUE(AbweichZeitSetzen(tag(), QStringLiteral("Huber"), true));
             ASSERT_TRUE(LehrerStartEingabe(tag(), QStringLiteral("Huber"), QStringLiteral("15:30")).Ok);
             ASSERT_TRUE(LehrerEndeEingabe(tag(), QStringLiteral("Huber"), QStringLiteral("18:20")).Ok);
         },
         "der Sprechwünsche nicht erfüllbar (4 von 101)."},
        // Family 00 asked for Huber and L1: 20 requests for 17 slots.
        {"Eintrag gelöscht", [this] { tag().ElternEntfernen(QStringLiteral("5a: Familie 00")); },
         "der Sprechwünsche nicht erfüllbar (3 von 99)."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        haupt().ZeigeSeite(Seite::Eltern);
        f.aendern();
        haupt().ZeigeSeite(Seite::Vorschau);
        EXPECT_EQ(text("Label1"), QString::fromUtf8(f.erwartet));
    }
    // From 101 requests on, the wait window showed for each new preview; not for the
    // 99 requests of the last one.
    EXPECT_EQ(warten.anzahl, 3);
    EXPECT_FALSE(haupt().Warten()->isVisible());
}

TEST_F(VorschauSeite, OhneSprechwuensche)
{
    haupt().ZeigeSeite(Seite::Vorschau);
    EXPECT_EQ(text("PercentLabel"), QStringLiteral("0%"));
    EXPECT_EQ(text("Label1"), QStringLiteral("der Sprechwünsche nicht erfüllbar (0 von 0)."));
    EXPECT_EQ(text("BetroffeneLabel"), QStringLiteral("0"));
    EXPECT_EQ(text("Label17"), QStringLiteral("Lehrer sind betroffen."));
}

TEST_F(VorschauSeite, JaNeinZeigtDenEinleitungstext)
{
    haupt().ZeigeSeite(Seite::Vorschau);
    auto* panel = finde<QWidget>("PreviewPanel");
    auto* ja = finde<QRadioButton>("MkPreviewRad");
    auto* nein = finde<QRadioButton>("RadioButton2");
    EXPECT_TRUE(nein->isChecked());
    EXPECT_FALSE(panel->isVisible());
    ja->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(tag().Vorschau.Gewuenscht);
    EXPECT_TRUE(tag().UngespeicherteAenderungen());
    nein->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(tag().Vorschau.Gewuenscht);

    // A load changes the day's settings; the next page preparation shows them.
    tag().Vorschau.Gewuenscht = true;
    tag().Vorschau.FuerAlleLehrer = true;
    tag().Vorschau.Brief = {QStringLiteral("Liebe Kollegen,"), QStringLiteral("%D Termine.")};
    haupt().ZeigeSeite(Seite::Vorschau);
    EXPECT_TRUE(ja->isChecked());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(finde<QRadioButton>("RadioButton6")->isChecked());
    EXPECT_EQ(finde<QPlainTextEdit>("PreviewMemo")->toPlainText(), QStringLiteral("Liebe Kollegen,\n%D Termine."));
}

TEST_F(VorschauSeite, BriefUndLehrerwahlGehenInDenTag)
{
    haupt().ZeigeSeite(Seite::Vorschau);
    auto* memo = finde<QPlainTextEdit>("PreviewMemo");
    EXPECT_EQ(memo->toPlainText().split(QLatin1Char('\n')), TVorschauEinstellungen::StandardBrief());
    memo->setPlainText(QStringLiteral("Hallo %A\n\n"));
    EXPECT_EQ(tag().Vorschau.Brief, (QStringList{QStringLiteral("Hallo %A"), QString(), QString()}));
    finde<QRadioButton>("RadioButton6")->click();
    EXPECT_TRUE(tag().Vorschau.FuerAlleLehrer);
    finde<QRadioButton>("RadioButton7")->click();
    EXPECT_FALSE(tag().Vorschau.FuerAlleLehrer);
}

TEST_F(VorschauSeite, ErzeugenSchreibtDieDatei)
{
    eigenerBrief();
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Huber")).ok());
    ASSERT_TRUE(tag().ElternUebernehmen(QStringLiteral("1a: Albers")).ok());
    tag().Eltern.Record(0).Sprechwuensche << QStringLiteral("Huber");
    tag().Vorschau.Gewuenscht = true;
    tag().Vorschau.FuerAlleLehrer = true;
    haupt().ZeigeSeite(Seite::Vorschau);

    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("vorschau.txt"));
    QString gefragtIn;
    haupt().Vorschau()->SetOrdner(QStringLiteral("/start"));
    haupt().Vorschau()->SetDateiwahl([&](QWidget*, const QString& ordner) {
        gefragtIn = ordner;
        return pfad;
    });
    erzeugen(true, false);
    EXPECT_EQ(gefragtIn, QStringLiteral("/start"));
    EXPECT_EQ(haupt().Vorschau()->Ordner(), dir.path()) << "the folder is offered next time";
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), Vorschauliste::Bytes(Vorschauliste::Zeilen(tag(), true)));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Information);
    EXPECT_EQ(meldungen[0].text, Vorschauliste::DateiMeldung(pfad));
}

TEST_F(VorschauSeite, DateiUndDruckerZugleich)
{
    eigenerBrief();
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Huber")).ok());
    tag().Vorschau.Gewuenscht = true;
    tag().Vorschau.FuerAlleLehrer = true;
    haupt().ZeigeSeite(Seite::Vorschau);
    QTemporaryDir dir;
    const QString txt = dir.filePath(QStringLiteral("vorschau.txt"));
    const QString pdf = dir.filePath(QStringLiteral("vorschau.pdf"));
    haupt().Vorschau()->SetDateiwahl([&](QWidget*, const QString&) { return txt; });
    programm.DruckerWahl()->SetWahl([&](QPrinter& drucker, QWidget*) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    });
    erzeugen(true, true);
    EXPECT_TRUE(QFileInfo::exists(txt));
    ASSERT_EQ(PdfPruefen::Seiten(pdf), 1);
    EXPECT_TRUE(PdfPruefen::Text(pdf).contains(QStringLiteral("Huber"))) << PdfPruefen::Text(pdf).toStdString();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[0].text, Vorschauliste::DateiMeldung(txt));
    // Printed into a PDF file: the message says where it is.
    EXPECT_EQ(meldungen[1].text, QStringLiteral("Die Vorschaulisten wurden in die PDF-Datei „%1“ geschrieben.")
                                     .arg(QFileInfo(pdf).absoluteFilePath()));

    // A cancelled print dialog unticks "drucken"; the file is still written.
    meldungen.clear();
    programm.DruckerWahl()->SetWahl([](QPrinter&, QWidget*) { return false; });
    erzeugen(true, true);
    EXPECT_FALSE(programm.VorschauAusgabe()->CheckBox2()->isChecked());
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, Vorschauliste::DateiMeldung(txt));
}

TEST_F(VorschauSeite, AbbruchUndFehlschlag)
{
    eigenerBrief();
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Huber")).ok());
    tag().Vorschau.Gewuenscht = true;
    haupt().ZeigeSeite(Seite::Vorschau);
    TPreviewStoreForm* form = programm.VorschauAusgabe();

    // Cancelling the output dialog: nothing at all.
    int gefragt = 0;
    haupt().Vorschau()->SetDateiwahl([&](QWidget*, const QString&) {
        ++gefragt;
        return QString();
    });
    erzeugen(true, false, false);
    EXPECT_EQ(gefragt, 0);

    // Cancelling the save dialog unticks the box for next time; no message.
    erzeugen(true, false);
    EXPECT_EQ(gefragt, 1);
    EXPECT_FALSE(form->CheckBox1()->isChecked());
    EXPECT_TRUE(meldungen.empty());

    // A file that cannot be written: the error, no closing message.
    haupt().Vorschau()->SetDateiwahl([](QWidget*, const QString&) { return QStringLiteral("/gibt/es/nicht/vorschau.txt"); });
    erzeugen(true, false);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
    EXPECT_FALSE(meldungen[0].text.isEmpty());
}

} // namespace
