#include "model/namen.h"
#include "model/namensliste.h"
#include "model/records.h"
#include "model/sortierte_liste.h"

#include <gtest/gtest.h>

namespace {

TEST(Namen, GleichheitIgnoriertGrossKleinschreibungAuchBeiUmlauten)
{
    struct Fall {
        const char* a;
        const char* b;
        bool gleich;
    };
    const Fall faelle[] = {
        {"Müller", "MÜLLER", true},
        {"Öztürk", "öZTÜRK", true},
        {"Ärger", "ärger", true},
        {"Müller", "Muller", false},
        {"Müller ", "Müller", false},
        {"Maier", "Meier", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.a) + " / " + f.b);
        EXPECT_EQ(Namen::Gleich(QString::fromUtf8(f.a), QString::fromUtf8(f.b)), f.gleich);
        EXPECT_EQ(Namen::Vergleiche(QString::fromUtf8(f.a), QString::fromUtf8(f.b)) == 0, f.gleich);
    }
}

TEST(NamensListe, SortiertDeutschOhneRuecksichtAufGrossschreibung)
{
    TNamensListe<TLehrer> liste;
    for (const char* n : {"Zander (101)", "ärger (12)", "Bauer (3)", "Abel (7)", "Öhler (5)", "ofen (2)", "Ute (9)", "übel (4)"})
        ASSERT_GE(liste.Einfuegen(QString::fromUtf8(n)), 0);
    const QStringList erwartet = {
        QStringLiteral("Abel (7)"), QStringLiteral("ärger (12)"), QStringLiteral("Bauer (3)"),
        QStringLiteral("ofen (2)"), QStringLiteral("Öhler (5)"), QStringLiteral("übel (4)"),
        QStringLiteral("Ute (9)"), QStringLiteral("Zander (101)"),
    };
    EXPECT_EQ(liste.Namen(), erwartet);
}

// Blanks and punctuation count, and come before digits and letters: "Meier-Lüdenscheid"
// stands right after "Meier", not among the "Meierh…" names, and "5a: Zander" before
// "5aBeck". Worked out by hand from the German collation order (blank < "-" < ":" < digits
// < letters), case ignored.
TEST(NamensListe, BlankUndSatzzeichenZaehlenBeimSortieren)
{
    const QStringList erwartet = {
        QStringLiteral("5a Adler"),   QStringLiteral("5a-Adler"),   QStringLiteral("5a: Zander"),
        QStringLiteral("5a:Beck"),    QStringLiteral("5aBeck"),     QStringLiteral("Meier (3)"),
        QStringLiteral("Meier-Lüdenscheid (12)"), QStringLiteral("Meierhof (5)"),
        QStringLiteral("O'Brien (8)"), QStringLiteral("Obermann (1)"),
    };
    // Inserted in a scrambled order, one by one, as typed names are.
    TNamensListe<TEltern> liste;
    for (int i : {7, 2, 9, 4, 0, 6, 3, 8, 1, 5})
        ASSERT_GE(liste.Einfuegen(erwartet[i]), 0) << erwartet[i].toStdString();
    EXPECT_EQ(liste.Namen(), erwartet);
    // Sorted in one go, as an import does.
    QStringList gemischt = {erwartet[5], erwartet[9], erwartet[1], erwartet[7], erwartet[3],
                            erwartet[0], erwartet[8], erwartet[6], erwartet[4], erwartet[2]};
    Namen::SortiereStabil(gemischt);
    EXPECT_EQ(gemischt, erwartet);
}

TEST(NamensListe, DoppelteNamenWerdenAbgewiesenUndNachschlagenIgnoriertSchreibweise)
{
    TNamensListe<TEltern> liste;
    EXPECT_EQ(liste.Einfuegen(QStringLiteral("5a: Müller")), 0);
    EXPECT_EQ(liste.Einfuegen(QStringLiteral("5A: MÜLLER")), -1);
    EXPECT_EQ(liste.Anzahl(), 1);
    EXPECT_GE(liste.Einfuegen(QStringLiteral("5a: Müller ")), 0) << "trailing blank is another name";
    EXPECT_EQ(liste.IndexVon(QStringLiteral("5A: müller")), 0);
    EXPECT_NE(liste.Suche(QStringLiteral("5A: müller")), nullptr);
    EXPECT_EQ(liste.Suche(QStringLiteral("5a: Mueller")), nullptr);
    liste.Entfernen(0);
    EXPECT_EQ(liste.Suche(QStringLiteral("5a: Müller")), nullptr);
    EXPECT_EQ(liste.Anzahl(), 1);
}

TEST(SortierteListe, HaeltJedenNamenEinmalInAlphabetischerOrdnung)
{
    TSortierteListe g;
    EXPECT_TRUE(g.Hinzufuegen(QStringLiteral("7b: Weber")));
    EXPECT_TRUE(g.Hinzufuegen(QStringLiteral("5a: Weber")));
    EXPECT_FALSE(g.Hinzufuegen(QStringLiteral("5A: WEBER")));
    EXPECT_EQ(g.Liste(), (QStringList{QStringLiteral("5a: Weber"), QStringLiteral("7b: Weber")}));
}

TEST(SortierteListe, ZeitplanZeilenStehenChronologisch)
{
    TSortierteListe plan;
    plan.Hinzufuegen(QStringLiteral("16:00 Uhr: Abel (7)"));
    plan.Hinzufuegen(QStringLiteral("15:40 Uhr: [ Zander (101) ]"));
    plan.Hinzufuegen(QStringLiteral("09:10 Uhr: Bauer (3)"));
    EXPECT_EQ(plan.Liste(), (QStringList{QStringLiteral("09:10 Uhr: Bauer (3)"), QStringLiteral("15:40 Uhr: [ Zander (101) ]"),
                                         QStringLiteral("16:00 Uhr: Abel (7)")}));
}

} // namespace
