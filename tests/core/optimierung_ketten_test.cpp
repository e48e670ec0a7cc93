// Augmenting chains for requests without a talk, on a day built by hand where the only
// way to one talk more runs through three families and three teachers, and the single
// moves of the optimiser do not find it.
#include "berechnung_hilfen.h"
#include "kleine_tage.h"

#include "bearbeiten/vorrang.h"
#include "optimierung/ketten.h"
#include "optimierung/zuege.h"

#include <gtest/gtest.h>

using namespace BerechnungTest;

namespace {

const QString B = QStringLiteral("Buche (R2)"), C = QStringLiteral("Citrus (R3)"), D = QStringLiteral("Dattel (R4)");
const QString Xaver = QStringLiteral("5a: Xaver"), Zora = QStringLiteral("6b: Zora"),
              Wilma = QStringLiteral("8c: Wilma"), Ulla = QStringLiteral("7a: Ulla"),
              Vera = QStringLiteral("9b: Vera"), Tom = QStringLiteral("5c: Tom");

// 15:00-15:20 in 10-minute slots, no room change. Buche holds both slots, Citrus and
// Dattel 15:10 only; Xaver may only come until 15:10. Zora and Wilma are siblings, as are
// Ulla and Vera. Start: Xaver with Buche at 15:00, Wilma with Citrus and Vera with Dattel
// at 15:10 – three talks. The fourth: Zora takes Buche at 15:10, so her sister Wilma gives
// Citrus to Ulla, whose sister Vera gives Dattel to Tom. By hand: Citrus and Dattel hold
// one talk each and Buche two, and Buche's 15:10 goes to Zora only if Wilma has no talk.
void Tag(TSprechtag& tag)
{
    Rahmen(tag, 15, 0, 15, 20, 10);
    tag.SetRaumwechselPause(false);
    Lehrer(tag, B);
    for (const QString& name : {C, D}) {
        TLehrer& l = Lehrer(tag, name);
        l.AbweichZeit = true;
        l.StartZeit = Zeit::Kodiere(15, 10);
        l.EndZeit = Zeit::Kodiere(15, 20);
    }
    TEltern& x = Eltern(tag, Xaver, {B});
    x.NichtNach = true;
    x.NichtNachZeit = Zeit::Kodiere(15, 10);
    Eltern(tag, Zora, {B});
    Eltern(tag, Wilma, {C});
    Eltern(tag, Ulla, {C});
    Eltern(tag, Vera, {D});
    Eltern(tag, Tom, {D});
    Geschwister(tag, Zora, Wilma);
    Geschwister(tag, Ulla, Vera);
}

// The request of an entry (each entry here asks one teacher).
int WunschVon(const TSprechtag& tag, const TOptimierZustand& z, const QString& eltern)
{
    for (int r = 0; r < z.AnzWuensche(); ++r)
        if (tag.Eltern.Name(z.W(r).eltern) == eltern)
            return r;
    return -1;
}

TEST(OptimierungKetten, KetteUeberDreiFamilienUndDreiLehrkraefte)
{
    struct Fall {
        const char* name;
        bool wilmaEingeladen;
        // Expected slot per entry afterwards, -1 for no talk.
        std::vector<std::pair<QString, int>> danach;
        int termine;
    };
    const std::vector<Fall> faelle = {
        {"ohne Marken: die Kette bringt den vierten Termin",
         false,
         {{Xaver, 0}, {Zora, 1}, {Wilma, -1}, {Ulla, 1}, {Vera, -1}, {Tom, 1}},
         4},
        {"Wilma eingeladen: ihre Einladung bleibt, kein Termin mehr",
         true,
         {{Xaver, 0}, {Zora, -1}, {Wilma, 1}, {Ulla, -1}, {Vera, 1}, {Tom, -1}},
         3},
    };
    for (const Fall& fall : faelle) {
        TSprechtag tag;
        Tag(tag);
        if (fall.wilmaEingeladen)
            ASSERT_TRUE(PrioritaetSetzen(tag, Wilma, C, TPrioritaet::Einladung));
        else
            ASSERT_EQ(KleineTage::Maximum(tag), 4);
        TOptimierZustand z(tag);
        ASSERT_FALSE(z.Erlaubt(WunschVon(tag, z, Xaver), 1)) << fall.name;
        for (const auto& [name, k] : {std::pair(Xaver, 0), std::pair(Wilma, 1), std::pair(Vera, 1)}) {
            const int r = WunschVon(tag, z, name);
            ASSERT_TRUE(z.KannSetzen(r, k)) << fall.name;
            z.Setze(r, k);
        }
        z.Festschreiben();
        TZuege zuege(z);
        EXPECT_EQ(zuege.Auffuellen(), 0) << fall.name;

        TKetten ketten(z);
        ketten.Verbessere({}, [](qint64, qint64) { return true; });
        EXPECT_EQ(z.Kennwerte().Termine, fall.termine) << fall.name;
        EXPECT_EQ(z.Kennwerte().Einladungen, fall.wilmaEingeladen ? 1 : 0) << fall.name;
        for (const auto& [name, k] : fall.danach) {
            const int r = WunschVon(tag, z, name);
            EXPECT_EQ(z.Slot(r), k) << fall.name << ": " << name.toStdString();
            if (k >= 0) {
                EXPECT_TRUE(z.HaeltRegeln(r)) << fall.name << ": " << name.toStdString();
            }
        }
    }
}

// A chain that finds no end leaves the state as it was, also its record.
TEST(OptimierungKetten, OhneEndeBleibtAllesWieEsWar)
{
    TSprechtag tag;
    Tag(tag);
    TOptimierZustand z(tag);
    for (const auto& [name, k] : {std::pair(Xaver, 0), std::pair(Wilma, 1), std::pair(Vera, 1)})
        z.Setze(WunschVon(tag, z, name), k);
    z.Festschreiben();
    const std::vector<int> vorher = z.Slots();
    TKettenGrenzen kurz;
    kurz.Tiefe = 1; // Zora reaches Ulla, but Ulla's sister still stands in the way
    TKetten ketten(z);
    EXPECT_FALSE(ketten.Einfuegen(WunschVon(tag, z, Zora), kurz));
    EXPECT_EQ(z.Slots(), vorher);
    EXPECT_EQ(z.Marke(), 0u);
    EXPECT_TRUE(ketten.Einfuegen(WunschVon(tag, z, Zora), {}));
    EXPECT_EQ(z.Kennwerte().Termine, 4);
}

} // namespace
