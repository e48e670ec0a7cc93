// The integer programme of the optimiser: solved whole on small days it must find the
// exhaustive maximum (kleine_tage.h reads every rule anew) and prove it; solved for a
// window it moves nothing outside; with priorities it puts the invitation first.
#include "berechnung_hilfen.h"
#include "kleine_tage.h"
#include "plan_pruefer.h"

#include "bearbeiten/vorrang.h"
#include "optimierung/ganzzahlig.h"
#include "optimierung/optimierer.h"
#include "optimierung/plaene.h"
#include "optimierung/schranke.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace BerechnungTest;

namespace {

const auto Immer = [](qint64, qint64) { return true; };

struct TReihe {
    const char* name;
    KleineTage::TArt art;
    quint32 ersteSaat;
    int tage;
};

const std::vector<TReihe> Reihen = {
    {"3 Lehrkräfte, 10 Einträge", {3, 10, 30, 40, true}, 1, 60},
    {"4 Lehrkräfte, 12 Einträge, viele Geschwister", {4, 12, 60, 40, true}, 1001, 30},
    {"4 Lehrkräfte, 12 Einträge, fast alle mit Anwesenheitszeiten", {4, 12, 30, 80, true}, 2001, 30},
    {"3 Lehrkräfte, 12 Einträge, ohne Raumwechsel", {3, 12, 40, 50, false}, 3001, 20},
};

TEST(OptimierungGanzzahlig, GanzerKleinerTagErreichtUndBeweistDasMaximum)
{
    // From no talk at all, so that nothing of the computation helps; own hours past the
    // day's end are among these days, with their stricter neighbour rule.
    for (const TReihe& reihe : Reihen) {
        for (quint32 saat = reihe.ersteSaat; saat < reihe.ersteSaat + quint32(reihe.tage); ++saat) {
            TSprechtag tag;
            KleineTage::Erzeuge(tag, reihe.art, saat);
            const int maximum = KleineTage::Maximum(tag);
            TOptimierZustand z(tag);
            TGanzzahlGrenzen g;
            g.Knoten = 100000;
            const TGanzzahlErgebnis e = GanzzahligVerbessern(z, g, Immer);
            ASSERT_TRUE(e.Optimal) << reihe.name << ", Saat " << saat;
            EXPECT_EQ(e.Schranke, maximum) << reihe.name << ", Saat " << saat;
            EXPECT_EQ(z.Kennwerte().Termine, maximum) << reihe.name << ", Saat " << saat;
            EXPECT_EQ(e.Uebernommen, maximum > 0) << reihe.name << ", Saat " << saat;

            SchreibePlaene(tag, z);
            const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
            ASSERT_TRUE(b.Fehler.isEmpty()) << reihe.name << ", Saat " << saat << ": "
                                            << b.Fehler.join(u'\n').toStdString();
            EXPECT_EQ(b.Termine, maximum) << reihe.name << ", Saat " << saat;
        }
    }
}

// 15:00-15:20, no room change. Adler and Buche hold 15:00 only, Citrus 15:10 only. Xaver
// asks all three, Yvonne Citrus. Xaver can talk once at 15:00 and once at 15:10, so at
// most two talks in all: Xaver at 15:00 and one of the two at 15:10. The flow bound lets
// Xaver's 15:00 carry two talks and says three; the programme proves two.
TEST(OptimierungGanzzahlig, BeweistWoDerFlussZuVielErlaubt)
{
    const QString A = QStringLiteral("Adler (R1)"), B = QStringLiteral("Buche (R2)"), C = QStringLiteral("Citrus (R3)");
    TSprechtag tag;
    Rahmen(tag, 15, 0, 15, 20, 10);
    tag.SetRaumwechselPause(false);
    for (const auto& [name, von, bis] : {std::tuple(A, 0, 10), std::tuple(B, 0, 10), std::tuple(C, 10, 20)}) {
        TLehrer& l = Lehrer(tag, name);
        l.AbweichZeit = true;
        l.StartZeit = Zeit::Kodiere(15, von);
        l.EndZeit = Zeit::Kodiere(15, bis);
    }
    Eltern(tag, QStringLiteral("5a: Xaver"), {A, B, C});
    Eltern(tag, QStringLiteral("6b: Yvonne"), {C});
    ASSERT_EQ(KleineTage::Maximum(tag), 2);
    TOptimierZustand z(tag);
    const TGanzzahlErgebnis e = GanzzahligVerbessern(z, {}, Immer);
    EXPECT_TRUE(e.Optimal);
    EXPECT_EQ(e.Schranke, 2);
    EXPECT_EQ(z.Kennwerte().Termine, 2);
    EXPECT_GE(TerminSchranke(tag), 2);
}

TEST(OptimierungGanzzahlig, FensterBewegtNurSeineTermine)
{
    for (quint32 saat = 1; saat <= 40; ++saat) {
        TSprechtag tag;
        KleineTage::Erzeuge(tag, {4, 12, 30, 60, true}, saat);
        Rechne(tag);
        TOptimierZustand z(tag);
        LiesPlaene(tag, z);
        const std::vector<int> vorher = z.Slots();
        const int termine = z.Kennwerte().Termine;
        const TGanzzahlErgebnis e = GanzzahligVerbessern(z, {}, Immer, 2, 3);
        EXPECT_EQ(e.Schranke, -1) << "Saat " << saat;
        EXPECT_GE(z.Kennwerte().Termine, termine) << "Saat " << saat;
        for (int r = 0; r < z.AnzWuensche(); ++r) {
            const bool drinnen = vorher[size_t(r)] == 2 || vorher[size_t(r)] == 3;
            if (vorher[size_t(r)] >= 0 && !drinnen) {
                EXPECT_EQ(z.Slot(r), vorher[size_t(r)]) << "Saat " << saat << ", Wunsch " << r;
            }
            if (z.Slot(r) != vorher[size_t(r)]) {
                EXPECT_TRUE(z.Slot(r) == -1 || z.Slot(r) == 2 || z.Slot(r) == 3) << "Saat " << saat;
                if (z.Slot(r) >= 0) {
                    EXPECT_TRUE(z.HaeltRegeln(r)) << "Saat " << saat << ", Wunsch " << r;
                }
            }
        }
    }
}

// One slot, no room change. Xaver is invited by Adler and also asks Buche; Zora asks
// Adler. Two talks are possible (Xaver with Buche, Zora with Adler), but the invitation
// comes first: Xaver with Adler, alone. Worked out by hand.
TEST(OptimierungGanzzahlig, EinladungVorMehrTerminen)
{
    const QString A = QStringLiteral("Adler (R1)"), B = QStringLiteral("Buche (R2)");
    const QString X = QStringLiteral("5a: Xaver"), Zo = QStringLiteral("6b: Zora");
    TSprechtag tag;
    Rahmen(tag, 15, 0, 15, 10, 10);
    tag.SetRaumwechselPause(false);
    Lehrer(tag, A);
    Lehrer(tag, B);
    Eltern(tag, X, {A, B});
    Eltern(tag, Zo, {A});
    PrioritaetSetzen(tag, X, A, TPrioritaet::Einladung);
    TOptimierZustand z(tag);
    int xa = -1, xb = -1, za = -1;
    for (int r = 0; r < z.AnzWuensche(); ++r) {
        const bool xaver = tag.Eltern.Name(z.W(r).eltern) == X;
        (xaver ? (z.W(r).text == A ? xa : xb) : za) = r;
    }
    ASSERT_TRUE(xa >= 0 && xb >= 0 && za >= 0);
    z.Setze(xb, 0);
    z.Setze(za, 0);
    const TGanzzahlErgebnis e = GanzzahligVerbessern(z, {}, Immer);
    EXPECT_TRUE(e.Uebernommen);
    EXPECT_EQ(e.Schranke, -1); // the objective weighed the invitation, not the talks
    EXPECT_EQ(z.Slot(xa), 0);
    EXPECT_EQ(z.Slot(xb), -1);
    EXPECT_EQ(z.Slot(za), -1);
    EXPECT_EQ(z.Kennwerte().Einladungen, 1);
    EXPECT_EQ(z.Kennwerte().Termine, 1);
}

TEST(OptimierungGanzzahlig, GruendlichErreichtAufKleinenTagenDasMaximum)
{
    // The whole thorough step, from the computation's plans, through the plan checker.
    for (const TReihe& reihe : Reihen) {
        for (quint32 saat = reihe.ersteSaat; saat < reihe.ersteSaat + quint32(reihe.tage); saat += 4) {
            TSprechtag tag;
            KleineTage::Erzeuge(tag, reihe.art, saat);
            Rechne(tag);
            TStillerOptimierFortschritt still;
            Optimiere(tag, still, -1, true);
            const PlanPruefer::TBefund b = PlanPruefer::Pruefe(tag);
            ASSERT_TRUE(b.Fehler.isEmpty()) << reihe.name << ", Saat " << saat << ": "
                                            << b.Fehler.join(u'\n').toStdString();
            if (b.NurBerechnung.isEmpty()) {
                EXPECT_EQ(b.Termine, KleineTage::Maximum(tag, b.Termine)) << reihe.name << ", Saat " << saat;
            }
        }
    }
}

} // namespace
