// Free texts with characters the data file cannot hold are refused where they are taken,
// with a message naming the characters, and stay as typed until the user replaces them.

#include "dialoge/planeditor.h"
#include "dialoge/planeinstellungen.h"
#include "seiten/vorschauseite.h"
#include "ui_hilfen.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

using Freitexte = UiTest;

TEST_F(Freitexte, PlaneditorNimmtErstDenBereinigtenPlan)
{
    BeimNaechstenDialog([this](QWidget* d) {
        auto* memo = d->findChild<QPlainTextEdit*>(S("PlanMemo"));
        memo->setPlainText(S("15:00 Uhr: 5a: Meier ✓\n15:10 Uhr: → Raum 12"));
        d->findChild<QPushButton*>(S("OkBtn"))->click();
        EXPECT_TRUE(d->isVisible()) << "the plan is not taken";
        EXPECT_EQ(memo->toPlainText(), S("15:00 Uhr: 5a: Meier ✓\n15:10 Uhr: → Raum 12")) << "and stays as typed";
        EXPECT_EQ(fehlermeldungen(), std::vector<QString>{S("Der Zeitplan von „Abel (7)“ enthält die Zeichen „✓“ (U+2713) und „→“ "
                                                   "(U+2192), die Kalumo nicht speichern kann.\rBitte schreiben Sie den Text "
                                                   "ohne diese Zeichen.")});
        memo->setPlainText(S("15:00 Uhr: 5a: Meier\n15:10 Uhr: Raum 12"));
        d->findChild<QPushButton*>(S("OkBtn"))->click();
    });
    const auto neu = programm.PlanEditor()->Bearbeiten(S("Abel (7)"), {S("15:00 Uhr: 5a: Meier")});
    ASSERT_TRUE(neu.has_value());
    EXPECT_EQ(*neu, (QStringList{S("15:00 Uhr: 5a: Meier"), S("15:10 Uhr: Raum 12")}));
}

TEST_F(Freitexte, PlaneinstellungenSchliessenErstMitSpeicherbarenTexten)
{
    const TPlanEinstellungen plan;
    const bool frei = false;
    BeimNaechstenDialog([this](QWidget* d) {
        auto* reiter = d->findChild<QTabWidget*>(S("PlanSetupReiter"));
        auto* kopf = d->findChild<QLineEdit*>(S("Headline2"));
        auto* brief = d->findChild<QPlainTextEdit*>(S("Memo1"));
        kopf->setText(S("Elternsprechtag ✓"));
        brief->setPlainText(S("Bitte pünktlich 😀"));
        // Closing by Escape takes the texts as well: it is checked the same way.
        d->findChild<QPushButton*>(S("OkBtn"))->click();
        d->close();
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(fehlermeldungen().size(), 2u);
        EXPECT_EQ(fehlermeldungen()[0], S("Die zweite Zeitplan-Überschrift enthält das Zeichen „✓“ (U+2713), das Kalumo nicht speichern "
                                 "kann.\rBitte schreiben Sie den Text ohne dieses Zeichen."));
        kopf->setText(S("Elternsprechtag am 12.03."));
        d->findChild<QPushButton*>(S("OkBtn"))->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(reiter->currentIndex(), 2) << "the tab with the offending text is shown";
        EXPECT_EQ(fehlermeldungen().back(), S("Der Einleitungstext der Elternzeitpläne enthält das Zeichen „😀“ (U+1F600), das Kalumo "
                                     "nicht speichern kann.\rBitte schreiben Sie den Text ohne dieses Zeichen."));
        EXPECT_EQ(brief->toPlainText(), S("Bitte pünktlich 😀"));
        brief->setPlainText(S("Bitte pünktlich"));
        d->findChild<QPushButton*>(S("OkBtn"))->click();
    });
    const auto neu = programm.PlanEinstellungen()->Bearbeiten(plan, frei).first;
    EXPECT_EQ(neu.Headline2, S("Elternsprechtag am 12.03."));
    EXPECT_EQ(neu.ElternBrief, QStringList{S("Bitte pünktlich")});
}

TEST_F(Freitexte, AnschreibenBleibtBisZurKorrekturWieGetipptUndDerTagBehaeltDasAlte)
{
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    finde<QRadioButton>("MkPreviewRad")->click();
    auto* memo = finde<QPlainTextEdit>("PreviewMemo");
    memo->setPlainText(S("Liebe Kollegen,"));
    ASSERT_EQ(tag().Vorschau.Brief, QStringList{S("Liebe Kollegen,")});

    memo->setPlainText(S("Liebe Kollegen → bitte streichen"));
    EXPECT_EQ(tag().Vorschau.Brief, QStringList{S("Liebe Kollegen,")}) << "not taken";
    QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(memo, &verlassen);
    QApplication::processEvents(); // the report waits until the focus has moved on
    ASSERT_EQ(fehlermeldungen().size(), 1u);
    EXPECT_EQ(fehlermeldungen()[0], S("Der Einleitungstext der Vorschaulisten enthält das Zeichen „→“ (U+2192), das Kalumo nicht "
                             "speichern kann.\rBitte schreiben Sie den Text ohne dieses Zeichen."));

    // "Erzeugen" would write the old letter: it refuses and names the character again.
    finde<QPushButton>("MakePreviewsBtn")->click();
    EXPECT_EQ(fehlermeldungen().size(), 2u);

    // Leaving the page and coming back keeps the typed text for correction.
    haupt().ZeigeSeite(TForm2::Seite::Plaene);
    haupt().ZeigeSeite(TForm2::Seite::Vorschau);
    EXPECT_EQ(memo->toPlainText(), S("Liebe Kollegen → bitte streichen"));

    memo->setPlainText(S("Liebe Kollegen, bitte streichen"));
    EXPECT_EQ(tag().Vorschau.Brief, QStringList{S("Liebe Kollegen, bitte streichen")});
    EXPECT_EQ(fehlermeldungen().size(), 2u);
}

} // namespace
