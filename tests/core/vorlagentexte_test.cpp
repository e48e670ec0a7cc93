// The shipped example texts that must not reach a school's paper unasked: found where they
// are (also inside a longer text), not where the user replaced them.
#include "bearbeiten/vorlagentexte.h"
#include "model/sprechtag.h"

#include <gtest/gtest.h>

namespace {

QString S(const char* t) { return QString::fromUtf8(t); }

TEST(Vorlagentexte, UeberschriftMitPlatzhalter)
{
    const struct {
        const char* text;
        bool vorlage;
    } faelle[] = {
        {"Elternsprechtag am XX.XX.", true},
        {"Elternsprechtag der Oberschule am XX.XX.2027", true},
        {"Elternsprechtag am 12.03.", false},
        {"", false},
        {"Elternsprechtag am xx.xx.", false}, // typed by the user, not the shipped placeholder
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Vorlagentexte::UeberschriftIstVorlage(S(f.text)), f.vorlage) << f.text;
}

TEST(Vorlagentexte, BriefResteDerAuslieferung)
{
    // The shipped letter holds both.
    EXPECT_EQ(Vorlagentexte::BriefReste(TVorschauEinstellungen::StandardBrief()),
              (QStringList{S("bis Mittwoch, den 11.2."), S("gez. Tornquell")}));
    const QStringList nurUnterschrift = {S("Liebe Kolleginnen und Kollegen,"), S("bitte bis Freitag zurück."),
                                         S("gez. Tornquell")};
    EXPECT_EQ(Vorlagentexte::BriefReste(nurUnterschrift), QStringList{S("gez. Tornquell")});
    const QStringList eigener = {S("Liebe Kolleginnen und Kollegen,"), S("bitte bis Freitag, den 6.3. zurück."),
                                 S("gez. Albers")};
    EXPECT_TRUE(Vorlagentexte::BriefReste(eigener).isEmpty());
    EXPECT_TRUE(Vorlagentexte::BriefReste({}).isEmpty());
}

TEST(Vorlagentexte, UeberschriftAusDemDatumAlsEineAenderung)
{
    // 11 March 2027 is a Thursday, 1 February 2027 a Monday.
    EXPECT_EQ(Vorlagentexte::UeberschriftFuer(QDate(2027, 3, 11)), S("Elternsprechtag am Donnerstag, 11.03.2027"));
    EXPECT_EQ(Vorlagentexte::UeberschriftFuer(QDate(2027, 2, 1)), S("Elternsprechtag am Montag, 01.02.2027"));

    TSprechtag tag;
    tag.FreieTermineAnzeigen = true;
    tag.AlsGespeichertMarkieren();
    EXPECT_TRUE(Vorlagentexte::UeberschriftSetzen(tag, S("Elternsprechtag am Montag, 01.02.2027")));
    EXPECT_EQ(tag.Plan.Headline2, S("Elternsprechtag am Montag, 01.02.2027"));
    EXPECT_TRUE(tag.FreieTermineAnzeigen) << "only the heading changes";
    EXPECT_TRUE(tag.UngespeicherteAenderungen());
    tag.AlsGespeichertMarkieren();
    EXPECT_FALSE(Vorlagentexte::UeberschriftSetzen(tag, S("Elternsprechtag am Montag, 01.02.2027")));
    EXPECT_FALSE(tag.UngespeicherteAenderungen());
}

} // namespace
