// The capacity preview's values and texts.
#include "berechnung_hilfen.h"

#include "vorschau/kapazitaet.h"
#include "vorschau/vorschauliste.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

TEST(Kapazitaet, OhneWuenscheNullProzent)
{
    TSprechtag tag;
    Lehrer(tag, QStringLiteral("A"));
    Eltern(tag, QStringLiteral("5a: X"));
    const TKapazitaet k = BerechneKapazitaet(tag);
    EXPECT_EQ(k.Unerfuellbar, 0);
    EXPECT_EQ(k.Wuensche, 0);
    EXPECT_EQ(k.Betroffene, 0);
    EXPECT_EQ(KapazitaetProzentText(k.Unerfuellbar, k.Wuensche), QStringLiteral("0%"));
    EXPECT_EQ(KapazitaetUnerfuellbarText(0, 0), QStringLiteral("der Sprechwünsche nicht erfüllbar (0 von 0)."));
    EXPECT_EQ(KapazitaetBetroffeneText(0), QStringLiteral("Lehrer sind betroffen."));
}

TEST(Kapazitaet, EinUeberbuchterLehrer)
{
    // 15:00-18:00, 10 minutes: 18 free slots. 20 entries want "A" (one of them twice, in
    // another case: it counts once), 80 further requests go to 80 teachers with room.
    TSprechtag tag;
    Lehrer(tag, QStringLiteral("A"));
    for (int i = 0; i < 80; ++i)
        Lehrer(tag, QStringLiteral("L%1").arg(i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < 20; ++i)
        Eltern(tag, QStringLiteral("E%1").arg(i, 2, 10, QLatin1Char('0')), {QStringLiteral("A")});
    for (int i = 0; i < 80; ++i)
        Eltern(tag, QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0')), {QStringLiteral("L%1").arg(i, 2, 10, QLatin1Char('0'))});
    // A refused request still counts.
    tag.Lehrer.Suche(QStringLiteral("A"))->Ablehnungen = {QStringLiteral("E00")};

    const TKapazitaet k = BerechneKapazitaet(tag);
    EXPECT_EQ(k.Unerfuellbar, 2);
    EXPECT_EQ(k.Wuensche, 100);
    EXPECT_EQ(k.Betroffene, 1);
    EXPECT_EQ(KapazitaetProzentText(k.Unerfuellbar, k.Wuensche), QStringLiteral("2%"));
    EXPECT_EQ(KapazitaetUnerfuellbarText(k.Unerfuellbar, k.Wuensche), QStringLiteral("der Sprechwünsche nicht erfüllbar (2 von 100)."));
    EXPECT_EQ(KapazitaetBetroffeneText(k.Betroffene), QStringLiteral("Lehrer ist betroffen."));

    // A break over three of the teachers' slots lowers every capacity by three.
    TPause* p = tag.NeuePause();
    p->SetStart(Zeit::Kodiere(16, 0));
    p->SetDauer(Zeit::Kodiere(0, 30));
    const TKapazitaet mitPause = BerechneKapazitaet(tag);
    EXPECT_EQ(mitPause.Unerfuellbar, 5);
    EXPECT_EQ(mitPause.Betroffene, 1);

    // A second overbooked teacher.
    TLehrer& kurz = *tag.Lehrer.Suche(QStringLiteral("L00"));
    kurz.AbweichZeit = true;
    kurz.StartZeit = kurz.EndZeit = Zeit::Kodiere(15, 0);
    const TKapazitaet zwei = BerechneKapazitaet(tag);
    EXPECT_EQ(zwei.Betroffene, 2);
    EXPECT_EQ(zwei.Unerfuellbar, 6);
    EXPECT_EQ(KapazitaetBetroffeneText(zwei.Betroffene), QStringLiteral("Lehrer sind betroffen."));
}

TEST(Kapazitaet, GenauSoVieleWuenscheWieFreieSlotsPassenNoch)
{
    // 15:00-18:00, 10 minutes: 18 free slots. The preview list names the same teachers.
    const struct {
        int wuensche;
        int betroffene;
        int unerfuellbar;
    } faelle[] = {{17, 0, 0}, {18, 0, 0}, {19, 1, 1}, {21, 1, 3}};
    for (const auto& f : faelle) {
        TSprechtag tag;
        Lehrer(tag, QStringLiteral("A"));
        for (int i = 0; i < f.wuensche; ++i)
            Eltern(tag, QStringLiteral("E%1").arg(i, 2, 10, QLatin1Char('0')), {QStringLiteral("A")});
        const TKapazitaet k = BerechneKapazitaet(tag);
        EXPECT_EQ(k.Betroffene, f.betroffene) << f.wuensche;
        EXPECT_EQ(k.Unerfuellbar, f.unerfuellbar) << f.wuensche;
        EXPECT_EQ(Vorschauliste::IstBetroffen(tag, QStringLiteral("A"), *tag.Lehrer.Suche(QStringLiteral("A"))),
                  f.betroffene == 1)
            << f.wuensche;
    }
}

TEST(Kapazitaet, ProzentRundetHalbeZurGeradenZahl)
{
    const struct {
        int u, t;
        const char* text;
    } faelle[] = {
        {1, 200, "0%"},  // 0.5 %
        {5, 200, "2%"},  // 2.5 %
        {7, 200, "4%"},  // 3.5 %
        {3, 200, "2%"},  // 1.5 %
        {1, 3, "33%"},   {2, 3, "67%"}, {1, 8, "12%"}, // 12.5 %
        {3, 8, "38%"},   // 37.5 %
        {0, 5, "0%"},    {5, 5, "100%"}, {7, 0, "0%"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KapazitaetProzentText(f.u, f.t), QString::fromUtf8(f.text)) << f.u << "/" << f.t;
}

} // namespace
