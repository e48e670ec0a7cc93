// Hours that leave no slot are kept as typed, but the "Vorgaben" page and the capacity
// preview say that the day has no appointment.
#include "ui_hilfen.h"

#include <QComboBox>
#include <QLabel>

namespace {

using Seite = TForm2::Seite;

TEST_F(UiTest, EndeVorBeginnWirdGesagtUndBleibtStehen)
{
    ASSERT_TRUE(tag().LehrerUebernehmen(QStringLiteral("Huber")).ok());
    haupt().ZeigeSeite(Seite::Vorgaben);
    auto* hinweis = finde<QLabel>("KeineTermineLb");
    EXPECT_FALSE(hinweis->isVisible());

    finde<QComboBox>("SprechEndeStd")->setCurrentIndex(14 - 6);
    EXPECT_EQ(Zeit::Anzeige(tag().Vorgaben.SprechEnde), QStringLiteral("14:00"));
    EXPECT_EQ(finde<QComboBox>("SprechEndeStd")->currentText(), QStringLiteral("14"));
    EXPECT_TRUE(hinweis->isVisible());
    EXPECT_EQ(hinweis->text(), QStringLiteral("Das Ende liegt vor dem Beginn – der Tag hat keine Termine."));
    EXPECT_TRUE(meldungen.empty()) << "no message box while the user is still choosing";

    haupt().ZeigeSeite(Seite::Vorschau);
    auto* vorschau = finde<QLabel>("KeineTermineVorschauLb");
    EXPECT_TRUE(vorschau->isVisible());
    EXPECT_EQ(vorschau->text(), hinweis->text());

    // Back on the page the values are as typed; a later end clears both.
    haupt().ZeigeSeite(Seite::Vorgaben);
    EXPECT_EQ(finde<QComboBox>("SprechEndeStd")->currentText(), QStringLiteral("14"));
    EXPECT_TRUE(hinweis->isVisible());
    finde<QComboBox>("SprechEndeStd")->setCurrentIndex(18 - 6);
    EXPECT_FALSE(hinweis->isVisible());
    haupt().ZeigeSeite(Seite::Vorschau);
    EXPECT_FALSE(vorschau->isVisible());
}

TEST_F(UiTest, BeginnGleichEndeHatKeinenTermin)
{
    haupt().ZeigeSeite(Seite::Vorgaben);
    finde<QComboBox>("SprechEndeStd")->setCurrentIndex(15 - 6);
    auto* hinweis = finde<QLabel>("KeineTermineLb");
    EXPECT_TRUE(hinweis->isVisible());
    EXPECT_TRUE(hinweis->text().endsWith(QStringLiteral("der Tag hat keine Termine.")));
}

} // namespace
