#include "zeit/zeit.h"

#include <gtest/gtest.h>

namespace {

struct ZeitTextFall {
    const char* text;
    std::optional<double> erwartet;
};

TEST(ZeitText, NimmtGueltigeTexteAnUndWeistAndereAb)
{
    const ZeitTextFall faelle[] = {
        {"16", Zeit::Kodiere(16, 0)},
        {"16:30", Zeit::Kodiere(16, 30)},
        {"0:30", Zeit::Kodiere(0, 30)},
        {"16:30:00", Zeit::Kodiere(16, 30)},
        {"7:05:09", Zeit::Kodiere(7, 5, 9)},
        {"23:59:59", Zeit::Kodiere(23, 59, 59)},
        {" 15:00 ", Zeit::Kodiere(15, 0)},
        {"", std::nullopt},
        {"24:00", std::nullopt},
        {"12:60", std::nullopt},
        {"12:30:60", std::nullopt},
        {"12:", std::nullopt},
        {":30", std::nullopt},
        {"1:2:3:4", std::nullopt},
        {"-1:00", std::nullopt},
        {"ab", std::nullopt},
        {"+5", std::nullopt},
        // German typing: a dot for the colon, or hours and minutes run together.
        {"16.30", Zeit::Kodiere(16, 30)},
        {" 9.05 ", Zeit::Kodiere(9, 5)},
        {"16.30.15", Zeit::Kodiere(16, 30, 15)},
        {"1630", Zeit::Kodiere(16, 30)},
        {"0930", Zeit::Kodiere(9, 30)},
        {"930", Zeit::Kodiere(9, 30)},
        // What read as whole hours before still does.
        {"016", Zeit::Kodiere(16, 0)},
        {"0016", Zeit::Kodiere(16, 0)},
        {"0005", Zeit::Kodiere(5, 0)},
        {"7", Zeit::Kodiere(7, 0)},
        {"16.30:00", std::nullopt},
        {"16:30.00", std::nullopt},
        {"12.", std::nullopt},
        {".30", std::nullopt},
        {"16.60", std::nullopt},
        {"2400", std::nullopt},
        {"1660", std::nullopt},
        {"16300", std::nullopt},
        {"30", std::nullopt},
        {"16 30", std::nullopt},
        {"16,30", std::nullopt},
        {"1.2.3.4", std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(Zeit::ZeitText(QString::fromUtf8(f.text)), f.erwartet);
    }
}

TEST(DauerText, ZahlenSindMinutenUndZeitenBleibenZeiten)
{
    // Day fractions of whole minutes, worked out by hand: n / 1440.
    const ZeitTextFall faelle[] = {
        {"30", 30.0 / 1440},
        {" 45 ", 45.0 / 1440},
        {"0", 0.0},
        {"90", 90.0 / 1440},
        {"1439", 1439.0 / 1440},
        {"0:30", 30.0 / 1440},
        {"1:30", 90.0 / 1440},
        {"1440", std::nullopt},
        {"", std::nullopt},
        {"30 min", std::nullopt},
        {"-5", std::nullopt},
        {"0,5", std::nullopt},
        {"1:60", std::nullopt},
        // A dot reads as a colon; digits alone stay minutes, never hours and minutes.
        {"0.30", 30.0 / 1440},
        {"1.15", 75.0 / 1440},
        {"130", 130.0 / 1440},
        {"1630", std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        const auto d = Zeit::DauerText(QString::fromUtf8(f.text));
        ASSERT_EQ(d.has_value(), f.erwartet.has_value());
        if (d) {
            EXPECT_NEAR(*d, *f.erwartet, 1e-12);
        }
    }
}

TEST(ZeitMeldung, DeutschMitFeldUndEingabe)
{
    EXPECT_EQ(Zeit::UngueltigeZeitMeldung(QStringLiteral("30")),
              QString::fromUtf8("„30“ ist keine gültige Uhrzeit. Bitte geben Sie sie als hh:mm, hh.mm oder hhmm ein, "
                                "etwa 16:30, 16.30 oder 1630."));
    EXPECT_EQ(Zeit::UngueltigeZeitMeldung(QStringLiteral(" 16,30 "), QStringLiteral("Sprechzeitende")),
              QString::fromUtf8("Sprechzeitende: „16,30“ ist keine gültige Uhrzeit. Bitte geben Sie sie als hh:mm, "
                                "hh.mm oder hhmm ein, etwa 16:30, 16.30 oder 1630."));
    EXPECT_EQ(Zeit::UngueltigeDauerMeldung(QStringLiteral("halb"), QStringLiteral("Pausendauer")),
              QString::fromUtf8("Pausendauer: „halb“ ist keine gültige Dauer. Bitte geben Sie Minuten ein oder hh:mm "
                                "bzw. hh.mm, etwa 30, 0:30 oder 0.30."));
}

TEST(ZeitText, GanzeStundenSindExakteTagesbrueche)
{
    EXPECT_EQ(Zeit::Kodiere(15, 0), 0.625);
    EXPECT_EQ(Zeit::Kodiere(18, 0), 0.75);
    EXPECT_EQ(Zeit::EineSekunde, 1.0 / 86400.0);
}

TEST(ZeitAnzeige, ZweistelligeStundenUndMinuten)
{
    EXPECT_EQ(Zeit::Anzeige(Zeit::Kodiere(15, 0)), QStringLiteral("15:00"));
    EXPECT_EQ(Zeit::Anzeige(Zeit::Kodiere(0, 30)), QStringLiteral("00:30"));
    EXPECT_EQ(Zeit::Anzeige(Zeit::Kodiere(7, 5, 59)), QStringLiteral("07:05"));
    EXPECT_EQ(Zeit::ZeitPraefix(Zeit::Kodiere(15, 20)), QStringLiteral("15:20 Uhr: "));
    EXPECT_EQ(Zeit::ZeitPraefix(0.7).size(), 11);
}

// Slot starts are reached by repeated addition; the sum drifts a hair below the exact
// minute and must still print as that minute over a whole day.
TEST(ZeitAnzeige, AufsummierteSlotzeitenZeigenDieRichtigeMinute)
{
    for (int takt : {1, 7, 10, 45}) {
        SCOPED_TRACE(takt);
        double z = Zeit::Kodiere(0, 0);
        for (int minute = 0; minute < 24 * 60; minute += takt) {
            const QString erwartet = QStringLiteral("%1:%2")
                                         .arg(minute / 60, 2, 10, QLatin1Char('0'))
                                         .arg(minute % 60, 2, 10, QLatin1Char('0'));
            ASSERT_EQ(Zeit::Anzeige(z), erwartet) << "nach " << minute << " Minuten";
            z += Zeit::Minuten(takt);
        }
    }
}

TEST(ZeitAnzeige, AufsummiertAbFuenfzehnUhr)
{
    double z = Zeit::Kodiere(15, 0);
    for (int i = 0; i < 23; ++i)
        z += Zeit::Minuten(1);
    EXPECT_LT(z, Zeit::Kodiere(15, 23)); // the drift this guards against
    EXPECT_EQ(Zeit::Anzeige(z), QStringLiteral("15:23"));
}

} // namespace
