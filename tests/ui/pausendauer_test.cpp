// The break duration field says "Minuten": a plain number is taken as minutes, a time text
// as hours and minutes; anything else gets a German message naming the field.
#include "ui_hilfen.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

TEST_F(UiTest, PausendauerInMinutenOderAlsUhrzeit)
{
    haupt().ZeigeSeite(TForm2::Seite::Vorgaben);
    struct Fall {
        const char* dauer;
        const char* ende; // the new break starts at 17:00
    };
    const Fall faelle[] = {{"45", "17:45"}, {"1:15", "18:15"}, {"0", "17:00"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.dauer);
        BeimNaechstenDialog([&](QWidget* d) {
            d->findChild<QLineEdit*>(QStringLiteral("EditDauer"))->setText(QString::fromUtf8(f.dauer));
            d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        });
        finde<QPushButton>("PausePlus")->click();
        ASSERT_FALSE(tag().Pausen.empty());
        EXPECT_EQ(Zeit::Anzeige(tag().Pausen.back()->Start() + tag().Pausen.back()->Dauer()), QString::fromUtf8(f.ende));
    }
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(UiTest, UngueltigePausendauerNenntDasFeld)
{
    haupt().ZeigeSeite(TForm2::Seite::Vorgaben);
    BeimNaechstenDialog([this](QWidget* d) {
        d->findChild<QLineEdit*>(QStringLiteral("EditDauer"))->setText(QStringLiteral("halb"));
        d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        EXPECT_TRUE(d->isVisible());
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].art, Meldung::Art::Fehler);
        EXPECT_EQ(meldungen[0].text, QString::fromUtf8("Pausendauer: „halb“ ist keine gültige Dauer. Bitte geben Sie "
                                                       "Minuten ein oder hh:mm bzw. hh.mm, etwa 30, 0:30 oder 0.30."));
        d->findChild<QPushButton*>(QStringLiteral("AbbruchBtn"))->click();
    });
    finde<QPushButton>("PausePlus")->click();
    EXPECT_TRUE(tag().Pausen.empty());
}

} // namespace
