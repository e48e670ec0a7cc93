#include "model/namen.h"
#include "model/namensliste.h"
#include "model/records.h"
#include "model/sortierte_liste.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

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

// The long sort (statistics lines, reasons) must give exactly the order that comparing
// two texts at a time gives: umlauts and their spelled-out forms, ß, blanks and
// punctuation, letter case, accents of Windows-1252, duplicates and the empty text.
TEST(Namen, SortiereStabilFolgtDemPaarweisenVergleich)
{
    const QStringList namen = {
        QStringLiteral("Müller"),       QStringLiteral("Mueller"),      QStringLiteral("Muller"),
        QStringLiteral("MÜLLER"),       QStringLiteral("müller"),       QStringLiteral("Mull"),
        QStringLiteral("Müll er"),      QStringLiteral("Müller-Lüdenscheid"), QStringLiteral("Müller, A."),
        QStringLiteral("Müller (5)"),   QStringLiteral("Müller  --  5a: Öz      (abgelehnt)"),
        QStringLiteral("Müller  --  5a: Oz      (Zeitmangel)"), QStringLiteral("Straße"),
        QStringLiteral("Strasse"),      QStringLiteral("STRASSE"),      QStringLiteral("Strase"),
        QStringLiteral("ß"),            QStringLiteral("ss"),           QStringLiteral("SS"),
        QStringLiteral("Ärger"),        QStringLiteral("Aerger"),       QStringLiteral("Arger"),
        QStringLiteral("ärger"),        QStringLiteral("Zorn"),         QStringLiteral("zorn"),
        QStringLiteral("O'Brien"),      QStringLiteral("Obrien"),       QStringLiteral("ob rien"),
        QStringLiteral(" Adler"),       QStringLiteral("Adler "),       QStringLiteral("Adler"),
        QStringLiteral("5a: Öz"),       QStringLiteral("5A: öz"),       QStringLiteral("5a:Öz"),
        QStringLiteral("10b: Öz"),      QStringLiteral("Éclair"),       QStringLiteral("Eclair"),
        QStringLiteral("eclair"),       QStringLiteral("Ægir"),         QStringLiteral("Aegir"),
        QStringLiteral("Œdipus"),       QStringLiteral("Þór"),          QStringLiteral("Ÿves"),
        QStringLiteral("ÿves"),         QStringLiteral("Ñandú"),        QStringLiteral("Nandu"),
        QStringLiteral("Müller"),       QString(),                      QStringLiteral("-"),
    };
    std::mt19937 zufall(16);
    for (int runde = 0; runde < 20; ++runde) {
        QStringList gemischt = namen;
        std::shuffle(gemischt.begin(), gemischt.end(), zufall);
        QStringList erwartet = gemischt;
        std::stable_sort(erwartet.begin(), erwartet.end(),
                         [](const QString& a, const QString& b) { return Namen::Vergleiche(a, b) < 0; });
        QStringList sortiert = gemischt;
        Namen::SortiereStabil(sortiert);
        ASSERT_EQ(sortiert, erwartet) << "Runde " << runde;
    }

    // Worked out by hand: spelled-out umlauts sort by their letters, an umlaut right after
    // its base letter; "ß" collates as "ss" and the case-folded text decides; texts equal
    // but for case keep their order.
    const std::pair<QStringList, QStringList> faelle[] = {
        {{QStringLiteral("Ärger"), QStringLiteral("Arger"), QStringLiteral("Aerger")},
         {QStringLiteral("Aerger"), QStringLiteral("Arger"), QStringLiteral("Ärger")}},
        {{QStringLiteral("Straße"), QStringLiteral("STRASSE"), QStringLiteral("Strasse")},
         {QStringLiteral("STRASSE"), QStringLiteral("Strasse"), QStringLiteral("Straße")}},
        {{QStringLiteral("zorn"), QStringLiteral("Adler"), QStringLiteral("Zorn"), QStringLiteral("ZORN")},
         {QStringLiteral("Adler"), QStringLiteral("zorn"), QStringLiteral("Zorn"), QStringLiteral("ZORN")}},
        {{}, {}},
        {{QStringLiteral("b")}, {QStringLiteral("b")}},
    };
    for (const auto& [eingabe, erwartet] : faelle) {
        QStringList sortiert = eingabe;
        Namen::SortiereStabil(sortiert);
        EXPECT_EQ(sortiert, erwartet) << eingabe.join(u'|').toStdString();
    }
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
